// The program's side of the host interfaces: what the engine, the store and the
// image code report reaches the player here, as boxes, beeps, sounds and redraws.
#pragma once

#include "engine/host.h"
#include "render/image_packs.h"
#include "store/store_host.h"

#include <string>

namespace vellamor::shell {

class TfrmMain;

class ProgramHost final : public EngineHost, public store::StoreHost, public render::ImageHost {
public:
    explicit ProgramHost(TfrmMain* window = nullptr) : window_(window) {}
    void setWindow(TfrmMain* window) { window_ = window; }
    // The settings file that image and store writes go to.
    void setSettingsPath(std::string path) { settingsPath_ = std::move(path); }
    const std::string& settingsPath() const { return settingsPath_; }

    // EngineHost, StoreHost and ImageHost alike: an information box.
    void message(std::string_view text) override;
    // EngineHost
    void beep() override;
    void sound(std::string_view name) override;
    void scoreChanged(long long score) override;
    void stockPressed(bool pressed) override;
    void popupMenu(int x, int y) override;
    void revealCard(int card) override;
    void leaveFullScreen() override;
    // StoreHost
    bool showAdvice(std::string_view text, int page) override;
    store::AdviceAnswer askAdvice(std::string_view text, bool withCancel) override;
    void busy(bool on) override;
    // ImageHost
    void writeSetting(std::string_view key, std::string_view value) override;
    void forgetRandomLists() override;

    int beeps() const { return beeps_; }

private:
    TfrmMain* window_;
    std::string settingsPath_;
    int beeps_ = 0;
    int busyDepth_ = 0;
};

} // namespace vellamor::shell
