#include "deal_fixture.h"
#include "engine/end_game.h"
#include "engine/score.h"
#include "recording_host.h"

#include <gtest/gtest.h>

#include <ctime>

namespace vellamor {
namespace {

using namespace vellamor::testing;

TEST(WinTest, PlainGamesIgnoreFoundationsAndTheSecondWaste) {
    Engine e;
    klondike(e);
    e.params.set(prm::Reserves, 2);
    EXPECT_TRUE(plainWinTest(e));
    e.table.secondWaste().push(5);
    e.table.foundations[0].push(1);
    EXPECT_TRUE(plainWinTest(e));
    for (PileId id : {kStock, kWaste, tableau(6), reserve(1)}) {
        SCOPED_TRACE(pileName(id));
        Engine f;
        klondike(f);
        f.params.set(prm::Reserves, 2);
        f.table.pile(id).push(9);
        EXPECT_FALSE(plainWinTest(f));
        EXPECT_FALSE(refreshWon(f));
    }
    // Piles the game does not use are not looked at.
    e.table.tableau[20].push(9);
    EXPECT_TRUE(refreshWon(e));
    EXPECT_TRUE(e.flags.test(StateFlag::Won));

    // A pyramid's rows of holes count as empty.
    Engine p;
    setParams(p, {{prm::Tableaus, 2}, {prm::Special, 4}});
    ASSERT_TRUE(p.table.tableau[0].setText("000000"));
    EXPECT_TRUE(plainWinTest(p));
    p.params.set(prm::Special, 0);
    EXPECT_FALSE(plainWinTest(p));
}

TEST(Score, PlainRule) {
    struct Case {
        int cards, shortDeck, adjustment, jokers, onFoundations, onSecondWaste;
        long long score;
    };
    const Case cases[] = {
        {52, 0, 0, 0, 0, 0, -52},      {52, 0, 0, 0, 52, 0, 208},   {104, 1, 0, 0, 0, 0, -64},
        {52, 1, 0, 0, 0, 0, -32},      {52, 2, 0, 0, 4, 0, -8},     {52, 0, 3, 0, 0, 0, -37},
        {52, 0, 0, 2, 0, 0, -62},      {52, 0, 0, 0, 1, 2, -37},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.score);
        RecordingHost host;
        Engine e(&host);
        setParams(e, {{prm::Cards, c.cards}, {prm::ShortDeck, c.shortDeck},
                      {prm::ScoreAdjustment, c.adjustment}, {prm::UsesJokers, c.jokers ? 1 : 0},
                      {prm::Jokers, c.jokers}, {prm::Foundations, 4}});
        for (int i = 0; i < c.onFoundations; ++i) e.table.foundations[i % 4].push(i + 1);
        for (int i = 0; i < c.onSecondWaste; ++i) e.table.secondWaste().push(100 + i);
        recomputeScore(e);
        EXPECT_EQ(currentScore(e), c.score);
        EXPECT_EQ(host.lastScore, c.score);
    }
    Engine other;
    other.state.write(field::ScoreMode, "02");
    klondike(other);
    EXPECT_EQ(plainScore(other), 0);
    addToScore(other, 3);
    EXPECT_EQ(currentScore(other), 0);
}

Clock::time_point localTime(int day, int hour, int minute, int second) {
    std::tm t{};
    t.tm_year = 126;
    t.tm_mon = 11;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    t.tm_isdst = -1;
    return Clock::from_time_t(std::mktime(&t));
}

TEST(GameClockOnTheEngine, TicksAcrossMidnightAndResumes) {
    Engine e;
    clockTick(e, localTime(11, 10, 0, 0)); // not running: nothing
    EXPECT_EQ(e.elapsedSeconds, 0);
    startClock(e, localTime(11, 23, 59, 50));
    clockTick(e, localTime(12, 0, 0, 10));
    EXPECT_EQ(e.elapsedSeconds, 19);
    resumeClock(e, 3600, localTime(12, 8, 0, 0));
    clockTick(e, localTime(12, 8, 0, 30));
    EXPECT_EQ(e.elapsedSeconds, 3630);
}

struct Results : GameResults {
    std::vector<std::string> calls;
    bool won = false;
    long long seconds = -1;
    void prepare() override { calls.push_back("prepare"); }
    void gameLog(bool w, long long s, std::time_t) override {
        calls.push_back("log");
        won = w;
        seconds = s;
    }
    void progression(bool, std::time_t) override { calls.push_back("progression"); }
    void statistics(bool) override { calls.push_back("statistics"); }
    void singleGameValues(int, std::string_view, std::string_view, bool) override {
        calls.push_back("single");
    }
    void hiScores(int, std::string_view, std::time_t, long long, long long, std::string_view) override {
        calls.push_back("hiscores");
    }
    void fastSearchWon(int) override { calls.push_back("fastsearch"); }
    void multiPlayer(long long, bool, long long) override { calls.push_back("multiplayer"); }
};

struct Ui : GameEndUi {
    std::vector<std::string> calls;
    Engine* engine = nullptr;
    bool closeDuringCelebration = false;
    bool answer = true;
    std::string asked;
    void closeDemo() override { calls.push_back("closeDemo"); }
    void gameEnded() override { calls.push_back("ended"); }
    void deleteBookmark(std::string_view path) override { calls.push_back("bookmark " + std::string(path)); }
    void celebrate() override {
        calls.push_back("celebrate");
        if (closeDuringCelebration) engine->game.closeAfterEnd = 1;
    }
    void closeMainWindow() override { calls.push_back("close"); }
    void showGameWon() override { calls.push_back("gameWon"); }
    void seriesGame(int, bool, long long) override { calls.push_back("series"); }
    bool confirm(std::string_view q) override {
        asked = q;
        return answer;
    }
    bool seriesEnd(std::string_view caption) override {
        asked = caption;
        return answer;
    }
};

TEST(EndGame, HandsAWonGameOverInOrder) {
    Engine e;
    klondike(e);
    loadAndDeal(e, "5");
    e.table.clear(); // everything played off
    refreshWon(e);
    e.game.playMark = 1;
    e.game.randomNumber = 1;
    e.state.write(field::BookmarkFile, "/tmp/bookmark-1.gam");
    startClock(e, localTime(11, 12, 0, 0));
    Results results;
    Ui ui;
    ui.engine = &e;
    EXPECT_TRUE(endGame(e, results, ui, localTime(11, 12, 3, 20)));
    EXPECT_EQ(results.calls, (std::vector<std::string>{"prepare", "log", "progression", "statistics",
                                                        "single", "hiscores", "fastsearch"}));
    EXPECT_TRUE(results.won);
    EXPECT_EQ(results.seconds, 200);
    EXPECT_EQ(ui.calls, (std::vector<std::string>{"closeDemo", "ended", "bookmark /tmp/bookmark-1.gam",
                                                   "celebrate", "gameWon"}));
    EXPECT_EQ(e.state.read(field::BookmarkFile), "");
    EXPECT_FALSE(e.flags.test(StateFlag::InProgress));
    EXPECT_FALSE(e.flags.test(StateFlag::ClockRuns));
    EXPECT_FALSE(e.flags.test(StateFlag::Won));
    EXPECT_TRUE(e.flags.test(StateFlag::Ended));

    // Ending again does nothing: no game is in progress.
    Results again;
    EXPECT_FALSE(endGame(e, again, ui));
    EXPECT_TRUE(again.calls.empty());
}

TEST(EndGame, CountingRules) {
    struct Case {
        int playMark, randomNumber, statisticsOff;
        std::vector<std::string> calls;
    };
    const Case cases[] = {
        // Left at once, without a move: still a lost game.
        {-1, 0, 0, {"prepare", "log", "progression", "statistics", "hiscores"}},
        {1, 1, 0, {"prepare", "log", "progression", "statistics", "single", "hiscores"}},
        {0, 1, 0, {"prepare"}}, // only the demo moved
        {1, 1, 1, {"prepare"}}, // statistics are off
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.playMark << ' ' << c.randomNumber << ' ' << c.statisticsOff);
        Engine e;
        klondike(e);
        loadAndDeal(e, "6");
        e.game.playMark = static_cast<TMainGame::i16>(c.playMark);
        e.game.randomNumber = static_cast<TMainGame::i16>(c.randomNumber);
        e.game.statisticsOff = static_cast<TMainGame::i16>(c.statisticsOff);
        Results results;
        Ui ui;
        ui.engine = &e;
        EXPECT_FALSE(endGame(e, results, ui));
        EXPECT_EQ(results.calls, c.calls);
        EXPECT_EQ(ui.calls, (std::vector<std::string>{"closeDemo", "ended"}));
    }
}

TEST(EndGame, TargetScoreSeriesAndClosingDuringTheCelebration) {
    Engine e;
    klondike(e);
    e.params.set(prm::TargetScore, 100);
    loadAndDeal(e, "7");
    refreshWon(e);
    setScore(e, 150); // reaches the target with cards still on the table
    Results results;
    Ui ui;
    ui.engine = &e;
    ui.closeDuringCelebration = true;
    EXPECT_TRUE(endGame(e, results, ui));
    EXPECT_EQ(ui.calls.back(), "close");

    Engine s;
    klondike(s);
    loadAndDeal(s, "8");
    s.game.seriesMode = 1;
    Ui sui;
    sui.engine = &s;
    Results sres;
    EXPECT_FALSE(endGame(s, sres, sui));
    EXPECT_EQ(sui.calls.back(), "series");
}

TEST(ConfirmLeaving, AsksOnlyWhenItShould) {
    Engine e;
    Ui ui;
    EXPECT_TRUE(confirmLeaving(e, ui, true)); // no game in progress
    EXPECT_EQ(ui.asked, "");
    klondike(e);
    loadAndDeal(e, "9");
    EXPECT_TRUE(confirmLeaving(e, ui, false));
    EXPECT_EQ(ui.asked, "");
    ui.answer = false;
    EXPECT_FALSE(confirmLeaving(e, ui, true));
    EXPECT_EQ(ui.asked, "Quit this game?");
    e.game.seriesMode = 1;
    EXPECT_FALSE(confirmLeaving(e, ui, false, "Quit this game?", "Masters"));
    EXPECT_EQ(ui.asked, "Series in progress: Masters");
}

} // namespace
} // namespace vellamor
