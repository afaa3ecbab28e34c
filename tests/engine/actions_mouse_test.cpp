// The mouse state machine: picking up, the drop with its overlap ranking, the
// cancelled drag, click-to-move, the stock and the keys.
#include "engine/actions.h"
#include "engine/actions_mouse.h"
#include "rules_fixture.h"

namespace vellamor::testing {
namespace {

// Piles in rows: foundations at y 0, tableau piles at y 200, reserves at y 400,
// the stock and the waste at y 600; each pile 100 pixels apart, cards 80 × 100.
class GridGeometry : public TableGeometry {
public:
    explicit GridGeometry(const Engine& e) : e_(e) {}
    static Rect place(PileId p) {
        switch (p.kind) {
        case PileKind::Foundation: return {100 * p.index, 0, 80, 100};
        case PileKind::Tableau: return {100 * p.index, 200, 80, 100};
        case PileKind::Reserve: return {100 * p.index, 400, 80, 100};
        case PileKind::Stock: return {0, 600, 80, 100};
        case PileKind::Waste: return {100, 600, 80, 100};
        default: return {-20000, 0, 80, 100};
        }
    }
    Hit hitTest(int x, int y) const override {
        if (inner) return *inner;
        for (int line = 0; line < kPileLines; ++line) {
            const PileId p = pileOfLine(line);
            const Rect r = place(p);
            if (x >= r.x && x < r.x + r.w && y >= r.y && y < r.y + r.h)
                return {e_.table.pile(p).top(), p, {r.x, r.y}, {r.x, r.y}};
        }
        return {};
    }
    std::optional<Rect> topCardRect(PileId p) const override { return place(p); }
    int cardWidth() const override { return 80; }
    int cardHeight() const override { return 100; }

    std::optional<Hit> inner; // a card inside a pile, when a test needs one

private:
    const Engine& e_;
};

class Mouse : public RulesFixture {
protected:
    GridGeometry geo{e};
    PlayerInput input{e, geo};

    void SetUp() override {
        RulesFixture::SetUp();
        e.flags.set(StateFlag::InProgress);
    }
    // Drags the card from (x0, y0) and releases it at (x1, y1).
    bool drag(int x0, int y0, int x1, int y1) {
        input.mouseDown(MouseButton::Left, false, x0, y0);
        input.mouseMove(x1, y1);
        return input.mouseUp(x1, y1);
    }
};

TEST_F(Mouse, DropGoesToThePileItOverlapsMost) {
    fila(1, "8H");
    fila(2, "9S");
    fila(3, "9C");
    // Grab at the card's corner, release between piles 2 and 3, nearer pile 3.
    EXPECT_TRUE(drag(0, 200, 160, 200));
    EXPECT_EQ(e.table.tableau[2].top(), card("8H"));
    EXPECT_EQ(host.sounds.front(), "Card_up");
}

TEST_F(Mouse, EqualOverlapsPreferTheHigherKindThenTheHigherIndex) {
    fila(1, "8H");
    fila(2, "9S");
    fila(3, "9C");
    EXPECT_TRUE(drag(0, 200, 150, 200)); // half on pile 2, half on pile 3
    EXPECT_EQ(e.table.tableau[2].top(), card("8H"));
}

// Tableau piles fanned 10 pixels apart, so that a dropped card overlaps the
// first piles by 8000, 7000, 6000, ... square pixels.
class FannedGeometry : public GridGeometry {
public:
    using GridGeometry::GridGeometry;
    std::optional<Rect> topCardRect(PileId p) const override {
        if (p.kind == PileKind::Tableau) return Rect{10 * p.index, 200, 80, 100};
        return GridGeometry::topCardRect(p);
    }
};

TEST_F(Mouse, OnlyTheFourLargestOverlapsAreTried) {
    FannedGeometry fanned{e};
    PlayerInput fannedInput{e, fanned};
    fila(7, "8H");
    for (int n = 1; n <= 4; ++n)
        fila(n, "KS");
    fila(5, "9S"); // the fifth largest overlap: never tried
    EXPECT_FALSE(fannedInput.drop(card("8H"), {0, 200, 80, 100}));
    fila(4, "9C"); // the fourth
    EXPECT_TRUE(fannedInput.drop(card("8H"), {0, 200, 80, 100}));
    EXPECT_EQ(e.table.tableau[3].top(), card("8H"));
}

TEST_F(Mouse, CancelledDragLeavesTheTableExactlyAsBefore) {
    fila(1, "#3C 8H 7S");
    fila(2, "KD");
    const Snapshot before = makeSnapshot(e.table, e.cards);
    geo.inner = Hit{card("8H"), tableau(0), {0, 220}, {0, 200}};
    EXPECT_FALSE(drag(10, 230, 110, 230)); // a King takes no 8
    EXPECT_EQ(makeSnapshot(e.table, e.cards), before);
    EXPECT_EQ(input.cardInHand(), 0);
    // Dropped back on its own pile it is not accepted and returns.
    EXPECT_FALSE(drag(10, 230, 12, 232));
    EXPECT_EQ(makeSnapshot(e.table, e.cards), before);
    // A mouse down and up without a move puts the card back too.
    input.mouseDown(MouseButton::Left, false, 10, 230);
    EXPECT_FALSE(input.mouseUp(10, 230));
    EXPECT_EQ(makeSnapshot(e.table, e.cards), before);
}

TEST_F(Mouse, PickingUpByTheSourceRules) {
    fila(1, "#3C");
    input.mouseDown(MouseButton::Left, false, 10, 210);
    EXPECT_TRUE(e.cards.faceUp(card("3C"))); // turned up, nothing picked up
    EXPECT_EQ(input.cardInHand(), 0);
    input.mouseUp(10, 210);
    // The waste's top card, unless the waste is face down.
    pile(kWaste, "5D");
    input.mouseDown(MouseButton::Left, false, 110, 610);
    EXPECT_EQ(input.cardInHand(), card("5D"));
    input.mouseUp(110, 610);
    set(prm::WasteFaceDown, 1);
    host.beeps = 0;
    input.mouseDown(MouseButton::Left, false, 110, 610);
    EXPECT_EQ(input.cardInHand(), 0);
    EXPECT_EQ(host.beeps, 1);
    input.mouseUp(110, 610);
    // Foundations give cards back only by parameter 19.
    dest(1, "AS");
    input.mouseDown(MouseButton::Left, false, 10, 10);
    EXPECT_EQ(input.cardInHand(), 0);
    input.mouseUp(10, 10);
    set(prm::FoundationTakeBack, 1);
    input.mouseDown(MouseButton::Left, false, 10, 10);
    EXPECT_EQ(input.cardInHand(), card("AS"));
    input.mouseUp(10, 10);
    // A block inside a pile: with a group test only when it is a sequence,
    // without one any face-up block.
    set(prm::GroupMoveTest, 1);
    fila(2, "9S 8H 6C");
    geo.inner = Hit{card("8H"), tableau(1), {100, 220}, {100, 200}};
    input.mouseDown(MouseButton::Left, false, 110, 230);
    EXPECT_EQ(input.cardInHand(), 0);
    input.mouseUp(110, 230);
    set(prm::GroupMoveTest, 0);
    input.mouseDown(MouseButton::Left, false, 110, 230);
    EXPECT_EQ(input.cardInHand(), card("8H"));
    input.mouseUp(110, 230);
}

TEST_F(Mouse, StockIsPressedAndRedealtOnRelease) {
    pile(kWaste, "5D 6D");
    input.mouseDown(MouseButton::Left, false, 10, 610);
    EXPECT_EQ(e.game.stockPressed, 1);
    EXPECT_TRUE(input.mouseUp(10, 610));
    EXPECT_EQ(e.table.stock().size(), 2);
    EXPECT_EQ(e.game.passNumber, 2);
    // Space does both.
    input.keyPress(' ');
    EXPECT_EQ(e.table.waste().top(), card("5D"));
}

TEST_F(Mouse, DoubleClickMovesAndSwallowsItsOwnMouseDown) {
    fila(1, "AH");
    input.mouseDown(MouseButton::Left, false, 10, 210);
    input.mouseUp(10, 210);
    EXPECT_TRUE(input.doubleClick());
    EXPECT_EQ(e.table.foundations[0].top(), card("AH"));
    fila(2, "5C");
    input.mouseDown(MouseButton::Left, false, 110, 210); // the double-click's own mouse down
    EXPECT_EQ(input.cardInHand(), 0);
    input.mouseDown(MouseButton::Left, false, 110, 210);
    EXPECT_EQ(input.cardInHand(), card("5C"));
}

TEST_F(Mouse, ClickToMove) {
    e.play.prefs.moveCardsDragAndDrop = false;
    beginPlay(e);
    fila(1, "8H");
    fila(2, "9S");
    input.mouseDown(MouseButton::Left, false, 10, 210);
    EXPECT_EQ(input.selection(), card("8H"));
    input.mouseUp(10, 210);
    EXPECT_EQ(e.table.tableau[0].top(), card("8H"));
    // The same card again removes the selection.
    input.mouseDown(MouseButton::Left, false, 10, 210);
    EXPECT_EQ(input.selection(), 0);
    input.mouseUp(10, 210);
    // Select, then click on pile 2.
    input.mouseDown(MouseButton::Left, false, 10, 210);
    input.mouseUp(10, 210);
    input.mouseDown(MouseButton::Left, false, 140, 250);
    EXPECT_TRUE(input.mouseUp(140, 250));
    EXPECT_EQ(e.table.tableau[1].top(), card("8H"));
    EXPECT_EQ(input.selection(), 0);
}

TEST_F(Mouse, TableauRule129RefusesWhileTheStockHoldsCards) {
    setRange(prm::TableauSuitRule, 7, 129);
    pile(kStock, "#2C");
    fila(1, "8H");
    fila(2, "9H");
    EXPECT_FALSE(drag(0, 200, 100, 200));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0], "Building on the tableau is allowed only when the stock is empty.");
    pile(kStock, "");
    EXPECT_TRUE(drag(0, 200, 100, 200));
}

TEST_F(Mouse, RightClickAndKeys) {
    fila(1, "AH");
    input.mouseDown(MouseButton::Right, false, 10, 210);
    EXPECT_EQ(e.table.foundations[0].top(), card("AH"));
    host.beeps = 0;
    input.mouseDown(MouseButton::Right, false, 10, 210); // an empty pile: nothing to move
    EXPECT_EQ(host.beeps, 0);
    fila(2, "5C");
    input.mouseDown(MouseButton::Right, false, 110, 210);
    EXPECT_EQ(host.beeps, 1);
}

} // namespace
} // namespace vellamor::testing
