// Irregular piles: the game's table of shifts, drawn at each new game, moves the
// cards of downward-fanned tableau piles sideways while the preference is on,
// and undo leaves the shifts as they were.
#include "layout/card_position.h"

#include "engine/engine.h"
#include "engine/undo.h"

#include <gtest/gtest.h>

#include <random>

namespace vellamor {
namespace {

// Seven tableau piles of style 1, cards of size B, seven face-up cards each.
struct Untidy {
    Engine e;
    explicit Untidy(int style = 1) {
        e.params.set(prm::Tableaus, 7);
        e.params.set(prm::TableauStyle, style);
        setCardSpacing(e, 'B');
        for (int i = 0; i < kTableauCount; ++i) e.game.setTableauX(i, -10000);
        for (int i = 0; i < 7; ++i) {
            e.game.setTableauX(i, 20 + i * 100);
            e.game.setTableauY(i, 30);
            for (int c = 0; c < 7; ++c) {
                e.table.tableau[std::size_t(i)].push(1 + i * 7 + c);
                e.cards.setFaceUp(1 + i * 7 + c, true);
            }
        }
        e.rng.seed(11);
        e.game.irregular.draw(e.rng);
        e.play.prefs.irregularPiles = true;
    }
};

TEST(IrregularOffsets, DrawnTableAndItsRows) {
    std::mt19937_64 rng(5);
    IrregularOffsets a, b;
    a.draw(rng);
    b.draw(rng);
    EXPECT_NE(a.rows, b.rows); // a new game, new shifts
    bool moved = false;
    for (const auto& row : a.rows) {
        EXPECT_EQ(row[0], 0); // the bottom card stays at the pile's base
        for (int v : row) {
            EXPECT_GE(v, -1);
            EXPECT_LE(v, 2);
            moved = moved || v != 0;
        }
    }
    EXPECT_TRUE(moved);
    // Pile 8 (index 7) shares row 7 mod 6 + 1 = 2; card 14 reads column 13 mod 12 = 1.
    EXPECT_EQ(a.offset(7, 14), a.rows[1][1]);
    EXPECT_EQ(a.offset(3, 5), a.rows[3][4]);
    EXPECT_EQ(a.offset(12, 13), a.rows[0][12]);
    EXPECT_EQ(a.offset(0, 0), 0);
}

TEST(IrregularOffsets, PlacesFollowThePreferenceAndTheStyle) {
    Untidy t;
    Engine& e = t.e;
    const int x0 = 20 + 2 * 100;
    for (int r = 1; r <= 7; ++r) {
        const int above = 7 - r;
        EXPECT_EQ(cardPosition(e, tableau(2), above).x, x0 + e.game.irregular.offset(2, r)) << r;
        EXPECT_EQ(irregularOffset(e, 2, r), e.game.irregular.offset(2, r));
    }
    // The place of a further card takes the shift of the card it would be.
    EXPECT_EQ(cardPosition(e, tableau(2), 0, true).x, x0 + e.game.irregular.offset(2, 8));

    e.play.prefs.irregularPiles = false; // "Piles_TT" = "N"
    for (int r = 1; r <= 7; ++r) {
        EXPECT_EQ(irregularOffset(e, 2, r), 0);
        EXPECT_EQ(cardPosition(e, tableau(2), 7 - r).x, x0);
    }

    Untidy sideways(2); // only the downward fan of style 1 is untidy
    const int a1 = sideways.e.game.faceUpStepAcross;
    EXPECT_EQ(cardPosition(sideways.e, tableau(2), 0).x, x0 + 6 * a1);
}

TEST(IrregularOffsets, UndoAndRedoKeepTheShifts) {
    Untidy t;
    Engine& e = t.e;
    const IrregularOffsets before = e.game.irregular;
    const Point topBefore = cardPosition(e, tableau(4), 0);
    e.flags.set(StateFlag::InProgress);
    UndoSteps().push(e); // the move's undo step
    const int card = e.table.tableau[4].top();
    e.table.tableau[4].pop();
    e.table.tableau[5].push(card);
    ASSERT_TRUE(undo(e));
    EXPECT_EQ(e.game.irregular.rows, before.rows);
    EXPECT_EQ(cardPosition(e, tableau(4), 0).x, topBefore.x);
    ASSERT_TRUE(redo(e));
    EXPECT_EQ(e.game.irregular.rows, before.rows);
}

// A click finds the card where it is drawn, shifted or not: the last column of
// each card's strip belongs to that card.
TEST(IrregularOffsets, TheHitTestFindsShiftedCards) {
    Untidy u;
    const int W = u.e.game.cardWidth;
    int shifted = 0;
    for (int i = 0; i < 7; ++i) {
        const Pile& pile = u.e.table.tableau[std::size_t(i)];
        for (int above = 0; above < pile.size(); ++above) {
            const Point at = cardPosition(u.e, tableau(i), above);
            shifted += at.x != u.e.game.tableauX(i);
            CardPlace hit;
            ASSERT_TRUE(hitTest(u.e, at.x + W - 1, at.y + 1, hit)) << i << ' ' << above;
            EXPECT_EQ(hit.card, pile[pile.size() - 1 - above]) << i << ' ' << above;
        }
    }
    EXPECT_GT(shifted, 0);
}

} // namespace
} // namespace vellamor
