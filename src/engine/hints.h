// Hints: "Show a legal move" finds one legal move in a fixed order of
// candidates, skips the moves the hint filter refuses, and either shows it
// (tutor mode 1) or hands it to the demo (tutor mode 3), which makes it. The
// search asks the same rule tests as play (rules.h, automaticTargets).
#pragma once

#include "engine/pile.h"

#include <optional>
#include <string>
#include <string_view>

namespace vellamor {

class Engine;

enum class HintKind {
    Move,   // the card (and the cards above it) to the target pile
    TurnUp, // a face-down tableau top card is turned face up
    Stock,  // a click on the stock (target kStock; kSecondWaste for code 64's second waste)
    Refill, // the automatic refill: its first card onto the emptied pile
    Click,  // a click on the top card of a tableau pile sends it to the second waste
};

struct Hint {
    HintKind kind = HintKind::Move;
    int card = 0; // bottom card of the moving block; 0 for a stock click
    PileId from{PileKind::Stock, 0};
    int position = 0; // index of the card in its pile
    int count = 1;    // cards in the moving block
    PileId target{PileKind::Stock, 0};
    bool autoplay = false; // found by the autoplay step: made as Dest_Autoplay

    friend bool operator==(const Hint&, const Hint&) = default;
};

// The 13-digit record of the hint history: card (3), where it lies (2: 3 the
// waste, 4 a tableau pile, 6 a reserve, -1 any other), that pile's index (3),
// the target kind (2) and index (3; 0 for every reserve). A stock click is card
// 0 from "-1" onto the stock (kind 1).
std::string hintRecord(const Hint& hint);
// Appends a record, dropping the oldest beyond 30 records (390 characters).
void recordHint(Engine& e, const Hint& hint);
inline constexpr int kHintHistoryRecords = 30;
// The history as one text, oldest first.
std::string hintHistoryText(const Engine& e);

// Whether the hint filter lets the candidate move through (all its rules,
// the history included). `demo` exempts stock clicks from the history.
bool hintFilterPasses(const Engine& e, const Hint& hint, bool demo = false);

// The search: the first candidate move that passes the filter, in the order
// autoplay, refill, waste, reserves, tableau without and with reserves as
// targets, discard clicks, stock. The position is left unchanged.
std::optional<Hint> findHint(Engine& e, bool demo = false);

// Makes the move of a hint as play would (the move operation, the face-up
// turn or the stock click); false when the rules refuse it now.
bool makeHint(Engine& e, const Hint& hint);

// The demo window's description of a hint ("Move a card", "Move a group of
// cards", "Click to turn up a card(s)", "Click to redeal").
std::string_view hintDescription(const Engine& e, const Hint& hint);

// "Show a legal move": in tutor mode 1 the move found is shown (recorded,
// hint-pending set, PlayState::hintCard/hintTarget name it) and not made; with
// `demo` (tutor mode 3) it is recorded and made. When nothing new is found,
// "No other moves." is shown (not in the demo), the history is cleared and the
// tutor mode returns to 0. Returns whether a move was found.
bool showLegalMove(Engine& e, bool demo = false);

// The hint shown now, if any (tutor mode 1 with a hint found).
std::optional<Hint> shownHint(const Engine& e);
// Hides a shown hint (only in tutor mode 1).
void hideLegalMove(Engine& e);
// The main window's one-second tick: true when the shown hint is to be hidden
// now (its third tick).
bool tutorTick(Engine& e);
// Ends every tutor mode, the demo included: tutor mode 0, no card in hand.
// (The window also enables the demo command, hides the demo window and
// redraws; the pending hint stays for a double-click to follow.)
void cancelTutorMode(Engine& e);

} // namespace vellamor
