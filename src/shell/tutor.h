// The window side of autoplay, hints and the demo: the Autoplay, "Show a legal
// move" and "Game Demo" commands, the hint arrow over the table and the demo
// window, and the autoplay choice kept per game or for all games in the
// settings file. The engine finds and makes the moves (engine/autoplay.h,
// hints.h, demo.h).
#pragma once

#include <memory>

class QAction;

namespace vellamor {
class Engine;
}
namespace vellamor::store {
class DataFolder;
class Settings;
class StoreHost;
struct SettingContext;
} // namespace vellamor::store
namespace vellamor::render {
class ImagePacks;
}

namespace vellamor::shell {

class TfrmMain;
class TfrmDemo;
class HintArrow;

class Tutor {
public:
    // `folder` holds the settings file; the demo window's buttons take their
    // pictures from `packs` (may be null: the buttons show their names).
    Tutor(TfrmMain& w, const store::DataFolder& folder, store::StoreHost* host,
          const render::ImagePacks* packs);
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
    // A new game has been dealt and shown: the autoplay switch is set as the
    // settings say for this game, and autoplay runs after 800 ms.
    void gameDealt();
    // How AutoPlay_All_Games keeps the switch.
    enum AutoplayMode { AllGames = 1, PerGame = 2, OffAtStart = 3 };
    // Enables the commands for the game in play.
    void updateCommands();

    TfrmDemo& demoWindow() { return *demo_; }
    HintArrow& arrow() { return *arrow_; }

private:
    void showArrow();
    Engine& engine();
    std::unique_ptr<store::Settings> settings() const;
    int autoplayMode() const;
    void setAutoplayChecked(bool on);

    const store::DataFolder& folder_;
    store::StoreHost* host_;
    TfrmMain& w_;
    TfrmDemo* demo_ = nullptr;
    HintArrow* arrow_ = nullptr;
    bool cancelling_ = false;
};

} // namespace vellamor::shell
