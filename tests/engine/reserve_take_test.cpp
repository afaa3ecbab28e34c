#include "engine/actions.h"
#include "engine/rules.h"
#include "rules_fixture.h"

namespace vellamor::testing {
namespace {

// A reserve whose cards may all be taken (rule -11) gives each card alone, even
// from under others: to a foundation and to the tableau.
TEST_F(RulesFixture, AnyReserveCardGoesAlone) {
    e.flags.set(StateFlag::InProgress);
    set(prm::Reserves, 1);
    set(prm::ReserveTakeRule, -11);
    appogg(1, "9C AH QH");
    fila(1, "10D");
    EXPECT_EQ(movingBlock(e, card("AH")).count, 1);
    EXPECT_TRUE(doubleClickMove(e, card("AH")));
    EXPECT_EQ(e.table.foundations[0].text(), "001");
    ASSERT_TRUE(pileAccepts(e, "Fila1", card("9C")));
    ASSERT_TRUE(moveCard(e, card("9C"), "Fila1"));
    EXPECT_EQ(e.table.tableau[0].text(), "023035");
    EXPECT_EQ(e.table.reserves[0].text(), "012");

    set(prm::ReserveTakeRule, 0); // other reserves: a card carries the cards above it
    appogg(1, "8S QH");
    EXPECT_EQ(movingBlock(e, card("8S")).count, 2);
}

} // namespace
} // namespace vellamor::testing
