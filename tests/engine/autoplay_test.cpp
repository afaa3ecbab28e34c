// Autoplay: the pass, its sweeps, when it runs and when it ends a game.
#include "engine/actions.h"
#include "engine/autoplay.h"
#include "engine/undo.h"
#include "rules_fixture.h"

namespace vellamor::testing {
namespace {

class CountingHooks : public PlayHooks {
public:
    void endGame(Engine& e) override {
        ++ended;
        e.flags.clear(StateFlag::InProgress);
    }
    int ended = 0;
};

class Autoplay : public RulesFixture {
protected:
    void SetUp() override {
        RulesFixture::SetUp();
        set(prm::AutoplayAvailable, 1);
        e.flags.set(StateFlag::InProgress);
        e.game.dealShown = 1;
        e.play.prefs.autoplay = true;
        e.play.hooks = &hooks;
    }
    CountingHooks hooks;
};

TEST_F(Autoplay, RunsOnlyWhenSwitchedOnOrInATutorMode) {
    EXPECT_TRUE(autoplayMayRun(e));
    e.game.dealShown = 0;
    EXPECT_FALSE(autoplayMayRun(e));
    e.game.dealShown = 1;
    e.play.prefs.autoplay = false;
    EXPECT_FALSE(autoplayMayRun(e));
    e.game.tutorMode = 3;
    EXPECT_TRUE(autoplayMayRun(e));
    e.game.tutorMode = 0;
    e.play.prefs.autoplay = true;
    set(prm::AutoplayAvailable, 0);
    EXPECT_FALSE(autoplayMayRun(e));
    fila(1, "AH");
    EXPECT_EQ(runAutoplay(e), 0);
    EXPECT_EQ(e.table.tableau[0].size(), 1);
}

TEST_F(Autoplay, ClearingTheLastTableauCardMovesReserveAndWasteCardsAndWins) {
    set(prm::Reserves, 1);
    dest(1, "AH 2H 3H 4H 5H 6H 7H 8H 9H 10H JH");
    dest(2, "AD 2D 3D 4D 5D 6D 7D 8D 9D 10D JD QD KD");
    dest(3, "AC 2C 3C 4C 5C 6C 7C 8C 9C 10C JC QC KC");
    dest(4, "AS 2S 3S 4S 5S 6S 7S 8S 9S 10S JS QS");
    fila(1, "KS");
    appogg(1, "QH");
    pile(kWaste, "KH");
    ASSERT_TRUE(moveCard(e, card("KS"), "Dest4"));
    EXPECT_FALSE(e.flags.test(StateFlag::Won));
    EXPECT_EQ(runAutoplay(e), 2); // what a mouse up runs
    EXPECT_TRUE(e.table.reserves[0].empty());
    EXPECT_TRUE(e.table.waste().empty());
    EXPECT_EQ(e.table.foundations[0].size(), 13);
    EXPECT_TRUE(e.flags.test(StateFlag::Won));
    EXPECT_EQ(hooks.ended, 1);
    EXPECT_EQ(std::count(host.sounds.begin(), host.sounds.end(), "Autoplay"), 2);
    // Each move is an ordinary undoable step.
    EXPECT_EQ(e.undoLog.size(), 3);
}

TEST_F(Autoplay, SweepsRepeatUntilNothingMoves) {
    // 2H can go only after AH, which lies in a later pile: the second sweep takes it.
    fila(1, "2H");
    fila(2, "AH");
    fila(3, "#5S 3H");
    const AutoplayResult r = autoplayPassDetailed(e);
    EXPECT_EQ(r.cardsMoved, 3);
    EXPECT_EQ(e.table.foundations[0].size(), 3);
    // The 5 of spades was turned face up: it joins the previous undo step.
    EXPECT_TRUE(e.cards.faceUp(card("5S")));
    EXPECT_EQ(e.undoLog.size(), 3);
    EXPECT_FALSE(autoplayPass(e));
}

TEST_F(Autoplay, NoFaceUpWithoutParameter44OrWithThePreferenceOff) {
    fila(1, "AH #5S");
    set(prm::AutoFaceUp, 0);
    EXPECT_FALSE(autoplayPass(e));
    EXPECT_FALSE(e.cards.faceUp(card("5S")));
    set(prm::AutoFaceUp, 1);
    e.play.prefs.automaticFaceUp = false;
    EXPECT_FALSE(autoplayPass(e));
    e.play.prefs.automaticFaceUp = true;
    EXPECT_TRUE(autoplayPass(e));
    EXPECT_TRUE(e.cards.faceUp(card("5S")));
}

TEST_F(Autoplay, TheWasteOnlyWhenItsCardsLieFaceUp) {
    pile(kWaste, "AD");
    set(prm::WasteFaceDown, 1);
    EXPECT_FALSE(autoplayPass(e));
    set(prm::WasteFaceDown, 0);
    EXPECT_TRUE(autoplayPass(e));
    EXPECT_EQ(e.table.foundations[0].top(), card("AD"));
}

TEST_F(Autoplay, FoundationsWithBaseCodes92And93WaitWhileAllAreEmpty) {
    setRange(prm::FoundationBase, 4, 92);
    fila(1, "AH");
    EXPECT_FALSE(autoplayPass(e));
    EXPECT_EQ(e.table.tableau[0].size(), 1);
}

TEST_F(Autoplay, ATutorModeStopsAfterOneMove) {
    e.game.tutorMode = 3;
    fila(1, "AH");
    fila(2, "AS");
    fila(3, "AD #9C");
    EXPECT_TRUE(autoplayPass(e));
    EXPECT_EQ(e.table.foundations[0].size() + e.table.foundations[1].size(), 1);
    EXPECT_TRUE(autoplayPass(e));
    // Turning a card up counts as the move found.
    const AutoplayResult r = autoplayPassDetailed(e);
    EXPECT_EQ(r.cardsTurned, 1);
    EXPECT_EQ(r.cardsMoved, 0);
    EXPECT_FALSE(autoplayPass(e));
}

TEST_F(Autoplay, SwitchingOnDuringAGameRunsAtOnceAndCancelsTutorModes) {
    e.play.prefs.autoplay = false;
    fila(1, "AH");
    e.game.tutorMode = 1;
    EXPECT_EQ(setAutoplay(e, true), 1);
    EXPECT_EQ(e.game.tutorMode, 0);
    EXPECT_TRUE(e.play.prefs.autoplay);
    fila(2, "AS");
    EXPECT_EQ(setAutoplay(e, false), 0);
    EXPECT_EQ(e.table.tableau[1].size(), 1);
}

} // namespace
} // namespace vellamor::testing
