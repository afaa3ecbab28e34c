// What the program says about a pile: the building sentence, the five status
// texts of real catalogue games, the redeal texts, the labels of "Show piles'
// info", and the pile-text file laid over them.
#include "catalogue/catalogue.h"
#include "catalogue/pile_info.h"
#include "engine/deal.h"
#include "engine/engine.h"
#include "engine/recording_host.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>

namespace vellamor::catalogue {
namespace {

constexpr int kKlondike = 0, kKlondikeByThrees = 1, kSpider = 18, kStorehouse = 29, kBristol = 41,
              kCalculation = 45;

// A catalogue game dealt with game number 1.
std::unique_ptr<Engine> dealt(int id) {
    static testing::RecordingHost host;
    auto e = std::make_unique<Engine>();
    Catalogue cat(std::string(VELLAMOR_PROGRAM_DIR) + "/GAMES.DAT", e->game, host);
    EXPECT_TRUE(cat.loadGameList());
    EXPECT_TRUE(cat.loadRuleParams(e->params, id)) << id;
    e->state.writeInt(field::GameId, id);
    e->state.write(field::GameNumber, "0000000000001");
    EXPECT_TRUE(newGame(*e));
    return e;
}

std::string all(const PileStatus& s) {
    return s.name + " | " + s.piles + " | " + s.cards + " | " + s.rule + " | " + s.redeals;
}

TEST(BuildingSentence, SuitRuleByDirectionAndOverride) {
    struct Case {
        int rule, direction, override;
        const char* text;
    } cases[] = {
        {3, 0, -1, "Build down in alternating colors (ex. 10 [d] on Jack [c][s])"},
        {3, 1, -1, "Build up in alternating colors (ex. 2 [s] on Ace [h][d])"},
        {0, 1, -1, "Build up in suit (ex. 2 [h] on Ace [h])"},
        {0, 2, -1, "Build up or down in suit (ex. 10 [d] on 9 [d] or on Jack [d])"},
        {1, 0, -1, "Build down by the same color (ex. 10 [h] on Jack [h][d])"},
        {1, 2, -1, "Build up or down by the same color (ex. 10 [d] on 9 [d][h] or on Jack [d][h])"},
        {2, 2, -1, "Build up or down regardless of suit (ex. 10 [c] on any 9 or on any Jack)"},
        // The override stands for the pile's own rule, whatever that is.
        {3, 1, 2, "Build up regardless of suit (ex. 2 [h] on Ace [h][c][d][s])"},
        {0, 0, 4, "The top card is available for play to the foundations "},
        {4, 1, -1, "The top card is available for play to the foundations "},
        {21, 0, -1, " "},
        {1, 7, -1, " "},
        {2, 0, 14, " "},
    };
    for (const Case& c : cases)
        EXPECT_EQ(buildingSentence(c.rule, c.direction, c.override), c.text)
            << c.rule << " " << c.direction << " " << c.override;
}

TEST(PileStatus, CatalogueGamesDescribeTheirPiles) {
    struct Case {
        int game;
        PileId pile;
        const char* text;
    } cases[] = {
        {kKlondike, tableau(2),
         "Tableau | 7 | 3 cards | Build down in alternating colors (ex. 10 [d] on Jack [c][s]) | "
         "Unlimited redeals"},
        {kKlondike, tableau(0),
         "Tableau | 7 | 1 card | Build down in alternating colors (ex. 10 [d] on Jack [c][s]) | "
         "Unlimited redeals"},
        {kKlondike, kStock,
         "Stock | 1 | 24 cards | Click to turn up one card at a time to the waste | Unlimited "
         "redeals"},
        {kKlondike, kWaste,
         "Waste | 1 | 0 cards | The top card is available for play to the foundations or to the "
         "tableau | "
         "Unlimited redeals"},
        {kKlondike, foundation(3),
         "Foundation | 4 | 0 cards | Build up in suit (ex. 2 [h] on Ace [h]) | Unlimited redeals"},
        {kKlondikeByThrees, kStock,
         "Stock | 1 | 24 cards | Click to turn up 3 cards at a time to the waste | Unlimited "
         "redeals"},
        {kSpider, foundation(7),
         "Foundation | 8 | 0 cards | The top card is available for play to the foundations  | "
         "No redeal"},
        {kSpider, kStock,
         "Stock | 1 | 50 cards | Click to deal a new row of cards to the tableau | No redeal"},
        {kBristol, reserve(1),
         "Reserve | 3 | 1 card | The top card is available for play to the foundations or to the "
         "tableau | No redeal"},
        {kBristol, kStock,
         "Stock | 1 | 25 cards | Click to deal a new row of cards to the reserve | No redeal"},
        // Foundation-rule-named -1: each foundation names its own rule.
        {kCalculation, foundation(0),
         "Foundation | 4 | 1 card | Build up regardless of suit (ex. 2 [h] on Ace [h][c][d][s]) | "
         "0/0 redeals"},
        {kCalculation, foundation(1), "Foundation | 4 | 1 card |   | 0/0 redeals"},
        {kCalculation, kSecondWaste, "Waste | 1 | 0 cards |  | 0/0 redeals"},
    };
    for (const Case& c : cases) {
        const auto e = dealt(c.game);
        EXPECT_EQ(all(pileStatus(*e, c.pile)), c.text) << c.game << " " << pileName(c.pile);
    }
}

TEST(PileStatus, FoundationRuleNamedSpeaksForEveryFoundation) {
    const auto e = dealt(kKlondike);
    e->params.set(prm::FoundationRuleNamed, 2);
    const int ownRules[4] = {0, 1, 3, 4};
    for (int k = 0; k < 4; ++k) {
        e->params.set(prm::FoundationSuitRule + k, ownRules[k]);
        EXPECT_EQ(pileStatus(*e, foundation(k)).rule,
                  "Build up regardless of suit (ex. 2 [h] on Ace [h][c][d][s])");
    }
    // A foundation of its own rule, building down in alternating colours.
    e->params.set(prm::FoundationRuleNamed, -1);
    e->params.set(prm::FoundationDirection + 2, 0);
    EXPECT_EQ(pileStatus(*e, foundation(2)).rule,
              "Build down in alternating colors (ex. 10 [d] on Jack [c][s])");
}

// Storehouse goes three times through the stock: two redeals.
TEST(PileStatus, RedealsAndTheEmptyStock) {
    struct Case {
        int game, passes, pass;
        bool stockEmpty;
        const char *rule, *redeals, *left;
    } cases[] = {
        {kStorehouse, 3, 1, false, "Click to turn up one card at a time to the waste",
         "0/2 redeals", "0/2"},
        {kStorehouse, 3, 1, true, "Click to redeal", "0/2 redeals", "0/2"},
        {kStorehouse, 3, 2, true, "Click to redeal", "1/2 redeals", "1/2"},
        {kStorehouse, 3, 3, true, "", "2/2 redeals", "2/2"},
        {kKlondike, -1, 40, true, "Click to redeal", "Unlimited redeals", "Unlimited"},
        {kKlondike, 0, 1, true, "", "No redeal", "none"},
        {kKlondike, 1, 1, true, "", "0/0 redeals", "0/0"},
        {kKlondike, 2, 1, false, "Click to turn up one card at a time to the waste", "0/1 redeals",
         "0/1"},
    };
    for (const Case& c : cases) {
        const auto e = dealt(c.game);
        if (c.game == kStorehouse) {
            ASSERT_EQ(e->params[prm::Passes], 3);
        }
        e->params.set(prm::Passes, c.passes);
        e->game.passNumber = static_cast<TMainGame::i16>(c.pass);
        if (c.stockEmpty) e->table.stock().clear();
        const PileStatus s = pileStatus(*e, kStock);
        EXPECT_EQ(s.rule, c.rule) << c.game << " pass " << c.pass;
        EXPECT_EQ(s.redeals, c.redeals) << c.game << " pass " << c.pass;
        const PointerPanelTexts p = pointerPanelTexts(*e, kStock);
        EXPECT_TRUE(p.showRedeals);
        EXPECT_EQ(p.redealsCaption, "Redeals:");
        EXPECT_EQ(p.redeals, c.left);
    }
}

TEST(PileStatus, TurnCountsAndStockDeals) {
    const auto e = dealt(kKlondike);
    const std::pair<int, const char*> counts[] = {
        {1, "Click to turn up one card at a time to the waste"},
        {3, "Click to turn up 3 cards at a time to the waste"},
        {0, ""},
        {-2, ""},
    };
    for (const auto& [n, text] : counts) {
        e->params.set(prm::StockTurnCount, n);
        EXPECT_EQ(pileStatus(*e, kStock).rule, text) << n;
    }
    // Without a waste in play the stock feeds the tableau, or the reserves: any
    // pile of the game that takes cards from it counts.
    e->params.set(prm::WasteInPlay, 0);
    EXPECT_EQ(pileStatus(*e, kStock).rule, "");
    e->params.set(prm::TableauStockDeal + 6, 1);
    EXPECT_EQ(pileStatus(*e, kStock).rule, "Click to deal a new row of cards to the tableau");
    e->params.set(prm::TableauStockDeal + 6, 0);
    e->params.set(prm::Reserves, 2);
    e->params.set(prm::ReserveStockDeal + 1, 1);
    EXPECT_EQ(pileStatus(*e, kStock).rule, "Click to deal a new row of cards to the reserve");
}

TEST(PileStatus, GridHolesAreNotCards) {
    Engine e;
    e.params.set(prm::TableauStyle, 8);
    e.params.set(prm::Tableaus, 2);
    Pile& grid = e.table.tableau[0];
    for (int c : {1, kHole, 14, kHole, kHole, 27})
        grid.push(c);
    EXPECT_EQ(pileStatus(e, tableau(0)).cards, "3 cards");
    Pile& one = e.table.tableau[1];
    for (int c : {kHole, 5, kHole})
        one.push(c);
    EXPECT_EQ(pileStatus(e, tableau(1)).cards, "1 card");
    EXPECT_EQ(pointerPanelTexts(e, tableau(1)).cards, "1 card");
    e.params.set(prm::TableauStyle, 12);
    EXPECT_EQ(pileLabel(e, tableau(0), 71).cards, "3 cards");
}

TEST(PileLabels, ShortNamesByCardWidth) {
    const auto e = dealt(kBristol);
    struct Case {
        PileId pile;
        int width;
        const char *name, *cards;
    } cases[] = {
        {tableau(0), 71, "Tableau", "3 cards"},    {tableau(0), 70, "Tabl.", "3 cards"},
        {reserve(0), 71, "Reserve", "1 card"},     {reserve(0), 49, "Res.", "1 card"},
        {foundation(0), 102, "Found.", "0 cards"}, {foundation(0), 49, "Found.", "0 cards"},
        {kStock, 49, "Stock", "25 cards"},
    };
    for (const Case& c : cases) {
        const PileLabel l = pileLabel(*e, c.pile, c.width);
        EXPECT_EQ(l.name, c.name) << pileName(c.pile) << " " << c.width;
        EXPECT_EQ(l.cards, c.cards) << pileName(c.pile);
    }
}

TEST(PileLabels, EveryShownPileOfTheGame) {
    const auto e = dealt(kKlondike);
    for (int i = 0; i < 3; ++i)
        e->game.setStockX(i, i == 2 ? -10000 : 10 + i * 80);
    e->game.setTableauX(6, -10000); // an arrangement that leaves a pile out
    const std::vector<PileId> piles = labelledPiles(*e);
    ASSERT_EQ(piles.size(), 6u + 4u + 2u);
    EXPECT_EQ(piles.front(), tableau(0));
    EXPECT_EQ(piles[6], foundation(0));
    EXPECT_EQ(piles[10], kStock);
    EXPECT_EQ(piles[11], kWaste);
}

// ---- the pile-text file ----------------------------------------------------------------------

class PileTextFile : public ::testing::Test {
protected:
    std::string path =
        (std::filesystem::temp_directory_path() /
         ("vellamor_solr_" + std::to_string(reinterpret_cast<std::uintptr_t>(this)) + ".dat"))
            .string();
    void write(const std::vector<std::string>& lines) {
        std::ofstream out(path, std::ios::binary);
        for (const std::string& l : lines)
            out << l << "\r\n";
    }
    void TearDown() override { std::filesystem::remove(path); }
};

TEST(PileTextScramble, KeyBytesOneToFourAddedInTurn) {
    const std::string plain = "0029T003=Build down (ex. 10 [s] on Jack [s]) and more text";
    const std::string stored = scramble(plain);
    ASSERT_EQ(stored.size(), plain.size());
    for (std::size_t i = 0; i < plain.size(); ++i) {
        const int d = static_cast<unsigned char>(stored[i]) - static_cast<unsigned char>(plain[i]);
        EXPECT_GE(d, 1);
        EXPECT_LE(d, 4);
        if (i >= 15) {
            EXPECT_EQ(d, static_cast<unsigned char>(stored[i - 15]) -
                             static_cast<unsigned char>(plain[i - 15]));
        }
    }
    EXPECT_EQ(unscramble(stored), plain);
    // Past 255 the sum wraps round, and back.
    const std::string high = "\xfe\xff\xfd\xfc";
    EXPECT_EQ(unscramble(scramble(high)), high);
    // Key and value each start from the key's first byte; the '=' stays plain.
    EXPECT_EQ(scrambledEntry("0001T001", "0001T001"),
              scramble("0001T001") + "=" + scramble("0001T001"));
}

TEST_F(PileTextFile, EntriesOfTheGameReplaceTheTexts) {
    write({
        scrambledEntry("0028T003", "another game's sentence"),
        scrambledEntry("0029T003", "Build anything on pile three"),
        scrambledEntry("0029T000", "Build anything [h]"),
        scrambledEntry("0029TD02", "Street,XY"),
        scrambledEntry("0029SD01", "Hand"), // no comma
        scrambledEntry("0029S001", "Click for cards"),
        scrambledEntry("0029W002", "The second waste"),
        scrambledEntry("0030T003", "a later game's sentence"),
    });
    const auto e = dealt(kStorehouse);
    PileTexts texts;
    ASSERT_TRUE(texts.load(path, kStorehouse));
    EXPECT_EQ(texts.size(), 6u);

    const PileStatus own = pileStatus(*e, tableau(2), &texts);
    EXPECT_EQ(own.name, "Tableau");
    EXPECT_EQ(own.rule, "Build anything on pile three");
    const PileStatus named = pileStatus(*e, tableau(1), &texts);
    EXPECT_EQ(named.rule, "Build anything [h]"); // the kind's "000" entry
    EXPECT_EQ(named.name, "Street");
    EXPECT_EQ(named.piles, "XY");
    EXPECT_EQ(pointerPanelTexts(*e, tableau(1), &texts).heading, "Street (XY)");
    EXPECT_EQ(pileLabel(*e, tableau(1), 49, &texts).name, "Street");

    const PileStatus stock = pileStatus(*e, kStock, &texts);
    EXPECT_EQ(stock.name, "");
    EXPECT_EQ(stock.piles, "1");
    EXPECT_EQ(stock.rule, "Click for cards");
    EXPECT_EQ(pileLabel(*e, kStock, 71, &texts).name, "");
    EXPECT_EQ(pileStatus(*e, kSecondWaste, &texts).rule, "The second waste");
    EXPECT_EQ(pileStatus(*e, kWaste, &texts).rule, pileRuleText(*e, kWaste));

    // Piles without entries keep the made texts.
    EXPECT_EQ(all(pileStatus(*e, foundation(0), &texts)), all(pileStatus(*e, foundation(0))));

    // Another game of the same file.
    PileTexts other;
    ASSERT_TRUE(other.load(path, 28));
    EXPECT_EQ(pileStatus(*e, tableau(2), &other).rule, "another game's sentence");
    EXPECT_EQ(other.sentence(tableau(1)), nullptr);
}

TEST_F(PileTextFile, MissingOrDamagedFilesFallBackToTheMadeTexts) {
    const auto e = dealt(kStorehouse);
    PileTexts texts;
    EXPECT_FALSE(texts.load(path + ".missing", kStorehouse));
    EXPECT_TRUE(texts.empty());
    EXPECT_EQ(all(pileStatus(*e, tableau(2), &texts)), all(pileStatus(*e, tableau(2))));

    write({
        "", "garbage without an equals sign", "=" + scramble("Build"),
        scramble("0029T00") + "=" + scramble("key one short"),
        scramble("0029T003x") + "=" + scramble("key one long"),
        std::string("\x01\x02\xff\x00\x7f", 5), scrambledEntry("0029T003", "still read"),
        scramble("0029T004"), // no value at all
    });
    ASSERT_TRUE(texts.load(path, kStorehouse));
    EXPECT_EQ(texts.size(), 1u);
    EXPECT_EQ(pileStatus(*e, tableau(2), &texts).rule, "still read");
    EXPECT_EQ(pileStatus(*e, tableau(3), &texts).rule, pileRuleText(*e, tableau(3)));

    // A scrambled key may hold an '=' of its own (a 9 plus 4): the key is read
    // by its length, not up to the first '='.
    const std::string key = "0990T001";
    ASSERT_NE(scramble(key).find('='), std::string::npos);
    write({scrambledEntry(key, "Build = anything")});
    ASSERT_TRUE(texts.load(path, 990));
    ASSERT_NE(texts.sentence(tableau(0)), nullptr);
    EXPECT_EQ(*texts.sentence(tableau(0)), "Build = anything");

    // A game id the file cannot hold finds nothing.
    EXPECT_FALSE(texts.load(path, -1));
    EXPECT_TRUE(texts.empty());
}

} // namespace
} // namespace vellamor::catalogue
