// The catalogue reader on small hand-made files.
#include "catalogue/catalogue.h"
#include "catalogue/categories.h"
#include "catalogue/fixture.h"
#include "catalogue/shift.h"
#include "engine/deal.h"
#include "engine/engine.h"
#include "engine/recording_host.h"

#include <gtest/gtest.h>
#include <map>

namespace vellamor::catalogue {
namespace {

using testing::entry;
using testing::paramLine;
using testing::RecordingHost;
using testing::stored;
using testing::TempCatalogue;

std::vector<std::string> sampleLines() {
    return {
        "[Sect1]",
        entry(5, 0, "000", "Klondike"),
        entry(4, 1, "900", "Hidden Game"), // listing mark 9: not in the list
        entry(8, 2, "000", "Spider"),      // at list position 1: found by the scan
        entry(2, 1, "010", "Wide One"),
        "[Sect2]",
        paramLine(1, {"5", "-1", "7"}),
        paramLine(2, {"12", "0", "-32768"}),
        paramLine(378, {"52", "104", "52"}),
        "[SectS]",
        stored("2"),
        stored("0"),
        "[SectO]",
        "[SectK]",
        stored("1  "),
        "[Sect1]", // a second body of the same section follows the first
        entry(7, 3, "001", "late game"),
    };
}

class ReaderTest : public ::testing::Test {
protected:
    TempCatalogue file{sampleLines()};
    TMainGame game;
    RecordingHost host;
    Catalogue cat{file.path(), game, host};
    void SetUp() override { ASSERT_TRUE(cat.loadGameList()); }
};

TEST(CatalogueShift, StoredCharactersReadBack48Away) {
    EXPECT_EQ(unshiftChar('P'), ' ');
    EXPECT_EQ(unshiftChar('`'), '0');
    EXPECT_EQ(unshiftChar('i'), '9');
    EXPECT_EQ(unshiftChar(']'), '-');
    EXPECT_EQ(unshiftChar('\x9b'), 'k'); // stored bytes above 127 come back down
    for (int c = 32; c < 128; ++c)
        EXPECT_EQ(unshiftChar(shiftChar(static_cast<char>(c))), c);
}

TEST_F(ReaderTest, SkippedEntryShiftsTheIndexAndRepeatedSectionsAdd) {
    ASSERT_EQ(game.gameList.size(), 4u);
    EXPECT_EQ(cat.gameIndex(0), 0); // in place: fast path
    EXPECT_EQ(cat.gameIndex(2), 1); // out of place: scan
    EXPECT_EQ(cat.gameIndex(1), 2);
    EXPECT_EQ(cat.gameIndex(3), 3); // from the second [Sect1]
    for (int id : {4, 999, 8000, -1})
        EXPECT_EQ(cat.gameIndex(id), -1) << id;
    EXPECT_EQ(cat.name(1), "Wide One");
    EXPECT_EQ(cat.name(4), "");
    EXPECT_EQ(cat.category(2), 8);
    EXPECT_EQ(cat.category(8003), 800);
    EXPECT_EQ(cat.category(4), -1);
    EXPECT_EQ(cat.category(-2), -1);
    EXPECT_TRUE(cat.isNewGame(3));
    EXPECT_FALSE(cat.isNewGame(0));
}

TEST_F(ReaderTest, IdOfNameIgnoresCaseAndTrailingSpaces) {
    EXPECT_EQ(cat.idOfName("spider  "), 2);
    EXPECT_EQ(cat.idOfName("LATE GAME"), 3);
    EXPECT_EQ(cat.idOfName("Spide"), -1);
    EXPECT_EQ(cat.idOfName("Hidden Game"), -1);
}

TEST_F(ReaderTest, ReadParamsByGameWithMinusOneSkipped) {
    const int indexes[] = {1, -1, 2, 378};
    // Game 1 has index 2; line 378 does not exist (only three lines), so it reads 0.
    EXPECT_EQ(cat.readParams(1, indexes), (std::vector<int>{7, -99, -32768, 0}));
    EXPECT_EQ(cat.readParams(2, indexes), (std::vector<int>{-1, -99, 0, 0}));
    EXPECT_EQ(cat.readParams(4, indexes), (std::vector<int>{0, -99, 0, 0}));
}

TEST_F(ReaderTest, ParameterPairsArePaddedPerListedGame) {
    const auto pairs = cat.parameterPairs(1, 2);
    ASSERT_EQ(pairs.size(), 4u);
    EXPECT_EQ(pairs[0], "00000000050000000012");
    EXPECT_EQ(pairs[1], "-0000000010000000000");
    EXPECT_EQ(pairs[2], "0000000007-000032768");
    EXPECT_EQ(pairs[3], "00000000000000000000"); // the late game has no column
}

TEST_F(ReaderTest, IdListsAndSortedNames) {
    EXPECT_EQ(cat.popularIds(), (std::vector<int>{2, 0}));
    EXPECT_TRUE(cat.originalIds().empty());
    EXPECT_EQ(cat.childrenIds(), (std::vector<int>{1}));
    EXPECT_EQ(cat.sortedNames(),
              (std::vector<std::string>{"Klondike", "late game", "Spider", "Wide One"}));
}

TEST_F(ReaderTest, LoadsTheColumnOfTheGameAndSavesTheRanges) {
    RuleParams p;
    ASSERT_TRUE(cat.loadRuleParams(p, 2));
    EXPECT_EQ(p[1], -1);
    EXPECT_EQ(p[378], 104);
    EXPECT_EQ(p[3], 0);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(ReaderTest, UnknownGameIsRefusedAndLeavesNothingToDeal) {
    RuleParams p;
    ASSERT_TRUE(cat.loadRuleParams(p, 0));
    for (int id : {4, 3, 8001, -1}) {
        host.messages.clear();
        EXPECT_FALSE(cat.loadRuleParams(p, id)) << id;
        EXPECT_FALSE(p.holdsGame()) << id;
        ASSERT_EQ(host.messages.size(), 1u) << id;
        EXPECT_NE(host.messages[0].find("cannot be played"), std::string::npos);
    }
}

TEST_F(ReaderTest, NewGameLoadsTheGameOfTheStateRecord) {
    Engine engine(&host);
    cat.install(engine);
    engine.state.write(field::GameId, "2");
    newGame(engine);
    EXPECT_EQ(engine.params[378], 104);

    Engine other(&host);
    cat.install(other);
    other.state.write(field::GameId, "7");
    newGame(other);
    EXPECT_FALSE(other.params.holdsGame());
    EXPECT_TRUE(other.table.stock().empty());
    EXPECT_FALSE(host.messages.empty());
}

TEST(CatalogueReader, DamagedColumnIsRefusedNamingTheParameter) {
    TempCatalogue file({"[Sect1]", entry(5, 0, "000", "Blank"), entry(5, 1, "000", "Fine"),
                        entry(5, 2, "000", "Beyond"), "[Sect2]", paramLine(1, {"", "3", "4"}),
                        paramLine(2, {"-1", "9", ""}).substr(0, 40)});
    TMainGame game;
    RecordingHost host;
    Catalogue cat(file.path(), game, host);
    ASSERT_TRUE(cat.loadGameList());
    RuleParams p;
    EXPECT_FALSE(cat.loadRuleParams(p, 0)); // a field of spaces is not a number
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_NE(host.messages[0].find("foundation-base-style"), std::string::npos)
        << host.messages[0];
    EXPECT_FALSE(cat.loadRuleParams(p, 2)); // line 2 ends before game 2's column
    ASSERT_TRUE(cat.loadRuleParams(p, 1));
    EXPECT_EQ(p[1], 3);
    EXPECT_EQ(p[2], 9);
}

TEST(CatalogueReader, LinesEndingInLineFeedOnlyReadTheSame) {
    TempCatalogue file({"[Sect1]", entry(5, 0, "000", "Klondike"), "[Sect2]", paramLine(1, {"-1"})},
                       "\n");
    TMainGame game;
    RecordingHost host;
    Catalogue cat(file.path(), game, host);
    ASSERT_TRUE(cat.loadGameList());
    EXPECT_EQ(cat.name(0), "Klondike");
    RuleParams p;
    ASSERT_TRUE(cat.loadRuleParams(p, 0));
    EXPECT_EQ(p[1], -1);
}

TEST(CatalogueReader, MissingFileIsReportedAndLoadingFails) {
    TMainGame game;
    game.gameList = {"kept"};
    RecordingHost host;
    Catalogue cat("/nonexistent/folder/GAMES.DAT", game, host);
    EXPECT_FALSE(cat.loadGameList());
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0], "Cannot find file:\n/nonexistent/folder/GAMES.DAT\n"
                                "Copy the file into the directory that above is specified\n"
                                "or reinstall the program.");
    EXPECT_TRUE(cat.popularIds().empty());
}

TEST_F(ReaderTest, CurrentGameThatIsNotListedBecomesMinusOne) {
    EXPECT_EQ(cat.checkedCurrentGame(2), 2);
    EXPECT_EQ(cat.checkedCurrentGame(4), -1);
    EXPECT_EQ(cat.checkedCurrentGame(-1), -1);
}

TEST_F(ReaderTest, ScreenCheckRefusesWideGamesOnNarrowScreens) {
    struct Case {
        int id, width;
        bool passes;
    };
    for (const Case c : {Case{1, 640, false}, Case{1, 650, true}, Case{0, 640, true},
                         Case{2, 640, true}, Case{4, 640, true}}) {
        host.messages.clear();
        EXPECT_EQ(cat.screenCheck(c.id, c.width), c.passes) << c.id << " at " << c.width;
        EXPECT_EQ(host.messages.size(), c.passes ? 0u : 1u);
    }
    cat.screenCheck(1, 640);
    EXPECT_EQ(host.messages.back(),
              "Your video card's display is 640x480 pixels.\n"
              "You can't play: Wide One\n"
              "Please set your screen resolution to 800x600 pixels or higher.");
}

class MapSettings : public AutoplaySettings {
public:
    std::optional<std::string> read(std::string_view key) const override {
        const auto it = values.find(std::string(key));
        return it == values.end() ? std::nullopt : std::optional(it->second);
    }
    void write(std::string_view key, std::string_view value) override {
        values[std::string(key)] = value;
    }
    std::map<std::string, std::string> values;
};

TEST(AutoplayPreference, GamesTextIsExtendedBeforeItsCharacterIsWritten) {
    struct Case {
        std::string before;
        int id;
        bool on;
        std::string after;
    };
    for (const Case& c :
         {Case{"YNY", 1, true, "YYY"}, Case{"YNY", 2, false, "YNNYYYYYYYYY"},
          Case{"", 0, false, "NYYYYYYYYY"}, Case{"YY", 4, false, "YYYYNYYYYYYYYY"}}) {
        std::string games = c.before;
        setAutoplayChar(games, c.id, c.on);
        EXPECT_EQ(games, c.after) << c.before << " id " << c.id;
    }

    MapSettings s;
    EXPECT_TRUE(autoplayPreference(s, 5));
    storeAutoplayPreference(s, 5, false);
    EXPECT_FALSE(autoplayPreference(s, 5));
    EXPECT_TRUE(autoplayPreference(s, 6));
    EXPECT_TRUE(autoplayPreference(s, 40)); // beyond the text: on
    storeAutoplayPreference(s, 8003, false);
    EXPECT_EQ(s.values.at("Cust_8003"), "N");
    EXPECT_FALSE(autoplayPreference(s, 8003));
    EXPECT_TRUE(autoplayPreference(s, 8004));
}

TEST(Categories, TextsAndIconNames) {
    EXPECT_EQ(categoryText(8), "Spider type");
    EXPECT_EQ(categoryIconName(12), "TREE5_BAKERSDOZEN_TYPE");
    EXPECT_EQ(categoryIconName(800), "TREE5_CUSTOMIZED_GAMES");
    EXPECT_EQ(categoryIconName(1), "");
    EXPECT_EQ(categoryText(28), "");
}

} // namespace
} // namespace vellamor::catalogue
