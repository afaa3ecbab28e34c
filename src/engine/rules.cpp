// The rule test, the empty-pile codes and the acceptance of each kind of pile.
#include "engine/rules.h"

#include "engine/family_hooks.h"
#include "engine/rule_codes.h"
#include "engine/rules_internal.h"

#include <array>

namespace vellamor {

using namespace rules_detail;

namespace rules_detail {

const Pile& pileOf(const Engine& e, PileKind kind, int index) {
    static const Pile kEmpty;
    switch (kind) {
    case PileKind::Foundation:
        return index >= 0 && index < kFoundationCount ? e.table.foundations[index] : kEmpty;
    case PileKind::Tableau:
        return index >= 0 && index < kTableauCount ? e.table.tableau[index] : kEmpty;
    case PileKind::Reserve:
        return index >= 0 && index < kReserveCount ? e.table.reserves[index] : kEmpty;
    default: return e.table.pile({kind, 0});
    }
}

bool suitRelation(int suitRule, int top, int card) {
    switch (suitRule) {
    case suit::InSuit:
    case suit::InSuitNoQueenOnKingOrJack: return suitIndex(top) == suitIndex(card);
    case suit::SameColour: return isRed(top) == isRed(card);
    case suit::AlternateColours: return isRed(top) != isRed(card);
    default: return true;
    }
}

namespace {

// Rank relation of step 5 for a target holding a card.
bool rankRelation(const RuleTarget& t, int rt, int rm) {
    const bool tableau = t.kind == PileKind::Tableau;
    const int dir = t.direction;
    const bool up = dir == 1 || dir == 2;
    const bool down = dir != 1; // 0, 2 and unknown values build down

    if (tableau && t.wrap == 2) {
        // No base-rank refusal and no King-Ace wrap: plain one-rank steps.
        return (up && rm == rt + 1) || (down && rt == rm + 1);
    }
    const bool wrapSet = !tableau || t.wrap > 0;
    if (up) {
        if (!tableau) {
            if (rt == kKing) {
                if (rm == kAce && t.fill != kAce) return true;
            } else if (rm == rt + 1) {
                return true;
            }
        } else {
            if (rt == t.base && !wrapSet) return false;
            if (rt == kKing) {
                if (rm == kAce) return true;
            } else if (rm == rt + 1) {
                return true;
            }
        }
        if (!down) return false;
    }
    if (!tableau) {
        if (rt == kAce) return rm == kKing && t.fill != kKing;
        return rt == rm + 1;
    }
    const bool atBase = rt == t.base || (t.base >= 81 && t.base <= 83 && rt == kAce);
    if (atBase && !wrapSet) return false;
    if (rt == kAce) return rm == kKing;
    return rt == rm + 1;
}

} // namespace

} // namespace rules_detail

MovingBlock movingBlock(const Engine& e, int card) {
    MovingBlock m;
    m.card = card;
    m.from = e.table.locate(card);
    if (m.from) {
        const Pile& p = e.table.pile(*m.from);
        m.position = p.find(card);
        m.count = p.size() - m.position;
        // A reserve whose every card is free to take (a bouquet) gives its cards
        // one at a time, whatever lies above them.
        if (m.from->kind == PileKind::Reserve && e.params[prm::ReserveTakeRule] == -11) m.count = 1;
    }
    return m;
}

MovingBlock singleCard(const Engine& e, int card) {
    MovingBlock m = movingBlock(e, card);
    m.count = 1;
    return m;
}

namespace {

// Empty-pile codes 92 and 93: the rank of the bases already on the other
// foundations; with none placed yet any card (for 93 only from a reserve).
bool sameRankAsOtherBases(const Engine& e, int code, const RuleTarget* t, const MovingBlock& m) {
    bool any = false;
    for (int f = 0; f < e.foundationCount(); ++f) {
        if (t && t->kind == PileKind::Foundation && t->index == f) continue;
        const Pile& p = e.table.foundations[f];
        if (p.empty() || p.base() == kHole) continue;
        any = true;
        if (rank(p.base()) != rank(m.card)) return false;
    }
    return any || code != empty::SameRankFirstFromReserve || m.fromReserve();
}

bool everyReserveEmpty(const Engine& e) {
    for (int r = 0; r < e.reserveCount(); ++r)
        if (!e.table.reserves[r].empty()) return false;
    return true;
}

bool emptyCode(const Engine& e, int code, int base, const RuleTarget* t, const MovingBlock& m) {
    switch (code) {
    case empty::AnyCard: return true;
    case empty::Nothing:
    case empty::RunsOnly:
    case empty::RunsInSuit: return false;
    case empty::SingleCard: return m.single();
    case empty::FromStockGroup: return m.fromStockGroup();
    case empty::NotFromTableau: return !m.fromTableau();
    case empty::SameRankAsOthers:
    case empty::SameRankFirstFromReserve: return sameRankAsOtherBases(e, code, t, m);
    case empty::FromReserveOrWaste:
        return m.fromReserve() || (m.fromKind(PileKind::Waste) && everyReserveEmpty(e));
    case empty::BalanceAce:
    case empty::BalanceKing:
    case empty::BalanceAceSuits:
    case empty::BalanceTwo: return colourBalanceTest(e, code, m.card);
    default: return rank(m.card) == code || base == empty::AnyCard;
    }
}

// Parameter 37 = 2: the waste's cards go to tableau piles 1 to 12 in turn.
int turnPileByWaste(const Engine& e) {
    const int n = e.params[prm::WasteCards] - e.table.waste().size();
    return ((n % 12) + 12) % 12;
}

// Parameter 37 = 3: the pile after the last of the fullest piles.
int turnPileByHeight(const Engine& e) {
    const int count = e.tableauCount();
    int best = -1, bestSize = -1;
    for (int i = 0; i < count; ++i)
        if (e.table.tableau[i].size() >= bestSize) best = i, bestSize = e.table.tableau[i].size();
    return best < 0 || best + 1 >= count ? 0 : best + 1;
}

} // namespace

bool emptyPileAccepts(const Engine& e, int code, int base, const MovingBlock& m) {
    return emptyCode(e, code, base, nullptr, m);
}

bool rules_detail::standardTest(const Engine& e, const RuleTarget& t, const MovingBlock& m,
                                int relation) {
    if (t.top <= 0) return emptyCode(e, t.fill, t.base, &t, m);
    if (!suitRelation(relation, t.top, m.card)) return false;
    return rankRelation(t, rank(t.top), rank(m.card));
}

bool ruleTest(const Engine& e, const RuleTarget& t, const MovingBlock& m) {
    // 1. Never onto itself.
    if (t.top > 0 && t.top == m.card) return false;

    // 2. The restriction while the stock is in play.
    const int restriction = e.params[prm::StockRestriction];
    const bool turns = restriction == 2 || restriction == 3;
    if ((restriction == 1 && t.kind == PileKind::Foundation) || turns) {
        const int held = e.table.stock().size() + e.table.waste().size();
        if (held >= 1 && m.fromTableau()) return false;
    }
    if (t.kind == PileKind::Tableau && turns && !e.table.waste().empty()) {
        if (!m.fromKind(PileKind::Waste)) return false;
        return t.index == (restriction == 2 ? turnPileByWaste(e) : turnPileByHeight(e));
    }

    // 3. The suit rule.
    return suitRuleTest(e, t, m);
}

// --- group, colour-balance and row-fill tests -----------------------------

bool groupTest(const Engine& e, int first, int card) {
    std::array<bool, 5> seen{}; // four suits and the jokers
    const auto mark = [&](int code) {
        const int s = suitIndex(code) + 1; // jokers at 0
        if (seen[s]) return false;
        seen[s] = true;
        return true;
    };
    for (int f = first; f < first + 4 && f < kFoundationCount; ++f) {
        const Pile& p = e.table.foundations[f];
        if (p.top() > 0 && !mark(p.top())) return false;
    }
    return mark(card);
}

bool colourBalanceTest(const Engine& e, int code, int card) {
    switch (code) {
    case empty::BalanceAce:
    case empty::BalanceAceSuits:
        if (rank(card) != kAce) return false;
        break;
    case empty::BalanceKing:
        if (rank(card) != kKing) return false;
        break;
    case empty::BalanceTwo:
        if (rank(card) != 2) return false;
        break;
    default: break;
    }
    const bool suitsCount =
        code == empty::BalanceKing || code == empty::BalanceAceSuits || code == empty::BalanceTwo;
    int n = 0;
    for (int f = 0; f < e.foundationCount(); ++f)
        if (baseCode(e, f) == code) ++n;
    const int limit = n / 2;

    int red = 0, black = 0;
    std::array<int, 4> suits{};
    const auto count = [&](int c, bool withSuit) {
        (isRed(c) ? red : black) += 1;
        bool twice = false;
        if (withSuit) {
            const int s = suitIndex(c);
            if (s < 0)
                e.host().message("Error suit - 1");
            else
                twice = ++suits[s] > 1;
        }
        return red <= limit && black <= limit && !(suitsCount && twice);
    };
    if (!count(card, true)) return false;
    for (int f = 0; f < e.foundationCount(); ++f) {
        if (baseCode(e, f) != code) continue;
        const Pile& p = e.table.foundations[f];
        if (p.empty() || p.base() == kHole) continue;
        if (!count(p.base(), suitsCount)) return false;
    }
    return true;
}

bool rowFillTest(const Engine& e, int k, int lead, const MovingBlock& m) {
    if (m.fromTableau()) return false;
    const Pile& target = tableauPile(e, k);
    if (rank(m.card) == lead) {
        if (!target.empty()) return false;
        for (int i = 0; i < e.tableauCount(); ++i)
            if (e.table.tableau[i].empty()) return i == k;
        return false;
    }
    if (target.empty()) return false;
    if (k == 0) return tableauPile(e, 1).empty();
    return !tableauPile(e, k - 1).empty() && (k == 7 || tableauPile(e, k + 1).empty());
}

// --- acceptance by kind of pile -------------------------------------------

namespace {

// Parameter 51 = 2: the colours of the foundations alternate from the first one
// that holds cards.
bool alternationColourFits(const Engine& e, int k, int card) {
    for (int f = 0; f < e.foundationCount(); ++f) {
        const Pile& p = e.table.foundations[f];
        if (p.empty() || p.base() == kHole) continue;
        const bool anchorRed = isRed(p.base());
        const bool wantRed = ((k - f) % 2 == 0) ? anchorRed : !anchorRed;
        return isRed(card) == wantRed;
    }
    return true;
}

// Suit rule 22 on foundations: an Ace, or a card for which another tableau pile
// shows a card of its suit and of a rank not higher.
bool tableauTopsAllow(const Engine& e, int card) {
    if (rank(card) == kAce) return true;
    for (int i = 0; i < e.tableauCount(); ++i) {
        const int top = e.table.tableau[i].top();
        if (top > 0 && top != card && suitIndex(top) == suitIndex(card) && rank(top) <= rank(card))
            return true;
    }
    return false;
}

} // namespace

bool foundationAccepts(const Engine& e, int k, const MovingBlock& m) {
    if (k < 0 || k >= kFoundationCount || !isCard(m.card)) return false;
    const RuleParams& p = e.params;
    if (p[prm::Special] == 23 && m.fromTableau() && !families::foundationTakesFromTableau(e, k, m))
        return false;
    if (!m.single()) return false;

    const Pile& pile = e.table.foundations[k];
    const int rule = p[prm::FoundationSuitRule + k];
    if (rule == suit::QueenOnEmpty) return pile.empty() && rank(m.card) == kQueen;
    if (rule == suit::TableauTopSuit) return tableauTopsAllow(e, m.card);

    const int base = baseCode(e, k);
    if (takesRunsOnly(base)) return false;
    const int max = p[prm::FoundationMax];
    if (rule != suit::UpAceOnKing && rule != suit::InSuitByFoundationCount && max > 0 &&
        pile.size() >= max)
        return false;
    if (rule == suit::UpAceOnKing && pile.size() >= 52) return false;

    const RuleTarget t{PileKind::Foundation,
                       k,
                       ruleTop(pile),
                       base,
                       rule,
                       p[prm::FoundationDirection + k],
                       base,
                       1};
    if (!ruleTest(e, t, m)) return false;
    if (pile.empty()) {
        const int extra = p[prm::EmptyFoundationTest];
        if (extra == 1 && !groupTest(e, 0, m.card)) return false;
        if (extra == 2 && !alternationColourFits(e, k, m.card)) return false;
    }
    return true;
}

bool foundationAccepts(const Engine& e, int k, int card) {
    return foundationAccepts(e, k, singleCard(e, card));
}

bool tableauAccepts(const Engine& e, int i, const MovingBlock& m) {
    if (i < 0 || i >= kTableauCount || !isCard(m.card)) return false;
    const RuleParams& p = e.params;
    const Pile& pile = e.table.tableau[i];
    if (m.from == tableau(i)) return false; // never back onto its own pile
    if (pile.top() > 0 && !e.cards.faceUp(pile.top()) && p[prm::Special] != 40) return false;
    const int max = p[prm::TableauMax];
    if (max > 0 && pile.size() >= max) return false;

    const int rule = p[prm::TableauSuitRule + i];
    const RuleTarget t{PileKind::Tableau,
                       i,
                       ruleTop(pile),
                       fillCode(e, i),
                       rule,
                       p[prm::TableauDirection + i],
                       baseCode(e, 0),
                       p[prm::TableauWrap + i]};
    if (!ruleTest(e, t, m)) return false;
    if (rule == suit::DownAnySuitSingleOnCards && !pile.empty() && !m.single()) return false;
    if (!m.single() && p[prm::GroupMoveTest] != group_rule::None && !blockIsSequence(e, m, i))
        return false;
    if (p[prm::TakeBlocks] == count_rule::FreeCellsAndPiles && !m.single() && pile.empty() &&
        !countAllows(e, m, true))
        return false;
    if (e.game.lastCardMoved != 0 && !pile.empty() && pile.top() == e.game.lastCardMoved)
        return false;
    return true;
}

bool tableauAccepts(const Engine& e, int i, int card) {
    return tableauAccepts(e, i, movingBlock(e, card));
}

bool reserveAccepts(const Engine& e, int r, const MovingBlock& m) {
    if (r < 0 || r >= kReserveCount || !isCard(m.card)) return false;
    if (m.from == reserve(r)) return false;
    const Pile& pile = e.table.reserves[r];
    const int rm = rank(m.card);
    const bool freeCell = m.single() && pile.empty();
    switch (e.params[prm::ReserveRule + r]) {
    case reserve_rule::Nothing: return false;
    case reserve_rule::KingWhileFirstShort:
        return m.single() && rm == kKing && e.table.reserves[0].size() < 3;
    case reserve_rule::Anything: return true;
    case reserve_rule::CardWhileFirstShort: return m.single() && e.table.reserves[0].size() < 5;
    case reserve_rule::FromWaste: return m.fromKind(PileKind::Waste);
    case reserve_rule::Jack: return freeCell && rm == kJack;
    case reserve_rule::Queen: return freeCell && rm == kQueen;
    case reserve_rule::King: return freeCell && rm == kKing;
    case reserve_rule::RowTestFrees: return pile.empty() && rowTestFrees(e, m);
    case reserve_rule::AcesAlternating:
        if (rm != kAce) return false;
        return pile.top() <= 0 || isRed(pile.top()) != isRed(m.card);
    case reserve_rule::QueenOfFoundationSuit: {
        const Pile& f = foundationPile(e, r);
        return pile.empty() && rm == kQueen && f.base() > 0 &&
               suitIndex(f.base()) == suitIndex(m.card);
    }
    case reserve_rule::UpInSuit:
        if (pile.top() <= 0) return true;
        return suitIndex(pile.top()) == suitIndex(m.card) && rm == rank(pile.top()) + 1;
    case reserve_rule::FromStockGroupEarlyPasses:
        return !m.fromReserve() && !m.fromTableau() && e.game.passNumber < 3;
    case reserve_rule::WhileStockAndTableauFull:
        if (!pile.empty() || e.table.stock().empty()) return false;
        for (int i = 0; i < e.tableauCount(); ++i)
            if (e.table.tableau[i].empty()) return false;
        return true;
    case reserve_rule::CourtCard: return freeCell && isCourt(m.card);
    case reserve_rule::FamilyRule: {
        if (!freeCell) return false;
        const RuleTarget t{PileKind::Reserve, r, -1, 0, suit::ReserveUpDownWrapNotFromTableau, 0,
                           baseCode(e, 0),    1};
        return ruleTest(e, t, m);
    }
    default: return freeCell; // a free cell (146 and codes without a rule of their own)
    }
}

bool reserveAccepts(const Engine& e, int r, int card) {
    return reserveAccepts(e, r, movingBlock(e, card));
}

bool pileAccepts(const Engine& e, PileId pile, const MovingBlock& m) {
    switch (pile.kind) {
    case PileKind::Foundation:
        return pile.index < e.foundationCount() && foundationAccepts(e, pile.index, m);
    case PileKind::Tableau:
        return pile.index < e.tableauCount() && tableauAccepts(e, pile.index, m);
    case PileKind::Reserve:
        return pile.index < e.reserveCount() && reserveAccepts(e, pile.index, m);
    case PileKind::Waste: return families::wasteAccepts(e, m);
    default: return false;
    }
}

bool pileAccepts(const Engine& e, PileId pile, int card) {
    return pileAccepts(e, pile, movingBlock(e, card));
}

bool pileAccepts(const Engine& e, std::string_view name, int card) {
    const auto id = parsePileName(name);
    if (!id || id->kind == PileKind::Stock || id->kind == PileKind::Waste ||
        id->kind == PileKind::SecondWaste)
        return false;
    return pileAccepts(e, *id, card);
}

} // namespace vellamor
