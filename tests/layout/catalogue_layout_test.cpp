// Every game of the catalogue, laid out on a small, a middle and a large screen:
// every shown base card inside the table, no two on top of each other, and
// every pile the game uses shown unless the game keeps it out of play.
#include "layout/card_position.h"
#include "layout/layout.h"
#include "layout_check.h"

#include "catalogue/catalogue.h"
#include "engine/engine.h"

#include <gtest/gtest.h>

namespace vellamor {
namespace {

using namespace vellamor::testing;

// Piles of the stock area that the game keeps out of play may stay hidden.
std::string unshownPile(const Engine& e) {
    const TMainGame& g = e.game;
    const RuleParams& p = e.params;
    const int stockPiles = p[prm::StockAreaPiles];
    if (stockPiles >= 1 && TMainGame::hidden(g.stockX(0)) && p[prm::StockInPlay] == 1)
        return "the stock";
    if (stockPiles >= 2 && TMainGame::hidden(g.stockX(1)) && p[prm::WasteInPlay] == 1)
        return "the waste";
    if (p[prm::SecondWastes] > 0 && TMainGame::hidden(g.stockX(2))) return "the second waste";
    for (int i = 0; i < e.foundationCount(); ++i)
        if (TMainGame::hidden(g.foundationX(i))) return pileName(foundation(i));
    for (int i = 0; i < e.tableauCount(); ++i)
        if (TMainGame::hidden(g.tableauX(i))) return pileName(tableau(i));
    for (int i = 0; i < e.reserveCount(); ++i)
        if (TMainGame::hidden(g.reserveX(i))) return pileName(reserve(i));
    return {};
}

TEST(CatalogueLayout, EveryGameFitsEveryScreen) {
    SilentHost host;
    Engine engine(&host);
    catalogue::Catalogue games(catalogue::Catalogue::pathIn(VELLAMOR_PROGRAM_DIR), engine.game, host);
    ASSERT_TRUE(games.loadGameList());
    ASSERT_GE(engine.game.gameList.size(), 40u);

    int checked = 0;
    for (const std::string& entry : std::vector<std::string>(engine.game.gameList)) {
        const int id = catalogue::Entry::id(entry);
        if (id < 0 || catalogue::Entry::skipped(entry)) continue;
        ASSERT_TRUE(games.loadRuleParams(engine.params, id)) << id;
        const bool wide = engine.params[prm::WidthClass] == 2;
        struct Screen {
            int width, height;
            char size;
        };
        const Screen screens[] = {{640, 480, wide ? 'N' : 'M'}, {1024, 768, 'B'}, {1920, 1080, 'S'}};
        for (const Screen& s : screens) {
            // A game marked for wide screens is refused on a 640-pixel screen.
            if (s.width < catalogue::kNarrowScreen && catalogue::Entry::wideOnly(entry)) continue;
            SCOPED_TRACE(::testing::Message() << "game " << id << " (" << catalogue::Entry::name(entry)
                                              << ") at " << s.width << "x" << s.height);
            setCardSpacing(engine, s.size);
            const CardSize size = cardSizeOf(s.size);
            const LayoutInput in = screen(s.width, s.height, size.width, size.height);
            layoutTable(engine, in);
            EXPECT_EQ(layoutFault(engine, in), "");
            EXPECT_EQ(unshownPile(engine), "");
        }
        ++checked;
    }
    EXPECT_GE(checked, 40);
}

} // namespace
} // namespace vellamor
