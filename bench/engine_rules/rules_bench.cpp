// The building rules on a mid-game Klondike position: one pile-accepts call,
// one count test, and the scan of every legal single-card move.
#include "engine/engine.h"
#include "engine/rules.h"

#include <benchmark/benchmark.h>
#include <initializer_list>

namespace vellamor {
namespace {

int c(int suit, int r) {
    return cardCode(suit, r);
}

// Klondike after some twenty moves: two Aces up, blocks on the tableau, a
// partly turned stock.
void midGame(Engine& e) {
    RuleParams& p = e.params;
    p.set(prm::Cards, 52);
    p.set(prm::Tableaus, 7);
    p.set(prm::Foundations, 4);
    p.set(prm::TakeBlocks, -1);
    p.set(prm::FoundationMax, 13);
    p.set(prm::TableauMax, -1);
    for (int i = 0; i < 7; ++i) {
        p.set(prm::TableauSuitRule + i, 3);
        p.set(prm::TableauFill + i, 13);
    }
    for (int f = 0; f < 4; ++f) {
        p.set(prm::FoundationBase + f, 1);
        p.set(prm::FoundationDirection + f, 1);
    }
    Table& t = e.table;
    const auto fill = [&](Pile& pile, std::initializer_list<int> cards, int faceDown) {
        int n = 0;
        for (int card : cards) {
            pile.push(card);
            e.cards.setFaceUp(card, n++ >= faceDown);
        }
    };
    using enum Suit;
    fill(t.foundations[0], {c(kHearts, 1), c(kHearts, 2), c(kHearts, 3)}, 0);
    fill(t.foundations[1], {c(kSpades, 1)}, 0);
    fill(t.tableau[0], {c(kClubs, 13), c(kHearts, 12), c(kClubs, 11)}, 0);
    fill(t.tableau[1], {c(kDiamonds, 9), c(kSpades, 8)}, 1);
    fill(t.tableau[2], {c(kClubs, 4), c(kDiamonds, 12), c(kSpades, 6), c(kHearts, 5)}, 2);
    fill(t.tableau[3], {c(kSpades, 10), c(kClubs, 2), c(kDiamonds, 7), c(kHearts, 13)}, 3);
    fill(t.tableau[4],
         {c(kDiamonds, 2), c(kClubs, 7), c(kHearts, 9), c(kSpades, 12), c(kDiamonds, 11),
          c(kClubs, 10)},
         3);
    fill(t.tableau[5],
         {c(kSpades, 3), c(kDiamonds, 5), c(kClubs, 8), c(kHearts, 6), c(kSpades, 13),
          c(kDiamonds, 13)},
         5);
    fill(t.tableau[6],
         {c(kHearts, 7), c(kClubs, 6), c(kSpades, 9), c(kDiamonds, 6), c(kHearts, 4), c(kClubs, 12),
          c(kSpades, 5)},
         6);
    fill(t.waste(), {c(kDiamonds, 4), c(kSpades, 2), c(kHearts, 10)}, 0);
    fill(t.stock(),
         {c(kClubs, 1), c(kDiamonds, 1), c(kSpades, 4), c(kHearts, 8), c(kClubs, 3),
          c(kDiamonds, 3), c(kClubs, 5), c(kDiamonds, 8), c(kClubs, 9), c(kDiamonds, 10),
          c(kSpades, 7), c(kHearts, 11), c(kSpades, 11)},
         13);
}

void BM_PileAccepts(benchmark::State& state) {
    Engine e;
    midGame(e);
    const MovingBlock m =
        movingBlock(e, cardCode(kHearts, 10)); // the waste's ten on the Jack of clubs
    for (auto _ : state)
        benchmark::DoNotOptimize(pileAccepts(e, tableau(0), m));
}
BENCHMARK(BM_PileAccepts);

void BM_PileAcceptsByName(benchmark::State& state) {
    Engine e;
    midGame(e);
    const int card = c(kHearts, 10);
    for (auto _ : state)
        benchmark::DoNotOptimize(pileAccepts(e, "Fila1", card));
}
BENCHMARK(BM_PileAcceptsByName);

void BM_CountTest(benchmark::State& state) {
    Engine e;
    midGame(e);
    e.params.set(prm::TakeBlocks, -5);
    const MovingBlock m = movingBlock(e, c(kSpades, 12)); // a block of three
    for (auto _ : state)
        benchmark::DoNotOptimize(countAllows(e, m, false));
}
BENCHMARK(BM_CountTest);

// Every top card of the waste and the tableau against every foundation and
// tableau pile, locating each card as a player's click would.
void BM_LegalSingleCardMoves(benchmark::State& state) {
    Engine e;
    midGame(e);
    int legal = 0;
    for (auto _ : state) {
        legal = 0;
        int sources[8];
        int n = 0;
        sources[n++] = e.table.waste().top();
        for (int i = 0; i < 7; ++i)
            sources[n++] = e.table.tableau[i].top();
        for (int s = 0; s < n; ++s) {
            const MovingBlock m = movingBlock(e, sources[s]);
            for (int f = 0; f < 4; ++f)
                legal += pileAccepts(e, foundation(f), m);
            for (int i = 0; i < 7; ++i)
                legal += pileAccepts(e, tableau(i), m);
        }
        benchmark::DoNotOptimize(legal);
    }
    state.counters["legal"] = legal;
}
BENCHMARK(BM_LegalSingleCardMoves);

} // namespace
} // namespace vellamor

BENCHMARK_MAIN();
