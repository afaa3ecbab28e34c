#include "layout/layout.h"
#include "layout_check.h"

#include "engine/engine.h"

#include <gtest/gtest.h>

namespace vellamor {
namespace {

using namespace vellamor::testing;

LayoutInput wideTable() {
    LayoutInput in;
    in.cardWidth = 71;
    in.cardHeight = 96;
    in.tableWidth = 1000;
    in.windowHeight = 700;
    in.clientHeight = 650;
    in.usableHeight = 630;
    in.statusAllowance = 20;
    in.topOffset = 30;
    in.screenWidth = 1024;
    in.screenHeight = 768;
    return in;
}

void tableauOnly(Engine& e, int piles, int arrangement, int row = 2) {
    e.params.set(prm::Tableaus, piles);
    e.params.set(prm::TableauArrangement, arrangement);
    e.params.set(prm::TableauRow, row);
}

TEST(Layout, RowTopsAndTheLowWindow) {
    Engine e;
    tableauOnly(e, 1, 1, 1);
    e.params.set(prm::Foundations, 1);
    e.params.set(prm::FoundationRow, 2);
    e.params.set(prm::Reserves, 1);
    e.params.set(prm::ReserveRow, 3);
    LayoutInput in = wideTable();
    layoutTable(e, in);
    EXPECT_EQ(e.game.tableauY(0), 30 + 10);
    EXPECT_EQ(e.game.foundationY(0), 40 + 10 + 96);
    EXPECT_EQ(e.game.reserveY(0), 146 + 10 + 96);

    in.windowHeight = 480; // the 5-pixel gap, and the table 10 pixels narrower
    layoutTable(e, in);
    EXPECT_EQ(e.game.tableauY(0), 30 + 5);
    EXPECT_EQ(e.game.foundationY(0), 35 + 5 + 96);
    EXPECT_EQ(e.game.tableauX(0), (990 - 2 - 71) / 2);

    // A stock in row 1 pushes row 1 down by 15, and row 2 with it.
    e.params.set(prm::StockAreaPiles, 1);
    e.params.set(prm::StockAreaRow, 1);
    in.windowHeight = 700;
    layoutTable(e, in);
    EXPECT_EQ(e.game.tableauY(0), 30 + 10 + 15);
    EXPECT_EQ(e.game.foundationY(0), 55 + 10 + 96);
}

TEST(Layout, ArrangementFifteenOverridesTheRows) {
    Engine e;
    tableauOnly(e, 4, 15, 2);
    e.params.set(prm::Foundations, 4);
    e.params.set(prm::FoundationRow, 3);
    layoutTable(e, wideTable());
    EXPECT_EQ(e.game.tableauY(0), 30 + 20 + 96);
    EXPECT_EQ(e.game.foundationY(0), 30 + 25 + 2 * 96);
}

TEST(Layout, CentredRowGapsAndTheLeftMargin) {
    struct Case {
        int piles, arrangement, tableWidth, cardWidth;
        int firstX, gap;
    };
    const Case cases[] = {
        // 7 piles of 71 on 998 usable pixels: gap (998 - 497) / 8 = 62 → 20.
        {7, 1, 1000, 71, (998 - 497 - 120) / 2, 20},
        // 11 piles of 59 on a 640 table: the gap is clamped to 4 and the row starts at U = 3.
        {11, 1, 640, 59, 3, 4},
        // One pile wider than the table: it keeps its gap and starts at U.
        {1, 14, 60, 71, 3, 0},
        {1, 15, 60, 71, 3, 0},
        // Arrangement 14 narrows its gap to fit from the margin: (638 - 3 - 649) / 10 → 4.
        {11, 14, 640, 59, 3, 4},
        // Arrangement 2: a fixed gap of 5 on a narrow table.
        {9, 2, 640, 59, (638 - 531 - 40) / 2, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.piles << " piles, arrangement " << c.arrangement
                                          << ", width " << c.tableWidth);
        Engine e;
        tableauOnly(e, c.piles, c.arrangement);
        LayoutInput in = wideTable();
        in.tableWidth = c.tableWidth;
        in.cardWidth = c.cardWidth;
        layoutTable(e, in);
        EXPECT_EQ(e.game.tableauX(0), c.firstX);
        if (c.piles > 1) {
            EXPECT_EQ(e.game.tableauX(1) - e.game.tableauX(0), c.cardWidth + c.gap);
        }
    }
}

TEST(Layout, StockBesideTheTableauAndFoundationsOverIt) {
    Engine e;
    tableauOnly(e, 7, 3, 2);
    e.params.set(prm::StockAreaPiles, 2);
    e.params.set(prm::StockAreaArrangement, 3);
    e.params.set(prm::StockAreaRow, 1);
    e.params.set(prm::StockInPlay, 1);
    e.params.set(prm::WasteInPlay, 1);
    e.params.set(prm::Foundations, 4);
    e.params.set(prm::FoundationArrangement, 7);
    e.params.set(prm::FoundationRow, 1);
    const LayoutInput in = wideTable();
    layoutTable(e, in);
    const TMainGame& g = e.game;
    EXPECT_EQ(g.stockX(0), g.tableauX(0) - 71 - 2 * 15);
    EXPECT_EQ(g.stockX(1), g.stockX(0));
    EXPECT_GT(g.stockY(1), g.stockY(0)); // the waste in row 2, under the stock
    for (int i = 0; i < 4; ++i) EXPECT_EQ(g.foundationX(i), g.tableauX(3 + i));
    EXPECT_EQ(g.tableauX(7), kHiddenPileX);
    EXPECT_EQ(g.foundationX(4), kHiddenPileX);
    EXPECT_EQ(g.reserveX(0), kHiddenPileX);
    EXPECT_EQ(g.stockX(2), kHiddenPileX);
    EXPECT_EQ(layoutFault(e, in), "");
}

TEST(Layout, FoundationArrangements) {
    struct Case {
        int arrangement;
        int (*expectedX)(const TMainGame& g, int i);
    };
    const Case cases[] = {
        {22, [](const TMainGame& g, int i) { return static_cast<int>(g.tableauX(i)); }},
        {9, [](const TMainGame& g, int i) { return g.tableauX(7) - (3 - i) * (71 + 6); }},
        {8, [](const TMainGame&, int i) { return 998 - 71 - 5 - 5 - (3 - i) * 76; }},
        {1, [](const TMainGame&, int i) { return 142 + i * (71 + 142); }}, // (998 - 284 - 2) / 5
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arrangement);
        Engine e;
        tableauOnly(e, 8, 1, 2);
        e.params.set(prm::Foundations, 4);
        e.params.set(prm::FoundationRow, 1);
        e.params.set(prm::FoundationArrangement, c.arrangement);
        layoutTable(e, wideTable());
        for (int i = 0; i < 4; ++i) EXPECT_EQ(e.game.foundationX(i), c.expectedX(e.game, i)) << i;
    }
}

TEST(Layout, TableauRoomReachesTheNextRowBelow) {
    Engine e;
    tableauOnly(e, 7, 1, 1);
    e.params.set(prm::TableauStyle, 1);
    e.params.set(prm::Foundations, 4);
    e.params.set(prm::FoundationRow, 4);
    LayoutInput in = wideTable();
    layoutTable(e, in);
    EXPECT_EQ(e.game.tableauRoom, e.game.foundationY(0) - e.game.tableauY(0));
    e.params.set(prm::FoundationRow, 1);
    layoutTable(e, in);
    EXPECT_EQ(e.game.tableauRoom, in.windowHeight - e.game.tableauY(0));
    e.params.set(prm::TableauStyle, 3);
    layoutTable(e, in);
    EXPECT_EQ(e.game.tableauRoom, 96);
}

TEST(Layout, ScrolledCopiesAndPreview) {
    Engine e;
    tableauOnly(e, 4, 1, 2);
    e.params.set(prm::Foundations, 2);
    e.params.set(prm::FoundationRow, 1);
    e.game.scrollOffset = 40;
    layoutTable(e, wideTable());
    EXPECT_EQ(e.game.layoutScroll, 40);
    EXPECT_EQ(e.game.foundationYScrolled[0], e.game.foundationY(0));
    EXPECT_EQ(e.game.foundationY(0), 30 + 10 - 40);

    const LayoutInput p = LayoutInput::preview(300, 200, 25, 32);
    EXPECT_EQ(p.topOffset, 3);
    EXPECT_EQ(p.statusAllowance, 0);
    e.game.scrollOffset = 0;
    layoutTable(e, p);
    EXPECT_EQ(e.game.foundationY(0), 3 + 5);
}

} // namespace
} // namespace vellamor
