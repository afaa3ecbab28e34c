// The demo: its timings as requests to the host, its descriptions,
// stopping by itself on a win or without moves, and stopping by the player.
#include "engine/demo.h"
#include "rules_fixture.h"

namespace vellamor::testing {
namespace {

class RecordingDemoHost : public DemoHost {
public:
    void requestStep(int ms) override { waits.push_back(ms); }
    void describe(std::string_view text) override { texts.emplace_back(text); }
    void showMoveCount(int n) override { count = n; }
    void aboutToMove(const Hint& h) override { moves.push_back(h); }
    void finished() override { ++ends; }
    std::vector<int> waits;
    std::vector<std::string> texts;
    std::vector<Hint> moves;
    int count = -1, ends = 0;
};

class DemoTest : public RulesFixture {
protected:
    void SetUp() override {
        RulesFixture::SetUp();
        set(prm::HintsAvailable, 1);
        e.flags.set(StateFlag::InProgress);
        e.game.dealShown = 1;
    }
    // All but the King of spades on the foundations.
    void oneMoveFromWinning() {
        dest(1, "AH 2H 3H 4H 5H 6H 7H 8H 9H 10H JH QH KH");
        dest(2, "AD 2D 3D 4D 5D 6D 7D 8D 9D 10D JD QD KD");
        dest(3, "AC 2C 3C 4C 5C 6C 7C 8C 9C 10C JC QC KC");
        dest(4, "AS 2S 3S 4S 5S 6S 7S 8S 9S 10S JS QS");
        fila(1, "KS");
    }
    RecordingDemoHost host2;
};

TEST_F(DemoTest, TheDemoStopsByItselfOnAWin) {
    oneMoveFromWinning();
    Demo demo(e);
    ASSERT_TRUE(demo.start(host2));
    EXPECT_EQ(e.game.tutorMode, 3);
    EXPECT_EQ(host2.count, 0);
    ASSERT_EQ(host2.waits, std::vector<int>{200});
    demo.step(); // the search: the description stands for 500 ms
    EXPECT_EQ(host2.texts.back(), "Move a card");
    EXPECT_EQ(host2.waits.back(), 500);
    EXPECT_TRUE(e.table.tableau[0].size() == 1); // not made yet
    demo.step();                                 // the move, then 500 ms
    EXPECT_EQ(e.table.foundations[3].size(), 13);
    EXPECT_EQ(host2.waits.back(), 500);
    EXPECT_TRUE(demo.running());
    demo.step(); // the game is won: the demo ends
    EXPECT_FALSE(demo.running());
    EXPECT_EQ(host2.ends, 1);
    EXPECT_EQ(host2.count, 1);
    EXPECT_EQ(e.game.tutorMode, 0);
    EXPECT_TRUE(e.flags.test(StateFlag::Won));
    EXPECT_EQ(e.game.playMark, 0); // the demo moved first: the game does not count
}

TEST_F(DemoTest, NoMoveEndsWithEndOfTheGameDemo) {
    fila(1, "KS");
    fila(2, "KH");
    const DemoRun run = runDemo(e, 0, &host2);
    EXPECT_EQ(run.moves, 0);
    EXPECT_TRUE(run.noMove);
    EXPECT_FALSE(run.won);
    EXPECT_EQ(host2.texts.back(), "End of the Game Demo");
    EXPECT_TRUE(host.messages.empty()); // no "No other moves." box in the demo
    EXPECT_EQ(e.game.tutorMode, 0);
}

TEST_F(DemoTest, ThePlayerStopsTheDemo) {
    fila(1, "AH 2S");
    fila(2, "AS");
    Demo demo(e);
    ASSERT_TRUE(demo.start(host2));
    demo.step();
    e.play.hooks->cancelTutor(e); // a mouse down on the table
    demo.step();
    EXPECT_FALSE(demo.running());
    EXPECT_EQ(e.table.tableau[1].size(), 1); // the move was not made
    EXPECT_EQ(host2.ends, 1);
}

TEST_F(DemoTest, PlaysUntilNoMoveIsLeft) {
    pile(kStock, "#AD");
    fila(1, "AH");
    fila(2, "3S 2H");
    fila(3, "#2D");
    const DemoRun run = runDemo(e, 50, &host2);
    // AH and 2H up, 2D turned, the stock clicked, AD and 2D up: then nothing.
    EXPECT_EQ(run.moves, 6);
    EXPECT_FALSE(run.capped);
    EXPECT_FALSE(run.won);
    EXPECT_EQ(e.table.foundations[1].size(), 2);
    EXPECT_EQ(e.game.demoMoves, run.moves);
}

TEST_F(DemoTest, AStockTurnedOverAndOverEndsTheDemo) {
    // Unlimited passes and nothing to play: the position comes back.
    set(prm::Tableaus, 1);
    pile(kStock, "#KS #KH");
    fila(1, "QS");
    const DemoRun run = runDemo(e, 1000);
    EXPECT_TRUE(run.repeated) << run.moves;
    EXPECT_EQ(run.moves, 3); // two cards turned up and the redeal
}

TEST_F(DemoTest, DescriptionsOfStockClicksAndGroups) {
    Hint stock;
    stock.kind = HintKind::Stock;
    pile(kStock, "#KS");
    EXPECT_EQ(hintDescription(e, stock), "Click to turn up a card(s)");
    pile(kStock, "");
    EXPECT_EQ(hintDescription(e, stock), "Click to redeal");
    Hint group;
    group.count = 3;
    EXPECT_EQ(hintDescription(e, group), "Move a group of cards");
}

TEST_F(DemoTest, NoDemoWithoutAGameInProgress) {
    e.flags.clear(StateFlag::InProgress);
    Demo demo(e);
    EXPECT_FALSE(demo.start(host2));
    EXPECT_EQ(e.game.tutorMode, 0);
}

} // namespace
} // namespace vellamor::testing
