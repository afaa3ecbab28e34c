// The freeing scans, the foundation base styles and the dealing styles that
// rearrange the table at the end of the deal.
#include "engine/deal_internal.h"
#include "engine/rules.h"
#include "engine/score.h"

#include <algorithm>
#include <array>
#include <bitset>

namespace vellamor::detail {

namespace {

using i16 = TMainGame::i16;

int rankOrJokerMark(int code) { return isJoker(code) ? -2 : rank(code); }

void setBase(Engine& e, int k, int r) { e.params.set(prm::FoundationBase + k, r); }

// Offers a card to the foundations that the choice names; returns the one that
// accepted it, or -1.
int acceptingFoundation(const Engine& e, int card, FreeChoice choice, int pileIndex, int groupIndex) {
    int first = 0, last = e.foundationCount();
    switch (choice) {
    case FreeChoice::All: break;
    case FreeChoice::SameNumber:
        if (pileIndex >= e.foundationCount()) return -1;
        first = pileIndex;
        last = pileIndex + 1;
        break;
    case FreeChoice::Group:
        if (groupIndex <= 3) last = 4;
        else if (groupIndex >= 6 && groupIndex <= 9) first = 4, last = 8;
        else last = 8;
        last = std::min(last, e.foundationCount());
        break;
    }
    for (int f = first; f < last; ++f)
        if (foundationAccepts(e, f, card)) return f;
    return -1;
}

bool offer(Engine& e, int pileIndex, int row, FreeChoice choice, int groupIndex) {
    Pile& pile = e.table.tableau[pileIndex];
    const int card = pile[row];
    if (card == kHole) return false;
    const int f = acceptingFoundation(e, card, choice, pileIndex, groupIndex);
    if (f < 0) return false;
    pile.erase(row);
    place(e, e.table.foundations[f], card, true);
    addToScore(e, 1);
    return true;
}

} // namespace

void mixCards(std::array<CardCode, 16>& cards, int n) {
    std::array<CardCode, 16> rest = cards, out{};
    int remaining = n, produced = 0;
    int p = rank(rest[n / 2]);
    while (remaining > 0) {
        if (p > remaining - 1) p = 0;
        out[produced++] = rest[p];
        std::copy(rest.begin() + p + 1, rest.begin() + remaining, rest.begin() + p);
        --remaining;
        if (remaining > 0) p = rank(rest[0]) + (remaining % 2 == 0 ? 3 : 2);
    }
    cards = out;
}

namespace {

// Style 19: five digits of the game number, each moved up past digits already chosen.
std::array<bool, 10> chosenDigits(const Engine& e) {
    std::array<bool, 10> chosen{};
    const auto digits = gameNumberDigits(e.state.read(field::GameNumber)).value_or(GameDigits{});
    for (int place : {3, 5, 8, 10, 12}) {
        int d = digits[place - 1];
        while (chosen[d]) d = (d + 1) % 10;
        chosen[d] = true;
    }
    return chosen;
}

void dealByDigits(Engine& e, DealArray& deck) {
    auto unused = chosenDigits(e);
    int unusedCount = 5, pile = 0;
    while (pile < 10 && !deck.empty()) {
        const int c = deck.takeFront();
        if (!isCard(c) || isJoker(c) || isCourt(c)) continue;
        const int digit = rank(c) % 10;
        if (unused[digit]) {
            unused[digit] = false;
            --unusedCount;
        } else if (10 - pile - 1 < unusedCount) {
            continue; // the piles left are needed for the digits
        }
        place(e, e.table.tableau[pile++], c, true);
    }
}

// Style 3: each pile keeps its places and takes cards of ranks it lacks.
void oneOfEachRank(Engine& e) {
    const int t = e.tableauCount();
    Pile pool;
    std::array<int, kTableauCount> places{};
    for (int i = 0; i < t; ++i) {
        places[i] = e.table.tableau[i].size();
        for (CardCode c : e.table.tableau[i])
            if (c != kHole) pool.push(c);
        e.table.tableau[i].clear();
    }
    for (int i = 0; i < t; ++i) {
        Pile& pile = e.table.tableau[i];
        std::bitset<kJokerRank + 1> held;
        for (int n = 0; n < places[i]; ++n) {
            int pick = -1;
            for (int j = 0; j < pool.size() && pick < 0; ++j)
                if (!held[rank(pool[j])]) pick = j;
            if (pick < 0) {
                pile.push(kHole);
                continue;
            }
            const int c = pool[pick];
            pool.erase(pick);
            held.set(rank(c));
            place(e, pile, c, true);
        }
    }
}

// Style 1: a pile whose bottom card is a King trades it for the lowest
// non-King of the stock.
void kingsUnderStock(Engine& e) {
    Pile& stock = e.table.stock();
    const bool stockUp = e.params[prm::StockFaceDown] == 0;
    auto trade = [&](Pile& pile) {
        if (pile.empty() || rank(pile.base()) != kKing) return;
        int j = 0;
        while (j < stock.size() && rank(stock[j]) == kKing) ++j;
        if (j == stock.size()) return; // nothing to trade with
        const int king = pile.base();
        const int card = stock[j];
        stock.erase(j);
        pile.set(0, card);
        e.cards.setFaceUp(card, true);
        stock.insert(0, king);
        e.cards.setFaceUp(king, stockUp);
    };
    for (int i = 0; i < e.tableauCount(); ++i) trade(e.table.tableau[i]);
    for (int k = 0; k < e.foundationCount(); ++k) trade(e.table.foundations[k]);
}

// Styles 2 and 4: each King (Queen) starts a new tableau pile.
void dealInRuns(Engine& e, DealArray& deck, int leader) {
    const int first = takeFirst(deck, [leader](int c) { return rank(c) == leader; });
    if (first == kHole) return;
    int pile = 0;
    place(e, e.table.tableau[0], first, true);
    while (!deck.empty()) {
        const int c = deck.takeFront();
        if (rank(c) == leader && pile + 1 < kTableauCount) ++pile;
        place(e, e.table.tableau[pile], c, true);
    }
    freeTableauCards(e, freeChoiceFor(e.params[prm::FoundationBaseCard]));
}

void dealInTurns(Engine& e, DealArray& deck) {
    int place = 1;
    while (!deck.empty()) {
        const int c = deck.takeFront();
        if (c == place) {
            detail::place(e, e.table.waste(), c, false);
            continue; // the next card goes to the same place
        }
        Pile& target = place <= 12 ? e.table.tableau[place - 1] : e.table.reserves[0];
        detail::place(e, target, c, true);
        place = place % 13 + 1;
    }
}

void sixteenCards(Engine& e, DealArray& deck) {
    auto& counters = e.game.specialCounters;
    counters = {};
    std::array<CardCode, 16> cards{};
    int n = 0;
    while (!deck.empty()) {
        const int c = deck.takeFront();
        if (n < 16 && isCard(c) && !isCourt(c)) cards[n++] = static_cast<CardCode>(c);
    }
    for (int i = 0; i < n; ++i) counters[i / 4] = static_cast<i16>(counters[i / 4] + rank(cards[i]));
    if (n > 0) mixCards(cards, n);
    for (int k = 0; k < n; ++k) place(e, e.table.tableau[k], cards[k], true);
}

void acesToHoles(Engine& e) {
    for (Pile& pile : e.table.tableau)
        for (int i = 0; i < pile.size(); ++i)
            if (isCard(pile[i]) && rank(pile[i]) == kAce) pile.set(i, kHole);
}

} // namespace

FreeChoice freeChoiceFor(int baseCardCode) {
    switch (baseCardCode) {
    case 94: return FreeChoice::SameNumber;
    case 95: return FreeChoice::Group;
    default: return FreeChoice::All;
    }
}

void freeTableauCards(Engine& e, FreeChoice choice) {
    const int t = e.tableauCount();
    auto& piles = e.table.tableau;
    if (e.params[prm::FreeScanByPile] != 0) {
        for (int i = 0; i < t; ++i)
            for (int row = 0; row < piles[i].size(); ++row)
                if (offer(e, i, row, choice, row)) --row;
        return;
    }
    auto rows = [&] {
        int n = 0;
        for (int i = 0; i < t; ++i) n = std::max(n, piles[i].size());
        return n;
    };
    for (int row = 0; row < rows(); ++row)
        for (int i = 0; i < t; ++i)
            if (row < piles[i].size() && offer(e, i, row, choice, i)) --i;
}

void applyFoundationBaseStyle(Engine& e, DealArray& deck, int style) {
    Table& t = e.table;
    auto next = [&deck] { return deck.takeFront(); };
    switch (style) {
    case 1: {
        const int c = next();
        if (c == kHole) return;
        place(e, t.foundations[0], c, true);
        for (int k = 0; k < kFoundationCount; ++k) setBase(e, k, rankOrJokerMark(c));
        break;
    }
    case 2:
        for (int k = 0; k < e.foundationCount() && !deck.empty(); ++k)
            place(e, t.foundations[k], next(), true);
        if (!t.foundations[0].empty())
            for (int k = 0; k < kFoundationCount; ++k) setBase(e, k, rank(t.foundations[0].base()));
        break;
    case 3:
        for (int k = 0; k < std::min(e.foundationCount(), kReserveCount); ++k)
            if (!t.reserves[k].empty()) setBase(e, k, nextRank(rank(t.reserves[k].base())));
        break;
    case 4: {
        const int c = next();
        if (c == kHole) return;
        place(e, t.foundations[0], c, true);
        for (int k = 0; k < 4; ++k) setBase(e, k, rank(c));
        for (int k = 4; k < 8; ++k) setBase(e, k, nextRank(rank(c)));
        break;
    }
    case 5: {
        const int c = next();
        if (c == kHole) return;
        place(e, t.foundations[0], c, true);
        const int r = rank(c);
        for (int k = 1; k < kFoundationCount;) {
            const int same = takeFirst(deck, [r](int x) { return rank(x) == r; });
            if (same == kHole) break;
            place(e, t.foundations[k++], same, true);
        }
        for (int k = 0; k < kFoundationCount; ++k) setBase(e, k, rankOrJokerMark(c));
        break;
    }
    case 6: {
        const int c = next();
        if (c == kHole) return;
        place(e, t.foundations[0], c, true);
        int r = rank(c);
        for (int k = 0; k < kFoundationCount; ++k, r = prevRank(r)) setBase(e, k, r);
        break;
    }
    case 7: {
        const int c = next();
        if (c == kHole) return;
        const int r = rank(c);
        Pile& target = r == kJack    ? t.tableau[0]
                       : r == kQueen ? t.foundations[10]
                       : r == kKing  ? t.foundations[11]
                                     : t.foundations[std::clamp(r, 1, 10) - 1];
        place(e, target, c, true);
        e.game.specialCounters[0] = static_cast<i16>(suitIndex(c));
        break;
    }
    case 8: {
        const int c = next();
        if (c == kHole) return;
        place(e, t.foundations[4], c, true);
        const int r = rank(c);
        setBase(e, 4, r);
        for (int k = 0; k < 4; ++k) setBase(e, k, nextRank(r));
        for (int k = 5; k < 9; ++k) setBase(e, k, prevRank(r));
        break;
    }
    default: break;
    }
}

void applyDealingStyle(Engine& e, DealArray& deck) {
    Table& t = e.table;
    const int piles = e.tableauCount();
    switch (e.params[prm::DealStyle]) {
    case 1: kingsUnderStock(e); break;
    case 2: dealInRuns(e, deck, kKing); break;
    case 4: dealInRuns(e, deck, kQueen); break;
    case 3: oneOfEachRank(e); break;
    case 5:
    case 6: {
        const int shift = e.params[prm::DealStyle] == 5 ? 1 : 0;
        DealArray left;
        while (!deck.empty()) {
            const int c = deck.takeFront();
            const int pile = c - shift; // 1-based pile number
            if (pile >= 1 && pile <= kTableauCount) place(e, t.tableau[pile - 1], c, true);
            else left.push(c);
        }
        deck = left;
        break;
    }
    case 7:
        for (int i = 0; i < std::min(piles, kFoundationCount); ++i) {
            Pile& pile = t.tableau[i];
            if (pile.empty() || !foundationAccepts(e, i, pile.base())) continue;
            const int c = pile.base();
            pile.erase(0);
            place(e, t.foundations[i], c, true);
            addToScore(e, 1);
        }
        break;
    case 8: acesToHoles(e); break;
    case 9: {
        const int code = piles > 13 ? piles + 13 : piles;
        for (int i = 0; i < piles; ++i)
            if (!t.tableau[i].empty() && t.tableau[i].base() == code) t.tableau[i].clear();
        break;
    }
    case 10:
        if (piles >= 2) {
            std::uniform_int_distribution<int> pick(0, piles - 2);
            t.tableau[pick(e.rng)].clear();
        }
        break;
    case 13:
        for (int k = 0; k < e.foundationCount() && !deck.empty(); ++k)
            place(e, t.foundations[k], deck.takeFront(), true);
        break;
    case 15:
        for (Pile& pile : t.tableau) {
            if (pile.empty()) continue;
            Pile spaced;
            for (CardCode c : pile) {
                spaced.push(c);
                if (rank(c) == kKing) spaced.push(kHole);
            }
            while (spaced.size() < 9) spaced.push(kHole);
            pile = spaced;
        }
        break;
    case 17: dealInTurns(e, deck); break;
    case 18: sixteenCards(e, deck); break;
    case 19: dealByDigits(e, deck); break;
    case 20:
        for (int i = 0; i < std::min(piles, 4); ++i) {
            Pile& pile = t.tableau[i];
            for (int row = 0; row < pile.size(); ++row) {
                if (!isCard(pile[row]) || rank(pile[row]) != kKing) continue;
                int f = 0;
                while (f < e.foundationCount() && !t.foundations[f].empty()) ++f;
                if (f == e.foundationCount()) return;
                const int king = pile[row];
                pile.erase(row--);
                place(e, t.foundations[f], king, true);
            }
        }
        break;
    case 21: {
        acesToHoles(e);
        static constexpr const char* kRows[4] = {"014027040001", "024037050011", "025038051012",
                                                 "026039052013"};
        for (int k = 0; k < 4; ++k) {
            t.foundations[k].setText(kRows[k]);
            e.cards.setAllFaces(t.foundations[k], true);
        }
        break;
    }
    case 22: {
        deck.keepIf([](int c) { return !(isCard(c) && rank(c) == kAce); });
        for (int i = 0; i < 4; ++i) {
            Pile& pile = t.tableau[i];
            for (int n = 0; n < 12 && !deck.empty(); ++n) {
                if (pile.size() == 6) pile.push(kHole);
                place(e, pile, deck.takeFront(), true);
            }
        }
        break;
    }
    default: break; // 11, 12, 14, 16, 23: the deck preparation did the work
    }
}

} // namespace vellamor::detail
