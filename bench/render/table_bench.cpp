// Table drawing of a two-deck game (Spider) at 1920 × 1080 with size S cards:
// the whole redraw into the table bitmap, and the repaint of the two piles one
// move changes.
#include "render/card_images.h"
#include "render/table_renderer.h"

#include "cli/param_file.h"
#include "engine/deal.h"
#include "engine/engine.h"
#include "layout/card_position.h"
#include "layout/layout.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

using namespace vellamor;
using namespace vellamor::render;

namespace {

struct QuietHost final : ImageHost {
    void message(std::string_view) override {}
    void writeSetting(std::string_view, std::string_view) override {}
};

struct Fixture {
    QuietHost host;
    Engine engine;
    std::optional<ImagePacks> packs = ImagePacks::open(VELLAMOR_PROGRAM_DIR, host);
    ImageChoice choice;
    CardImages images;
    std::optional<CardImageLoader> loader;
    std::optional<MarkCache> marks;
    std::optional<TableRenderer> renderer;

    Fixture() {
        cli::readParamFile(std::string(VELLAMOR_SOURCE_DIR) + "/data/params/spider.txt", engine.params);
        engine.state.write(field::GameNumber, "0000000012345");
        newGame(engine);
        choice.cardSize = 'S';
        loader.emplace(*packs, host);
        loader->loadCardImages(images, choice);
        setCardSpacing(engine, 'S');
        LayoutInput in;
        in.cardWidth = images.size.width;
        in.cardHeight = images.size.height;
        in.tableWidth = in.screenWidth = 1920;
        in.windowHeight = in.clientHeight = in.usableHeight = in.screenHeight = 1080;
        layoutTable(engine, in);
        marks.emplace(*loader, images, choice);
        renderer.emplace(images, std::ref(*marks));
        renderer->resize(1920, 1080);
        BackgroundChoice bg;
        paintBackground(renderer->background(), bg, *packs, host);
        renderer->redrawAll(engine);
    }
};

Fixture& fixture() {
    static int argc = 1;
    static char name[] = "bench_render";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    static Fixture f;
    return f;
}

void BM_WholeRedraw(benchmark::State& state) {
    Fixture& f = fixture();
    for (auto _ : state) {
        f.renderer->redrawAll(f.engine);
        benchmark::DoNotOptimize(f.renderer->table().constBits());
    }
}
BENCHMARK(BM_WholeRedraw)->Unit(benchmark::kMillisecond);

// One card moves from tableau pile 1 to pile 2 and back: two partial repaints per move.
void BM_PartialRepaint(benchmark::State& state) {
    Fixture& f = fixture();
    Engine& e = f.engine;
    bool there = false;
    for (auto _ : state) {
        Pile& from = e.table.tableau[there ? 1 : 0];
        Pile& to = e.table.tableau[there ? 0 : 1];
        const Pile beforeFrom = from, beforeTo = to;
        const int card = from.top();
        from.pop();
        to.push(card);
        e.cards.setFaceUp(card, true);
        f.renderer->repaintPile(e, tableau(there ? 1 : 0), beforeFrom);
        f.renderer->repaintPile(e, tableau(there ? 0 : 1), beforeTo);
        there = !there;
        benchmark::DoNotOptimize(f.renderer->table().constBits());
    }
}
BENCHMARK(BM_PartialRepaint)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
