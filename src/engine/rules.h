// Building rules: whether a pile accepts a card or a block, and how many cards
// may be taken from a pile at once. Play, hints, the demo and any solver all ask
// these functions; none of them allocates or changes the position.
#pragma once

#include "engine/pile.h"

#include <optional>
#include <string_view>

namespace vellamor {

class Engine;

// The block being moved: its bottom card, where that card lies and how many
// cards lie from it to the top of its pile. A card on no pile moves alone.
struct MovingBlock {
    int card = 0;
    std::optional<PileId> from;
    int position = -1; // index of the card in its pile
    int count = 1;

    bool single() const { return count == 1; }
    bool fromKind(PileKind k) const { return from && from->kind == k; }
    bool fromTableau() const { return fromKind(PileKind::Tableau); }
    bool fromReserve() const { return fromKind(PileKind::Reserve); }
    bool fromFoundation() const { return fromKind(PileKind::Foundation); }
    bool fromStockGroup() const {
        return fromKind(PileKind::Stock) || fromKind(PileKind::Waste) ||
               fromKind(PileKind::SecondWaste);
    }
};

// Locates the card and measures the block above it.
MovingBlock movingBlock(const Engine& engine, int card);
// A block of exactly one card, wherever it lies (the draw rule, the deal).
MovingBlock singleCard(const Engine& engine, int card);

// What the rule test compares the moving card with.
struct RuleTarget {
    PileKind kind = PileKind::Tableau;
    int index = 0; // 0-based number of the target pile
    int top = -1;  // top card; 0 a hole on top, -1 an empty pile
    int fill = 0;  // the base code (foundations) or fill code (tableau)
    int suitRule = 0;
    int direction = 0; // 1 up, 0 down, 2 up or down
    int base = 1;      // B: the foundation base code the tableau builds against
    int wrap = 1;      // foundations always 1; tableau piles their wrap mark
};

// The common rule test of a moving block against a target.
bool ruleTest(const Engine& engine, const RuleTarget& target, const MovingBlock& m);

// The empty-pile code applied to a card offered to an empty pile.
bool emptyPileAccepts(const Engine& engine, int code, int base, const MovingBlock& m);

// Acceptance by kind of target, index 0-based. The card is the bottom card of
// the moving block (the block is the card and everything above it).
bool foundationAccepts(const Engine& engine, int index, int card);
bool foundationAccepts(const Engine& engine, int index, const MovingBlock& m);
bool tableauAccepts(const Engine& engine, int index, int card);
bool tableauAccepts(const Engine& engine, int index, const MovingBlock& m);
bool reserveAccepts(const Engine& engine, int index, int card);
bool reserveAccepts(const Engine& engine, int index, const MovingBlock& m);

// Dispatches on the kind of pile; a pile the game does not use, the stock and
// the wastes accept nothing (the waste only through a family rule).
bool pileAccepts(const Engine& engine, PileId pile, const MovingBlock& m);
bool pileAccepts(const Engine& engine, PileId pile, int card);
// By pile name ("Dest3", "Fila12", "Appogg1"); any other name accepts nothing.
bool pileAccepts(const Engine& engine, std::string_view name, int card);

// The suits of the top cards of foundations first..first+3 and the card's suit
// all differ (an empty foundation has no suit).
bool groupTest(const Engine& engine, int first, int card);
// The colour-balance test of empty-pile codes 81, 84, 85 and 90 (and suit rule
// 29 on an empty foundation, with that foundation's base code).
bool colourBalanceTest(const Engine& engine, int code, int card);
// The row-fill test of suit rules 38, 45 and 48; leading rank `lead`.
bool rowFillTest(const Engine& engine, int index, int lead, const MovingBlock& m);

// Grid games (parameters 27 and 28): whether the cards of tableau pile `index`
// may be moved.
bool gridFrees(const Engine& engine, int index);
// The row test of count test -15 and reserve rules -15 and 103.
bool rowTestFrees(const Engine& engine, const MovingBlock& m);

// The count test without its side effects: may the block from this card to the
// top of its tableau pile be taken? The draw rule (-17) allows single cards
// only; the player action that also performs the draw is takeBlock (actions.h).
bool countAllows(const Engine& engine, const MovingBlock& m, bool toEmptyTableau);

// The group-move test: every consecutive pair of the block, bottom to top, must
// pass the rule test of tableau pile `target` (parameter 2 picks the suit rule).
bool blockIsSequence(const Engine& engine, const MovingBlock& m, int target);

} // namespace vellamor
