// `layout --params FILE --size B --width W --height H`: where every shown pile lies.
#include "cli/cli_catalogue.h"
#include "cli/commands.h"
#include "cli/param_file.h"
#include "cli/stream_host.h"

#include "engine/engine.h"
#include "layout/card_position.h"
#include "layout/layout.h"

#include <charconv>
#include <ostream>

namespace vellamor::cli {

namespace {

bool readNumber(const std::string& text, int& value) {
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && ptr == text.data() + text.size();
}

// The table of a window of the given client size with a tool bar and a status bar.
LayoutInput tableOf(int width, int height, CardSize size) {
    LayoutInput in;
    in.cardWidth = size.width;
    in.cardHeight = size.height;
    in.tableWidth = width;
    in.windowHeight = height;
    in.clientHeight = height;
    in.statusAllowance = 20;
    in.usableHeight = height - in.statusAllowance;
    in.topOffset = 28;
    in.screenWidth = width;
    in.screenHeight = height;
    return in;
}

void printPile(const Engine& e, std::ostream& out, PileId id) {
    const TMainGame& g = e.game;
    int x = 0, y = 0;
    switch (id.kind) {
    case PileKind::Stock: x = g.stockX(0), y = g.stockY(0); break;
    case PileKind::Waste: x = g.stockX(1), y = g.stockY(1); break;
    case PileKind::SecondWaste: x = g.stockX(2), y = g.stockY(2); break;
    case PileKind::Foundation: x = g.foundationX(id.index), y = g.foundationY(id.index); break;
    case PileKind::Tableau: x = g.tableauX(id.index), y = g.tableauY(id.index); break;
    case PileKind::Reserve: x = g.reserveX(id.index), y = g.reserveY(id.index); break;
    }
    if (!TMainGame::hidden(x)) out << pileName(id) << ' ' << x << ' ' << y << '\n';
}

int cmdLayout(const Args& args, std::ostream& out, std::ostream& err) {
    std::string paramsPath, gameId, catalogueFile, sizeText = "B";
    int width = 1024, height = 768;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (i + 1 >= args.size()) {
            err << "vellamor-cli layout: " << a << " needs a value\n";
            return 2;
        }
        const std::string& v = args[++i];
        if (a == "--params") {
            paramsPath = v;
        } else if (a == "--game") {
            gameId = v;
        } else if (a == "--catalogue") {
            catalogueFile = v;
        } else if (a == "--size") {
            sizeText = v;
        } else if (a == "--width" || a == "--height") {
            int& target = a == "--width" ? width : height;
            if (!readNumber(v, target) || target < 100 || target > 10000) {
                err << "vellamor-cli layout: " << a << " must be a number of pixels from 100 to 10000\n";
                return 2;
            }
        } else {
            err << "vellamor-cli layout: unknown argument \"" << a << "\"\n";
            return 2;
        }
    }
    if (paramsPath.empty() == gameId.empty()) {
        err << "usage: vellamor-cli layout (--game ID [--catalogue FILE] | --params FILE) "
               "[--size N|M|B|S|X] [--width W] [--height H]\n";
        return 2;
    }
    if (sizeText.size() != 1 || std::string("NMBSX").find(sizeText[0]) == std::string::npos) {
        err << "vellamor-cli layout: the card size must be one of N, M, B, S, X\n";
        return 2;
    }
    StreamHost host(err);
    Engine engine(&host);
    if (!gameId.empty()) {
        if (!loadCatalogueGame(engine, gameId, catalogueFile, "layout", err)) return 2;
    } else if (const ParamFileResult r = readParamFile(paramsPath, engine.params); !r.ok) {
        err << "vellamor-cli layout: " << r.error << '\n';
        return 2;
    }
    const CardSize size = cardSizeOf(sizeText[0]);
    setCardSpacing(engine, size.letter);
    layoutTable(engine, tableOf(width, height, size));
    for (PileId id : {kStock, kWaste, kSecondWaste}) printPile(engine, out, id);
    for (int i = 0; i < kFoundationCount; ++i) printPile(engine, out, foundation(i));
    for (int i = 0; i < kTableauCount; ++i) printPile(engine, out, tableau(i));
    for (int i = 0; i < kReserveCount; ++i) printPile(engine, out, reserve(i));
    return 0;
}

} // namespace

VELLAMOR_CLI_COMMAND("layout", cmdLayout,
                     "(--game ID | --params FILE) [--size B] [--width W --height H]   where every "
                     "shown pile lies");

} // namespace vellamor::cli
