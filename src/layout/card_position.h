// Where each card of a pile lies relative to the pile's base, and which pile and
// card lie under a point of the table. Coordinates are window coordinates (the
// scroll offset taken off).
#pragma once

#include "engine/geometry.h"
#include "engine/pile.h"

namespace vellamor {

class Engine;

// Card size classes: N 49 × 66, M 59 × 80, B 71 × 96, S 85 × 115, X 102 × 138,
// L 25 × 32 (the preview strips).
struct CardSize {
    char letter;
    int width, height;
};
// nullptr-free lookup: an unknown letter gives size B.
CardSize cardSizeOf(char letter);

// Sets the card size and the spacing of fanned piles for the current game.
void setCardSpacing(Engine& engine, char sizeLetter);

// The layout style of a pile: tableau parameter 3 (11: per pile), foundations
// parameter 4, reserves parameter 5; the stock group has none (0).
int pileStyle(const Engine& engine, PileId pile);

// The place of the card that has `above` cards above it (0: the top card). With
// `oneMore`, the place where a further card would lie on that card.
Point cardPosition(const Engine& engine, PileId pile, int above, bool oneMore = false);

// The irregular shift of card r (1 = bottom) of tableau pile `pile`: the game's
// table of shifts (TMainGame::irregular) while the "Piles_TT" preference is on, else 0.
int irregularOffset(const Engine& engine, int pile, int r);

struct CardPlace {
    PileId pile{};
    int card = 0;   // the card's code, 0 when the pile is empty or no card is hit
    int above = 0;  // cards above it
    Point at;       // its place
};

// The pile and place of a card, looking through the tableau piles, the reserves
// and then the foundations; false when the card lies on none of them.
bool placeOfCard(const Engine& engine, int code, CardPlace& out);

// The pile and card under a point. Empty tableau piles count only with
// `emptyTableau`. False when the point hits nothing.
bool hitTest(const Engine& engine, int x, int y, CardPlace& out, bool emptyTableau = false);

} // namespace vellamor
