// How the engine reports to the program around it. The engine never shows a box
// or plays a sound itself; the window implements this, tests record it.
#pragma once

#include <string_view>

namespace vellamor {

class EngineHost {
public:
    virtual ~EngineHost() = default;

    // An information message with one OK button.
    virtual void message(std::string_view text) = 0;
    // A refused move or selection.
    virtual void beep() = 0;
    // A named sound of the sound set ("Reorder", "Undo", …).
    virtual void sound(std::string_view name) = 0;
    // The score changed and should be shown.
    virtual void scoreChanged(long long score) = 0;

    // A card left one pile for another (the window animates its flight).
    virtual void cardMoved(int /*card*/, int /*fromKind*/, std::string_view /*to*/) {}
    // The empty stock is shown pressed (true) or released (false).
    virtual void stockPressed(bool /*pressed*/) {}
    // The main context menu at a table position (Ctrl + right click).
    virtual void popupMenu(int /*x*/, int /*y*/) {}
    // Draw one partly hidden card whole until the button is released.
    virtual void revealCard(int /*card*/) {}
    // Escape: leave full-screen mode.
    virtual void leaveFullScreen() {}
};

// A host that ignores everything; the default until a real one is attached.
class SilentHost final : public EngineHost {
public:
    void message(std::string_view) override {}
    void beep() override {}
    void sound(std::string_view) override {}
    void scoreChanged(long long) override {}
};

} // namespace vellamor
