#include "engine/card.h"
#include "engine/pile.h"

#include <gtest/gtest.h>

namespace vellamor {
namespace {

TEST(Card, RankSuitAndColourAcrossDecks) {
    struct Case {
        int code, rank, suit;
        bool red;
    };
    const Case cases[] = {
        {1, 1, kHearts, true},    {13, 13, kHearts, true},   {14, 1, kDiamonds, true},
        {26, 13, kDiamonds, true}, {39, 13, kClubs, false},  {52, 13, kSpades, false},
        {53, 1, kHearts, true},   {65, 13, kHearts, true},   {208, 13, kSpades, false},
        {209, 100, kNoSuit, false}, {212, 100, kNoSuit, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(rank(c.code), c.rank);
        EXPECT_EQ(suitIndex(c.code), c.suit);
        EXPECT_EQ(isRed(c.code), c.red);
    }
    EXPECT_TRUE(isJoker(209));
    EXPECT_FALSE(isJoker(208));
    EXPECT_EQ(rank(kHole), 0);
    EXPECT_EQ(suitIndex(kHole), kNoSuit);
}

TEST(Card, CourtCardsAndWrappingRanks) {
    EXPECT_TRUE(isCourt(11));
    EXPECT_TRUE(isCourt(13 + 52));
    EXPECT_FALSE(isCourt(10));
    EXPECT_FALSE(isCourt(209));
    EXPECT_EQ(nextRank(kKing), kAce);
    EXPECT_EQ(prevRank(kAce), kKing);
    EXPECT_EQ(nextRank(5), 6);
}

TEST(Card, RecordTexts) {
    EXPECT_EQ(cardRecordText(1, true), "CUORI_A        10011");
    EXPECT_EQ(cardRecordText(209, true), "JOKER          42091");
    EXPECT_EQ(cardRecordText(23, false), "QUADR_10       20230");
    EXPECT_EQ(cardRecordText(52, true), "PICCH_K        40521");
    EXPECT_EQ(cardRecordText(38, true), "FIORI_Q        30381");
}

} // namespace
} // namespace vellamor
