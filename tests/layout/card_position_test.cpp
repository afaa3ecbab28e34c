#include "layout/card_position.h"

#include "engine/engine.h"

#include <gtest/gtest.h>

namespace vellamor {
namespace {

// One tableau pile at (100, 50), cards of size B.
struct Fixture {
    Engine e;
    explicit Fixture(int tableauStyle, char size = 'B') {
        e.params.set(prm::Tableaus, 12);
        e.params.set(prm::Reserves, 1);
        e.params.set(prm::TableauStyle, tableauStyle);
        setCardSpacing(e, size);
        for (int i = 0; i < 12; ++i) {
            e.game.setTableauX(i, 100 + i * 90);
            e.game.setTableauY(i, 50);
        }
    }
    Pile& pile(int i = 0) { return e.table.tableau[i]; }
    void fill(int i, const char* text, int faceDown) {
        ASSERT_TRUE(pile(i).setText(text));
        for (int j = 0; j < pile(i).size(); ++j) e.cards.setFaceUp(pile(i)[j], j >= faceDown);
    }
};

TEST(CardSpacing, ValuesBySizeAndStyle) {
    struct Case {
        char size;
        int tableauStyle, reserveStyle;
        int d1, d0, a1, a0;
    };
    const Case cases[] = {
        {'B', 1, 0, 18, 4, 0, 0},  {'B', 12, 0, 45, 10, 0, 0}, {'S', 1, 0, 21, 5, 0, 0},
        {'N', 1, 0, 11, 4, 0, 0},  {'X', 2, 0, 0, 0, 16, 4},   {'M', 3, 13, 28, 8, 0, 0},
        {'L', 2, 1, 3, 3, 3, 3},   {'B', 3, 0, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.size << ' ' << c.tableauStyle);
        Engine e;
        e.params.set(prm::TableauStyle, c.tableauStyle);
        e.params.set(prm::ReserveStyle, c.reserveStyle);
        setCardSpacing(e, c.size);
        EXPECT_EQ(e.game.faceUpStep, c.d1);
        EXPECT_EQ(e.game.faceDownStep, c.d0);
        EXPECT_EQ(e.game.faceUpStepAcross, c.a1);
        EXPECT_EQ(e.game.faceDownStepAcross, c.a0);
    }
    Engine e;
    e.params.set(prm::Special, 32);
    setCardSpacing(e, 'N');
    EXPECT_EQ(e.game.windingGapAcross, 3);
    EXPECT_EQ(e.game.cardWidth, 49);
    EXPECT_EQ(e.game.cardHeight, 66);
    e.game.style6Step = 99; // kept unless the tableau style is 6
    setCardSpacing(e, 'B');
    EXPECT_EQ(e.game.style6Step, 99);
    e.params.set(prm::TableauStyle, 6);
    setCardSpacing(e, 'B');
    EXPECT_EQ(e.game.style6Step, 7);
}

TEST(CardPosition, DownwardFanCountsFaces) {
    Fixture f(1);
    f.fill(0, "001002003004005", 3); // three face down, two face up
    EXPECT_EQ(cardPosition(f.e, tableau(0), 4), (Point{100, 50}));
    EXPECT_EQ(cardPosition(f.e, tableau(0), 0), (Point{100, 50 + 4 + 4 + 4 + 18}));
    EXPECT_EQ(cardPosition(f.e, tableau(0), 0, true), (Point{100, 50 + 30 + 18}));
    f.e.game.scrollOffset = 20; // window coordinates
    EXPECT_EQ(cardPosition(f.e, tableau(0), 0), (Point{100, 60}));
}

TEST(CardPosition, StylesOfEachKind) {
    Fixture f(2);
    f.fill(0, "001002003", 1);
    EXPECT_EQ(cardPosition(f.e, tableau(0), 0), (Point{100 + 4 + 12, 50}));

    Fixture squared(1);
    squared.e.params.set(prm::ReserveStyle, 5);
    squared.e.game.setReserveX(0, 10);
    squared.e.game.setReserveY(0, 10);
    ASSERT_TRUE(squared.e.table.reserves[0].setText("001002003004005006007008009010"));
    EXPECT_EQ(cardPosition(squared.e, reserve(0), 0), (Point{10, 10 + 27}));

    Fixture sideBySide(4);
    sideBySide.fill(0, "001002003", 0);
    EXPECT_EQ(cardPosition(sideBySide.e, tableau(0), 0), (Point{100 + 2 * 77, 50}));

    Fixture grid(12);
    grid.fill(0, "001000003", 0);
    EXPECT_EQ(cardPosition(grid.e, tableau(0), 0), (Point{100, 50 + 45 + 45}));

    Fixture seven(7);
    seven.fill(0, "001", 0);
    EXPECT_EQ(cardPosition(seven.e, tableau(0), 0), (Point{100, 50}));
    seven.fill(0, "001002003", 0);
    EXPECT_EQ(cardPosition(seven.e, tableau(0), 2), (Point{100, 50}));
    EXPECT_EQ(cardPosition(seven.e, tableau(0), 1), (Point{100, 50 + 18}));
    EXPECT_EQ(cardPosition(seven.e, tableau(0), 0), (Point{100, 50 + 18}));

    Fixture unfanned(0);
    unfanned.fill(0, "001002003", 0);
    EXPECT_EQ(cardPosition(unfanned.e, tableau(0), 0), (Point{100, 50}));
    EXPECT_EQ(cardPosition(unfanned.e, kStock, 0), (Point{0, 0}));
}

TEST(CardPosition, PerPileStyleFansRightThenLeft) {
    Fixture f(11);
    f.e.params.set(prm::PerPileStyle, 1);
    setCardSpacing(f.e, 'B');
    f.fill(2, "001002", 0);
    f.fill(8, "003004", 0);
    EXPECT_EQ(pileStyle(f.e, tableau(2)), 2);
    EXPECT_EQ(pileStyle(f.e, tableau(8)), 10);
    EXPECT_EQ(pileStyle(f.e, tableau(12)), 0);
    EXPECT_EQ(cardPosition(f.e, tableau(2), 0).x, 100 + 2 * 90 + 12);
    EXPECT_EQ(cardPosition(f.e, tableau(8), 0).x, 100 + 8 * 90 - 12);
}

TEST(CardPosition, WindingPileTurnsAtTheRowEnd) {
    Fixture f(8);
    f.e.params.set(45, 3); // three columns
    ASSERT_TRUE(f.pile(0).setText("001000002000003000004000005"));
    const int cell = 71 + 12;
    // Card 4 (the fourth card: three holes before it) starts row 2 at its right end.
    const Point places[] = {{100, 50},
                            {100 + cell, 50},
                            {100 + 2 * cell, 50},
                            {100 + 2 * cell, 50 + 96 + 8},
                            {100 + cell, 50 + 96 + 8}};
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(cardPosition(f.e, tableau(0), 2 * (4 - k)), places[k]) << k;
}

TEST(CardOfCode, LooksThroughTableauReservesFoundations) {
    Fixture f(1);
    f.fill(3, "010011012", 0);
    ASSERT_TRUE(f.e.table.foundations[5].setText("020"));
    ASSERT_TRUE(f.e.table.reserves[0].setText("030"));
    CardPlace place;
    ASSERT_TRUE(placeOfCard(f.e, 11, place));
    EXPECT_EQ(place.pile, tableau(3));
    EXPECT_EQ(place.above, 1);
    EXPECT_EQ(place.at, (Point{370, 50 + 18}));
    ASSERT_TRUE(placeOfCard(f.e, 20, place));
    EXPECT_EQ(place.pile, foundation(5));
    ASSERT_TRUE(placeOfCard(f.e, 30, place));
    EXPECT_EQ(place.pile, reserve(0));
    EXPECT_FALSE(placeOfCard(f.e, 40, place));
}

TEST(HitTest, FindsTheCardOfTheStrip) {
    Fixture f(1);
    f.fill(0, "001002003004005", 0); // face up: 18 apart
    CardPlace hit;
    struct Case {
        int x, y, card;
    };
    const Case cases[] = {
        {105, 50, 1}, {105, 67, 1}, {105, 68, 2}, {170, 50 + 2 * 18 + 5, 3},
        {105, 50 + 4 * 18, 5}, {105, 50 + 4 * 18 + 95, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.x << ',' << c.y);
        ASSERT_TRUE(hitTest(f.e, c.x, c.y, hit));
        EXPECT_EQ(hit.pile, tableau(0));
        EXPECT_EQ(hit.card, c.card);
    }
    EXPECT_FALSE(hitTest(f.e, 105, 50 + 4 * 18 + 96, hit)); // below the top card
    EXPECT_FALSE(hitTest(f.e, 171, 60, hit));                // right of the pile

    // An empty pile counts only when asked for.
    EXPECT_FALSE(hitTest(f.e, 195, 60, hit));
    ASSERT_TRUE(hitTest(f.e, 195, 60, hit, true));
    EXPECT_EQ(hit.pile, tableau(1));
    EXPECT_EQ(hit.card, kHole);
}

TEST(HitTest, OrderHiddenPilesAndStyles) {
    Fixture f(3);
    f.fill(0, "001002003", 0);
    f.e.game.setStockX(0, 100); // over the tableau pile: the stock comes first
    f.e.game.setStockY(0, 50);
    CardPlace hit;
    ASSERT_TRUE(hitTest(f.e, 110, 60, hit));
    EXPECT_EQ(hit.pile, kStock);
    EXPECT_EQ(hit.card, kHole);
    f.e.game.setStockX(0, -10000);
    ASSERT_TRUE(hitTest(f.e, 110, 60, hit));
    EXPECT_EQ(hit.card, 3); // style 3: always the top card

    f.e.game.setTableauX(0, -10000);
    EXPECT_FALSE(hitTest(f.e, 110, 60, hit, true)); // a hidden pile is never found

    Fixture across(2);
    across.fill(0, "001002003", 0);
    ASSERT_TRUE(hitTest(across.e, 100 + 12 + 3, 60, hit));
    EXPECT_EQ(hit.card, 2);

    Fixture left(11);
    left.e.params.set(prm::PerPileStyle, 1);
    setCardSpacing(left.e, 'B');
    left.fill(8, "004005006", 0); // base x 820, fanned to the left: top card at 796
    ASSERT_TRUE(hitTest(left.e, 820 + 70, 60, hit));
    EXPECT_EQ(hit.card, 4);
    ASSERT_TRUE(hitTest(left.e, 808 + 70, 60, hit));
    EXPECT_EQ(hit.card, 5);
    ASSERT_TRUE(hitTest(left.e, 797, 60, hit));
    EXPECT_EQ(hit.card, 6);

    Fixture found(1);
    ASSERT_TRUE(found.e.table.foundations[0].setText("001002"));
    found.e.game.setFoundationX(0, 500);
    found.e.game.setFoundationY(0, 300);
    ASSERT_TRUE(hitTest(found.e, 510, 310, hit));
    EXPECT_EQ(hit.pile, foundation(0));
    EXPECT_EQ(hit.card, 2);
}

} // namespace
} // namespace vellamor
