// The dispatch of the rule test on the suit rule: the plain rules fall through
// to the standard test, every special code has its own case.
#include "engine/rule_codes.h"
#include "engine/rules_internal.h"

namespace vellamor {

using namespace rules_detail;

namespace {

// The moving card, the target and what the special rows ask about them.
struct Ctx {
    const Engine& e;
    const RuleTarget& t;
    const MovingBlock& m;
    int rm;        // rank of the moving card
    int rt;        // rank of the top card; 0 a hole, -1 an empty pile
    bool holds;    // the target's top is a card
    bool nonEmpty; // the target holds a card or a hole

    int k() const { return t.index; }
    const Pile& F(int i) const { return foundationPile(e, i); }
    const Pile& T(int i) const { return tableauPile(e, i); }
    const Pile& R(int i) const { return reservePile(e, i); }
    bool sameSuit() const { return suitIndex(t.top) == suitIndex(m.card); }
    bool up(int n) const { return rm == rt + n; }
    bool down(int n) const { return rm == rt - n; }
    bool upWrap() const { return rm == nextRank(rt); }
    bool downWrap() const { return rm == prevRank(rt); }
    bool standard(int relation = suit::AnySuit) const { return standardTest(e, t, m, relation); }
    bool emptyCode() const { return emptyPileAccepts(e, t.fill, t.base, m); }
    bool rankOfBase(int f) const {
        const int b = baseCode(e, f);
        return b == -1 || rm == b;
    }
    bool rankOfFill(int i) const {
        const int c = fillCode(e, i);
        return c == -1 || rm == c;
    }
    // The group test over foundations 1-4 for k up to 4, else over 5-8.
    bool groupOfHalf() const { return groupTest(e, k() < 4 ? 0 : 4, m.card); }
};

// Hearts, clubs, diamonds, spades, and round again.
int nextInCycle(int s) {
    switch (s) {
    case kHearts: return kClubs;
    case kClubs: return kDiamonds;
    case kDiamonds: return kSpades;
    case kSpades: return kHearts;
    default: return kNoSuit;
    }
}

bool rule29(const Ctx& c) {
    if (!c.holds) return colourBalanceTest(c.e, c.t.fill, c.m.card);
    if (!c.sameSuit()) return false;
    const int n = c.F(c.k()).size();
    if (n <= 12) return c.up(1);
    if (n == 13) return c.rm == kKing;
    return c.down(1);
}

bool rule30(const Ctx& c) {
    if (!c.holds || !c.sameSuit()) return false;
    const Pile& p = c.T(c.k());
    if (p.size() > 1) {
        const int below = p[p.size() - 2];
        return rank(below) > c.rt ? c.down(1) : c.up(1);
    }
    return c.up(1) || c.down(1);
}

bool rule40(const Ctx& c) {
    if (c.e.table.stock().size() + c.e.table.waste().size() == 1) return true;
    const int r = c.e.stockDeals % 13;
    return c.rm == (r == 0 ? kKing : r);
}

// Suit rules 58 and 64: two pairs of foundations, one building up from the
// Aces and one down from the Kings, each pair in one colour.
bool rule58(const Ctx& c) {
    const Engine& e = c.e;
    if (!e.table.stock().empty() && c.m.fromTableau()) {
        const int from = c.m.from->index;
        if (from >= 4 && from <= 7 && from != c.k() + 4) return false;
    }
    const Pile& own = c.F(c.k());
    if (!own.empty()) {
        if (!c.holds || !c.sameSuit()) return false;
        return e.params[prm::FoundationDirection + c.k()] == 1 ? c.up(1) : c.down(1);
    }
    const int k = c.k();
    if (k > 3) return false;
    if (c.rm != (k < 2 ? kAce : kKing)) return false;
    const auto colourOf = [&](int a, int b) {
        const int top = c.F(a).top() > 0 ? c.F(a).top() : c.F(b).top();
        return top;
    };
    const int partner = k < 2 ? colourOf(0, 1) : colourOf(2, 3);
    if (partner > 0 && isRed(partner) != isRed(c.m.card)) return false;
    const int o1 = c.F(k < 2 ? 2 : 0).top(), o2 = c.F(k < 2 ? 3 : 1).top();
    if (o1 > 0 && isRed(o1) == isRed(c.m.card)) return false;
    if (o2 > 0 && isRed(o2) == isRed(c.m.card)) return false;
    return groupTest(e, 0, c.m.card);
}

bool rule70(const Ctx& c) {
    if (c.t.kind != PileKind::Tableau || !c.T(c.k()).empty() || !c.m.fromTableau()) return false;
    const int cols = c.e.params[prm::Rule70Columns];
    if (cols < 1) return false;
    const int k = c.k() + 1, from = c.m.from->index + 1;
    return (from == k + 1 && k % cols != 0) || (from == k - 1 && k % cols != 1) ||
           from == k - cols || from == k + cols;
}

bool rule91(const Ctx& c) {
    int step = 0;
    for (int f = 0; f < c.e.foundationCount(); ++f) {
        const Pile& p = c.e.table.foundations[f];
        if (p.size() < 2) continue;
        step = rank(p[1]) - rank(p[0]);
        if (step < 0) step += 13;
        break;
    }
    const int rt = c.holds ? c.rt : -1;
    const int rm = c.rm;
    if (step == 0) {
        return rm == rt + 1 || rm == rt + 2 || (rt == kKing && (rm == kAce || rm == 2)) ||
               (rt == kQueen && rm == kAce);
    }
    if (rm == rt + step) return true;
    if (step == 1) return rt == kKing && rm == kAce;
    if (step == 2) return (rt == kKing && rm == 2) || (rt == kQueen && rm == kAce);
    return false;
}

bool rule97(const Ctx& c) {
    const int h = c.e.foundationCount() / 2;
    if (c.k() < h) return c.standard();
    const Pile& own = c.F(c.k());
    if (own.empty()) return c.rankOfBase(c.k());
    if (own.size() > 11 || !c.holds) return false;
    const Pile& partner = c.F(c.k() - h);
    if (partner.base() <= 0) return false;
    int want = rank(partner.base()) + c.rt;
    if (want > 13) want -= 13;
    return c.rm == want;
}

bool rule124(const Ctx& c) {
    const int fifthBase = baseCode(c.e, 4);
    if (c.k() == 4) return c.rm == fifthBase;
    if (c.rm == fifthBase) return false;
    if (c.holds) {
        if (!c.sameSuit()) return false;
        if (c.e.params[prm::FoundationDirection + c.k()] == 1) return c.upWrap();
        return c.downWrap();
    }
    return groupTest(c.e, c.k() < 4 ? 0 : 5, c.m.card) && c.rankOfBase(c.k());
}

} // namespace

bool rules_detail::suitRuleTest(const Engine& e, const RuleTarget& t, const MovingBlock& m) {
    const Ctx c{
        .e = e,
        .t = t,
        .m = m,
        .rm = rank(m.card),
        .rt = t.top > 0 ? rank(t.top) : (t.top == 0 ? 0 : -1),
        .holds = t.top > 0,
        .nonEmpty = t.top >= 0,
    };
    const Table& tab = e.table;

    switch (t.suitRule) {
    // --- the plain rules -----------------------------------------------------
    case suit::InSuit:
    case suit::SameColour:
    case suit::AlternateColours: return c.standard(t.suitRule);
    case suit::EmptyOnly: return !c.holds && c.standard();
    case suit::NoBuilding: return false;
    case suit::Anything: return true;
    case suit::StepTwo:
    case suit::StepThree:
    case suit::StepFour: {
        if (!c.holds) return c.emptyCode();
        const int step = t.suitRule - suit::StepTwo + 2;
        return c.rm == c.rt + step || c.rm == (c.rt + step) % 13;
    }
    case suit::UpAceOnKing:
        return c.up(1) || (!c.holds && c.rm == kAce) || (c.rt == kKing && c.rm == kAce);
    case suit::InSuitNoQueenOnKingOrJack:
        if (c.rm == kQueen && (c.rt == kKing || c.rt == kJack)) return false;
        return c.standard(suit::InSuit);
    case suit::AnyOtherSuit:
        if (c.holds && c.sameSuit()) return false;
        return c.standard();
    case suit::NotFromTableau: return !m.fromTableau();
    case suit::NotFromTableauOntoCards: return !(m.fromTableau() && !c.T(c.k()).empty());
    case suit::NotFromTableauOrReserve: return !m.fromTableau() && !m.fromReserve();
    case suit::NotFromTableauOntoShortPile: return !m.fromTableau() && c.T(c.k()).size() <= 1;

    // --- further suit rules --------------------------------------------------
    case suit::SuitOfBottomRankAfterPrevious: {
        const Pile& own = c.F(c.k());
        if (own.base() > 0 ? suitIndex(own.base()) != suitIndex(m.card) : !c.rankOfBase(c.k()))
            return false;
        if (c.k() == 0) return true;
        for (CardCode x : c.F(c.k() - 1))
            if (x != kHole && rank(x) == c.rm) return true;
        return false;
    }
    case suit::WhileFirstPileAndStockEmpty:
        if (!c.T(0).empty() || !tab.stock().empty()) return false;
        return !c.holds || !(c.down(1) && isRed(t.top) == isRed(m.card));
    case suit::UpInSuitWhileWasteEmpty:
        return tab.waste().empty() && c.holds && c.sameSuit() && c.up(1);
    case suit::InSuitNoQueenKingSwap:
        if ((c.rm == kQueen && c.rt == kKing) || (c.rm == kKing && c.rt == kQueen)) return false;
        if (c.holds && !c.sameSuit()) return false;
        return c.standard();
    case suit::TwoInSuitByDirection:
        if (!c.holds) return c.emptyCode();
        return c.sameSuit() && (t.direction == 1 ? c.up(2) : c.down(2));
    case suit::TwoInSuitOrWrap: {
        if (!c.holds) return c.emptyCode();
        if (c.sameSuit() && (t.direction == 1 ? c.up(2) : c.down(2))) return true;
        if (c.F(c.k()).size() < 13)
            return c.sameSuit() &&
                   ((c.rt == kKing && c.rm == 2) || (c.rt == kQueen && c.rm == kAce));
        return c.standard();
    }
    case suit::UpDownWhileShort:
        if (!c.nonEmpty) return t.fill == kKing ? c.rm == kKing : t.fill == -1;
        return c.T(c.k()).size() < 3 && (c.up(1) || c.down(1));
    case suit::AlternateNotFromFoundationOrReserve:
        if (m.fromFoundation() || m.fromReserve()) return false;
        return c.standard(suit::AlternateColours);
    case suit::UpDownNoWrap: return !c.holds || c.up(1) || c.down(1);
    case suit::UpDownInSuitNoWrap: return !c.holds || (c.sameSuit() && (c.up(1) || c.down(1)));
    case suit::InSuitByFoundationCount: return rule29(c);
    case suit::UpDownByPileDirection: return rule30(c);
    case suit::DownInSuit: return c.holds && c.sameSuit() && c.down(1);
    case suit::UpInSuit: return c.holds && c.sameSuit() && c.up(1);
    case suit::DownAnySuitSingleOnCards: return c.holds ? c.down(1) : c.emptyCode();
    case suit::UpDownWrap: return c.holds ? c.upWrap() || c.downWrap() : c.emptyCode();
    case suit::DownFromBaseAfterPrevious:
        if (!c.holds) return c.rm == t.base && (c.k() == 0 || !c.F(c.k() - 1).empty());
        return c.downWrap();
    case suit::Doubling:
        if (!c.holds) return c.emptyCode();
        return c.rm == (2 * c.rt) % 13 || (c.rm == kKing && c.F(0).size() >= 48);
    case suit::KingRowFill:
        if (!tab.waste().empty()) return rowFillTest(e, c.k(), kKing, m);
        if (!c.nonEmpty) return c.rm == kKing;
        return c.T(c.k()).size() == 1 && rank(c.T(c.k()).top()) == kKing && c.rm != kQueen &&
               c.rm != kKing;
    case suit::UpNoCourtAceFirst:
        if (!c.nonEmpty) return c.rm == kAce;
        return c.up(1) && c.rm != kQueen && c.rm != kKing;
    case suit::StockDealRank: return rule40(c);
    case suit::TwoUpWrapGroup:
        if (!c.holds) return c.rankOfBase(c.k()) && c.groupOfHalf();
        return c.sameSuit() && c.rm == nextRank(nextRank(c.rt));
    case suit::UpInSuitKingWhenPartnerKing:
        if (!c.holds || !c.sameSuit() || !c.up(1)) return false;
        return c.rm != kKing || rank(c.F(c.k() + 6).top()) == kKing;
    case suit::TwoUpInSuit: return c.holds ? c.sameSuit() && c.up(2) : c.emptyCode();
    case suit::UpNoKingAceFirst:
        if (!c.nonEmpty) return c.rm == kAce;
        return c.up(1) && c.rm != kKing;
    case suit::KingRowFillDown:
        if (!tab.waste().empty()) return rowFillTest(e, c.k(), kKing, m);
        if (!c.nonEmpty) return c.rm == kKing;
        if (c.rm == kKing) return false;
        return c.T(c.k()).size() == 1 || c.down(1);
    case suit::UpNoCourtFromBase:
    case suit::UpNoCourtFromBaseWhilePile:
    case suit::UpNoCourtFromBaseSuitOfPile: {
        if (c.holds) return c.up(1) && c.rm != kQueen && c.rm != kKing;
        if (t.suitRule != suit::UpNoCourtFromBase) {
            const Pile& pile = c.T(c.k());
            if (pile.empty()) return false;
            if (t.suitRule == suit::UpNoCourtFromBaseSuitOfPile &&
                suitIndex(pile.base()) != suitIndex(m.card))
                return false;
        }
        return c.rankOfBase(c.k());
    }
    case suit::DownNoQueenFromBase:
    case suit::DownNoQueenWhileUpperPile:
    case suit::DownNoQueenSuitOfUpperPile: {
        if (c.holds) return (c.down(1) || (c.rt == kAce && c.rm == kKing)) && c.rm != kQueen;
        if (t.suitRule != suit::DownNoQueenFromBase && c.k() >= 8) {
            const Pile& pile = c.T(c.k() - 8);
            if (pile.empty()) return false;
            if (t.suitRule == suit::DownNoQueenSuitOfUpperPile &&
                suitIndex(pile.base()) != suitIndex(m.card))
                return false;
        }
        return c.rankOfBase(c.k());
    }
    case suit::QueenRowFill:
        if (!tab.waste().empty()) return rowFillTest(e, c.k(), kQueen, m);
        if (!c.nonEmpty) return c.rm == kQueen;
        return c.T(c.k()).size() == 1 && rank(c.T(c.k()).top()) == kQueen && c.rm != kQueen;
    case suit::UpAfterFirstFoundationFull:
        if (c.k() > 0 && c.F(0).size() != 13) return false;
        return c.holds ? c.upWrap() : c.rankOfBase(c.k());
    case suit::DownFillNotFromPiles:
        if (c.holds)
            return c.down(1) ||
                   (c.rt == kAce && c.rm == kKing && e.params[prm::TableauWrap + c.k()] == 1);
        if (m.fromReserve() || m.fromTableau()) return false;
        return c.rankOfFill(c.k());
    case suit::UpSameColourWasteFirst:
        if (tab.waste().size() > 1) return false;
        if (tab.waste().size() == 1 && !m.fromKind(PileKind::Waste)) return false;
        if (c.holds) return c.up(1) && isRed(t.top) == isRed(m.card);
        return c.rankOfFill(c.k());
    case suit::SameRankFromLaterPile:
        return c.holds && c.rm == c.rt && m.fromTableau() && m.from->index >= c.k();
    case suit::UpDownWrapStockEmpty:
        return tab.stock().empty() && c.holds && (c.upWrap() || c.downWrap());
    case suit::PairedFoundations:
    case suit::PairedFoundationsToo: return rule58(c);
    case suit::UpDownWrapOnCards: return c.holds && (c.upWrap() || c.downWrap());
    case suit::EmptyPileAnyCard: return c.T(c.k()).empty();
    case suit::GridNeighbour: return rule70(c);
    case suit::RankOfPile: return c.rm == c.k() + 1;
    case suit::AnyLowerRank: {
        const Pile& pile = c.T(c.k());
        return pile.empty() || (pile.top() > 0 && c.rm < rank(pile.top()));
    }
    case suit::FourOfEachRank: return c.rm == c.F(c.k()).size() / 4 + 1;
    case suit::UpInSuitAceOnKing: {
        const Pile& own = c.F(c.k());
        if (own.empty()) return c.rm == kAce;
        const int top = own.top();
        if (rank(top) == kKing) return c.rm == kAce;
        return suitIndex(top) == suitIndex(m.card) && c.rm == rank(top) + 1;
    }
    case suit::UpWithReserveAtTwelve: {
        const Pile& own = c.F(c.k());
        const bool fits =
            own.empty() ? c.rankOfBase(c.k()) : own.top() > 0 && c.rm == nextRank(rank(own.top()));
        if (!fits) return false;
        if (own.size() == 12) return m.from == reserve(c.k());
        return !m.fromReserve();
    }
    case suit::TableauUpDownWrapNotFromTableau:
    case suit::ReserveUpDownWrapNotFromTableau: {
        if (m.fromTableau()) return false;
        const Pile& own =
            t.suitRule == suit::TableauUpDownWrapNotFromTableau ? c.T(c.k()) : c.R(c.k());
        if (own.empty()) return true;
        const int top = own.top();
        return top > 0 && suitIndex(top) == suitIndex(m.card) &&
               (c.rm == nextRank(rank(top)) || c.rm == prevRank(rank(top)));
    }
    case suit::InSuitWhileStockAndWasteEmpty:
        if (!tab.stock().empty() || !tab.waste().empty()) return false;
        if (c.F(c.k()).empty()) return c.groupOfHalf() && c.emptyCode();
        return c.holds && c.sameSuit() && c.standard();
    case suit::DownToPileNumber: {
        if (!c.holds) return false;
        const Pile& own = c.F(c.k());
        if (own.top() > 0 && rank(own.top()) == c.k() + 1 && (c.k() != 6 || own.size() == 13))
            return false;
        return c.downWrap();
    }
    case suit::SuitCycleUp:
        if (!c.holds) return c.rm == kAce;
        return c.up(1) && suitIndex(m.card) == nextInCycle(suitIndex(t.top));
    case suit::SuitCycleDown:
        if (!c.holds) return true;
        return c.down(1) && suitIndex(m.card) == nextInCycle(suitIndex(t.top));
    case suit::StepFromFirstFoundation: return rule91(c);
    case suit::AcesOnly: return c.rm == kAce;
    case suit::InSuitGroupOnEmpty:
        if (c.F(c.k()).empty() && !c.groupOfHalf()) return false;
        return c.standard(suit::InSuit);
    case suit::SumOfPartner: return rule97(c);
    case suit::SevenAfterAce: {
        const Pile& own = c.F(c.k());
        if (own.empty()) return c.rankOfBase(c.k());
        const int top = own.top();
        if (top <= 0 || suitIndex(top) != suitIndex(m.card)) return false;
        return c.rm == (rank(top) == kAce ? 7 : rank(top) + 1);
    }
    case suit::UpInSuitToPileNumber: {
        if (!c.holds || !c.sameSuit() || !c.upWrap()) return false;
        const int ownTop = rank(c.F(c.k()).top());
        if (c.k() == 0) return ownTop != kQueen;
        return c.k() > 11 || ownTop != c.k();
    }
    case suit::DownInSuitWrap: {
        const Pile& own = c.T(c.k());
        if (own.empty() || own.top() <= 0) return false;
        return suitIndex(own.top()) == suitIndex(m.card) && c.rm == prevRank(rank(own.top()));
    }
    case suit::TwoUpInSuitFromBase:
        if (!c.holds) return c.rankOfBase(c.k());
        return c.sameSuit() && c.up(2);
    case suit::UpDownInSuitStockEmpty:
        if (!tab.stock().empty()) return false;
        return !c.holds || (c.sameSuit() && (c.upWrap() || c.downWrap()));
    case suit::UpAfterPreviousFull:
        if (c.k() > 0 && c.F(c.k() - 1).size() != 13) return false;
        return c.holds ? c.upWrap() : c.rm == t.base;
    case suit::KingOfPartnerSuit: {
        if (c.k() < 8 || !c.F(c.k()).empty()) return false;
        const Pile& partner = c.F(c.k() - 8);
        return partner.base() > 0 && c.rm == kKing &&
               suitIndex(partner.base()) == suitIndex(m.card);
    }
    case suit::DownInSuitJackFirst: return c.holds ? c.sameSuit() && c.down(1) : c.rm == kJack;
    case suit::BaseRankAlternating:
        if (c.rm != t.base) return false;
        if (c.holds) return isRed(t.top) != isRed(m.card);
        return suitIndex(m.card) == e.game.specialCounters[0];
    case suit::CentreAndWings: return rule124(c);
    case suit::SameRank: {
        const Pile& own = c.T(c.k());
        return own.empty() || (own.top() > 0 && c.rm == rank(own.top()));
    }
    case suit::UpInSuitTwoDecks: {
        const Pile& own = c.F(c.k());
        if (own.empty()) return c.rm == kAce && groupTest(e, 0, m.card);
        if (own.size() > 26 || !c.holds) return false;
        return c.sameSuit() && c.upWrap();
    }
    case suit::UpDownInSuitWrapStockEmpty: {
        if (!tab.stock().empty()) return false;
        const Pile& own = c.T(c.k());
        if (own.empty() || own.top() <= 0) return false;
        const int top = own.top();
        return suitIndex(top) == suitIndex(m.card) &&
               (c.rm == nextRank(rank(top)) || c.rm == prevRank(rank(top)));
    }
    case suit::UpAfterPreviousFullAceFirst: {
        const Pile& own = c.F(c.k());
        if (!own.empty()) return own.top() > 0 && c.rm == rank(own.top()) + 1;
        return c.rm == kAce && (c.k() == 0 || c.F(c.k() - 1).size() == 13);
    }
    case suit::TwoDownWrap: {
        const Pile& own = c.T(c.k());
        if (own.empty()) return true;
        const int rt = rank(own.top());
        return own.top() > 0 &&
               (c.rm == rt - 2 || (rt == kAce && c.rm == kQueen) || (rt == 2 && c.rm == kKing));
    }

    // Every other code, named by the catalogue or not: the standard test
    // without a suit relation.
    default: return c.standard();
    }
}

} // namespace vellamor
