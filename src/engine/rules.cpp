#include "engine/rules.h"

#include "engine/engine.h"

namespace vellamor {

namespace {

bool suitRelationHolds(int suitRule, int top, int card) {
    switch (suitRule) {
    case 0: return suitIndex(top) == suitIndex(card);
    case 1: return isRed(top) == isRed(card);
    case 3: return isRed(top) != isRed(card);
    case 2: return true;
    default: return false;
    }
}

} // namespace

// The standard foundation test: an empty foundation takes a card of its base
// rank (-1 any card); otherwise the card must follow the top card in the
// foundation's direction and suit relation, wrapping between King and Ace.
bool foundationAccepts(const Engine& engine, int index, int card) {
    if (index < 0 || index >= kFoundationCount || !isCard(card)) return false;
    const RuleParams& p = engine.params;
    const Pile& pile = engine.table.foundations[index];
    const int max = p[prm::FoundationMax];
    if (max > 0 && pile.size() >= max) return false;

    const int base = p[prm::FoundationBase + index];
    const int top = pile.top();
    const int rm = rank(card);
    if (top == kHole) return base == -1 || rm == base;
    if (top == card) return false;

    const int suitRule = p[prm::FoundationSuitRule + index];
    if (!suitRelationHolds(suitRule, top, card)) return false;

    const int rt = rank(top);
    const int direction = p[prm::FoundationDirection + index];
    if (direction == 1 || direction == 2) {
        if (rt == kKing ? (rm == kAce && base != kAce) : rm == rt + 1) return true;
        if (direction == 1) return false;
    }
    return rt == kAce ? (rm == kKing && base != kKing) : rt == rm + 1;
}

} // namespace vellamor
