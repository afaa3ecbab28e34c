// Loading one game's rule parameters from a 300-game catalogue: every load
// reads the parameter section from the file again.
#include "catalogue/catalogue.h"
#include "catalogue/catalogue_writer.h"
#include "catalogue/pile_info.h"
#include "engine/deal.h"
#include "engine/engine.h"
#include "gamec/compile.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>

namespace {

using namespace vellamor;

// The real games, repeated with fresh ids and names until there are 300.
struct BigCatalogue {
    std::string path =
        (std::filesystem::temp_directory_path() / "vellamor_bench_GAMES.DAT").string();
    BigCatalogue() {
        const auto compiled =
            gamec::compileFolder(std::string(VELLAMOR_SOURCE_DIR) + "/data/games");
        std::vector<catalogue::CatalogueGame> games;
        for (int id = 0; id < 300 && !compiled.games.empty(); ++id) {
            catalogue::CatalogueGame g = compiled.games[id % compiled.games.size()].entry;
            g.id = id;
            g.name += " " + std::to_string(id);
            games.push_back(g);
        }
        std::ofstream(path, std::ios::binary) << catalogue::writeCatalogue(games, {});
    }
    ~BigCatalogue() { std::filesystem::remove(path); }
};

void loadRuleParams(benchmark::State& state) {
    static BigCatalogue file;
    TMainGame game;
    SilentHost host;
    catalogue::Catalogue cat(file.path, game, host);
    if (!cat.loadGameList()) state.SkipWithError("cannot read the catalogue");
    RuleParams params;
    const int id = static_cast<int>(state.range(0));
    for (auto _ : state) {
        if (!cat.loadRuleParams(params, id)) state.SkipWithError("refused");
        benchmark::DoNotOptimize(params);
    }
    state.counters["file_bytes"] = static_cast<double>(std::filesystem::file_size(file.path));
}
BENCHMARK(loadRuleParams)->Arg(0)->Arg(150)->Arg(299)->Unit(benchmark::kMillisecond);

void idOfName(benchmark::State& state) {
    static BigCatalogue file;
    TMainGame game;
    SilentHost host;
    catalogue::Catalogue cat(file.path, game, host);
    cat.loadGameList();
    for (auto _ : state)
        benchmark::DoNotOptimize(cat.idOfName("spider 299"));
}
BENCHMARK(idOfName)->Unit(benchmark::kMicrosecond);

// The texts of the pile under the pointer, made on every pointer move: a
// Klondike tableau pile, with and without a pile-text file of 400 entries
// (the game's own entry last).
void pileStatus(benchmark::State& state) {
    const auto compiled = gamec::compileFolder(std::string(VELLAMOR_SOURCE_DIR) + "/data/games");
    if (compiled.games.empty()) {
        state.SkipWithError("no games");
        return;
    }
    Engine e;
    for (int i = 0; i < RuleParams::kSize; ++i)
        e.params.set(i, compiled.games[0].entry.params[i]);
    e.params.saveRanges();
    newGame(e);
    catalogue::PileTexts texts;
    const std::string path = (std::filesystem::temp_directory_path() / "vellamor_bench_solr.dat").string();
    if (state.range(0)) {
        std::ofstream out(path, std::ios::binary);
        for (int i = 0; i < 400; ++i)
            out << catalogue::scrambledEntry("0000F" + std::to_string(100 + i), "Build anything") << "\r\n";
        out << catalogue::scrambledEntry("0000T003", "Build anything on pile three") << "\r\n";
        out.close();
        texts.load(path, 0);
        std::filesystem::remove(path);
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(catalogue::pileStatus(e, tableau(2), &texts));
}
BENCHMARK(pileStatus)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
