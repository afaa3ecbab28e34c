// Deals per second: building the deal array from a game number and filling the piles.
#include "engine/deal.h"
#include "engine/engine.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace vellamor;

void klondike(Engine& e) {
    e.params.set(prm::Cards, 52);
    e.params.set(prm::Tableaus, 7);
    e.params.set(prm::Foundations, 4);
    e.params.set(prm::StockCards, 24);
    e.params.set(prm::StockFaceDown, 1);
    for (int i = 0; i < 7; ++i) {
        e.params.set(prm::TableauCards + i, i + 1);
        e.params.set(prm::TableauFaceUp + i, 1);
    }
}

void spider(Engine& e) {
    e.params.set(prm::Cards, 104);
    e.params.set(prm::Tableaus, 10);
    e.params.set(prm::Foundations, 8);
    e.params.set(prm::StockCards, 50);
    e.params.set(prm::StockFaceDown, 1);
    for (int i = 0; i < 10; ++i) {
        e.params.set(prm::TableauCards + i, i < 4 ? 6 : 5);
        e.params.set(prm::TableauFaceUp + i, 1);
    }
}

// One deal per iteration, each with another game number, the table cleared
// before it as a new game does.
void runDeals(benchmark::State& state, void (*setup)(Engine&)) {
    Engine e;
    setup(e);
    e.params.saveRanges();
    long long number = 1'234'567'890'123LL;
    for (auto _ : state) {
        std::string text = std::to_string(number++);
        e.state.write(field::GameNumber, text);
        e.table.clear();
        e.params.restoreRanges();
        deal(e);
        benchmark::DoNotOptimize(e.table.tableau[0].top());
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_DealOneDeckKlondike(benchmark::State& state) { runDeals(state, klondike); }
void BM_DealTwoDeckSpider(benchmark::State& state) { runDeals(state, spider); }

BENCHMARK(BM_DealOneDeckKlondike);
BENCHMARK(BM_DealTwoDeckSpider);

} // namespace

BENCHMARK_MAIN();
