// What the player actions keep besides the position: the preferences they read,
// the undo steps they push, the hand-over points to the parts of the engine that
// score, end and redeal a game, and the state of a drag or a selection.
#pragma once

#include "engine/pile.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vellamor {

class Engine;

// Preferences of the settings file that the actions read. The program fills
// them from the settings; the defaults are the settings file's defaults. The
// sound switches are not here: the engine names every sound it raises and the
// sound player applies the switches.
struct Preferences {
    bool moveCardsDragAndDrop = true;     // Move_Cards_DragAndDrop
    bool doubleClickToFoundations = true; // DoubleClick_To_Foundations
    bool doubleClickToTableaus = false;   // DoubleClick_To_Tableaus
    bool rightClickToFoundations = true;  // RightClick_To_Foundations
    bool rightClickToTableaus = true;     // RightClick_To_Tableaus
    bool showPartialHiddenCard = true;    // Show_Partial_Hidden_Card
    bool showMainPopupMenu = true;        // Show_Main_Popup_Menu
    bool automaticFaceUp = true;          // Automatic_FaceUp
    bool redealAnimation = true;          // Redeal_Animation
    bool showPilesSize = true;            // ShowPilesSize
    // Not a setting: the ticked state of the autoplay command, which the
    // program keeps per game.
    bool autoplay = false;
    // Undo_Enabled: '0' unlimited undo and redo, '1' one of each between moves, '2' none.
    char undoPolicy = '0';
    bool confirmQuitGame = true; // ConfirmQuitGame
    bool irregularPiles = false; // Piles_TT other than "N": fanned tableau piles drawn untidily

    // Sets a preference from its settings key and text ("Y"/"N", or "0"/"1"/"2"
    // for Undo_Enabled); false when the key is unknown or the value does not fit.
    bool set(std::string_view key, std::string_view value);
};

// Where the actions push their undo steps: the default keeps whole positions in
// Engine::undoLog (foundation 1 stored empty where it holds discards).
class UndoSteps {
public:
    virtual ~UndoSteps() = default;
    // Stores the current position as a new step.
    virtual void push(Engine& e);
    // Drops the newest step (the action that pushed it did nothing).
    virtual void withdraw(Engine& e);
    // Marks a side effect of the newest step: "002" the stock-deal counter
    // changed, "003" the pass number, "004" the draw rule was used.
    virtual void record(Engine& e, std::string_view code);
    // How often the code occurs in the side effects of all steps.
    virtual int count(const Engine& e, std::string_view code) const;
    // A new move makes the undone steps unreachable.
    virtual void clearRedo(Engine& e);

    int size(const Engine& e) const;
};

// The parts of the engine that the actions hand over to. The defaults play the
// plain game: the plain win test and score (end_game.h), the redeal styles
// (redeal.h), the autoplay pass and the hint search (autoplay.h, hints.h). The
// program and the special families replace what they own.
class PlayHooks {
public:
    virtual ~PlayHooks() = default;
    // The win test (the plain one by default).
    virtual bool winTest(const Engine& e);
    // Recomputes, stores and shows the score.
    virtual void recomputeScore(Engine& e);
    // Runs the redeal style of parameter 17; false when it did nothing.
    virtual bool redealStyle(Engine& e);
    // One autoplay pass; true when it moved something (autoplay.h).
    virtual bool autoplayPass(Engine& e);
    // The game is won or left.
    virtual void endGame(Engine&) {}
    // A hint or the demo is cancelled by a mouse down (hints.h: cancelTutorMode).
    virtual void cancelTutor(Engine& e);
    // Shows the suggested stock move (tutor mode 1).
    virtual void showStockHint(Engine&) {}
    // Shows a legal move ("m"; hints.h: showLegalMove).
    virtual void showLegalMove(Engine& e);
};

// The state of the player's hand between mouse events.
struct PlayState {
    Preferences prefs;
    UndoSteps* undo = &defaultUndo;
    PlayHooks* hooks = &defaultHooks;

    // The pending hint: a double-click or right-click on this card goes only there.
    int hintCard = 0;
    std::optional<PileId> hintTarget;

    UndoSteps defaultUndo;
    PlayHooks defaultHooks;
};

} // namespace vellamor
