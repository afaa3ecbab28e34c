#include "engine/pile.h"
#include "engine/table.h"

#include <gtest/gtest.h>

namespace vellamor {
namespace {

TEST(PileNames, BuildAndReadBack) {
    EXPECT_EQ(pileName(kStock), "Mazzo");
    EXPECT_EQ(pileName(kWaste), "Mazzo_Vis");
    EXPECT_EQ(pileName(kSecondWaste), "Mazzo_Waste");
    EXPECT_EQ(pileName(foundation(0)), "Dest1");
    EXPECT_EQ(pileName(tableau(39)), "Fila40");
    EXPECT_EQ(pileName(reserve(11)), "Appogg12");

    struct Case {
        const char* name;
        std::optional<PileId> id;
    };
    const Case cases[] = {
        {"Mazzo", kStock},          {"Mazzo_Vis", kWaste},      {"Mazzo_Waste", kSecondWaste},
        {"Dest1", foundation(0)},   {"Dest01", foundation(0)},  {"Dest16", foundation(15)},
        {"Fila7", tableau(6)},      {"Fila07", tableau(6)},     {"Fila40", tableau(39)},
        {"Appogg3", reserve(2)},    {"Appogg03", reserve(2)},   {"Appogg12", reserve(11)},
        {"Dest17", std::nullopt},   {"Fila41", std::nullopt},   {"Fila0", std::nullopt},
        {"Appogg13", std::nullopt}, {"Dest", std::nullopt},     {"Destx", std::nullopt},
        {"Mazzo_X", std::nullopt},  {"", std::nullopt},         {"fila3", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(parsePileName(c.name), c.id);
    }
}

TEST(PileNames, SnapshotLinesFollowTheContainerOrder) {
    EXPECT_EQ(snapshotLine(kStock), 0);
    EXPECT_EQ(snapshotLine(kSecondWaste), 2);
    EXPECT_EQ(snapshotLine(foundation(0)), 3);
    EXPECT_EQ(snapshotLine(tableau(0)), 19);
    EXPECT_EQ(snapshotLine(reserve(11)), 70);
    for (int line = 0; line < kPileLines; ++line) EXPECT_EQ(snapshotLine(pileOfLine(line)), line);
}

TEST(Pile, TextTopBaseAndCapacity) {
    Pile p;
    EXPECT_EQ(p.top(), kHole);
    ASSERT_TRUE(p.setText("014027040001"));
    EXPECT_EQ(p.size(), 4);
    EXPECT_EQ(p.base(), 14);
    EXPECT_EQ(p.top(), 1);
    EXPECT_EQ(p.text(), "014027040001");
    EXPECT_FALSE(p.setText("01402"));  // not whole units
    EXPECT_FALSE(p.setText("213"));    // not a card
    EXPECT_FALSE(p.setText("01a"));
    EXPECT_EQ(p.text(), "014027040001"); // a refused text changes nothing
    EXPECT_FALSE(p.push(213));

    Pile full;
    for (int i = 0; i < Pile::kCapacity; ++i) ASSERT_TRUE(full.push(kHole));
    EXPECT_FALSE(full.push(1));
    EXPECT_EQ(full.size(), Pile::kCapacity);
}

TEST(FirstFreeSlot, SearchesFromStartThenFromTheBeginning) {
    const CardCode slots[] = {0, 5, 0, 7, 8, 0, 9};
    struct Case {
        int start;
        bool forwards;
        int expected;
    };
    const Case cases[] = {
        {1, true, 2}, {3, true, 5}, {6, true, 0}, {4, false, 2}, {1, false, 0}, {0, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.start);
        EXPECT_EQ(firstFreeSlot(slots, 7, c.start, c.forwards), c.expected);
    }
    const CardCode full[] = {1, 2, 3};
    EXPECT_EQ(firstFreeSlot(full, 3, 1, true), -1);
    EXPECT_EQ(firstFreeSlot(full, 0, 0, true), -1);
}

TEST(TakeOut, ModesAndResultKinds) {
    struct Case {
        const char* before;
        TakeOutMode mode;
        const char* after;
    };
    const Case cases[] = {
        {"000014027", TakeOutMode::DeleteWithHole, "027"},
        {"014000027", TakeOutMode::DeleteWithHole, "027"}, // first card: the new first unit counts
        {"001014000027", TakeOutMode::DeleteWithHole, "001000027"},
        {"014027", TakeOutMode::DeleteWithHole, "027"},
        {"000014027", TakeOutMode::Delete, "000027"},
        {"000014027", TakeOutMode::LeaveHole, "000000027"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.before);
        Table t;
        ASSERT_TRUE(t.tableau[2].setText(c.before));
        EXPECT_EQ(t.takeOut(14, c.mode, 7), static_cast<int>(PileKind::Tableau));
        EXPECT_EQ(t.tableau[2].text(), c.after);
    }

    Table t;
    t.reserves[4].push(30);
    t.secondWaste().push(31);
    t.tableau[9].push(32); // beyond the game's tableau count: not searched
    EXPECT_EQ(t.takeOut(30, TakeOutMode::Delete, 7), static_cast<int>(PileKind::Reserve));
    EXPECT_EQ(t.takeOut(31, TakeOutMode::Delete, 7), static_cast<int>(PileKind::SecondWaste));
    EXPECT_EQ(t.takeOut(32, TakeOutMode::Delete, 7), kNotFound);
    EXPECT_EQ(t.takeOut(30, TakeOutMode::Delete, 7), kNotFound);
    EXPECT_EQ(t.tableau[9].text(), "032");
}

TEST(Faces, ByCountAndByPattern) {
    Pile p;
    ASSERT_TRUE(p.setText("001002003004005"));
    struct Case {
        int pattern;
        const char* faces; // one flag per card, bottom first
    };
    const Case cases[] = {{-1, "10101"}, {-2, "01010"}, {-3, "10000"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pattern);
        CardRecords cards;
        cards.setFacesByPattern(p, c.pattern);
        for (int i = 0; i < 5; ++i) EXPECT_EQ(cards.faceUp(p[i]), c.faces[i] == '1') << i;
    }
    CardRecords cards;
    cards.setAllFaces(p, false);
    cards.setTopFaces(p, 2, true);
    EXPECT_EQ(snapshotLineText(p, cards), "00100020003000410051");
    cards.setTopFaces(p, 9, false); // more than the pile holds
    EXPECT_EQ(cards.record(1), "CUORI_A        10010");
}

TEST(Snapshot, LinesAndRoundTrip) {
    Table t;
    CardRecords cards;
    ASSERT_TRUE(t.tableau[0].setText("000012"));
    cards.setFaceUp(12, false);
    t.foundations[3].push(209);
    t.reserves[11].push(52);
    const Snapshot s = makeSnapshot(t, cards);
    EXPECT_EQ(s[19], "00000120");
    EXPECT_EQ(s[6], "2091");
    EXPECT_EQ(s[70], "0521");
    EXPECT_EQ(s[0], "");

    Table back;
    CardRecords backCards;
    ASSERT_TRUE(restoreSnapshot(back, backCards, s));
    EXPECT_EQ(back, t);
    EXPECT_FALSE(backCards.faceUp(12));
    EXPECT_EQ(makeSnapshot(back, backCards), s);
}

TEST(Snapshot, MalformedLinesChangeNothing) {
    Table t;
    CardRecords cards;
    t.stock().push(5);
    Snapshot s = makeSnapshot(t, cards);
    for (const char* bad : {"005", "0052", "00x1", "2131"}) {
        SCOPED_TRACE(bad);
        Snapshot broken = s;
        broken[40] = bad;
        Table target = t;
        EXPECT_FALSE(restoreSnapshot(target, cards, broken));
        EXPECT_EQ(target, t);
        Pile p;
        EXPECT_FALSE(restoreLine(p, cards, bad));
    }
    EXPECT_TRUE(cards.faceUp(5));
}

} // namespace
} // namespace vellamor
