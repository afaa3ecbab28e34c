// The count test, the group-move test, the grid test and the row test.
#include "engine/actions.h"
#include "engine/rule_codes.h"
#include "engine/rules.h"
#include "rules_fixture.h"

namespace vellamor::testing {
namespace {

using Count = RulesFixture;

bool mayTake(const Engine& e, std::string_view c, bool toEmpty = false) {
    return countAllows(e, movingBlock(e, card(c)), toEmpty);
}

TEST_F(Count, FreeCellsAndEmptyPilesOfMinusFive) {
    set(prm::TakeBlocks, -5);
    set(prm::Reserves, 4);
    appogg(1, "2C");
    appogg(2, "3C");
    fila(1, "KS QH JS 10H 9S");
    fila(2, "");
    for (int n = 3; n <= 7; ++n)
        fila(n, "AH'");
    // Two empty reserves and one empty pile: four cards to a pile, three to the empty one.
    EXPECT_TRUE(mayTake(e, "QH"));
    EXPECT_FALSE(mayTake(e, "KS"));
    EXPECT_TRUE(mayTake(e, "JS", true));
    EXPECT_FALSE(mayTake(e, "QH", true));
    // The empty pile itself asks the same test.
    set(prm::TableauFill + 1, -1);
    EXPECT_TRUE(tableauAccepts(e, 1, movingBlock(e, card("JS"))));
    EXPECT_FALSE(tableauAccepts(e, 1, movingBlock(e, card("QH"))));
    // No empty pile: the reserves plus one.
    fila(2, "AH''");
    EXPECT_TRUE(mayTake(e, "JS"));
    EXPECT_FALSE(mayTake(e, "QH"));
}

TEST_F(Count, EveryValueOfParameter14) {
    set(prm::Reserves, 2);
    fila(1, "KS QH JS");
    fila(2, "");
    fila(3, "9D 8C");
    for (int n = 4; n <= 7; ++n)
        fila(n, "AH'");
    struct Case {
        int rule;
        const char* card;
        bool allowed;
    } cases[] = {
        {-1, "KS", true},  {-19, "KS", true},  {-12, "KS", true},  {-12, "9D", false},
        {-12, "8C", true}, {-13, "KS", true},  {-13, "QH", false}, {-13, "JS", true},
        {-17, "JS", true}, {-17, "QH", false}, {2, "QH", true},    {2, "KS", false},
        {0, "JS", true},   {0, "QH", false},   {-6, "KS", true},   {-6, "QH", true}, // R + E = 3
        {-2, "QH", false}, {-2, "JS", true}, // one empty pile: one card
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.rule) + " " + c.card);
        set(prm::TakeBlocks, c.rule);
        EXPECT_EQ(mayTake(e, c.card), c.allowed);
    }
    // Any other negative value with no empty pile still allows one card.
    fila(2, "AH''");
    set(prm::TakeBlocks, -2);
    EXPECT_TRUE(mayTake(e, "JS"));
}

TEST_F(Count, RowOfTenAndThreeRows) {
    set(prm::Tableaus, 40);
    set(prm::TakeBlocks, -15);
    fila(3, "5H");
    fila(8, "6H");
    EXPECT_TRUE(mayTake(e, "5H")); // piles 1 and 2 are empty
    fila(1, "2S");
    EXPECT_FALSE(mayTake(e, "5H"));
    EXPECT_TRUE(mayTake(e, "6H")); // piles 9 and 10 are empty
    fila(10, "3S");
    EXPECT_FALSE(mayTake(e, "6H"));
    // Reserves: 2-5 look left, 6-9 look right.
    set(prm::Reserves, 10);
    appogg(3, "7H");
    appogg(7, "8H");
    EXPECT_TRUE(mayTake(e, "7H"));
    EXPECT_TRUE(mayTake(e, "8H"));
    appogg(1, "9H");
    appogg(9, "10H");
    EXPECT_FALSE(mayTake(e, "7H"));
    EXPECT_FALSE(mayTake(e, "8H"));

    set(prm::TakeBlocks, -18);
    fila(15, "JC");
    fila(27, "QC");
    EXPECT_FALSE(mayTake(e, "5H")); // pile 15 covers pile 3
    EXPECT_FALSE(mayTake(e, "JC")); // pile 27 covers pile 15
    EXPECT_TRUE(mayTake(e, "QC"));
}

TEST_F(Count, BetweenHoles) {
    set(prm::TakeBlocks, -16);
    fila(1, "-- -- 5H 6C -- --");
    EXPECT_TRUE(mayTake(e, "5H"));
    EXPECT_TRUE(mayTake(e, "6C"));
    fila(1, "2S 5H 6C 7D");
    EXPECT_TRUE(mayTake(e, "2S"));
    EXPECT_FALSE(mayTake(e, "5H"));
}

TEST_F(Count, GroupMoveTestByParameter2) {
    fila(1, "KS QH JC 10D");
    fila(2, "KH QS JS");
    fila(3, "KD");
    fila(4, "KC");
    const MovingBlock alternating = movingBlock(e, card("QH"));
    const MovingBlock broken = movingBlock(e, card("QS"));
    // 0: no group test, any group moves (Yukon, Scorpion).
    EXPECT_TRUE(blockIsSequence(e, broken, 1));
    // 1: the pairs follow the target pile's own rule.
    set(prm::GroupMoveTest, 1);
    EXPECT_TRUE(blockIsSequence(e, alternating, 0));
    EXPECT_FALSE(blockIsSequence(e, broken, 1));
    EXPECT_TRUE(tableauAccepts(e, 3, alternating));
    // 10: the pairs must follow in suit; 11: in colour.
    set(prm::GroupMoveTest, 10);
    EXPECT_FALSE(blockIsSequence(e, alternating, 3));
    fila(1, "KS QS JS");
    EXPECT_TRUE(blockIsSequence(e, movingBlock(e, card("QS")), 3));
    set(prm::GroupMoveTest, 11);
    fila(1, "KS QC JS");
    EXPECT_TRUE(blockIsSequence(e, movingBlock(e, card("QC")), 3));
    // 12: blocks only in the third pass; single cards always.
    set(prm::GroupMoveTest, 12);
    fila(1, "KS QH JC");
    EXPECT_FALSE(blockIsSequence(e, movingBlock(e, card("QH")), 3));
    EXPECT_TRUE(blockIsSequence(e, movingBlock(e, card("JC")), 3));
    e.game.passNumber = 3;
    EXPECT_TRUE(blockIsSequence(e, movingBlock(e, card("QH")), 3));
}

TEST_F(Count, WithoutAGroupTestAnyFaceUpGroupIsPickedUp) {
    set(prm::TakeBlocks, -1);
    fila(2, "KH QS JS 4D");
    EXPECT_EQ(pickUp(e, card("QS")), PickUp::Yes);
    set(prm::GroupMoveTest, 1);
    fila(2, "KH QS JS 4D");
    EXPECT_EQ(pickUp(e, card("QS")), PickUp::No);
}

TEST_F(Count, GridFreesOnlyUncoveredPiles) {
    set(prm::Tableaus, 12);
    set(prm::GridRows, 3);
    set(prm::GridColumns, 4);
    fila(6, "9H"); // row 2, column 2
    EXPECT_FALSE(gridFrees(e, 1));
    EXPECT_TRUE(gridFrees(e, 0));
    EXPECT_TRUE(gridFrees(e, 5));
    EXPECT_TRUE(gridFrees(e, 9)); // last row
    set(prm::GridRows, 0);
    EXPECT_TRUE(gridFrees(e, 1));
}

} // namespace
} // namespace vellamor::testing
