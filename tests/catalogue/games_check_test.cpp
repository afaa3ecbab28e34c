// Every game of data/games: its deals over many game numbers, and its column in
// the compiled GAMES.DAT of the program folder.
#include "catalogue/catalogue.h"
#include "engine/deal.h"
#include "engine/engine.h"
#include "engine/recording_host.h"
#include "gamec/compile.h"
#include "gamec/pages.h"

#include <array>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace vellamor {
namespace {

using gamec::CompiledGame;

const gamec::CompileResult& sources() {
    static const gamec::CompileResult result =
        gamec::compileFolder(std::string(VELLAMOR_SOURCE_DIR) + "/data/games");
    return result;
}

// 200 game numbers: the ends of the range and a fixed spread between them.
std::vector<std::string> gameNumbers() {
    std::vector<std::string> numbers = {"0", "1", "9999999999999", "1000000000000", "18"};
    unsigned long long x = 88172645463325252ull;
    while (numbers.size() < 200) {
        x ^= x << 13;
        x ^= x >> 7;
        x ^= x << 17;
        numbers.push_back(std::to_string(x % 10000000000000ull));
    }
    return numbers;
}

RuleParams paramsOf(const CompiledGame& g) {
    RuleParams p;
    for (int i = 0; i < RuleParams::kSize; ++i)
        p.set(i, g.entry.params[i]);
    p.saveRanges();
    return p;
}

TEST(GameSources, CompileWithoutErrors) {
    for (const auto& d : sources().errors)
        ADD_FAILURE() << d.text();
    ASSERT_GE(sources().games.size(), 40u);
    for (std::size_t i = 0; i < sources().games.size(); ++i)
        EXPECT_EQ(sources().games[i].entry.id, static_cast<int>(i));
    ASSERT_GT(sources().games.size(), 18u);
    EXPECT_EQ(sources().games[18].entry.name, "Spider"); // the default game of the settings
}

// Every card of the prepared deck is dealt exactly once, nothing is left over,
// and only the piles the game has hold cards, within their limits.
TEST(GameSources, EveryDealPlacesEveryCardOnce) {
    const auto numbers = gameNumbers();
    for (const CompiledGame& g : sources().games) {
        Engine e;
        e.params = paramsOf(g);
        const auto& p = e.params;
        for (const std::string& number : numbers) {
            const auto digits = gameNumberDigits(number);
            ASSERT_TRUE(digits);
            e.state.write(field::GameNumber, gameNumberText(*digits));
            newGame(e);
            DealArray deck = buildDealArray(e, *digits);
            prepareDeck(e, deck);

            std::array<int, kMaxCard + 1> expected{}, dealt{};
            for (int i = 0; i < deck.size(); ++i)
                ++expected[deck[i]];
            ASSERT_EQ(expected[kHole], 0) << g.entry.name << " #" << number;
            for (int line = 0; line < kPileLines; ++line)
                for (CardCode c : e.table.line(line))
                    ++dealt[c];
            dealt[kHole] = 0;
            ASSERT_EQ(dealt, expected) << g.entry.name << " #" << number;

            const std::string what = g.entry.name + " #" + number;
            for (int i = e.tableauCount(); i < kTableauCount; ++i)
                ASSERT_TRUE(e.table.tableau[i].empty()) << what;
            for (int i = e.foundationCount(); i < kFoundationCount; ++i)
                ASSERT_TRUE(e.table.foundations[i].empty()) << what;
            for (int i = e.reserveCount(); i < kReserveCount; ++i)
                ASSERT_TRUE(e.table.reserves[i].empty()) << what;
            for (int i = 0; i < e.foundationCount(); ++i)
                ASSERT_LE(e.table.foundations[i].size(), p[prm::FoundationMax]) << what;
            for (int i = 0; i < e.tableauCount(); ++i)
                ASSERT_TRUE(p[prm::TableauMax] == -1 ||
                            e.table.tableau[i].size() <= p[prm::TableauMax])
                    << what;
            ASSERT_TRUE(p[prm::StockInPlay] == 1 || e.table.stock().empty()) << what;
            ASSERT_TRUE(p[prm::WasteInPlay] == 1 || e.table.waste().empty()) << what;
            ASSERT_TRUE(p[prm::SecondWastes] >= 1 || e.table.secondWaste().empty()) << what;
            e.params.restoreRanges();
        }
    }
}

TEST(GameSources, CompiledCatalogueGivesBackEverySourceValue) {
    const std::string path = std::string(VELLAMOR_PROGRAM_DIR) + "/GAMES.DAT";
    TMainGame game;
    testing::RecordingHost host;
    catalogue::Catalogue cat(path, game, host);
    ASSERT_TRUE(cat.loadGameList()) << path;
    ASSERT_EQ(game.gameList.size(), sources().games.size());
    for (const CompiledGame& g : sources().games) {
        const int id = g.entry.id;
        EXPECT_EQ(cat.gameIndex(id), id);
        EXPECT_EQ(cat.name(id), g.entry.name);
        EXPECT_EQ(cat.idOfName(g.entry.name), id);
        EXPECT_EQ(cat.category(id), g.entry.category);
        EXPECT_EQ(cat.isNewGame(id), g.entry.isNew);
        EXPECT_EQ(cat.screenCheck(id, 640), !g.entry.wideOnly) << g.entry.name;
        RuleParams loaded;
        ASSERT_TRUE(cat.loadRuleParams(loaded, id)) << g.entry.name;
        for (int k = 1; k < RuleParams::kSize; ++k)
            ASSERT_EQ(loaded[k], g.entry.params[k]) << g.entry.name << " parameter " << k;
    }
    EXPECT_EQ(cat.popularIds(), sources().lists.popular);
    EXPECT_EQ(cat.originalIds(), sources().lists.original);
    EXPECT_EQ(cat.childrenIds(), sources().lists.children);
}

TEST(GameSources, RulesPagesAndGameListAreUpToDate) {
    for (const CompiledGame& g : sources().games) {
        std::ifstream page(std::string(VELLAMOR_PROGRAM_DIR) + "/help/" + gamec::rulesPageName(g));
        std::stringstream text;
        text << page.rdbuf();
        EXPECT_EQ(text.str(), gamec::rulesPage(g)) << gamec::rulesPageName(g);
    }
    std::ifstream doc(std::string(VELLAMOR_SOURCE_DIR) + "/docs/games.md");
    std::stringstream text;
    text << doc.rdbuf();
    EXPECT_EQ(text.str(), gamec::gamesMarkdown(sources().games))
        << "docs/games.md is stale: cmake --build build --target games-doc";
}

} // namespace
} // namespace vellamor
