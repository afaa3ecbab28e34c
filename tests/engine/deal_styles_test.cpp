#include "deal_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace vellamor {
namespace {

using namespace vellamor::testing;

constexpr const char* kNumbers[] = {"0", "7", "1234567890123", "9876543210987", "5550001112223"};

// Codes on the table plus holes counted separately.
int holesOnTable(const Engine& e) {
    int n = 0;
    for (int line = 0; line < kPileLines; ++line)
        for (CardCode c : e.table.line(line)) n += c == kHole;
    return n;
}

bool unique(const std::vector<int>& cards) {
    std::set<int> s(cards.begin(), cards.end());
    return s.size() == cards.size();
}

TEST(DealingStyle, KingsTradedToTheStock) { // style 1
    for (const char* number : kNumbers) {
        SCOPED_TRACE(number);
        Engine e;
        setParams(e, {{prm::Cards, 52}, {prm::Tableaus, 12}, {prm::StockCards, 40},
                      {prm::DealStyle, 1}});
        setRange(e, prm::TableauCards, 12, 1);
        setRange(e, prm::TableauFaceUp, 12, 1);
        loadAndDeal(e, number);
        EXPECT_EQ(cardsOnTable(e).size(), 52u);
        EXPECT_TRUE(unique(cardsOnTable(e)));
        for (int i = 0; i < 12; ++i) {
            ASSERT_EQ(e.table.tableau[i].size(), 1);
            EXPECT_NE(rank(e.table.tableau[i].base()), kKing);
            EXPECT_TRUE(e.cards.faceUp(e.table.tableau[i].base()));
        }
    }
}

TEST(DealingStyle, EachLeaderStartsAPile) { // styles 2 and 4
    for (int style : {2, 4}) {
        const int leader = style == 2 ? kKing : kQueen;
        for (const char* number : kNumbers) {
            SCOPED_TRACE(::testing::Message() << style << ' ' << number);
            Engine e;
            setParams(e, {{prm::Cards, 52}, {prm::Tableaus, 4}, {prm::Foundations, 4},
                          {prm::DealStyle, style}});
            loadAndDeal(e, number);
            EXPECT_EQ(cardsOnTable(e).size(), 52u);
            for (int i = 0; i < 4; ++i) {
                const Pile& p = e.table.tableau[i];
                ASSERT_FALSE(p.empty());
                EXPECT_EQ(rank(p.base()), leader);
                for (int j = 1; j < p.size(); ++j) EXPECT_NE(rank(p[j]), leader);
            }
        }
    }
}

TEST(DealingStyle, OneCardOfEachRankPerPile) { // style 3
    for (const char* number : kNumbers) {
        SCOPED_TRACE(number);
        Engine e;
        setParams(e, {{prm::Cards, 52}, {prm::Tableaus, 4}, {prm::DealStyle, 3}});
        setRange(e, prm::TableauCards, 4, 13);
        loadAndDeal(e, number);
        for (int i = 0; i < 4; ++i) {
            const Pile& p = e.table.tableau[i];
            EXPECT_EQ(p.size(), 13);
            std::set<int> ranks;
            for (CardCode c : p)
                if (c != kHole) {
                    EXPECT_TRUE(ranks.insert(rank(c)).second);
                }
        }
        EXPECT_EQ(static_cast<int>(cardsOnTable(e).size()) + holesOnTable(e), 52);
    }
}

TEST(DealingStyle, CardsGoToThePileOfTheirCode) { // styles 5 and 6
    for (int style : {5, 6}) {
        SCOPED_TRACE(style);
        Engine e;
        setParams(e, {{prm::Cards, 52}, {prm::Tableaus, 40}, {prm::DealStyle, style}});
        loadAndDeal(e, "424242");
        for (int i = 0; i < kTableauCount; ++i)
            for (CardCode c : e.table.tableau[i]) EXPECT_EQ(c, i + (style == 5 ? 2 : 1));
        // Cards whose pile number lies outside 1-40 stay out of the deal.
        EXPECT_EQ(cardsOnTable(e).size(), 40u);
    }
}

TEST(DealingStyle, BottomCardOfferedToTheFoundationOfItsPile) { // style 7
    Engine e;
    setParams(e, {{prm::Cards, 52}, {prm::Tableaus, 13}, {prm::Foundations, 13},
                  {prm::DealStyle, 7}});
    setRange(e, prm::TableauCards, 13, 4);
    for (int k = 0; k < 13; ++k) e.params.set(prm::FoundationBase + k, k + 1);
    loadAndDeal(e, "31337");
    int moved = 0;
    for (int k = 0; k < 13; ++k) {
        const Pile& f = e.table.foundations[k];
        if (f.empty()) continue;
        ++moved;
        EXPECT_EQ(rank(f.top()), k + 1);
        EXPECT_EQ(e.table.tableau[k].size(), 3);
    }
    EXPECT_EQ(e.state.readInt(field::Score), -52 + 5 * moved);
    EXPECT_EQ(cardsOnTable(e).size(), 52u);
}

TEST(DealingStyle, AcesLeaveHoles) { // styles 8 and 21
    Engine e;
    setParams(e, {{prm::Cards, 52}, {prm::Tableaus, 4}, {prm::DealStyle, 8}});
    setRange(e, prm::TableauCards, 4, 13);
    loadAndDeal(e, "8");
    EXPECT_EQ(holesOnTable(e), 4);
    EXPECT_EQ(cardsOnTable(e).size(), 48u);
    for (int c : cardsOnTable(e)) EXPECT_NE(rank(c), kAce);

    Engine f;
    setParams(f, {{prm::Cards, 52}, {prm::Tableaus, 4}, {prm::Foundations, 4},
                  {prm::DealStyle, 21}});
    setRange(f, prm::TableauCards, 4, 10);
    loadAndDeal(f, "21");
    EXPECT_EQ(f.table.foundations[0].text(), "014027040001");
    EXPECT_EQ(f.table.foundations[3].text(), "026039052013");
    for (int k = 0; k < 4; ++k)
        for (CardCode c : f.table.foundations[k]) EXPECT_TRUE(f.cards.faceUp(c));
    // The court cards left the array first; the Aces of the tableau became holes and
    // then came back on the foundations with the court cards.
    EXPECT_EQ(holesOnTable(f), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(f.table.tableau[i].size(), 10);
        for (CardCode c : f.table.tableau[i]) EXPECT_TRUE(c == kHole || rank(c) != kAce);
    }
    EXPECT_TRUE(unique(cardsOnTable(f)));
    EXPECT_EQ(cardsOnTable(f).size(), 52u);
}

TEST(DealingStyle, EmptiedPiles) { // styles 9 and 10
    Engine e;
    setParams(e, {{prm::Cards, 52}, {prm::Tableaus, 6}, {prm::DealStyle, 9}});
    setRange(e, prm::TableauCards, 6, 1);
    loadAndDeal(e, "99");
    EXPECT_EQ(cardsOnTable(e).size(), 5u);
    for (int c : cardsOnTable(e)) EXPECT_NE(c, 6);

    Engine r;
    setParams(r, {{prm::Cards, 52}, {prm::Tableaus, 4}, {prm::DealStyle, 10}});
    setRange(r, prm::TableauCards, 4, 13);
    loadAndDeal(r, "10");
    int empty = 0;
    for (int i = 0; i < 4; ++i) empty += r.table.tableau[i].empty();
    EXPECT_EQ(empty, 1);
    EXPECT_FALSE(r.table.tableau[3].empty()); // never the last pile
}

TEST(DealingStyle, FoundationsFromTheArrayAndKingsToFoundations) { // styles 13 and 20
    Engine e;
    setParams(e, {{prm::Cards, 52}, {prm::Foundations, 4}, {prm::StockCards, 40},
                  {prm::DealStyle, 13}});
    loadAndDeal(e, "13");
    for (int k = 0; k < 4; ++k) EXPECT_EQ(e.table.foundations[k].size(), 1);
    EXPECT_EQ(cardsOnTable(e).size(), 44u);

    Engine k;
    setParams(k, {{prm::Cards, 52}, {prm::Tableaus, 4}, {prm::Foundations, 8},
                  {prm::DealStyle, 20}});
    setRange(k, prm::TableauCards, 4, 13);
    loadAndDeal(k, "2020");
    int kings = 0;
    for (int f = 0; f < 8; ++f) {
        if (k.table.foundations[f].empty()) continue;
        EXPECT_EQ(rank(k.table.foundations[f].top()), kKing);
        EXPECT_EQ(f, kings++); // the first empty foundations, in order
    }
    EXPECT_EQ(kings, 4);
    EXPECT_EQ(cardsOnTable(k).size(), 52u);
}

TEST(DealingStyle, HolesAfterKingsAndPaddedRows) { // style 15
    Engine e;
    setParams(e, {{prm::Cards, 52}, {prm::Tableaus, 8}, {prm::DealStyle, 15}});
    for (int i = 0; i < 8; ++i) e.params.set(prm::TableauCards + i, i < 4 ? 7 : 6);
    loadAndDeal(e, "15");
    for (int i = 0; i < 8; ++i) {
        const Pile& p = e.table.tableau[i];
        EXPECT_GE(p.size(), 9);
        for (int j = 0; j < p.size(); ++j)
            if (rank(p[j]) == kKing) {
                EXPECT_EQ(p[j + 1], kHole);
            }
    }
    EXPECT_EQ(cardsOnTable(e).size(), 52u);
}

TEST(DealingStyle, DealtInTurnsOverThirteenPlaces) { // style 17
    Engine e;
    setParams(e, {{prm::Cards, 52}, {prm::Tableaus, 12}, {prm::Reserves, 1}, {prm::DealStyle, 17}});
    loadAndDeal(e, "1717");
    EXPECT_EQ(cardsOnTable(e).size(), 52u);
    for (int i = 0; i < 12; ++i)
        for (CardCode c : e.table.tableau[i]) {
            EXPECT_NE(c, i + 1);
            EXPECT_TRUE(e.cards.faceUp(c));
        }
    for (CardCode c : e.table.reserves[0]) EXPECT_NE(c, 13);
    for (CardCode c : e.table.waste()) EXPECT_FALSE(e.cards.faceUp(c));
}

TEST(DealingStyle, SixteenPipCardsAndTheirSums) { // style 18
    Engine e;
    setParams(e, {{prm::Cards, 52}, {prm::Tableaus, 16}, {prm::DealStyle, 18}});
    const DealArray order = buildDealArray(e, *gameNumberDigits("1818"));
    loadAndDeal(e, "1818");
    std::vector<int> first16;
    for (int i = 0; i < order.size() && first16.size() < 16; ++i)
        if (!isCourt(order[i])) first16.push_back(order[i]);
    for (int g = 0; g < 4; ++g) {
        int sum = 0;
        for (int i = 0; i < 4; ++i) sum += rank(first16[4 * g + i]);
        EXPECT_EQ(e.game.specialCounters[g], sum);
    }
    std::vector<int> dealt;
    for (int k = 0; k < 16; ++k) {
        ASSERT_EQ(e.table.tableau[k].size(), 1);
        dealt.push_back(e.table.tableau[k].top());
    }
    std::sort(first16.begin(), first16.end());
    std::sort(dealt.begin(), dealt.end());
    EXPECT_EQ(dealt, first16);
}

TEST(DealingStyle, TenPilesByTheChosenDigits) { // style 19
    for (const char* number : kNumbers) {
        SCOPED_TRACE(number);
        Engine e;
        setParams(e, {{prm::Cards, 52}, {prm::Tableaus, 10}, {prm::DealStyle, 19}});
        loadAndDeal(e, number);
        const auto d = *gameNumberDigits(number);
        std::set<int> chosen;
        for (int place : {3, 5, 8, 10, 12}) {
            int digit = d[place - 1];
            while (chosen.count(digit)) digit = (digit + 1) % 10;
            chosen.insert(digit);
        }
        std::set<int> dealtDigits;
        for (int i = 0; i < 10; ++i) {
            ASSERT_EQ(e.table.tableau[i].size(), 1);
            const int c = e.table.tableau[i].top();
            EXPECT_FALSE(isCourt(c));
            dealtDigits.insert(rank(c) % 10);
        }
        for (int digit : chosen) EXPECT_TRUE(dealtDigits.count(digit)) << digit;
    }
}

TEST(DealingStyle, FourRowsWithAGapAndNoAces) { // style 22
    Engine e;
    setParams(e, {{prm::Cards, 52}, {prm::Tableaus, 4}, {prm::DealStyle, 22}});
    loadAndDeal(e, "2222");
    for (int i = 0; i < 4; ++i) {
        const Pile& p = e.table.tableau[i];
        ASSERT_EQ(p.size(), 13);
        EXPECT_EQ(p[6], kHole);
        for (CardCode c : p) EXPECT_NE(rank(c), kAce);
    }
    EXPECT_EQ(cardsOnTable(e).size(), 48u);
}

TEST(DealingStyle, ReserveCardsFirstAndGridHoles) { // deck preparation 23, tableau style 8
    Engine e;
    setParams(e, {{prm::Cards, 52}, {prm::Reserves, 4}, {prm::Tableaus, 1}, {prm::DealStyle, 23},
                  {prm::TableauStyle, 8}, {prm::TableauCards, 48}});
    loadAndDeal(e, "23");
    EXPECT_EQ(e.table.reserves[0].text(), "040");
    EXPECT_EQ(e.table.reserves[1].text(), "026");
    EXPECT_TRUE(e.table.reserves[2].empty()); // code 79 is not in a one-deck game
    EXPECT_EQ(e.table.reserves[3].text(), "013");
    const Pile& row = e.table.tableau[0];
    ASSERT_EQ(row.size(), 48 * 2 - 1);
    for (int i = 0; i < row.size(); ++i) EXPECT_EQ(row[i] == kHole, i % 2 == 1);
}

} // namespace
} // namespace vellamor
