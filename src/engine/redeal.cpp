// The redeal styles. Cards gathered from the table fly to their new place one at
// a time, in the order each style fixes; the window animates the flights.
#include "engine/redeal.h"

#include "engine/engine.h"
#include "engine/reshuffle.h"

#include <algorithm>
#include <vector>

namespace vellamor {

namespace {

using Cards = std::vector<CardCode>;

class Redeal {
public:
    explicit Redeal(Engine& e) : e_(e), p_(e.params), t_(e.table) {}
    bool run();

private:
    Engine& e_;
    const RuleParams& p_;
    Table& t_;

    int piles() const { return e_.tableauCount(); }
    int style() const { return p_[prm::RedealStyle]; }
    PileId gatherPile() const {
        const int s = style();
        if (s == 6 || s == 9) return kWaste;
        if (p_[prm::StockAreaPiles] == 1 && p_[prm::StockInPlay] == 0 && p_[prm::WasteInPlay] == 1)
            return kWaste;
        return kStock;
    }

    // Takes the card at `index` off the pile: grids keep a hole in its place.
    int takeOff(PileId from, int index);
    void land(PileId to, int card, bool faceUp, PileId from);
    void shuffleSound() { e_.host().sound("Shuffle"); }

    Cards gatherTableau();                  // tableau order, into a list
    void gatherTableauOnto(PileId to, bool faceUp, bool lastFirst); // onto a pile
    void dealToTableau(const Cards& cards, bool fill, bool stopAfterLast);
    void reverse(PileId id);

    bool styleSix();
    bool styleSeven();
    bool styleEight();
    bool styleNine();
    bool styleTen();
    bool styleThirteen();
    bool styleFourteen();
    bool styleFifteen();
    bool styleSixteen();
    bool styleReserves();
    bool styleNineteen();
    bool styleTwenty();
};

int Redeal::takeOff(PileId from, int index) {
    Pile& pile = t_.pile(from);
    const int card = pile[index];
    const int layout = p_[prm::TableauStyle];
    const bool keepHole = (layout == 12 && from.kind == PileKind::Tableau) ||
                          (layout == 4 && from.kind != PileKind::Stock && from.kind != PileKind::Waste);
    if (keepHole) pile.set(index, kHole);
    else pile.erase(index);
    return card;
}

void Redeal::land(PileId to, int card, bool faceUp, PileId from) {
    if (!t_.pile(to).push(card)) return;
    e_.cards.setFaceUp(card, faceUp);
    e_.host().cardMoved(card, static_cast<int>(from.kind), pileName(to));
    shuffleSound();
}

Cards Redeal::gatherTableau() {
    Cards out;
    for (int i = 0; i < piles(); ++i) {
        Pile& pile = t_.tableau[i];
        for (int j = pile.size() - 1; j >= 0; --j) {
            if (pile[j] == kHole) continue;
            out.push_back(static_cast<CardCode>(takeOff(tableau(i), j)));
        }
    }
    return out;
}

void Redeal::gatherTableauOnto(PileId to, bool faceUp, bool lastFirst) {
    for (int k = 0; k < piles(); ++k) {
        const int i = lastFirst ? piles() - 1 - k : k;
        Pile& pile = t_.tableau[i];
        for (int j = pile.size() - 1; j >= 0; --j) {
            if (pile[j] == kHole) continue;
            land(to, takeOff(tableau(i), j), faceUp, tableau(i));
        }
    }
}

void Redeal::dealToTableau(const Cards& cards, bool fill, bool stopAfterLast) {
    const int n = piles();
    if (n == 0) return;
    const int perPile = p_[prm::TableauCards];
    const bool faceUp = p_[prm::TableauCards] == p_[prm::TableauFaceUp];
    const bool winding = p_[prm::TableauStyle] == 8;
    if (winding) t_.tableau[0].clear();

    struct Flight {
        int card, pile, row;
    };
    std::vector<Flight> flights;
    auto lay = [&](int pile, int card) {
        Pile& target = t_.tableau[pile];
        if (!target.push(card)) return false;
        e_.cards.setFaceUp(card, faceUp);
        flights.push_back({card, pile, target.cardCount() - 1});
        if (winding) target.push(kHole);
        return true;
    };
    std::size_t next = 0;
    if (fill) {
        for (int i = 0; i < n && next < cards.size(); ++i)
            while (next < cards.size() && t_.tableau[i].cardCount() < perPile)
                lay(i, cards[next++]);
    }
    if (!stopAfterLast) {
        // One card to each pile in turn, round and round.
        for (int i = 0; next < cards.size(); i = (i + 1) % n) lay(i, cards[next++]);
    }
    // Whatever does not fit waits on the stock: no card leaves the game.
    for (; next < cards.size(); ++next) {
        t_.stock().push(cards[next]);
        e_.cards.setFaceUp(cards[next], false);
    }
    if (p_[prm::TableauFaceUp] == 1 && perPile != 1)
        for (int i = 0; i < n; ++i)
            if (!t_.tableau[i].empty()) e_.cards.setFaceUp(t_.tableau[i].top(), true);

    // The flights go pile by pile or row by row.
    if (p_[prm::FreeScanByPile] != 0)
        std::stable_sort(flights.begin(), flights.end(),
                         [](const Flight& a, const Flight& b) { return a.pile < b.pile; });
    else
        std::stable_sort(flights.begin(), flights.end(), [](const Flight& a, const Flight& b) {
            return a.row != b.row ? a.row < b.row : a.pile < b.pile;
        });
    for (const Flight& f : flights) {
        e_.host().cardMoved(f.card, static_cast<int>(gatherPile().kind), pileName(tableau(f.pile)));
        shuffleSound();
    }
}

void Redeal::reverse(PileId id) {
    Pile& pile = t_.pile(id);
    Pile reversed;
    for (int i = pile.size() - 1; i >= 0; --i) reversed.push(pile[i]);
    pile = reversed;
}

bool Redeal::styleSix() {
    Cards gathered = gatherTableau();
    Pile& waste = t_.waste();
    std::size_t at = 0;
    for (int i = 0; i < waste.size(); ++i, at += 3) {
        if (at > gathered.size()) at = 0;
        gathered.insert(gathered.begin() + static_cast<std::ptrdiff_t>(at),
                        static_cast<CardCode>(waste[i]));
    }
    waste.clear();
    Cards cards = reshuffle(gathered);

    // Aces among the first 55 places come to the front.
    const std::size_t head = std::min<std::size_t>(55, cards.size());
    std::stable_partition(cards.begin(), cards.begin() + static_cast<std::ptrdiff_t>(head),
                          [](CardCode c) { return rank(c) == kAce; });
    std::size_t next = 0;
    for (int f = 0; f < e_.foundationCount() && next < cards.size() && rank(cards[next]) == kAce; ++f) {
        if (!t_.foundations[f].empty()) continue;
        land(foundation(f), cards[next++], true, gatherPile());
    }
    cards.erase(cards.begin(), cards.begin() + static_cast<std::ptrdiff_t>(next));
    while (cards.size() > 54) {
        land(kWaste, cards.back(), true, gatherPile());
        cards.pop_back();
    }
    dealToTableau(cards, true, true);
    return true;
}

bool Redeal::styleSeven() {
    bool any = false;
    for (int i = 0; i < piles(); ++i) {
        Pile& pile = t_.tableau[i];
        if (pile.size() < 2) continue;
        const int bottom = pile.base();
        pile.erase(0);
        pile.push(bottom);
        e_.cards.setFaceUp(bottom, true);
        e_.host().cardMoved(bottom, static_cast<int>(PileKind::Tableau), pileName(tableau(i)));
        shuffleSound();
        any = true;
    }
    return any;
}

bool Redeal::styleEight() {
    const int places = p_[prm::TableauCards];
    Cards gathered;
    std::vector<int> rowsToFill;
    for (int i = 0; i < piles(); ++i) {
        Pile& row = t_.tableau[i];
        if (row.cardCount() <= 1) continue;
        // The run from a 2 in one suit at the front of the row stays.
        int keep = 0;
        if (row[0] != kHole && rank(row[0]) == 2) {
            keep = 1;
            while (keep < row.size() && row[keep] != kHole && suitIndex(row[keep]) == suitIndex(row[0]) &&
                   rank(row[keep]) == rank(row[keep - 1]) + 1)
                ++keep;
        }
        if (keep == row.size()) continue; // one unbroken run: unchanged
        for (int j = row.size() - 1; j >= keep; --j) {
            const int c = row[j];
            row.erase(j);
            if (c == kHole) continue;
            gathered.push_back(static_cast<CardCode>(c));
            land(kStock, c, false, tableau(i));
        }
        row.push(kHole);
        rowsToFill.push_back(i);
    }
    if (gathered.empty()) return false;
    const Cards cards = reshuffle(gathered);
    std::size_t next = 0;
    for (int i : rowsToFill) {
        Pile& row = t_.tableau[i];
        while (row.size() < places && next < cards.size()) {
            const int c = cards[next++];
            t_.stock().erase(t_.stock().find(c));
            land(tableau(i), c, true, kStock);
        }
    }
    return true;
}

bool Redeal::styleNine() {
    static constexpr int kKept[] = {1, 7, 8, 14, 15, 21, 22, 28};
    auto kept = [](int pile) { return std::find(std::begin(kKept), std::end(kKept), pile) != std::end(kKept); };
    Cards gathered;
    std::vector<int> emptied;
    for (int i = 0; i < piles(); ++i) {
        if (kept(i + 1)) continue;
        emptied.push_back(i);
        Pile& pile = t_.tableau[i];
        for (int j = pile.size() - 1; j >= 0; --j)
            if (pile[j] != kHole) gathered.push_back(static_cast<CardCode>(takeOff(tableau(i), j)));
    }
    if (gathered.empty()) return false;
    for (CardCode c : reshuffle(gathered)) {
        t_.waste().insert(0, c);
        e_.cards.setFaceUp(c, true);
    }
    for (int i : emptied) {
        if (t_.waste().empty()) break;
        t_.tableau[i].clear();
        if (p_[prm::TableauCards + i] == 0) continue;
        const int c = t_.waste().top();
        t_.waste().pop();
        land(tableau(i), c, true, kWaste);
    }
    return true;
}

bool Redeal::styleTen() {
    const PileId to = gatherPile();
    Cards gathered;
    auto gatherFrom = [&](PileId id) {
        Pile& pile = t_.pile(id);
        for (int j = pile.size() - 1; j >= 0; --j) {
            if (pile[j] == kHole) continue;
            const int c = takeOff(id, j);
            gathered.push_back(static_cast<CardCode>(c));
            land(to, c, false, id);
        }
    };
    for (int i = 0; i < piles(); ++i) gatherFrom(tableau(i));
    for (int r = 0; r < e_.reserveCount(); ++r) {
        gatherFrom(reserve(r));
        t_.reserves[r].clear();
    }
    if (gathered.empty()) return false;
    // The gathered cards leave the gather pile and come back in their new order.
    Pile& pile = t_.pile(to);
    for (CardCode c : gathered) pile.erase(pile.find(c));
    for (CardCode c : reshuffle(gathered)) {
        pile.push(c);
        e_.cards.setFaceUp(c, false);
    }
    return true;
}

bool Redeal::styleThirteen() {
    const int n = piles();
    int start = e_.game.passNumber - 2; // pass 2 takes pile 1
    if (start < 0) start = 0;
    int taken = start;
    while (taken < n && t_.tableau[taken].empty()) ++taken;
    if (taken >= n) {
        ++e_.game.passNumber; // nothing left to pick up
        return true;
    }
    e_.game.passNumber = static_cast<TMainGame::i16>(e_.game.passNumber + (taken - start));
    Pile& pile = t_.tableau[taken];
    Cards others(pile.begin(), pile.end() - 1);
    const int top = pile.top();
    pile.clear();
    pile.push(top);
    int target = 0;
    for (CardCode c : others) {
        land(tableau(target), c, true, tableau(taken));
        target = (target + 1) % n;
    }
    return true;
}

bool Redeal::styleFourteen() {
    const PileId to = gatherPile();
    int rows = 0;
    for (int i = 0; i < piles(); ++i) rows = std::max(rows, t_.tableau[i].size());
    bool any = false;
    for (int row = rows - 1; row >= 0; --row)
        for (int i = piles() - 1; i >= 0; --i) {
            Pile& pile = t_.tableau[i];
            if (row >= pile.size() || pile[row] == kHole) continue;
            land(to, takeOff(tableau(i), row), true, tableau(i));
            any = true;
        }
    reverse(to);
    return any;
}

bool Redeal::styleFifteen() {
    Cards gathered = gatherTableau();
    Pile& reserve1 = t_.reserves[0];
    for (int j = reserve1.size() - 1; j >= 0; --j)
        if (reserve1[j] != kHole) gathered.push_back(static_cast<CardCode>(reserve1[j]));
    reserve1.clear();
    for (int i = 0; i < std::min(piles(), 12); ++i) t_.tableau[i].clear();
    if (gathered.empty()) return false;
    int place = 1;
    for (CardCode c : gathered) {
        if (rank(c) == place) {
            land(kStock, c, false, tableau(0));
            continue;
        }
        land(place <= 12 ? tableau(place - 1) : reserve(0), c, true, tableau(0));
        place = place % 13 + 1;
    }
    return true;
}

bool Redeal::styleSixteen() {
    gatherTableauOnto(gatherPile(), false, false);
    Pile& waste = t_.waste();
    while (!waste.empty()) {
        const int c = waste.top();
        waste.pop();
        land(kStock, c, false, kWaste);
    }
    Pile& stock = t_.stock();
    const Cards order = reshuffleStock(Cards(stock.begin(), stock.end()));
    stock.clear();
    for (CardCode c : order) stock.push(c);
    // Then the stock turns its cards over onto the waste as a click would.
    const int turn = std::max(1, p_[prm::StockTurnCount]);
    for (int i = 0; i < turn && !stock.empty(); ++i) {
        const int c = stock.top();
        stock.pop();
        land(kWaste, c, true, kStock);
    }
    return true;
}

bool Redeal::styleReserves() {
    bool any = false;
    for (int r = 0; r < e_.reserveCount(); ++r) {
        Pile& pile = t_.reserves[r];
        for (int j = pile.size() - 1; j >= 0; --j) {
            if (pile[j] == kHole) continue;
            land(gatherPile(), pile[j], false, reserve(r));
            any = true;
        }
        pile.clear();
    }
    return any;
}

bool Redeal::styleNineteen() {
    auto holding = [&] {
        int n = 0;
        for (int i = 0; i < piles(); ++i) n += !t_.tableau[i].empty();
        return n;
    };
    if (holding() < 2) {
        e_.host().message("Only one pile left.  There are no more redeals.");
        return false;
    }
    ++e_.stockDeals;
    e_.play.undo->record(e_, "002");
    const bool odd = e_.stockDeals % 2 == 1;
    bool moved = false;
    for (int k = 0; k < 7; ++k) {
        const int from = odd ? k : 7 - k;
        const int to = odd ? k + 1 : 6 - k;
        if (std::max(from, to) >= piles()) continue;
        Pile &a = t_.tableau[from], &b = t_.tableau[to];
        if (a.empty() || b.empty()) continue;
        const int c = a.top();
        a.pop();
        b.insert(0, c);
        e_.host().cardMoved(c, static_cast<int>(PileKind::Tableau), pileName(tableau(to)));
        shuffleSound();
        moved = true;
        if (holding() < 2) break;
    }
    if (!moved) e_.host().message("No cards available to move.");
    return true;
}

bool Redeal::styleTwenty() {
    if (e_.play.undo->count(e_, "004") > 0) return false;
    e_.play.undo->record(e_, "004");
    Pile& waste = t_.waste();
    for (int r = 0; r < std::min(8, kReserveCount) && !waste.empty(); ++r) {
        const int c = waste.base();
        waste.erase(0);
        land(reserve(r), c, true, kWaste);
    }
    return true;
}

bool Redeal::run() {
    switch (style()) {
    case 4:
    case 5: {
        const PileId to = gatherPile();
        const bool any = [&] {
            for (int i = 0; i < piles(); ++i)
                if (t_.tableau[i].cardCount() > 0) return true;
            return false;
        }();
        gatherTableauOnto(to, to == kWaste, true);
        return any;
    }
    case 6: return styleSix();
    case 7: return styleSeven();
    case 8: return styleEight();
    case 9: return styleNine();
    case 10: return styleTen();
    case 11: {
        const PileId to = gatherPile();
        const int before = t_.pile(to).size();
        gatherTableauOnto(to, true, true);
        reverse(to);
        return t_.pile(to).size() > before;
    }
    case 12: {
        Cards gathered;
        for (int k = piles() - 1; k >= 0; --k) {
            Pile& pile = t_.tableau[k];
            for (int j = pile.size() - 1; j >= 0; --j)
                if (pile[j] != kHole) gathered.push_back(static_cast<CardCode>(takeOff(tableau(k), j)));
        }
        if (gathered.empty()) return false;
        dealToTableau(gathered, true, false);
        return true;
    }
    case 13: return styleThirteen();
    case 14: return styleFourteen();
    case 15: return styleFifteen();
    case 16: return styleSixteen();
    case 18:
    case 22: return styleReserves();
    case 19: return styleNineteen();
    case 20: return styleTwenty();
    default: { // 1, 2, 3 and every style without a rule of its own
        const Cards gathered = gatherTableau();
        if (gathered.empty()) return false;
        dealToTableau(reshuffle(gathered), style() == 1, false);
        return true;
    }
    }
}

} // namespace

bool runRedealStyle(Engine& engine) { return Redeal(engine).run(); }

bool redealCountsPass(int style) { return style != 15 && style != 20; }

} // namespace vellamor
