// vellamor-shot --game ID --number N [--size B] [--width W --height H]
//               [--catalogue FILE | --params FILE] [--seed S] [--irregular Y|N] --out FILE.png
//
// Deals a game by id (from GAMES.DAT beside the program) or from a rule
// parameter file, lays out the table and draws it offscreen into a PNG, so a
// table can be looked at without a display. Without --size the cards are the
// program's default size fitted to a screen as wide as the picture, as the
// program itself would show them there.
#include "render/card_images.h"
#include "render/card_size.h"
#include "render/table_renderer.h"

#include "catalogue/catalogue.h"
#include "cli/param_file.h"
#include "engine/deal.h"
#include "engine/engine.h"
#include "layout/card_position.h"
#include "layout/layout.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>
#include <iostream>
#include <string>

using namespace vellamor;
using namespace vellamor::render;

namespace {

struct PrintingHost final : ImageHost, EngineHost {
    void message(std::string_view text) override { std::cerr << "vellamor-shot: " << text << '\n'; }
    void writeSetting(std::string_view, std::string_view) override {}
    void beep() override {}
    void sound(std::string_view) override {}
    void scoreChanged(long long) override {}
};

int usage() {
    std::cerr << "usage: vellamor-shot --game ID --number N [--size N|M|B|S|X] [--width W --height H]\n"
                 "                     [--catalogue FILE | --params FILE] [--seed S] [--irregular Y|N]\n"
                 "                     --out FILE.png\n";
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    std::string game, number = "1", out, params, cataloguePath;
    char size = 0; // fitted to the width
    int width = 1024, height = 768;
    unsigned long long seed = 1;
    bool irregular = false; // "Piles_TT"; the shifts are drawn from the seed
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (i + 1 >= argc) return usage();
        const std::string v = argv[++i];
        if (a == "--game") game = v;
        else if (a == "--number") number = v;
        else if (a == "--size" && v.size() == 1) size = v[0];
        else if (a == "--width") width = std::atoi(v.c_str());
        else if (a == "--height") height = std::atoi(v.c_str());
        else if (a == "--out") out = v;
        else if (a == "--params") params = v;
        else if (a == "--catalogue") cataloguePath = v;
        else if (a == "--seed") seed = std::stoull(v);
        else if (a == "--irregular" && (v == "Y" || v == "N")) irregular = v == "Y";
        else return usage();
    }
    if (out.empty() || game.empty() == params.empty() || width < 100 || height < 100 || width > 8000 ||
        height > 8000 || (size != 0 && (!cardSizeClass(size) || size == 'L')))
        return usage();
    const auto digits = gameNumberDigits(number);
    if (!digits) {
        std::cerr << "vellamor-shot: the game number must be made of digits only\n";
        return 2;
    }

    PrintingHost host;
    Engine engine(&host);
    const std::string folder = QCoreApplication::applicationDirPath().toStdString() + "/";
    if (!game.empty()) {
        catalogue::Catalogue cat(cataloguePath.empty() ? folder + "GAMES.DAT" : cataloguePath, engine.game, host);
        const int id = std::atoi(game.c_str());
        if (!cat.loadGameList() || !cat.loadRuleParams(engine.params, id)) return 1;
        engine.state.writeInt(field::GameId, id);
    } else if (const auto r = cli::readParamFile(params, engine.params); !r.ok) {
        std::cerr << "vellamor-shot: " << r.error << '\n';
        return 2;
    }
    engine.state.write(field::GameNumber, gameNumberText(*digits));
    engine.rng.seed(seed);
    newGame(engine);
    engine.game.irregular.draw(engine.rng);
    engine.play.prefs.irregularPiles = irregular;

    auto packs = ImagePacks::open(folder, host);
    if (!packs) return 1;
    ImageChoice choice;
    if (size == 0) {
        ScreenFit fit;
        fitCardsToScreen(fit, choice, 0, engine.params[prm::WidthClass], width, host);
    } else {
        choice.cardSize = size;
        choice.cardSet = (size == 'M' || size == 'N') ? 3 : 1;
    }
    choice.faceStyle = engine.params[prm::FaceStyle];
    choice.screenWidth = width;
    CardImages images;
    CardImageLoader loader(*packs, host);
    if (!loader.loadCardImages(images, choice)) return 1;

    setCardSpacing(engine, images.size.letter);
    LayoutInput input;
    input.cardWidth = images.size.width;
    input.cardHeight = images.size.height;
    input.tableWidth = width;
    input.windowHeight = input.clientHeight = input.usableHeight = height;
    input.screenWidth = width;
    input.screenHeight = height;
    input.topOffset = 0;
    layoutTable(engine, input);

    MarkCache marks(loader, images, choice);
    TableRenderer renderer(images, std::ref(marks));
    renderer.resize(width, height);
    BackgroundChoice background;
    paintBackground(renderer.background(), background, *packs, host);
    renderer.redrawAll(engine);
    if (!renderer.table().save(QString::fromStdString(out), "PNG")) {
        std::cerr << "vellamor-shot: cannot write " << out << '\n';
        return 1;
    }
    return 0;
}
