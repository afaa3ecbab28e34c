// An engine host that records what the engine reports, for tests.
#pragma once

#include "engine/host.h"

#include <string>
#include <vector>

namespace vellamor::testing {

class RecordingHost : public EngineHost {
public:
    void message(std::string_view text) override { messages.emplace_back(text); }
    void beep() override { ++beeps; }
    void sound(std::string_view name) override { sounds.emplace_back(name); }
    void scoreChanged(long long score) override { lastScore = score; }

    std::vector<std::string> messages, sounds;
    int beeps = 0;
    long long lastScore = -1;
};

} // namespace vellamor::testing
