#include "layout/table_geometry.h"

#include "engine/engine.h"
#include "layout/card_position.h"

namespace vellamor {

Hit LayoutGeometry::hitTest(int x, int y) const {
    Hit hit;
    CardPlace place;
    if (!vellamor::hitTest(e_, x, y, place, true)) return hit;
    hit.card = place.card;
    hit.pile = place.pile;
    hit.cardPos = place.at;
    const Pile& pile = e_.table.pile(place.pile);
    hit.pilePos = cardPosition(e_, place.pile, pile.empty() ? 0 : pile.size() - 1);
    return hit;
}

std::optional<Rect> LayoutGeometry::topCardRect(PileId pile) const {
    const Point at = cardPosition(e_, pile, 0);
    if (TMainGame::hidden(at.x)) return std::nullopt;
    return Rect{at.x, at.y, e_.game.cardWidth, e_.game.cardHeight};
}

int LayoutGeometry::cardWidth() const { return e_.game.cardWidth; }
int LayoutGeometry::cardHeight() const { return e_.game.cardHeight; }

} // namespace vellamor
