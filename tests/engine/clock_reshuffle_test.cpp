#include "engine/game_clock.h"
#include "engine/reshuffle.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vellamor {
namespace {

TEST(GameClock, ElapsedTimeAndMidnight) {
    const int start = 23 * 3600 + 59 * 60 + 50;
    EXPECT_EQ(elapsedBetween(start, 10), 19); // the day boundary counts from 23:59:59
    EXPECT_EQ(formatElapsed(elapsedBetween(start, 10)), "0:00:19");
    EXPECT_EQ(elapsedBetween(3600, 3600 + 125), 125);
    EXPECT_EQ(formatElapsed(3 * 3600 + 7 * 60 + 5, '.'), "3.07.05");
    EXPECT_EQ(formatElapsed(0), "0:00:00");
    EXPECT_EQ(formatElapsed(36 * 3600), "36:00:00");
}

TEST(GameClock, ReadingTheShownTimeBack) {
    struct Case {
        const char* text;
        char separator;
        long long seconds;
    };
    const Case cases[] = {
        {"0:00:19", ':', 19},  {"1:02:03", ':', 3723}, {"12.30.00", '.', 45000},
        {"1:02:03", '.', 0},   {"", ':', 0},           {"1:2", ':', 0},
        {"a:00:00", ':', 0},   {"1:60:00", ':', 0},    {"1:00:00x", ':', 0},
        {"-1:00:00", ':', 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(parseElapsed(c.text, c.separator), c.seconds);
    }
    EXPECT_EQ(parseElapsed(formatElapsed(98765)), 98765);
}

std::vector<CardCode> numbered(int n) {
    std::vector<CardCode> cards;
    for (int i = 1; i <= n; ++i) cards.push_back(static_cast<CardCode>(i));
    return cards;
}

TEST(Reshuffle, FixedOrders) {
    EXPECT_EQ(reshuffle(numbered(7)), (std::vector<CardCode>{4, 7, 1, 5, 2, 3, 6}));
    EXPECT_EQ(reshuffle(numbered(8)), (std::vector<CardCode>{5, 8, 1, 4, 2, 7, 3, 6}));
    EXPECT_EQ(reshuffle(numbered(1)), (std::vector<CardCode>{1}));
    EXPECT_TRUE(reshuffle({}).empty());
    EXPECT_EQ(reshuffleStock(numbered(7)), (std::vector<CardCode>{4, 1, 6, 2, 3, 5, 7}));
    auto many = reshuffle(numbered(104));
    std::sort(many.begin(), many.end());
    EXPECT_EQ(many, numbered(104));
}

} // namespace
} // namespace vellamor
