// `deal --params FILE --number N` or `deal --game ID [--catalogue FILE] --number N`:
// prints the 71 snapshot lines of the deal.
#include "cli/cli_catalogue.h"
#include "cli/commands.h"
#include "cli/param_file.h"
#include "cli/stream_host.h"
#include "engine/deal.h"
#include "engine/engine.h"

#include <ostream>

namespace vellamor::cli {

namespace {

constexpr const char* kUsage = "usage: vellamor-cli deal --params FILE --number N\n"
                               "       vellamor-cli deal --game ID [--catalogue FILE] --number N\n";

int cmdDeal(const Args& args, std::ostream& out, std::ostream& err) {
    std::string paramsPath, number, gameText, cataloguePathGiven;
    bool haveNumber = false, haveGame = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool takesValue =
            a == "--params" || a == "--number" || a == "--game" || a == "--catalogue";
        if (takesValue && i + 1 >= args.size()) {
            err << "vellamor-cli deal: " << a << " needs a value\n";
            return 2;
        }
        if (a == "--params") {
            paramsPath = args[++i];
        } else if (a == "--number") {
            number = args[++i];
            haveNumber = true;
        } else if (a == "--game") {
            gameText = args[++i];
            haveGame = true;
        } else if (a == "--catalogue") {
            cataloguePathGiven = args[++i];
        } else {
            err << "vellamor-cli deal: unknown argument \"" << a << "\"\n";
            return 2;
        }
    }
    if (paramsPath.empty() == !haveGame || !haveNumber ||
        (!cataloguePathGiven.empty() && !haveGame)) {
        err << kUsage;
        return 2;
    }
    const auto digits = gameNumberDigits(number);
    if (!digits) {
        err << "vellamor-cli deal: the game number \"" << number
            << "\" must be made of digits only\n";
        return 2;
    }

    StreamHost host(err);
    Engine engine(&host);
    if (haveGame) {
        if (!loadCatalogueGame(engine, gameText, cataloguePathGiven, "deal", err)) return 2;
    } else if (const ParamFileResult r = readParamFile(paramsPath, engine.params); !r.ok) {
        err << "vellamor-cli deal: " << r.error << '\n';
        return 2;
    }
    engine.state.write(field::GameNumber, gameNumberText(*digits));
    if (!newGame(engine)) {
        err << "vellamor-cli deal: no game to deal: the number of cards (index 378) is not set\n";
        return 2;
    }
    for (const std::string& line : makeSnapshot(engine.table, engine.cards))
        out << line << '\n';
    return 0;
}

} // namespace

VELLAMOR_CLI_COMMAND("deal", cmdDeal,
                     "--params FILE | --game ID [--catalogue FILE], --number N   "
                     "print the 71 snapshot lines of the dealt position");

} // namespace vellamor::cli
