#include "engine/undo_log.h"

#include <gtest/gtest.h>

namespace vellamor {
namespace {

struct Position {
    Table table;
    CardRecords cards;
};

Position sample(int variant) {
    Position p;
    EXPECT_TRUE(p.table.stock().setText("001002003"));
    EXPECT_TRUE(p.table.tableau[0].setText(variant ? "004" : "004005"));
    EXPECT_TRUE(p.table.tableau[39].setText("000006"));
    EXPECT_TRUE(p.table.foundations[0].setText("007"));
    EXPECT_TRUE(p.table.reserves[11].setText("008"));
    if (variant) {
        EXPECT_TRUE(p.table.waste().setText("005"));
    }
    p.cards.setFaceUp(1, false);
    p.cards.setFaceUp(5, variant == 0);
    return p;
}

TEST(UndoLog, PopRestoresTheNewestPositionAndItsFaces) {
    UndoLog log;
    const Position a = sample(0), b = sample(1);
    log.push(a.table, a.cards);
    log.push(b.table, b.cards);
    log.record("003");
    Position now;
    EXPECT_EQ(log.pop(now.table, now.cards), "003");
    EXPECT_EQ(now.table, b.table);
    EXPECT_FALSE(now.cards.faceUp(5));
    EXPECT_EQ(log.pop(now.table, now.cards), "");
    EXPECT_EQ(now.table, a.table);
    EXPECT_TRUE(now.cards.faceUp(5));
    EXPECT_FALSE(now.cards.faceUp(1));
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(log.pop(now.table, now.cards), ""); // nothing left: nothing changes
    EXPECT_EQ(now.table, a.table);
}

TEST(UndoLog, DiscardFoundationIsStoredEmpty) {
    UndoLog log;
    const Position a = sample(0);
    log.push(a.table, a.cards, true);
    Position now = a;
    log.pop(now.table, now.cards);
    EXPECT_TRUE(now.table.foundations[0].empty());
    EXPECT_EQ(now.table.tableau[0], a.table.tableau[0]);
}

TEST(UndoLog, MergingKeepsOneStepAndItsSideEffects) {
    const Position a = sample(0), b = sample(1);
    UndoLog log;
    log.push(a.table, a.cards);
    for (int i = 0; i < 10; ++i) log.push(b.table, b.cards);
    log.record("002");
    log.dropNewest(10); // a ten-pile row deal: one step, holding the position before it
    ASSERT_EQ(log.size(), 1);
    EXPECT_EQ(log.newestEffects(), "002");
    Position now;
    log.pop(now.table, now.cards);
    EXPECT_EQ(now.table, a.table);

    log.push(a.table, a.cards);
    log.record("003");
    log.push(b.table, b.cards);
    log.record("002");
    log.push(b.table, b.cards);
    log.dropBeforeNewest(2);
    ASSERT_EQ(log.size(), 1);
    EXPECT_EQ(log.newestEffects(), "003002");
    EXPECT_EQ(log.count("002"), 1);
    log.dropNewest(5); // never drops the last step
    EXPECT_EQ(log.size(), 1);
    log.withdraw();
    EXPECT_TRUE(log.empty());
}

TEST(UndoLog, SavedGameSectionsRoundTripExactly) {
    const Position a = sample(0), b = sample(1);
    UndoLog log;
    log.push(a.table, a.cards);
    log.push(b.table, b.cards);
    log.record("002");
    log.record("003");
    const auto sections = log.exportSections();
    ASSERT_EQ(sections.size(), 5u + 2 * 71 + 1);
    EXPECT_EQ(sections[0], "[UNDO - Stock]");
    EXPECT_EQ(sections[1], "001000210031"); // the stock of the first step, its bottom card down
    EXPECT_EQ(sections[4], "001000210031");
    EXPECT_EQ(sections[5], "0050");          // the waste of the second step
    EXPECT_EQ(sections[7], "[UNDO - Foundations]");
    EXPECT_EQ(sections[8], "0071");
    EXPECT_EQ(sections[7 + 33], "[UNDO - Piles]");
    EXPECT_EQ(sections[7 + 33 + 1], "00410051");
    EXPECT_EQ(sections[7 + 33 + 40], "00000061");
    EXPECT_EQ(sections[sections.size() - 2], "[UNDO - Log]");
    EXPECT_EQ(sections.back(), ",002003,");

    UndoLog back;
    ASSERT_TRUE(back.importSections(sections));
    EXPECT_EQ(back.exportSections(), sections);
    EXPECT_EQ(back.count("002"), 1);

    UndoLog none;
    const auto empty = none.exportSections();
    EXPECT_EQ(empty.size(), 6u);
    ASSERT_TRUE(back.importSections(empty));
    EXPECT_TRUE(back.empty());
}

TEST(UndoLog, MalformedSectionsAreRefused) {
    const Position a = sample(0);
    UndoLog log;
    log.push(a.table, a.cards);
    const auto good = log.exportSections();
    auto broken = [&](auto change) {
        auto lines = good;
        change(lines);
        UndoLog target;
        target.push(a.table, a.cards);
        const bool ok = target.importSections(lines);
        EXPECT_EQ(target.size(), 1); // unchanged
        return ok;
    };
    EXPECT_FALSE(broken([](auto& l) { l.erase(l.begin() + 2); }));          // a stock line missing
    EXPECT_FALSE(broken([](auto& l) { l[1] = "00x1"; }));                    // not a unit
    EXPECT_FALSE(broken([](auto& l) { l[8] = "0011"; }));                    // card 1 twice
    EXPECT_FALSE(broken([](auto& l) { l.back() = "00,"; }));                 // bad code
    EXPECT_FALSE(broken([](auto& l) { l.back() = ",,,"; }));                 // more entries than steps
    EXPECT_FALSE(broken([](auto& l) { l.erase(l.begin()); }));               // no first header
    EXPECT_TRUE(broken([](auto& l) { l.pop_back(); l.pop_back(); }));        // no log: empty effects
}

} // namespace
} // namespace vellamor
