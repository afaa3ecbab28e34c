// The window side of autoplay, hints and the demo (Part 2.7): the Autoplay, "Show
// a legal move" and "Game Demo" commands, the hint arrow over the table and the
// demo window. The engine finds and makes the moves (engine/autoplay.h, hints.h, demo.h).
#pragma once

#include <memory>

class QAction;

namespace vellamor {
class Engine;
}

namespace vellamor::shell {

class TfrmMain;
class TfrmDemo;
class HintArrow;

class Tutor {
public:
    explicit Tutor(TfrmMain& w);
    ~Tutor();

    // The commands.
    void autoplayCommand(bool checked);
    void showLegalMoveCommand();
    void demoCommand();
    // Ends every tutor mode: the demo command enabled again, the demo window
    // hidden, no card in hand, the table redrawn.
    void cancelTutor();
    // The one-second timer: the arrow goes at its third tick.
    void timerTick();
    // The table was drawn anew: a shown arrow goes.
    void tableRedrawn();
    // A new game has been dealt and shown: autoplay runs after 800 ms.
    void gameDealt();
    // Enables the commands for the game in play.
    void updateCommands();

    TfrmDemo& demoWindow() { return *demo_; }
    HintArrow& arrow() { return *arrow_; }

private:
    void showArrow();
    Engine& engine();

    TfrmMain& w_;
    TfrmDemo* demo_ = nullptr;
    HintArrow* arrow_ = nullptr;
    bool cancelling_ = false;
};

} // namespace vellamor::shell
