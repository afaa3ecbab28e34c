#include "engine/actions.h"
#include "rules_fixture.h"

namespace vellamor::testing {
namespace {

// With the first-move rule, not even the stock deals before a card has gone
// from the tableau to a foundation.
TEST_F(RulesFixture, TheStockWaitsForTheFirstMove) {
    e.flags.set(StateFlag::InProgress);
    set(prm::FirstMoveToFoundation, 1);
    set(prm::Tableaus, 2);
    setRange(prm::TableauStockDeal, 2, 1);
    pile(kStock, "#2C #3C #4C");
    fila(1, "AH");
    fila(2, "5D");
    EXPECT_FALSE(stockClick(e));
    EXPECT_EQ(e.table.stock().size(), 3);
    ASSERT_TRUE(moveCard(e, card("AH"), "Dest1"));
    EXPECT_TRUE(stockClick(e));
    EXPECT_LT(e.table.stock().size(), 3);
}

} // namespace
} // namespace vellamor::testing
