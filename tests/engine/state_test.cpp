#include "engine/main_game.h"
#include "engine/rule_params.h"
#include "engine/state_record.h"

#include <gtest/gtest.h>

namespace vellamor {
namespace {

TEST(StateRecord, WritesCutOrPadAndReadsTrim) {
    StateRecord s;
    EXPECT_EQ(s.read(field::SettingsFile), "Cfg.dat");
    s.write(field::GameId, "18");
    EXPECT_EQ(s.read(field::GameId), "18");
    s.write(field::GameId, "123456"); // cut to the width of 4
    EXPECT_EQ(s.read(field::GameId), "1234");
    EXPECT_EQ(s.read(66, 2), ""); // the neighbour is untouched
    s.write(field::GameId, "7");  // padded: nothing of the longer value remains
    EXPECT_EQ(s.read(field::GameId), "7");
    s.write(field::GameName, "  Spider  ");
    EXPECT_EQ(s.read(field::GameName), "  Spider");
}

TEST(StateRecord, FieldsAcrossAndBeyondTheThreeStrings) {
    StateRecord s;
    s.write(245, 10, "ABCDEFGHIJ"); // 245-254 straddles the first two strings
    EXPECT_EQ(s.read(245, 10), "ABCDEFGHIJ");
    const std::string path(200, 'p');
    s.write(field::BookmarkFile, path); // 701-900 lengthens the third string
    EXPECT_EQ(s.read(field::BookmarkFile), path);
    EXPECT_EQ(s.read(1000, 5), "");
    s.writeInt(field::Score, -35);
    EXPECT_EQ(s.readInt(field::Score), -35);
    s.write(field::Score, "x");
    EXPECT_EQ(s.readInt(field::Score), 0);
    s.reset();
    EXPECT_EQ(s.read(field::BookmarkFile), "");
    EXPECT_EQ(s.read(field::SettingsFile), "Cfg.dat");
}

TEST(StateFlags, SetAndClear) {
    StateFlags f;
    EXPECT_FALSE(f.test(StateFlag::Won));
    f.set(StateFlag::Won);
    f.set(StateFlag::InProgress);
    EXPECT_TRUE(f.test(StateFlag::Won));
    f.clear(StateFlag::Won);
    EXPECT_FALSE(f.test(StateFlag::Won));
    EXPECT_TRUE(f.test(StateFlag::InProgress));
}

TEST(RuleParams, SavedRangesComeBack) {
    RuleParams p;
    p.set(prm::FoundationBase, 1);
    p.set(prm::FoundationBase + 15, 13);
    p.set(prm::TableauFill + 39, 91);
    p.set(prm::TableauDirection, 1);
    p.saveRanges();
    p.set(prm::FoundationBase, 7);
    p.set(prm::FoundationBase + 15, 2);
    p.set(prm::TableauFill + 39, 12);
    p.set(prm::TableauDirection, 0); // outside the saved ranges
    p.restoreRanges();
    EXPECT_EQ(p[prm::FoundationBase], 1);
    EXPECT_EQ(p[prm::FoundationBase + 15], 13);
    EXPECT_EQ(p[prm::TableauFill + 39], 91);
    EXPECT_EQ(p[prm::TableauDirection], 0);
    EXPECT_EQ(p[-1], 0);
    EXPECT_EQ(p[503], 0);
    p.set(40000 - 40000 + 502, -32768);
    EXPECT_EQ(p[502], -32768);
}

TEST(TMainGame, YAccessorsSubtractTheScrollOffset) {
    TMainGame g;
    g.setFoundationY(2, 300);
    g.setReserveY(0, 120);
    g.setStockY(1, 40);
    g.setTableauY(39, 500);
    g.setTableauX(39, -10000);
    g.scrollOffset = 25;
    EXPECT_EQ(g.foundationY(2), 275);
    EXPECT_EQ(g.reserveY(0), 95);
    EXPECT_EQ(g.stockY(1), 15);
    EXPECT_EQ(g.tableauY(39), 475);
    EXPECT_EQ(g.tableauX(39), -10000);
    EXPECT_TRUE(TMainGame::hidden(g.tableauX(39)));
    EXPECT_FALSE(TMainGame::hidden(-9999));
}

} // namespace
} // namespace vellamor
