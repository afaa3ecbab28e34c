// Pieces shared by the files of the player actions.
#pragma once

#include "engine/actions.h"
#include "engine/engine.h"

namespace vellamor::actions_detail {

inline void pushStep(Engine& e) {
    e.play.undo->push(e);
}
inline void withdrawStep(Engine& e) {
    e.play.undo->withdraw(e);
}
inline void recordEffect(Engine& e, std::string_view code) {
    e.play.undo->record(e, code);
}

// The stock-deal counter rises outside tutor mode 1.
void raiseStockDeals(Engine& e);

// One card from the stock onto tableau pile i (0-based) as its deal code says;
// `anyCode` deals face up whatever the code. Then the pile's completed run goes
// to its foundation. Returns whether a card was dealt.
bool dealToTableau(Engine& e, int i, bool anyCode = false);
bool dealToReserve(Engine& e, int r);

// The body of an action, without the after-action sequence; `push` false makes
// it part of the step already pushed.
bool perform(Engine& e, int card, const Action& action, bool push);

// The after-action sequence. `isMove` false for a card turned face up.
void afterAction(Engine& e, bool done, bool fromTableau, bool isMove = true);

// The waste turned back onto the stock (the plain redeal), without an undo step.
void turnWasteOver(Engine& e);
bool passLeft(const Engine& e);

} // namespace vellamor::actions_detail
