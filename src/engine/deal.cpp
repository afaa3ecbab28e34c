// Distributing the deal array over the piles, and the new-game procedure.
#include "engine/deal.h"

#include "engine/actions.h"
#include "engine/deal_internal.h"
#include "engine/rules.h"
#include "engine/score.h"

#include <algorithm>

namespace vellamor {

using detail::place;
using detail::takeCode;
using detail::takeFirst;

namespace {

// Deals `count` cards from the front, face down, then turns the top ones:
// a positive faceUp turns that many top cards; -1, -2, -3 are face patterns.
void dealCards(Engine& e, DealArray& deck, Pile& pile, int count, int faceUp) {
    for (int i = 0; i < count && !deck.empty(); ++i) place(e, pile, deck.takeFront(), false);
    if (faceUp > 0) e.cards.setTopFaces(pile, faceUp, true);
    else if (faceUp >= -3 && faceUp <= -1) e.cards.setFacesByPattern(pile, faceUp);
}

// The card that base-card code `code` selects for foundation k (0-based), or 0.
int baseCardFor(Engine& e, DealArray& deck, int k, int code, unsigned& usedSuits,
                unsigned& usedRanks) {
    if (code >= 1 && code <= 13) return takeCode(deck, 13 * k + code);
    if (code >= 101 && code <= 312) return takeCode(deck, code - 100);
    if (code >= 51 && code <= 63)
        return takeFirst(deck, [r = code - 50](int c) { return rank(c) == r; });
    switch (code) {
    case 20: return takeFirst(deck, [](int) { return true; });
    case 21:
        return takeFirst(deck, [usedSuits](int c) {
            return !isJoker(c) && !(usedSuits & (1u << suitIndex(c)));
        });
    case 22:
        return takeFirst(deck, [usedRanks](int c) {
            return !isJoker(c) && rank(c) != kKing && !(usedRanks & (1u << rank(c)));
        });
    case 91: {
        if (deck.empty()) return kHole;
        int target = deck[0] + 13 * (k + 1);
        const int cards = e.params[prm::Cards];
        if (cards > 0 && target > cards) target %= cards;
        return takeCode(deck, target);
    }
    case 93:
    case 94: return takeCode(deck, 13 * k + 1);
    case 95:
        if (k < 4) return takeCode(deck, 13 * k + 13);
        if (k < 8) return takeCode(deck, 13 * (k - 4) + 1);
        return kHole;
    default: return kHole; // 0, 92, 96, 97, 98: no base card here
    }
}

void placeBaseCards(Engine& e, DealArray& deck) {
    unsigned usedSuits = 0, usedRanks = 0;
    for (int k = 0; k < e.foundationCount(); ++k) {
        const int code = e.params[prm::FoundationBaseCard + k];
        if (code == 92) {
            e.params.set(prm::FoundationBase + k, e.params[prm::FoundationBase]);
            continue;
        }
        const int card = baseCardFor(e, deck, k, code, usedSuits, usedRanks);
        if (card == kHole) continue;
        place(e, e.table.foundations[k], card, true);
        e.params.set(prm::FoundationBase + k, rank(card));
        if (!isJoker(card)) {
            usedSuits |= 1u << suitIndex(card);
            usedRanks |= 1u << rank(card);
        }
    }
}

// Base-card code 97 on foundation 1: foundations 1-8 get the first 2, 3, …, 9.
void placeRisingBases(Engine& e, DealArray& deck) {
    for (int k = 0; k < 8; ++k) {
        const int card = takeFirst(deck, [r = k + 2](int c) { return rank(c) == r; });
        if (card == kHole) continue;
        place(e, e.table.foundations[k], card, true);
        e.params.set(prm::FoundationBase + k, rank(card));
    }
}

// Special behaviour 50: the second half of the foundations builds from twice
// the base rank of the first half.
void doubleBases(Engine& e) {
    const int f = e.foundationCount();
    for (int k = f / 2; k < f; ++k) {
        int b = 2 * e.params[prm::FoundationBase + k - f / 2];
        if (b > 13) b -= 13;
        if (b == 0) b = 13;
        e.params.set(prm::FoundationBase + k, b);
    }
}

void dealSelectedTableauCards(Engine& e, DealArray& deck) {
    for (int i = 0; i < kTableauCount; ++i) {
        const int count = e.params[prm::TableauCards + i];
        if (count <= 1000) continue;
        Pile& pile = e.table.tableau[i];
        int card = kHole;
        bool up = false;
        if (count >= 1001 && count <= 1013)
            card = takeFirst(deck, [r = count - 1000](int c) { return rank(c) == r; });
        else if (count >= 1101 && count <= 1412)
            card = takeCode(deck, count - 1100);
        else if (count >= 1501 && count <= 1504) {
            card = takeCode(deck, 208 + count - 1500);
            if (card == kHole) card = takeFirst(deck, [](int c) { return isJoker(c); });
            up = true;
        }
        if (card != kHole) place(e, pile, card, up);
        dealCards(e, deck, pile, 0, e.params[prm::TableauFaceUp + i]);
    }
}

// Special behaviour 11: Aces leave reserve 1 for foundations 2, 3, …; the waste
// then gives its first Ace to foundation 1 and refills reserve 1.
void sortOutAces(Engine& e) {
    Pile& reserve1 = e.table.reserves[0];
    int acesTaken = 0;
    for (int i = 0; i < reserve1.size();) {
        if (rank(reserve1[i]) == kAce && acesTaken + 1 < kFoundationCount) {
            const int ace = reserve1[i];
            reserve1.erase(i);
            place(e, e.table.foundations[1 + acesTaken++], ace, true);
            i = 0;
        } else {
            ++i;
        }
    }
    Pile& waste = e.table.waste();
    bool aceOnFirst = false;
    int given = 0;
    for (int i = 0; i < waste.size(); ++i) {
        const int c = waste[i];
        if (rank(c) == kAce) {
            waste.erase(i);
            place(e, e.table.foundations[0], c, true);
            aceOnFirst = true;
        } else if (given < acesTaken) {
            waste.erase(i);
            place(e, reserve1, c, true);
            ++given;
            e.cards.setAllFaces(reserve1, true);
        }
        // The card that slid into the freed place is passed over.
        if (aceOnFirst && given == acesTaken) break;
    }
}

// Base-card codes 96 and 98: Aces go up from the tableau or the reserves, each
// replaced by the top card of the stock (or the waste).
void freeAces(Engine& e, bool fromReserves) {
    Pile* piles = fromReserves ? e.table.reserves.data() : e.table.tableau.data();
    const int count = fromReserves ? e.reserveCount() : e.tableauCount();
    const int savedRule = e.params[prm::FoundationSuitRule];
    if (fromReserves)
        for (int k = 0; k < kFoundationCount; ++k) e.params.set(prm::FoundationSuitRule + k, 0);

    int rows = 0;
    for (int i = 0; i < count; ++i) rows = std::max(rows, piles[i].size());
    for (int row = 0; row < rows; ++row) {
        for (int i = 0; i < count; ++i) {
            Pile& pile = piles[i];
            if (row >= pile.size() || rank(pile[row]) != kAce) continue;
            const int ace = pile[row];
            for (int f = 0; f < e.foundationCount(); ++f) {
                if (!foundationAccepts(e, f, ace)) continue;
                pile.erase(row);
                place(e, e.table.foundations[f], ace, true);
                addToScore(e, 1);
                Pile& source = e.table.stock().empty() ? e.table.waste() : e.table.stock();
                if (!source.empty()) {
                    const int refill = source.top();
                    source.pop();
                    place(e, pile, refill, true);
                }
                --i; // look at the same place again
                break;
            }
        }
        rows = 0;
        for (int j = 0; j < count; ++j) rows = std::max(rows, piles[j].size());
    }

    if (fromReserves)
        for (int k = 0; k < kFoundationCount; ++k)
            e.params.set(prm::FoundationSuitRule + k, savedRule);
}

void kingsToBottom(Engine& e) {
    for (Pile& pile : e.table.tableau) {
        Pile sorted;
        for (CardCode c : pile)
            if (rank(c) == kKing) sorted.push(c);
        for (CardCode c : pile)
            if (rank(c) != kKing) sorted.push(c);
        pile = sorted;
    }
}

// Special behaviour 22: the King of hearts to the bottom of the stock, the
// Queen of hearts face up onto tableau pile 1.
void heartsCouple(Engine& e) {
    const int t = e.tableauCount();
    const bool king = e.table.takeOut(13, TakeOutMode::Delete, t) != kNotFound;
    const bool queen = e.table.takeOut(12, TakeOutMode::Delete, t) != kNotFound;
    if (king && e.table.stock().insert(0, 13)) e.cards.setFaceUp(13, e.params[prm::StockFaceDown] == 0);
    if (queen) place(e, e.table.tableau[0], 12, true);
}

} // namespace

void deal(Engine& e) {
    RuleParams& p = e.params;
    Table& t = e.table;
    DealArray deck = buildDealArray(e);
    prepareDeck(e, deck);

    if (p[prm::DealStyle] == 23) {
        static constexpr int kCodes[4] = {40, 26, 79, 13};
        for (int r = 0; r < 4; ++r)
            if (takeCode(deck, kCodes[r]) != kHole) place(e, t.reserves[r], kCodes[r], true);
    }

    placeBaseCards(e, deck);
    if (p[prm::FoundationBaseCard] == 97) placeRisingBases(e, deck);

    if (p[prm::Special] == 50) doubleBases(e);
    if (p[prm::DealStyle] == 21)
        deck.keepIf([](int c) { return !(isCard(c) && isCourt(c) && !isJoker(c)); });
    if (p[prm::FoundationBaseStyle] == 5) detail::applyFoundationBaseStyle(e, deck, 5);
    if (const int code = p[prm::SecondWasteCard]; code != 0) {
        const int card = takeCode(deck, code > 100 ? code - 100 : code);
        if (card != kHole) place(e, t.secondWaste(), card, true);
    }

    dealSelectedTableauCards(e, deck);

    dealCards(e, deck, t.stock(), p[prm::StockCards], 0);
    if (p[prm::StockFaceDown] == 0) e.cards.setAllFaces(t.stock(), true);
    const int wasteCards = p[prm::WasteCards];
    dealCards(e, deck, t.waste(), wasteCards, wasteCards);

    for (int i = 0; i < kTableauCount; ++i) {
        const int count = p[prm::TableauCards + i];
        if (count >= 1 && count <= 1000)
            dealCards(e, deck, t.tableau[i], count, p[prm::TableauFaceUp + i]);
    }
    const int secondWasteCards = p[prm::SecondWasteCards];
    dealCards(e, deck, t.secondWaste(), secondWasteCards, secondWasteCards);
    for (int r = 0; r < kReserveCount; ++r)
        dealCards(e, deck, t.reserves[r], p[prm::ReserveCards + r], p[prm::ReserveFaceUp + r]);

    if (const int style = p[prm::FoundationBaseStyle]; style != 5)
        detail::applyFoundationBaseStyle(e, deck, style);

    // Fill code 91: the rank just below the base rank of foundation 1.
    const int base1 = p[prm::FoundationBase];
    if (base1 >= 1 && base1 <= 13)
        for (int i = 0; i < kTableauCount; ++i)
            if (p[prm::TableauFill + i] == 91) p.set(prm::TableauFill + i, prevRank(base1));

    if (p[prm::NextCardToFoundation] == 1 && !deck.empty())
        place(e, t.foundations[0], deck.takeFront(), true);
    if (p[prm::Special] == 11) sortOutAces(e);

    switch (const int code = p[prm::FoundationBaseCard]) {
    case 93:
    case 94:
    case 95: detail::freeTableauCards(e, detail::freeChoiceFor(code)); break;
    case 96: freeAces(e, false); break;
    case 98: freeAces(e, true); break;
    default: break;
    }

    if (p[prm::KingsToBottom] == 1) kingsToBottom(e);
    if (p[prm::Special] == 22) heartsCouple(e);

    detail::applyDealingStyle(e, deck);
    if (p[prm::TableauStyle] == 8) {
        Pile& first = t.tableau[0];
        Pile spaced;
        for (int i = 0; i < first.size(); ++i) {
            if (i > 0) spaced.push(kHole);
            spaced.push(first[i]);
        }
        first = spaced;
    }
}

bool newGame(Engine& e, const NewGameOptions& options) {
    TMainGame& g = e.game;
    g.dealShown = 0;
    g.moveCounter = 0;
    g.stockPressed = 0;
    g.missesCounter = 0;
    g.hintPending = 0;
    g.demoMoves = 0;
    g.tutorMode = 0;
    g.multiCardDeal = 0;
    g.selection = 0;
    g.selectionStep = 0;
    g.pendingRedraws = {};
    g.playMark = -1;
    g.randomNumber = 0;
    e.stockDeals = 0;
    e.undoLog.clear();
    e.redoLog.clear();
    e.state.write(field::UndoMade, "0");
    e.state.write(field::RedoMade, "0");
    e.hintHistory.clear();

    if (options.dealAnew) {
        e.table.clear();
        const int counterStart = e.params[prm::Special] == 79 ? 1111 : 0;
        g.specialCounters[0] = g.specialCounters[1] = static_cast<TMainGame::i16>(counterStart);
        if (e.params.holdsGame()) e.params.restoreRanges();
        else if (!e.loadCurrentGame || !e.loadCurrentGame(e)) return false;
        e.elapsedSeconds = 0;
        g.irregular.draw(e.rng); // the untidy piles of this game
        g.passNumber = 1;
        setScore(e, 0);
        if (options.randomNumber) {
            g.randomNumber = 1;
            chooseRandomGameNumber(e);
        }
        deal(e);
    }

    e.flags.set(StateFlag::InProgress);
    e.flags.clear(StateFlag::Won);
    beginPlay(e); // the click-to-move setting in force for this game
    e.play.hooks->recomputeScore(e); // a plain one-deck game starts at -52
    if (!e.flags.test(StateFlag::ClockRuns)) {
        e.clockStart = std::chrono::system_clock::now();
        e.flags.set(StateFlag::ClockRuns);
    }
    return true;
}

} // namespace vellamor
