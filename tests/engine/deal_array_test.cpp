#include "deal_fixture.h"
#include "recording_host.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace vellamor {
namespace {

using namespace vellamor::testing;

TEST(GameNumber, DigitsOfAnyAcceptedText) {
    struct Case {
        const char* text;
        const char* digits; // nullptr: refused
    };
    const Case cases[] = {
        {"0", "0000000000000"},
        {"123", "0000000000123"},
        {"000000123", "0000000000123"},
        {"  42 ", "0000000000042"},
        {"9999999999999", "9999999999999"},
        {"123456789012345", "3456789012345"},
        {"00000000000000000007", "0000000000007"},
        {"12a", nullptr},
        {"-5", nullptr},
        {"1 2", nullptr},
        {"", nullptr},
        {"   ", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const auto d = gameNumberDigits(c.text);
        if (!c.digits) {
            EXPECT_FALSE(d.has_value());
        } else {
            ASSERT_TRUE(d.has_value());
            EXPECT_EQ(gameNumberText(*d), c.digits);
        }
    }
}

// Every card of the decks exactly once, jokers included.
TEST(DealArray, HoldsEveryCardOnceForOneToFourDecks) {
    for (int decks = 1; decks <= 4; ++decks) {
        for (int jokers : {0, 1, 4}) {
            Engine e;
            setParams(e, {{prm::Cards, 52 * decks}, {prm::UsesJokers, jokers ? 1 : 0},
                          {prm::Jokers, jokers}});
            for (const char* number : {"0", "1", "777", "1234567890123", "9999999999999",
                                       "5000000000000", "3141592653589", "0000000100000"}) {
                SCOPED_TRACE(::testing::Message() << decks << " decks, " << jokers << " jokers, "
                                                  << number);
                const DealArray d = buildDealArray(e, *gameNumberDigits(number));
                std::vector<int> cards = arrayCards(d);
                ASSERT_EQ(static_cast<int>(cards.size()), 52 * decks + jokers);
                std::sort(cards.begin(), cards.end());
                for (int i = 0; i < 52 * decks; ++i) ASSERT_EQ(cards[i], i + 1);
                for (int j = 0; j < jokers; ++j) ASSERT_EQ(cards[52 * decks + j], 209 + j);
            }
        }
    }
}

TEST(DealArray, ShortDecksLeaveOutRanksTwoToSix) {
    struct Case {
        int decks, shortDeck, expected;
    };
    const Case cases[] = {{1, 1, 32}, {1, 2, 28}, {2, 1, 64}, {2, 2, 56}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shortDeck);
        Engine e;
        setParams(e, {{prm::Cards, 52 * c.decks}, {prm::ShortDeck, c.shortDeck},
                      {prm::UsesJokers, 1}, {prm::Jokers, 2}});
        const DealArray d = buildDealArray(e, *gameNumberDigits("271828"));
        EXPECT_EQ(d.size(), c.expected + 2);
        std::map<int, int> byRank;
        for (int code : arrayCards(d)) ++byRank[rank(code)];
        EXPECT_EQ(byRank[kJokerRank], 2); // jokers are never removed
        for (int r = 2; r <= 6; ++r) EXPECT_EQ(byRank[r], 0);
        EXPECT_EQ(byRank[kKing], c.shortDeck == 2 ? 0 : 4 * c.decks);
        EXPECT_EQ(byRank[kAce], 4 * c.decks);
    }
}

// The jokers go first, at slots stepped from the start offset (digits 2, 6 and 12)
// by the step row of digit 1.
TEST(DealArray, JokersLandAtTheSlotsOfDigitOnesStepRow) {
    struct Case {
        const char* number;
        int first, second;
    };
    const Case cases[] = {
        {"0000000000000", 25, 43},       // row 0: 25, 18; offset 0
        {"1234567890123", 12, 31},       // row 1: 20, 19; offset 262 → 282 mod 54 = 12
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        Engine e;
        setParams(e, {{prm::Cards, 52}, {prm::UsesJokers, 1}, {prm::Jokers, 2}});
        const DealArray d = buildDealArray(e, *gameNumberDigits(c.number));
        ASSERT_EQ(d.size(), 54);
        EXPECT_EQ(d[c.first], 209);
        EXPECT_EQ(d[c.second], 210);
    }
}

TEST(DealArray, IsTheSameForTheSameNumber) {
    Engine e;
    setParams(e, {{prm::Cards, 104}});
    const auto a = arrayCards(buildDealArray(e, *gameNumberDigits("000000000000000424242")));
    const auto b = arrayCards(buildDealArray(e, *gameNumberDigits("424242")));
    const auto c = arrayCards(buildDealArray(e, *gameNumberDigits("424243")));
    EXPECT_EQ(a, b);
    EXPECT_NE(a, c);
}

TEST(DealArray, UnsupportedCardCountIsReported) {
    RecordingHost host;
    Engine e(&host);
    setParams(e, {{prm::Cards, 60}});
    const DealArray d = buildDealArray(e, *gameNumberDigits("1"));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0], "Error 01 - fnGameNumberCardsArray");
    EXPECT_EQ(d.size(), 60);
    for (int i = 0; i < d.size(); ++i) EXPECT_EQ(d[i], kHole);

    // Dealing such a game deals holes and never crashes.
    setParams(e, {{prm::Tableaus, 2}, {prm::TableauCards, 3}, {prm::TableauCards + 1, 3}});
    loadAndDeal(e, "5");
    EXPECT_EQ(e.table.tableau[0].text(), "000000000");
    EXPECT_TRUE(cardsOnTable(e).empty());
}

TEST(DeckPreparation, KeepsTheCardsOfEachStyle) {
    struct Case {
        int style, cards, piles;
        std::vector<int> kept; // sorted; empty: checked below
    };
    const Case cases[] = {
        {9, 52, 5, {1, 2, 3, 4, 5}},
        {9, 52, 15, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 27, 28}},
        {12, 104, 3, {1, 5, 15, 19, 29, 43, 53, 57, 67, 71, 81, 95}},
        {12, 104, 4, {1, 5, 9, 15, 19, 23, 29, 33, 37, 43, 47, 51, 53, 57, 61, 67, 71, 75, 81, 85,
                      89, 95, 99, 103}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.style);
        Engine e;
        setParams(e, {{prm::Cards, c.cards}, {prm::DealStyle, c.style}, {prm::Tableaus, c.piles}});
        DealArray d = buildDealArray(e, *gameNumberDigits("8675309"));
        prepareDeck(e, d);
        auto kept = arrayCards(d);
        std::sort(kept.begin(), kept.end());
        EXPECT_EQ(kept, c.kept);
    }

    Engine e;
    setParams(e, {{prm::Cards, 104}, {prm::DealStyle, 12}, {prm::Tableaus, 6}});
    DealArray d = buildDealArray(e, *gameNumberDigits("8675309"));
    prepareDeck(e, d);
    EXPECT_EQ(d.size(), 40);
}

TEST(DeckPreparation, OneCardOfEachRank) {
    Engine e;
    setParams(e, {{prm::Cards, 104}, {prm::DealStyle, 11}, {prm::Tableaus, 8}});
    DealArray full = buildDealArray(e, *gameNumberDigits("99"));
    DealArray d = full;
    prepareDeck(e, d);
    ASSERT_EQ(d.size(), 8);
    for (int i = 0; i < 8; ++i) {
        EXPECT_LE(rank(d[i]), 8);
        // The first card of its rank in the array is the one kept.
        for (int j = 0; j < full.size() && full[j] != d[i]; ++j) EXPECT_NE(rank(full[j]), rank(d[i]));
    }

    setParams(e, {{prm::DealStyle, 14}});
    d = full;
    prepareDeck(e, d);
    ASSERT_EQ(d.size(), 9);
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(suitIndex(d[i]), suitIndex(full[0]));
        EXPECT_LE(rank(d[i]), 9);
    }

    setParams(e, {{prm::DealStyle, 16}});
    d = full;
    prepareDeck(e, d);
    EXPECT_EQ(d.size(), 104 - 16);
    for (int c : arrayCards(d)) EXPECT_LT(rank(c), kQueen);
}

TEST(RandomGameNumber, IsThirteenDigitsAndDealable) {
    Engine e;
    for (int i = 0; i < 20; ++i) {
        chooseRandomGameNumber(e);
        const std::string text = e.state.read(field::GameNumber);
        ASSERT_EQ(text.size(), 13u);
        ASSERT_TRUE(gameNumberDigits(text).has_value());
        ASSERT_LE(std::stoll(text), 9'999'998LL * 999'998LL);
    }
}

} // namespace
} // namespace vellamor
