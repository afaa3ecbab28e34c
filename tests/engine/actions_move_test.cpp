// The move operation, the after-action sequence, completed runs and the stock.
#include "engine/actions.h"
#include "engine/rules.h"
#include "rules_fixture.h"

#include <algorithm>

namespace vellamor::testing {
namespace {

class Actions : public RulesFixture {
protected:
    void SetUp() override {
        RulesFixture::SetUp();
        e.flags.set(StateFlag::InProgress);
    }
    std::string line(PileId id) const { return snapshotLineText(e.table.pile(id), e.cards); }
    bool has(const std::string& sound) const {
        return std::find(host.sounds.begin(), host.sounds.end(), sound) != host.sounds.end();
    }
};

TEST_F(Actions, BlockMovesFaceUpAndTheUncoveredCardTurnsUpInTheSameStep) {
    fila(1, "#4H KS QH");
    fila(2, "");
    ASSERT_TRUE(moveCard(e, card("KS"), "Fila2"));
    EXPECT_EQ(e.table.tableau[1].text(), "052012");
    EXPECT_TRUE(e.cards.faceUp(card("4H")));
    ASSERT_EQ(e.undoLog.size(), 1);
    EXPECT_EQ(e.undoLog.stepLines(0)[snapshotLine(tableau(0))], "004005210121");
    EXPECT_TRUE(has("Tableau"));
    EXPECT_EQ(e.game.moveCounter, 1);
    // Not with the preference off.
    e.play.prefs.automaticFaceUp = false;
    fila(3, "#5C 9D");
    moveCard(e, card("9D"), "Fila1");
    EXPECT_FALSE(e.cards.faceUp(card("5C")));
    EXPECT_EQ(e.game.moveCounter, 2);
}

TEST_F(Actions, ActionNames) {
    EXPECT_EQ(parseAction("Dest_Autoplay3")->pile, foundation(2));
    EXPECT_EQ(parseAction("Add_Tableau_12")->kind, ActionKind::AddTableau);
    EXPECT_EQ(parseAction("Add_Reserve_2")->pile, reserve(1));
    EXPECT_EQ(parseAction("Appogg1")->kind, ActionKind::ToPile);
    EXPECT_EQ(parseAction("Mazzo_Vis")->kind, ActionKind::DealToWaste);
    EXPECT_FALSE(parseAction("Add_Tableau_41"));
    EXPECT_FALSE(parseAction("Dest_Autoplay"));
    EXPECT_FALSE(parseAction("Mazzo"));
    EXPECT_FALSE(parseAction("Fila0"));
    EXPECT_FALSE(moveCard(e, card("AH"), "Fila1")); // a card on no pile
}

TEST_F(Actions, FoundationMovesSoundAndSort) {
    fila(1, "AH");
    ASSERT_TRUE(moveCard(e, card("AH"), "Dest_Autoplay1"));
    EXPECT_TRUE(has("Autoplay"));
    set(prm::SortFoundations, 1);
    fila(1, "2S");
    dest(2, "3S");
    moveCard(e, card("2S"), "Dest2");
    EXPECT_EQ(e.table.foundations[1].text(), "041042");
    EXPECT_TRUE(has("Reorder"));
}

TEST_F(Actions, FirstMoveRulesOfParameters42And43) {
    set(prm::FirstMoveToFoundation, 1);
    fila(1, "AH");
    fila(2, "9C 8D");
    pile(kStock, "#5S #6S");
    EXPECT_FALSE(moveCard(e, card("8D"), "Fila3"));
    EXPECT_FALSE(moveCard(e, card("6S"), "Mazzo_Vis"));
    set(prm::FillAfterFirstMove, 1);
    ASSERT_TRUE(moveCard(e, card("AH"), "Dest1"));
    EXPECT_EQ(e.game.moveCounter, 2);
    // Every empty pile got a card from the stock, in the same undo step.
    EXPECT_EQ(e.table.tableau[0].text(), "045");
    EXPECT_EQ(e.table.tableau[2].text(), "044");
    EXPECT_EQ(e.undoLog.size(), 1);
}

TEST_F(Actions, WasteTurnsTheStockCountAndRedealsInTwoSteps) {
    set(prm::StockTurnCount, 3);
    set(prm::Passes, 3);
    pile(kStock, "#5S #6S");
    ASSERT_TRUE(stockClick(e));
    EXPECT_EQ(e.table.waste().text(), "045044"); // both cards turned over
    EXPECT_EQ(e.game.playMark, 1);
    // An empty stock is pressed first and redealt at the release.
    EXPECT_FALSE(stockClick(e));
    EXPECT_EQ(e.game.stockPressed, 1);
    EXPECT_EQ(e.table.waste().size(), 2);
    ASSERT_TRUE(releaseStock(e));
    EXPECT_EQ(e.table.stock().text(), "044045");
    EXPECT_FALSE(e.cards.faceUp(card("5S")));
    EXPECT_EQ(e.game.passNumber, 2);
    EXPECT_TRUE(has("Redeal"));
    // Three passes: one more redeal, then nothing.
    stockClick(e);
    stockClick(e);
    releaseStock(e);
    EXPECT_EQ(e.game.passNumber, 3);
    stockClick(e);
    EXPECT_FALSE(stockClick(e));
    EXPECT_FALSE(releaseStock(e));
    EXPECT_EQ(e.game.stockPressed, 0);
    EXPECT_EQ(e.table.waste().size(), 2);
}

TEST_F(Actions, TurnOverRulesOfParameter18) {
    pile(kStock, "#5S #6S");
    pile(kWaste, "9H");
    set(prm::TurnOverWhen, 1);
    EXPECT_FALSE(stockClick(e));
    set(prm::TurnOverWhen, 2);
    e.game.passNumber = 3;
    EXPECT_TRUE(stockClick(e));
}

class Spider : public Actions {
protected:
    void SetUp() override {
        Actions::SetUp();
        set(prm::Cards, 104);
        set(prm::Tableaus, 10);
        set(prm::Foundations, 8);
        set(prm::WasteInPlay, 0);
        set(prm::FoundationMax, 13);
        setRange(prm::TableauStockDeal, 10, 1);
        setRange(prm::TableauDirection, 10, 0);
        setRange(prm::TableauSuitRule, 10, 2);
        setRange(prm::TableauFill, 10, -1);
        setRange(prm::FoundationBase, 8, 83);
        for (int i = 1; i <= 10; ++i)
            fila(i, "9D'");
    }
};

TEST_F(Spider, OneClickDealsARowAsOneUndoStep) {
    pile(kStock, "#AH #2H #3H #4H #5H #6H #7H #8H #9H #10H #JH");
    ASSERT_TRUE(stockClick(e));
    EXPECT_EQ(e.table.stock().size(), 1);
    for (int i = 0; i < 10; ++i)
        EXPECT_TRUE(e.cards.faceUp(e.table.tableau[i].top()));
    EXPECT_EQ(e.table.tableau[0].top(), card("JH"));
    EXPECT_EQ(e.undoLog.size(), 1);
    // Code 2: no row while a pile is empty.
    setRange(prm::TableauStockDeal, 10, 2);
    fila(4, "");
    EXPECT_FALSE(stockClick(e));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0], "Fill in any gaps in the tableau before dealing.");
}

TEST_F(Spider, CompletedRunGoesToTheFirstEmptyFoundation) {
    fila(1, "9D' KS QS JS 10S 9S 8S 7S 6S 5S 4S 3S 2S");
    fila(2, "AS");
    dest(1, "KH QH JH 10H 9H 8H 7H 6H 5H 4H 3H 2H AH");
    ASSERT_TRUE(moveCard(e, card("AS"), "Fila1"));
    EXPECT_EQ(e.table.tableau[0].text(), "074");
    EXPECT_EQ(e.table.foundations[1].size(), 13);
    EXPECT_EQ(e.table.foundations[1].base(), card("AS"));
    EXPECT_TRUE(has("Redeal"));
    // A run of mixed suits stays.
    fila(3, "KS QS JS 10S 9S 8S 7S 6S 5S 4S 3S 2S AH'");
    EXPECT_FALSE(collectRun(e, 2));
    // With code 98 only the colours must agree.
    set(prm::FoundationBase + 2, 98);
    fila(3, "KS QC JS 10S 9S 8S 7S 6S 5S 4S 3S 2S AC'");
    EXPECT_TRUE(collectRun(e, 2));
    // Face-down cards never make a run.
    set(prm::FoundationBase + 3, 98);
    fila(4, "#KS' QC' JS' 10S' 9S' 8S' 7S' 6S' 5S' 4S' 3S' 2S' AC''");
    EXPECT_FALSE(collectRun(e, 3));
}

TEST_F(Spider, ColourBalanceOfAnySuitRuns) {
    setRange(prm::FoundationBase, 8, 82);
    setRange(prm::TableauSuitRule, 10, 3);
    set(prm::Foundations, 2);
    dest(1, "AH 2S 3H 4S 5H 6S 7H 8S 9H 10S JH QS KH");
    // One red run already: with two foundations only one of each colour.
    fila(1, "KD QC JD 10C 9D 8C 7D 6C 5D 4C 3D 2C AD");
    EXPECT_FALSE(collectRun(e, 0));
    fila(1, "KC QD JC 10D 9C 8D 7C 6D 5C 4D 3C 2D AC");
    EXPECT_TRUE(collectRun(e, 0));
    // Suit rule 3: the colours must alternate.
    dest(2, "");
    fila(1, "KC QD JC 10D 9C 8D 7C 6D 5C 4D 3C 2C AC");
    EXPECT_FALSE(collectRun(e, 0));
}

TEST_F(Actions, SpecialStockDeals) {
    set(prm::WasteInPlay, 0);
    set(prm::Reserves, 5);
    set(prm::Tableaus, 16);
    // 347 = 4: three cards to reserve 1 on odd deals, to reserve 2 on even ones.
    setRange(prm::ReserveStockDeal, 2, 4);
    pile(kStock, "#AH #2H #3H #4H #5H #6H");
    ASSERT_TRUE(stockClick(e));
    EXPECT_EQ(e.table.reserves[0].text(), "006005004");
    ASSERT_TRUE(stockClick(e));
    EXPECT_EQ(e.table.reserves[1].text(), "003002001");
    EXPECT_EQ(e.stockDeals, 2);
    EXPECT_EQ(e.play.undo->count(e, "002"), 2);
    // 347 = 16: only when reserves 1-5 are empty.
    setRange(prm::ReserveStockDeal, 5, 16);
    pile(kStock, "#AS #2S #3S #4S #5S #6S");
    EXPECT_FALSE(stockClick(e));
    EXPECT_EQ(host.messages.back(),
              "You must play all the cards from the Reserve piles before dealing.");
    for (int r = 1; r <= 5; ++r)
        appogg(r, "");
    ASSERT_TRUE(stockClick(e));
    EXPECT_EQ(e.table.stock().size(), 1);
    // 295 = 10: eight piles per deal, counted by the stock-deal counter.
    setRange(prm::ReserveStockDeal, 5, 0);
    setRange(prm::TableauStockDeal, 16, 10);
    e.stockDeals = 1;
    for (int i = 1; i <= 16; ++i)
        fila(i, "");
    pile(kStock, "#AD #2D #3D #4D #5D #6D #7D #8D #9D #10D");
    ASSERT_TRUE(stockClick(e));
    EXPECT_TRUE(e.table.tableau[7].empty());
    EXPECT_EQ(e.table.tableau[8].top(), card("10D"));
    EXPECT_EQ(e.table.tableau[9].top(), card("9D"));
    EXPECT_EQ(e.table.stock().text(), "014015");
}

TEST_F(Actions, MoreStockDeals) {
    set(prm::Tableaus, 4);
    // 295 = 11 with the waste not in play: one card on every pile, counted.
    set(prm::WasteInPlay, 0);
    setRange(prm::TableauStockDeal, 4, 11);
    pile(kStock, "#AH #2H #3H #4H #5H");
    ASSERT_TRUE(stockClick(e));
    EXPECT_EQ(e.table.stock().text(), "001");
    EXPECT_EQ(e.stockDeals, 1);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(e.table.tableau[i].size(), 1);
    // 347 = 3: two reserve rows until exactly eight cards are left, then the
    // last row ends on the last pile.
    setRange(prm::TableauStockDeal, 4, 0);
    set(prm::Reserves, 2);
    setRange(prm::ReserveStockDeal, 2, 3);
    for (int i = 1; i <= 4; ++i)
        fila(i, "");
    pile(kStock, "#AC #2C #3C #4C #5C #6C #7C #8C #9C #10C");
    ASSERT_TRUE(stockClick(e));
    EXPECT_EQ(e.table.reserves[0].text(), "036034");
    EXPECT_EQ(e.table.stock().size(), 6);
    e.undoLog.clear();
    pile(kStock, "#AD #2D #3D");
    setRange(prm::ReserveStockDeal, 2, 0);
    setRange(prm::TableauStockDeal, 4, 1);
    ASSERT_TRUE(moveCard(e, card("3D"), "Add_Tableaus_Last"));
    EXPECT_TRUE(e.table.tableau[0].empty());
    EXPECT_EQ(e.table.tableau[1].text(), "016");
    EXPECT_EQ(e.table.tableau[3].text(), "014");
    EXPECT_EQ(e.undoLog.size(), 1);
}

TEST_F(Actions, StockDealsWithTheWasteInPlay) {
    set(prm::Tableaus, 2);
    // 295 = 15: three rows to the tableau, then the waste.
    setRange(prm::TableauStockDeal, 2, 15);
    pile(kStock, "#AC #2C #3C #4C #5C #6C #7C #8C");
    for (int n = 0; n < 3; ++n)
        ASSERT_TRUE(stockClick(e));
    EXPECT_EQ(e.table.tableau[0].size(), 3);
    EXPECT_EQ(e.play.undo->count(e, "002"), 3);
    ASSERT_TRUE(stockClick(e));
    EXPECT_EQ(e.table.waste().text(), "028");
    // 295 = 9: piles topped up to three, the waste turned over when the stock
    // runs out, all in one step.
    setRange(prm::TableauStockDeal, 2, 9);
    fila(1, "KD");
    fila(2, "");
    pile(kStock, "#AS #2S");
    pile(kWaste, "3S 4S 5S");
    const int steps = e.undoLog.size();
    ASSERT_TRUE(stockClick(e));
    EXPECT_EQ(e.table.tableau[0].size(), 3);
    EXPECT_EQ(e.table.tableau[1].size(), 3);
    EXPECT_EQ(e.game.passNumber, 2);
    EXPECT_EQ(e.undoLog.size(), steps + 1);
}

TEST_F(Actions, ReserveRowsOfRedealStyle18) {
    set(prm::WasteInPlay, 0);
    set(prm::Reserves, 3);
    set(prm::RedealStyle, 18);
    setRange(prm::ReserveStockDeal, 3, 1);
    for (int i = 1; i <= 7; ++i)
        fila(i, "KH'");
    pile(kStock, "#AC #2C #3C #4C #5C #6C");
    e.game.passNumber = 2;
    ASSERT_TRUE(stockClick(e));
    EXPECT_EQ(e.table.reserves[0].size(), 1);
    EXPECT_EQ(e.table.reserves[1].size(), 1);
    EXPECT_TRUE(e.table.reserves[2].empty());
    fila(3, "");
    EXPECT_FALSE(stockClick(e));
    EXPECT_EQ(host.messages.back(), "Fill in any gaps in the tableau before dealing.");
    EXPECT_EQ(e.undoLog.size(), 1); // the refused deal left no step
}

TEST_F(Actions, StockClickPreChecksOfSpecialCodes) {
    pile(kStock, "#AH");
    set(prm::Special, 49);
    set(prm::Tableaus, 3);
    fila(1, "KS");
    EXPECT_FALSE(stockClick(e));
    EXPECT_EQ(
        host.messages.back(),
        "You must fill any space(s) on the foundations before dealing new cards to the reserve.");
    set(prm::Special, 51);
    EXPECT_FALSE(stockClick(e));
    EXPECT_EQ(host.messages.back(), "You must fill any space on the tableau before dealing.");
    e.game.tutorMode = 1;
    const std::size_t shown = host.messages.size();
    EXPECT_FALSE(stockClick(e));
    EXPECT_EQ(host.messages.size(), shown);
}

TEST_F(Actions, HoleFillOfCode80) {
    set(prm::Special, 80);
    set(prm::WasteInPlay, 0);
    set(prm::Tableaus, 3);
    fila(1, "2C -- 4C");
    fila(2, "-- 6C");
    fila(3, "");
    pile(kStock, "#AH #2H #3H #4H #5H #6H");
    ASSERT_TRUE(stockClick(e));
    EXPECT_EQ(e.table.tableau[0].text(), "028006030");
    EXPECT_EQ(e.table.tableau[1].text(), "005032004");
    EXPECT_EQ(e.table.tableau[2].text(), "003002001");
    EXPECT_EQ(e.undoLog.size(), 1);
    // Nothing to fill and an empty stock: no step is left behind.
    EXPECT_FALSE(stockClick(e));
    EXPECT_EQ(e.undoLog.size(), 1);
}

TEST_F(Actions, DrawRuleOfCountTestMinus17) {
    set(prm::TakeBlocks, -17);
    fila(1, "KS QH JS");
    EXPECT_TRUE(takeBlock(e, card("JS"), false));
    EXPECT_FALSE(takeBlock(e, card("QH"), false));
    EXPECT_EQ(host.messages.back(), "The Draw is allowed after the last Redeal.");
    e.game.passNumber = 3;
    EXPECT_FALSE(takeBlock(e, card("QH"), false));
    EXPECT_EQ(e.table.tableau[0].text(), "052050012");
    EXPECT_EQ(e.game.specialCounters[0], 1);
    EXPECT_EQ(e.undoLog.size(), 1);
    EXPECT_EQ(e.play.undo->count(e, "004"), 1);
    EXPECT_FALSE(takeBlock(e, card("JS"), false));
    EXPECT_EQ(host.messages.back(), "Only one Draw is permitted.");
    // In a tutor mode the test only refuses.
    e.game.specialCounters[0] = 0;
    e.game.tutorMode = 3;
    EXPECT_FALSE(takeBlock(e, card("KS"), false));
    EXPECT_EQ(e.table.tableau[0].text(), "052050012");
}

TEST_F(Actions, AutomaticMoveTargetOrder) {
    fila(1, "AH");
    fila(2, "2C");
    fila(3, "");
    pile(kWaste, "KD");
    ASSERT_TRUE(rightClickMove(e, card("AH")));
    EXPECT_EQ(e.table.foundations[0].text(), "001");
    // Tableau piles holding cards before empty ones; never the card's own pile.
    fila(1, "");
    fila(4, "3D");
    fila(5, "2S");
    ASSERT_TRUE(rightClickMove(e, card("2C")));
    EXPECT_EQ(e.table.tableau[3].text(), "016028");
    ASSERT_TRUE(rightClickMove(e, card("KD")));
    EXPECT_EQ(e.table.tableau[0].text(), "026");
    // Parameter 22 = 1 skips empty foundations; a face-down card never moves.
    set(prm::AutoMovesToFoundations, 1);
    fila(6, "AS");
    e.play.prefs.rightClickToTableaus = false;
    EXPECT_FALSE(rightClickMove(e, card("AS")));
    fila(6, "#2H");
    EXPECT_FALSE(rightClickMove(e, card("2H")));
    // Double-click goes to foundations only by default, and marks the double-click.
    set(prm::AutoMovesToFoundations, 0);
    fila(6, "AS");
    EXPECT_TRUE(doubleClickMove(e, card("AS")));
    EXPECT_TRUE(e.flags.test(StateFlag::DoubleClick));
    fila(7, "QC"); // fits on the King of diamonds, but tableau piles are not tried
    EXPECT_FALSE(doubleClickMove(e, card("QC")));
    e.play.prefs.doubleClickToTableaus = true;
    EXPECT_TRUE(doubleClickMove(e, card("QC")));
}

TEST_F(Actions, HintPendingAllowsOnlyTheHintedTarget) {
    fila(1, "9S");
    fila(2, "9C");
    fila(3, "8H");
    e.game.hintPending = 1;
    e.play.hintCard = card("8H");
    e.play.hintTarget = tableau(1);
    e.play.prefs.rightClickToTableaus = true;
    ASSERT_TRUE(rightClickMove(e, card("8H")));
    EXPECT_EQ(e.table.tableau[1].top(), card("8H"));
    EXPECT_EQ(e.game.hintPending, 0);
}

} // namespace
} // namespace vellamor::testing
