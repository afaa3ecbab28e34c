// Hints: the candidate order, the filter, the history and its
// cycle, following a hint, the tutor timer.
#include "engine/actions.h"
#include "engine/hints.h"
#include "engine/undo.h"
#include "rules_fixture.h"

namespace vellamor::testing {
namespace {

class Hints : public RulesFixture {
protected:
    void SetUp() override {
        RulesFixture::SetUp();
        set(prm::HintsAvailable, 1);
        e.flags.set(StateFlag::InProgress);
        e.game.dealShown = 1;
    }
    std::string show() {
        if (!showLegalMove(e)) return "none";
        const auto h = shownHint(e);
        if (!h) return "?";
        if (h->kind == HintKind::Stock) return "stock";
        return std::to_string(h->card) + ">" + pileName(h->target);
    }
    Snapshot position() const { return makeSnapshot(e.table, e.cards); }
};

TEST_F(Hints, NoOtherMovesOnABlockedPositionLeavesTheTableUnchanged) {
    fila(1, "KS");
    fila(2, "KH");
    const Snapshot before = position();
    EXPECT_EQ(show(), "none");
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0], "No other moves.");
    EXPECT_EQ(position(), before);
    EXPECT_EQ(e.game.tutorMode, 0);
    EXPECT_TRUE(e.hintHistory.empty());
    EXPECT_EQ(e.undoLog.size(), 0);
}

TEST_F(Hints, ARepeatedRequestShowsTheNextMoveThenNoOtherMovesThenTheFirstAgain) {
    pile(kWaste, "6H");
    fila(1, "7S");
    fila(2, "7C");
    const Snapshot before = position();
    const std::string first = show();
    EXPECT_EQ(first, std::to_string(card("6H")) + ">Fila1");
    EXPECT_EQ(e.game.tutorMode, 1);
    EXPECT_EQ(e.game.hintPending, 1);
    EXPECT_EQ(show(), std::to_string(card("6H")) + ">Fila2");
    EXPECT_EQ(show(), "none");
    EXPECT_EQ(host.messages.back(), "No other moves.");
    EXPECT_EQ(show(), first);
    EXPECT_EQ(position(), before);
}

TEST_F(Hints, TheStockIsTheLastCandidateAndIsRecordedWithCardZero) {
    pile(kStock, "#5C");
    fila(1, "KS");
    EXPECT_EQ(show(), "stock");
    ASSERT_EQ(e.hintHistory.size(), 1u);
    EXPECT_EQ(e.hintHistory[0], "000-100001000");
    EXPECT_EQ(e.table.stock().size(), 1); // shown, not made
    EXPECT_EQ(show(), "none");
    // An empty stock with nothing to redeal offers nothing.
    pile(kStock, "");
    EXPECT_EQ(show(), "none");
}

TEST_F(Hints, AutoplayMovesComeFirst) {
    fila(1, "7S");
    pile(kWaste, "6H");
    fila(2, "AD");
    EXPECT_EQ(show(), std::to_string(card("AD")) + ">Dest1");
    const auto h = shownHint(e);
    ASSERT_TRUE(h);
    EXPECT_EQ(hintRecord(*h), "0140400105000");
}

TEST_F(Hints, AFaceDownTopIsOfferedToBeTurnedUp) {
    fila(1, "KS");
    fila(2, "#5C");
    const std::optional<Hint> h = findHint(e);
    ASSERT_TRUE(h);
    EXPECT_EQ(h->kind, HintKind::TurnUp);
    EXPECT_EQ(h->card, card("5C"));
    EXPECT_FALSE(e.cards.faceUp(card("5C")));
}

TEST_F(Hints, TheHintedTargetIsHonouredByADoubleClick) {
    pile(kWaste, "6H");
    fila(1, "7S");
    fila(2, "7C");
    e.play.prefs.doubleClickToTableaus = true;
    show();
    EXPECT_EQ(show(), std::to_string(card("6H")) + ">Fila2");
    e.play.hooks->cancelTutor(e); // the mouse down of the double-click
    EXPECT_EQ(e.game.hintPending, 1);
    ASSERT_TRUE(doubleClickMove(e, card("6H")));
    EXPECT_EQ(e.table.tableau[1].top(), card("6H"));
    EXPECT_EQ(e.game.hintPending, 0);
    // Without a pending hint the first pile that accepts takes the card.
    pile(kWaste, "6D");
    fila(3, "7S'");
    set(prm::Cards, 104);
    ASSERT_TRUE(doubleClickMove(e, card("6D")));
    EXPECT_EQ(e.table.tableau[0].top(), card("6D"));
}

TEST_F(Hints, ACorrectlyBuiltCardIsNotOfferedWhileAnotherTopIsOutOfSequence) {
    fila(1, "8S 7H");
    fila(2, "8C");
    fila(3, "5C 9D");
    for (int i = 0; i < 10; ++i) {
        const auto h = findHint(e);
        if (!h) break;
        EXPECT_FALSE(h->card == card("7H") && h->target == tableau(1));
        recordHint(e, *h);
    }
    // With every top in sequence the move is offered.
    e.hintHistory.clear();
    fila(3, "10C 9D");
    bool offered = false;
    for (int i = 0; i < 10 && !offered; ++i) {
        const auto h = findHint(e);
        if (!h) break;
        offered = h->card == card("7H") && h->target == tableau(1);
        recordHint(e, *h);
    }
    EXPECT_TRUE(offered);
}

TEST_F(Hints, TheBottomCardOfAPileIsNotOfferedToAnEmptyPile) {
    fila(1, "KS");
    fila(2, "");
    EXPECT_EQ(show(), "none");
}

TEST_F(Hints, StockCardsGoToTheOnePileOfSuitRules17To19) {
    setRange(prm::TableauSuitRule, 3, 17);
    setRange(prm::TableauFill, 3, 0);
    setRange(prm::TableauDirection, 3, 2);
    pile(kWaste, "5H");
    fila(1, "9S");
    fila(2, "6C");
    fila(3, "");
    const auto h = findHint(e);
    ASSERT_TRUE(h);
    EXPECT_EQ(h->target, tableau(1));
}

TEST_F(Hints, TheHistoryHoldsThirtyRecordsAndClearsOnUndo) {
    Hint h;
    h.card = card("6H");
    h.from = kWaste;
    h.target = tableau(1);
    EXPECT_EQ(hintRecord(h), "0060300004001");
    h.from = tableau(11);
    h.target = reserve(3);
    EXPECT_EQ(hintRecord(h), "0060401106000");
    h.target = kWaste; // the waste is 3 as a target too
    EXPECT_EQ(hintRecord(h), "0060401103000");
    for (int i = 0; i < 35; ++i) {
        h.card = i + 1;
        recordHint(e, h);
    }
    EXPECT_EQ(e.hintHistory.size(), 30u);
    EXPECT_EQ(hintHistoryText(e).size(), 390u);
    EXPECT_EQ(e.hintHistory.front().substr(0, 3), "006");
    fila(1, "AH");
    ASSERT_TRUE(moveCard(e, card("AH"), "Dest1"));
    undo(e);
    EXPECT_TRUE(e.hintHistory.empty());
}

TEST_F(Hints, TheArrowGoesAtTheThirdTick) {
    fila(1, "AH");
    ASSERT_NE(show(), "none");
    EXPECT_FALSE(tutorTick(e));
    EXPECT_FALSE(tutorTick(e));
    EXPECT_TRUE(tutorTick(e));
    EXPECT_EQ(e.game.tutorMode, 0);
    EXPECT_FALSE(shownHint(e));
}

TEST_F(Hints, NothingDuringAGameNotInProgressOrWithACardInHand) {
    fila(1, "AH");
    e.game.cardInHand = static_cast<TMainGame::i16>(card("AH"));
    EXPECT_FALSE(showLegalMove(e));
    e.game.cardInHand = 0;
    e.flags.clear(StateFlag::InProgress);
    EXPECT_FALSE(showLegalMove(e));
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(Hints, TheDemoFlagMakesTheMove) {
    fila(1, "AH");
    e.game.tutorMode = 3;
    ASSERT_TRUE(showLegalMove(e, true));
    EXPECT_EQ(e.table.foundations[0].top(), card("AH"));
    EXPECT_EQ(e.game.tutorMode, 3);
    EXPECT_EQ(e.hintHistory.size(), 1u);
}

} // namespace
} // namespace vellamor::testing
