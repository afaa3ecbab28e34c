// The sounds of the game events: WAVE resources of the main pack played from
// memory, once, once without interrupting, or in a loop, and stopped. Each
// event has its own switch in the settings and a master switch silences all.
// Without an audio device everything is silent.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace vellamor::render {

class ImagePacks;

// The settings key ("Sounds_Tableau") that switches the sound of a resource
// name (any letter case); empty for a name that is no event's.
std::string_view soundSettingOf(std::string_view resource);

class SoundPlayer {
public:
    // `eventOn` reads an event's setting (a key of soundSettingOf) as "Y" or not.
    SoundPlayer(const ImagePacks& packs, std::function<bool(std::string_view key)> eventOn);
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    // The master switch (Sounds_Enabled).
    void setEnabled(bool on) { enabled_ = on; }
    bool enabled() const { return enabled_; }

    // Plays asynchronously, stopping what plays. A name without a resource only
    // stops the current sound. Nothing happens when the event or the master
    // switch is off.
    void play(std::string_view name);
    // Plays only when nothing else is playing ("New" never cuts off "Won").
    void playWithoutInterrupting(std::string_view name);
    // Plays repeatedly until stopped.
    void playLooping(std::string_view name);
    // Ends any sound (only with the master switch on).
    void stop();

    bool playing() const;
    // Whether a sound device is there; false means every call is silent.
    bool hasDevice() const;
    // The last sound started (for the tests; empty after stop()).
    const std::string& current() const { return current_; }

private:
    bool allowed(std::string_view name) const;
    void start(std::string_view name, bool loop);

    struct Output;
    const ImagePacks& packs_;
    std::function<bool(std::string_view)> eventOn_;
    bool enabled_ = true;
    std::string current_;
    std::unique_ptr<Output> out_;
};

} // namespace vellamor::render
