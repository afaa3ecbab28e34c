// A whole layout of a ten-pile game, and hit tests on a fanned pile of 30 cards.
#include "engine/engine.h"
#include "layout/card_position.h"
#include "layout/layout.h"

#include <benchmark/benchmark.h>

namespace {

using namespace vellamor;

void spiderTable(Engine& e) {
    const std::pair<int, int> params[] = {
        {prm::Cards, 104},      {prm::Tableaus, 10},          {prm::Foundations, 8},
        {prm::StockAreaPiles, 1}, {prm::StockAreaArrangement, 5}, {prm::StockAreaRow, 1},
        {prm::FoundationArrangement, 9}, {prm::FoundationRow, 1}, {prm::TableauArrangement, 1},
        {prm::TableauRow, 2},   {prm::TableauStyle, 1},
    };
    for (auto [i, v] : params) e.params.set(i, v);
}

void BM_LayoutTenPiles(benchmark::State& state) {
    Engine e;
    spiderTable(e);
    setCardSpacing(e, 'B');
    LayoutInput in;
    for (auto _ : state) {
        layoutTable(e, in);
        benchmark::DoNotOptimize(e.game.tableauX(9));
    }
}
BENCHMARK(BM_LayoutTenPiles);

void BM_HitTestThirtyCards(benchmark::State& state) {
    Engine e;
    spiderTable(e);
    setCardSpacing(e, 'B');
    layoutTable(e, LayoutInput{});
    Pile& pile = e.table.tableau[9];
    for (int c = 1; c <= 30; ++c) {
        pile.push(c);
        e.cards.setFaceUp(c, c > 5);
    }
    const int x = e.game.tableauX(9) + 10;
    const int y = e.game.tableauY(9) + 5 * 4 + 20 * 18 + 5; // the 26th card's strip
    CardPlace hit;
    for (auto _ : state) {
        benchmark::DoNotOptimize(hitTest(e, x, y, hit));
        benchmark::DoNotOptimize(hit.card);
    }
}
BENCHMARK(BM_HitTestThirtyCards);

} // namespace

BENCHMARK_MAIN();
