// The layout's card places for the files that also see the player actions: the
// two headers both name a `Point`, so they cannot meet in one file. This bridge
// keeps them apart with plain types of its own.
#pragma once

#include "engine/pile.h"

namespace vellamor {
class Engine;
}

namespace vellamor::shell::bridge {

struct XY {
    int x = 0, y = 0;
};
struct Place {
    bool found = false;
    PileId pile{};
    int card = 0;  // 0 when the pile is empty
    int above = 0; // cards above it
    XY at;
};

// The pile and card under a point (empty piles count with `emptyPiles`).
Place hit(const Engine& e, int x, int y, bool emptyPiles);
// The place of the card with `above` cards above it.
XY cardAt(const Engine& e, PileId pile, int above);
// The pile and place of a card on the tableau, reserves or foundations.
Place placeOf(const Engine& e, int card);
// Card size and the spacing of fanned piles for the current game.
void setSpacing(Engine& e, char sizeLetter);

} // namespace vellamor::shell::bridge
