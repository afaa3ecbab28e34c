#include "shell/layout_bridge.h"

#include "layout/card_position.h"

namespace vellamor::shell::bridge {

namespace {
Place from(const CardPlace& p) { return {true, p.pile, p.card, p.above, {p.at.x, p.at.y}}; }
} // namespace

Place hit(const Engine& e, int x, int y, bool emptyPiles) {
    CardPlace p;
    if (!hitTest(e, x, y, p, emptyPiles)) return {};
    return from(p);
}

XY cardAt(const Engine& e, PileId pile, int above) {
    const auto at = cardPosition(e, pile, above);
    return {at.x, at.y};
}

Place placeOf(const Engine& e, int card) {
    CardPlace p;
    if (!placeOfCard(e, card, p)) return {};
    return from(p);
}

void setSpacing(Engine& e, char sizeLetter) { setCardSpacing(e, sizeLetter); }

} // namespace vellamor::shell::bridge
