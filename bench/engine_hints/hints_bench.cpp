// One hint search ("Show a legal move") in a mid-game position of Klondike,
// Spider and FreeCell (goal: 100 µs each). With --win-rate N the program instead
// plays the demo on N deals of Klondike and FreeCell and prints how many it won.
#include "engine/deal.h"
#include "engine/demo.h"
#include "engine/engine.h"
#include "engine/hints.h"
#include "gamec/compile.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

namespace {

using namespace vellamor;

const gamec::CompileResult& sources() {
    static const gamec::CompileResult result =
        gamec::compileFolder(std::string(VELLAMOR_SOURCE_DIR) + "/data/games");
    return result;
}

void load(Engine& e, int id) {
    for (const gamec::CompiledGame& g : sources().games) {
        if (g.entry.id != id) continue;
        for (int i = 0; i < RuleParams::kSize; ++i)
            e.params.set(i, g.entry.params[i]);
        e.params.saveRanges();
        return;
    }
}

bool deal(Engine& e, unsigned long long number) {
    const auto digits = gameNumberDigits(std::to_string(number));
    e.state.write(field::GameNumber, gameNumberText(*digits));
    if (!newGame(e)) return false;
    e.game.dealShown = 1;
    return true;
}

// A deal played by the demo for a few moves: a position in the middle of a game.
std::unique_ptr<Engine> midGame(int id, unsigned long long number, int moves) {
    auto e = std::make_unique<Engine>();
    load(*e, id);
    deal(*e, number);
    runDemo(*e, moves);
    e->hintHistory.clear();
    e->game.tutorMode = 1;
    return e;
}

void search(benchmark::State& state, int id) {
    // The first of these deals whose position after 12 demo moves still has a move.
    std::unique_ptr<Engine> e;
    for (unsigned long long number = 12345;; ++number) {
        e = midGame(id, number, 12);
        if (findHint(*e) || number > 12445) break;
    }
    int found = 0;
    for (auto _ : state) {
        e->hintHistory.clear();
        const auto h = findHint(*e);
        found += h.has_value();
        benchmark::DoNotOptimize(h);
    }
    state.counters["found"] = found == 0 ? 0 : 1;
}

void BM_HintKlondike(benchmark::State& s) {
    search(s, 0);
}
void BM_HintFreeCell(benchmark::State& s) {
    search(s, 6);
}
void BM_HintSpider(benchmark::State& s) {
    search(s, 18);
}
BENCHMARK(BM_HintKlondike)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HintFreeCell)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HintSpider)->Unit(benchmark::kMicrosecond);

int winRate(int deals) {
    for (const auto& [id, name] : {std::pair{0, "Klondike"}, std::pair{6, "FreeCell"}}) {
        Engine e;
        load(e, id);
        int won = 0, moves = 0, repeated = 0;
        for (int n = 1; n <= deals; ++n) {
            if (!deal(e, static_cast<unsigned long long>(n))) return 1;
            const DemoRun run = runDemo(e, 20000);
            won += run.won;
            moves += run.moves;
            repeated += run.repeated;
            e.params.restoreRanges();
        }
        std::printf("%s: demo won %d of %d deals (%.1f%%), %.1f moves a deal, %d ended on a "
                    "repeated position\n",
                    name, won, deals, 100.0 * won / deals, static_cast<double>(moves) / deals,
                    repeated);
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--win-rate") == 0) return winRate(std::atoi(argv[i + 1]));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
