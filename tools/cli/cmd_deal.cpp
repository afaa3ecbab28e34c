// `deal --params FILE --number N`: prints the 71 snapshot lines of the deal.
#include "cli/commands.h"
#include "cli/param_file.h"
#include "cli/stream_host.h"

#include "engine/deal.h"
#include "engine/engine.h"

#include <ostream>

namespace vellamor::cli {

namespace {
int cmdDeal(const Args& args, std::ostream& out, std::ostream& err) {
    std::string paramsPath, number;
    bool haveNumber = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if ((a == "--params" || a == "--number") && i + 1 >= args.size()) {
            err << "vellamor-cli deal: " << a << " needs a value\n";
            return 2;
        }
        if (a == "--params") {
            paramsPath = args[++i];
        } else if (a == "--number") {
            number = args[++i];
            haveNumber = true;
        } else {
            err << "vellamor-cli deal: unknown argument \"" << a << "\"\n";
            return 2;
        }
    }
    if (paramsPath.empty() || !haveNumber) {
        err << "usage: vellamor-cli deal --params FILE --number N\n";
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
    if (const ParamFileResult r = readParamFile(paramsPath, engine.params); !r.ok) {
        err << "vellamor-cli deal: " << r.error << '\n';
        return 2;
    }
    engine.state.write(field::GameNumber, gameNumberText(*digits));
    newGame(engine);
    for (const std::string& line : makeSnapshot(engine.table, engine.cards)) out << line << '\n';
    return 0;
}

} // namespace

VELLAMOR_CLI_COMMAND("deal", cmdDeal,
                     "--params FILE --number N   print the 71 snapshot lines of the dealt position");

} // namespace vellamor::cli
