// The redeal styles, each on a small table.
#include "engine/actions.h"
#include "engine/redeal.h"
#include "engine/undo.h"
#include "rules_fixture.h"

namespace vellamor::testing {
namespace {

class Redeal : public RulesFixture {
protected:
    void SetUp() override {
        RulesFixture::SetUp();
        e.flags.set(StateFlag::InProgress);
        set(prm::Passes, -1);
    }
    void style(int s) { set(prm::RedealStyle, s); }
    std::string codes(PileId id) const { return e.table.pile(id).text(); }
    // Cards numbered by code: "001002" is card 1 under card 2.
    void put(PileId id, const char* text) {
        ASSERT_TRUE(e.table.pile(id).setText(text));
        e.cards.setAllFaces(e.table.pile(id), true);
    }
    bool clickEmptyStock() {
        const bool pressed = stockClick(e);
        return releaseStock(e) || pressed;
    }
};

TEST_F(Redeal, ElevenPilesTheTableauOntoTheStockInReverse) {
    style(11);
    set(prm::Tableaus, 2);
    put(tableau(0), "001002");
    put(tableau(1), "003004");
    ASSERT_TRUE(runRedealStyle(e));
    EXPECT_EQ(codes(kStock), "001002003004");
    for (CardCode c : e.table.stock()) EXPECT_TRUE(e.cards.faceUp(c));
    EXPECT_TRUE(e.table.tableau[0].empty());
    EXPECT_TRUE(e.table.tableau[1].empty());
}

TEST_F(Redeal, NineteenMovesTopCardsUnderTheNextPile) {
    style(19);
    set(prm::Tableaus, 8);
    put(tableau(0), "005");
    put(tableau(1), "006007");
    ASSERT_TRUE(runRedealStyle(e));
    EXPECT_EQ(e.stockDeals, 1);
    EXPECT_TRUE(e.table.tableau[0].empty());
    EXPECT_EQ(codes(tableau(1)), "005006007");

    // One pile left: no more redeals, and the step is taken back.
    e.table.clear();
    put(tableau(3), "009");
    ASSERT_TRUE(e.table.stock().empty());
    EXPECT_FALSE(clickEmptyStock());
    EXPECT_EQ(host.messages.back(), "Only one pile left.  There are no more redeals.");
    EXPECT_EQ(e.game.passNumber, 1);
    EXPECT_TRUE(e.undoLog.empty());

    // Two piles that no pair joins: the redeal counts, nothing moves.
    put(tableau(6), "010");
    e.stockDeals = 0;
    EXPECT_TRUE(runRedealStyle(e));
    EXPECT_EQ(host.messages.back(), "No cards available to move.");
}

TEST_F(Redeal, ThirteenSpreadsOnePile) {
    style(13);
    set(prm::Tableaus, 3);
    put(tableau(0), "010011012");
    e.game.passNumber = 2; // the first redeal picks pile 1
    ASSERT_TRUE(runRedealStyle(e));
    EXPECT_EQ(codes(tableau(0)), "012010");
    EXPECT_EQ(codes(tableau(1)), "011");
    EXPECT_EQ(e.game.passNumber, 2);

    // Pass 3 starts at pile 2: empty piles passed over count as passes too.
    e.table.clear();
    put(tableau(2), "020021");
    e.game.passNumber = 3;
    ASSERT_TRUE(runRedealStyle(e));
    EXPECT_EQ(e.game.passNumber, 4);
    EXPECT_EQ(codes(tableau(2)), "021");
    EXPECT_EQ(codes(tableau(0)), "020");

    e.table.clear();
    e.game.passNumber = 3;
    ASSERT_TRUE(runRedealStyle(e));
    EXPECT_EQ(e.game.passNumber, 4);
}

TEST_F(Redeal, SixteenReshufflesTheStockThenTurnsOver) {
    style(16);
    set(prm::Tableaus, 1);
    put(kWaste, "007006005004003002001"); // top card 1 goes onto the stock first
    ASSERT_TRUE(runRedealStyle(e));
    EXPECT_EQ(codes(kStock), "004001006002003005");
    EXPECT_EQ(codes(kWaste), "007");
    EXPECT_TRUE(e.cards.faceUp(7));
}

TEST_F(Redeal, GatheredTableauIsReshuffledAndDealtBack) {
    style(1);
    set(prm::Tableaus, 2);
    set(prm::TableauCards, 3);
    set(prm::TableauFaceUp, 3);
    put(tableau(0), "001002003");
    put(tableau(1), "004005006");
    ASSERT_TRUE(runRedealStyle(e));
    // Gathered 3 2 1 6 5 4, reshuffled 6 3 2 4 1 5, three to a pile.
    EXPECT_EQ(codes(tableau(0)), "006003002");
    EXPECT_EQ(codes(tableau(1)), "004001005");

    style(2); // one card to each pile in turn
    ASSERT_TRUE(runRedealStyle(e));
    EXPECT_EQ(e.table.tableau[0].size(), 3);
    EXPECT_EQ(e.table.tableau[1].size(), 3);

    e.table.clear();
    put(tableau(0), "009");
    ASSERT_TRUE(runRedealStyle(e)); // a single card comes back unchanged
    EXPECT_EQ(codes(tableau(0)), "009");
}

TEST_F(Redeal, SevenAndTwentyAndReserves) {
    style(7);
    set(prm::Tableaus, 2);
    put(tableau(0), "001002003");
    e.cards.setFaceUp(1, false);
    put(tableau(1), "004");
    ASSERT_TRUE(runRedealStyle(e));
    EXPECT_EQ(codes(tableau(0)), "002003001");
    EXPECT_TRUE(e.cards.faceUp(1));
    EXPECT_EQ(codes(tableau(1)), "004");

    style(20);
    set(prm::Reserves, 8);
    put(kWaste, "010011012");
    e.undoLog.push(e.table, e.cards);
    ASSERT_TRUE(runRedealStyle(e));
    EXPECT_EQ(codes(reserve(0)), "010");
    EXPECT_EQ(codes(reserve(2)), "012");
    EXPECT_EQ(e.undoLog.count("004"), 1);
    EXPECT_FALSE(runRedealStyle(e)); // once per game
    EXPECT_FALSE(redealCountsPass(20));
    EXPECT_TRUE(redealCountsPass(11));

    style(18);
    set(prm::Reserves, 2);
    e.table.clear();
    put(reserve(0), "020021");
    put(reserve(1), "022");
    ASSERT_TRUE(runRedealStyle(e));
    EXPECT_EQ(codes(kStock), "021020022");
    EXPECT_FALSE(e.cards.faceUp(20));
}

TEST_F(Redeal, AStyleRedealIsOneUndoStepWithItsPass) {
    style(11);
    set(prm::Tableaus, 2);
    put(tableau(0), "001002");
    put(tableau(1), "003004");
    const Table before = e.table;
    ASSERT_TRUE(clickEmptyStock());
    EXPECT_EQ(e.game.passNumber, 2);
    EXPECT_EQ(codes(kStock), "001002003004");
    ASSERT_TRUE(undo(e));
    EXPECT_EQ(e.table, before);
    EXPECT_EQ(e.game.passNumber, 1);
    ASSERT_TRUE(redo(e));
    EXPECT_EQ(e.game.passNumber, 2);

    // No pass left: the empty stock does nothing.
    set(prm::Passes, 2);
    e.table.clear();
    put(tableau(0), "005");
    EXPECT_FALSE(clickEmptyStock());
}

} // namespace
} // namespace vellamor::testing
