// The undo and redo commands, with their policy and the side effects that follow
// the positions.
#include "engine/actions.h"
#include "engine/undo.h"
#include "rules_fixture.h"

#include <algorithm>

namespace vellamor::testing {
namespace {

class Undo : public RulesFixture {
protected:
    void SetUp() override {
        RulesFixture::SetUp();
        e.flags.set(StateFlag::InProgress);
    }
    std::string line(PileId id) const { return snapshotLineText(e.table.pile(id), e.cards); }
    bool stockClickAndRelease() {
        const bool clicked = stockClick(e);
        return releaseStock(e) || clicked;
    }
};

TEST_F(Undo, UndoAfterARedealAndRedo) {
    pile(kStock, "#9C #4H");
    fila(1, "KS");
    ASSERT_TRUE(stockClickAndRelease()); // 4H to the waste
    ASSERT_TRUE(stockClickAndRelease()); // 9C to the waste
    const std::string waste = line(kWaste);
    ASSERT_TRUE(e.table.stock().empty());
    ASSERT_TRUE(stockClickAndRelease()); // the redeal: the waste goes back
    EXPECT_EQ(e.game.passNumber, 2);
    EXPECT_TRUE(e.table.waste().empty());

    ASSERT_TRUE(undo(e));
    EXPECT_EQ(line(kWaste), waste);
    EXPECT_TRUE(e.table.stock().empty());
    EXPECT_EQ(e.game.passNumber, 1);
    EXPECT_EQ(host.sounds.back(), "Undo");

    ASSERT_TRUE(redo(e));
    EXPECT_TRUE(e.table.waste().empty());
    EXPECT_EQ(e.table.stock().size(), 2);
    EXPECT_EQ(e.game.passNumber, 2); // raised once, not twice
    EXPECT_EQ(host.sounds.back(), "Redo");

    // Everything back to the deal: the move counter starts again.
    ASSERT_TRUE(undo(e));
    ASSERT_TRUE(undo(e));
    ASSERT_TRUE(undo(e));
    EXPECT_EQ(line(kStock), "03500040"); // 9C under 4H, both face down
    EXPECT_TRUE(e.undoLog.empty());
    EXPECT_EQ(e.game.moveCounter, 0);
    EXPECT_EQ(e.redoLog.size(), 3);
}

TEST_F(Undo, PolicyOneAllowsOneStepBetweenMoves) {
    e.play.prefs.set("Undo_Enabled", "1");
    fila(1, "KS QH");
    fila(2, "KD");
    fila(3, "");
    ASSERT_TRUE(moveCard(e, card("QH"), "Fila3"));
    ASSERT_TRUE(moveCard(e, card("KD"), "Fila1"));
    EXPECT_TRUE(undo(e));
    const int beeps = host.beeps;
    EXPECT_FALSE(undo(e)); // two undos in a row
    EXPECT_EQ(host.beeps, beeps + 1);
    EXPECT_TRUE(redo(e));
    EXPECT_FALSE(redo(e));
    EXPECT_TRUE(undo(e)); // undo, redo, undo is allowed

    e.play.prefs.set("Undo_Enabled", "2");
    EXPECT_FALSE(redo(e));
    EXPECT_FALSE(undo(e));
    EXPECT_FALSE(e.play.prefs.set("Undo_Enabled", "3"));
}

TEST_F(Undo, RefusalsChangeNothing) {
    const Table before = e.table;
    EXPECT_FALSE(undo(e)); // nothing to take back
    EXPECT_FALSE(redo(e));
    fila(1, "KS QH");
    fila(2, "");
    ASSERT_TRUE(moveCard(e, card("QH"), "Fila2"));
    e.flags.clear(StateFlag::InProgress);
    EXPECT_FALSE(undo(e)); // the game has ended
    EXPECT_EQ(e.table.tableau[1].text(), "012");
    EXPECT_EQ(host.beeps, 3);
    (void)before;
}

TEST_F(Undo, AMoveAfterAnUndoMakesRedoImpossible) {
    fila(1, "KS QH");
    fila(2, "");
    fila(3, "KC");
    ASSERT_TRUE(moveCard(e, card("QH"), "Fila2"));
    ASSERT_TRUE(undo(e));
    ASSERT_TRUE(moveCard(e, card("QH"), "Fila3"));
    EXPECT_TRUE(e.redoLog.empty());
    EXPECT_FALSE(redo(e));
}

TEST_F(Undo, ARowDealtToTenPilesIsOneStep) {
    set(prm::Tableaus, 10);
    set(prm::WasteInPlay, 0);
    setRange(prm::TableauStockDeal, 10, 1);
    for (int i = 1; i <= 10; ++i) fila(i, "KH'");
    for (int i = 1; i <= 10; ++i) e.table.tableau[i - 1].set(0, cardCode(i % 4, 13, 1 + i / 4));
    pile(kStock, "#2H #3H #4H #5H #6H #7H #8H #9H #10H #JH #QH");
    const Table before = e.table;
    ASSERT_TRUE(stockClickAndRelease());
    for (int i = 0; i < 10; ++i) ASSERT_EQ(e.table.tableau[i].size(), 2);
    ASSERT_EQ(e.undoLog.size(), 1);
    ASSERT_TRUE(undo(e));
    EXPECT_EQ(e.table, before);
}

TEST_F(Undo, SideEffectsFollowTheSteps) {
    fila(1, "KS QH");
    fila(2, "");
    ASSERT_TRUE(moveCard(e, card("QH"), "Fila2"));
    e.undoLog.record("002");
    e.undoLog.record("004");
    e.stockDeals = 3;
    e.game.specialCounters[0] = 1;
    ASSERT_TRUE(undo(e));
    EXPECT_EQ(e.stockDeals, 2);
    EXPECT_EQ(e.game.specialCounters[0], 0);
    EXPECT_EQ(e.redoLog.newestEffects(), "002004");
    ASSERT_TRUE(redo(e));
    EXPECT_EQ(e.stockDeals, 3);
    EXPECT_EQ(e.game.specialCounters[0], 1);
    EXPECT_EQ(e.undoLog.newestEffects(), "002004");
}

TEST_F(Undo, DiscardPilesAreKeptOutOfTheSteps) {
    set(prm::PairingTotal, 13);
    EXPECT_TRUE(discardsOnFirstFoundation(e));
    dest(1, "KS");
    fila(1, "QH");
    fila(2, "");
    ASSERT_TRUE(moveCard(e, card("QH"), "Fila2"));
    EXPECT_TRUE(e.undoLog.stepLines(0)[snapshotLine(foundation(0))].empty());
    set(prm::PairingTotal, 0);
    set(prm::Special, 83);
    EXPECT_TRUE(discardsOnFirstFoundation(e));
    set(prm::Special, 0);
    EXPECT_FALSE(discardsOnFirstFoundation(e));
}

} // namespace
} // namespace vellamor::testing
