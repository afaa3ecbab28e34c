// How many cards may be taken at once: the count test, the group-move test, the
// grid test and the row test.
#include "engine/rule_codes.h"
#include "engine/rules_internal.h"

#include <algorithm>

namespace vellamor {

using namespace rules_detail;

bool gridFrees(const Engine& e, int i) {
    const int rows = e.params[prm::GridRows], cols = e.params[prm::GridColumns];
    if (rows <= 0 || cols <= 0) return true;
    const int cells = std::min(rows * cols, kTableauCount);
    for (int j = i + cols; j < cells; j += cols)
        if (!e.table.tableau[j].empty()) return false;
    return true;
}

bool rowTestFrees(const Engine& e, const MovingBlock& m) {
    if (m.fromTableau()) {
        const int n = m.from->index; // 0-based
        const int rowStart = n / 10 * 10;
        if (n - rowStart < 5) {
            for (int j = rowStart; j < n; ++j)
                if (!tableauPile(e, j).empty()) return false;
        } else {
            for (int j = n + 1; j < rowStart + 10; ++j)
                if (!tableauPile(e, j).empty()) return false;
        }
        return true;
    }
    if (m.fromReserve()) {
        const int r = m.from->index + 1; // 1-based
        if (r >= 2 && r <= 5) {
            for (int j = 1; j < r; ++j)
                if (!reservePile(e, j - 1).empty()) return false;
        } else if (r >= 6 && r <= 9) {
            for (int j = r + 1; j <= 10; ++j)
                if (!reservePile(e, j - 1).empty()) return false;
        }
    }
    return true;
}

namespace {

bool betweenHoles(const Engine& e, const MovingBlock& m) {
    if (!m.from) return true;
    const Pile& p = e.table.pile(*m.from);
    bool below = true, above = true;
    for (int j = 0; j < m.position; ++j)
        below = below && p[j] == kHole;
    for (int j = m.position + 1; j < p.size(); ++j)
        above = above && p[j] == kHole;
    return below || above;
}

bool threeRowsFree(const Engine& e, const MovingBlock& m) {
    if (!m.fromTableau()) return true;
    const int n = m.from->index; // 0-based: piles 1-12 are 0-11
    if (n < 12) return tableauPile(e, n + 12).empty() && tableauPile(e, n + 24).empty();
    if (n < 24) return tableauPile(e, n + 12).empty();
    return true;
}

int emptyTableauPiles(const Engine& e) {
    int n = 0;
    for (int i = 0; i < e.tableauCount(); ++i)
        n += e.table.tableau[i].empty();
    return n;
}

int emptyReserves(const Engine& e) {
    int n = 0;
    for (int r = 0; r < e.reserveCount(); ++r)
        n += e.table.reserves[r].empty();
    return n;
}

} // namespace

bool countAllows(const Engine& e, const MovingBlock& m, bool toEmptyTableau) {
    const int L = e.params[prm::TakeBlocks];
    const int n = m.count;
    switch (L) {
    case count_rule::AnyBlock:
    case count_rule::AnyBlockToo: return true;
    case count_rule::KingBlockOrSingle: return n == 1 || rank(m.card) == kKing;
    case count_rule::SingleOrWholePile: return n == 1 || m.position == 0;
    case count_rule::RowOfTen: return rowTestFrees(e, m);
    case count_rule::BetweenHoles: return betweenHoles(e, m);
    case count_rule::ThreeRows: return threeRowsFree(e, m);
    case count_rule::Draw: return n == 1;
    case count_rule::TopOnly: return n <= 1;
    case count_rule::FreeCellsAndPiles: {
        const int E = emptyTableauPiles(e), R = emptyReserves(e);
        const int limit = E == 0 ? R + 1 : (toEmptyTableau ? R + E : R + E + 1);
        return n <= limit;
    }
    case count_rule::FreeCellsAndPilesPlain: {
        const int E = emptyTableauPiles(e), R = emptyReserves(e);
        return n <= (E == 0 ? R + 1 : R + E);
    }
    default:
        if (L > 0) return n <= L;
        return n <= std::max(emptyTableauPiles(e), 1);
    }
}

bool blockIsSequence(const Engine& e, const MovingBlock& m, int target) {
    if (m.count <= 1 || !m.from) return true;
    const int G = e.params[prm::GroupMoveTest];
    if (G == group_rule::None) return true; // any group of face-up cards may move together
    if (G == group_rule::LastPassOnly && e.game.passNumber != 3) return false;
    int rule = e.params[prm::TableauSuitRule + target];
    if (G == group_rule::InSuit) rule = suit::InSuit;
    if (G == group_rule::SameColour) rule = suit::SameColour;

    const Pile& pile = e.table.pile(*m.from);
    RuleTarget t{PileKind::Tableau,
                 target,
                 -1,
                 fillCode(e, target),
                 rule,
                 e.params[prm::TableauDirection + target],
                 baseCode(e, 0),
                 e.params[prm::TableauWrap + target]};
    for (int j = m.position; j + 1 < pile.size(); ++j) {
        t.top = pile[j];
        const MovingBlock upper{pile[j + 1], m.from, j + 1, pile.size() - j - 1};
        if (!ruleTest(e, t, upper)) return false;
    }
    return true;
}

} // namespace vellamor
