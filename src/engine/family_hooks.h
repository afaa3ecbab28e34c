// Entry points of the special game families. The building rules and the player
// actions call these where a game's special behaviour code (parameter 54) or a
// special suit rule asks for its own handling. The families arrive one by one;
// until a family is written its entry point leaves the plain game's behaviour in
// place (it reports "not handled" or does nothing).
#pragma once

#include "engine/pile.h"

#include <string_view>

namespace vellamor {

class Engine;
struct MovingBlock;

namespace families {

// Special behaviour 23: may a tableau card go to foundation k (0-based)?
bool foundationTakesFromTableau(const Engine& engine, int k, const MovingBlock& m);

// Whether the waste takes the block (families with their own waste handling).
bool wasteAccepts(const Engine& engine, const MovingBlock& m);

// After a move onto a tableau pile (suit rules 69 and 71, special behaviour
// codes 29, 38, 40, 42, 43, 44, 49, 63, 69, 72, 73, 82, 90).
void afterTableauMove(Engine& engine, int card, PileId target);

// Actions of the pairing games and of special behaviour 64 ("Selezionate_Dest",
// "Selezionate_Fila", "Stock_To_Pile_Monte_Carlo", "Selezionate_Dest_Deck").
// Returns whether something was done.
bool familyAction(Engine& engine, int card, std::string_view action);

// A click on the stock in games whose code has its own stock handling (the
// cribbage deal of 76, the own deal of 56, the selection of 4, 67, 83, 87).
// Returns true when the family took the click.
bool stockClick(Engine& engine);

// A mouse down in games with their own click handling (memory, pairing,
// discard and sum games). Returns true when the family took the click.
bool mouseDown(Engine& engine, int card, PileId pile, bool rightButton);

// The automatic refill after every move and autoplay pass (parameter 25).
void refill(Engine& engine);

// The partial score of the three piles of stock deal 13.
void showPartialScore(Engine& engine);

} // namespace families
} // namespace vellamor
