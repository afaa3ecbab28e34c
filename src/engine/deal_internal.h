// Pieces of the distribution shared by the deal and its dealing styles.
#pragma once

#include "engine/deal.h"
#include "engine/engine.h"

#include <array>

namespace vellamor::detail {

// Appends a card on top of a pile with the given face.
inline void place(Engine& e, Pile& pile, int code, bool faceUp) {
    if (pile.push(code)) e.cards.setFaceUp(code, faceUp);
}

// Takes the first card of the deck that matches, wherever it lies; 0 when none.
template <class Match> int takeFirst(DealArray& deck, Match match) {
    for (int i = 0; i < deck.size(); ++i) {
        const int c = deck[i];
        if (c != kHole && match(c)) {
            deck.erase(i);
            return c;
        }
    }
    return kHole;
}

inline int takeCode(DealArray& deck, int code) {
    return takeFirst(deck, [code](int c) { return c == code; });
}

// Which foundations a freeing scan offers a card to.
enum class FreeChoice { All, SameNumber, Group };
FreeChoice freeChoiceFor(int baseCardCode);

// Offers the tableau cards to the foundations (pile by pile or row by row as
// parameter 26 says); each accepted card moves face up and scores.
void freeTableauCards(Engine& e, FreeChoice choice);

// Style 18's mixing rule over the first n cards.
void mixCards(std::array<CardCode, 16>& cards, int n);

// Dealing styles that act at the end of the distribution (parameter 36).
void applyDealingStyle(Engine& e, DealArray& deck);

// Foundation base styles (parameter 1).
void applyFoundationBaseStyle(Engine& e, DealArray& deck, int style);

} // namespace vellamor::detail
