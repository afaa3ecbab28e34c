// An engine host that writes what the engine reports as text lines.
#pragma once

#include "engine/host.h"

#include <ostream>

namespace vellamor::cli {

class StreamHost final : public EngineHost {
public:
    explicit StreamHost(std::ostream& out) : out_(out) {}
    void message(std::string_view text) override { out_ << "message: " << text << '\n'; }
    void beep() override { out_ << "beep\n"; }
    void sound(std::string_view name) override { out_ << "sound: " << name << '\n'; }
    void scoreChanged(long long) override {}
    void stockPressed(bool pressed) override {
        out_ << (pressed ? "stock pressed\n" : "stock released\n");
    }
    void popupMenu(int x, int y) override { out_ << "popup menu: " << x << ' ' << y << '\n'; }
    void revealCard(int card) override { out_ << "reveal: " << card << '\n'; }
    void leaveFullScreen() override { out_ << "leave full screen\n"; }

private:
    std::ostream& out_;
};

} // namespace vellamor::cli
