// `run --params FILE [--number N] SCRIPT` or
// `run --game ID [--catalogue FILE] [--number N] SCRIPT`: plays a script of
// actions and queries against a game (SCRIPT a file, or - for standard input).
#include "cli/cli_catalogue.h"
#include "cli/commands.h"
#include "cli/param_file.h"
#include "cli/script.h"
#include "engine/deal.h"

#include <fstream>
#include <iostream>
#include <ostream>

namespace vellamor::cli {

namespace {

constexpr const char* kUsage =
    "usage: vellamor-cli run --params FILE [--number N] SCRIPT\n"
    "       vellamor-cli run --game ID [--catalogue FILE] [--number N] SCRIPT\n";

int cmdRun(const Args& args, std::ostream& out, std::ostream& err) {
    std::string paramsPath, number = "0", script, gameText, cataloguePathGiven;
    bool haveScript = false, haveGame = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--params" || a == "--number" || a == "--game" || a == "--catalogue") {
            if (i + 1 >= args.size()) {
                err << "vellamor-cli run: " << a << " needs a value\n";
                return 2;
            }
            const std::string& value = args[++i];
            if (a == "--params") {
                paramsPath = value;
            } else if (a == "--number") {
                number = value;
            } else if (a == "--game") {
                gameText = value;
                haveGame = true;
            } else {
                cataloguePathGiven = value;
            }
        } else if (!haveScript && (a == "-" || !a.starts_with("--"))) {
            script = a;
            haveScript = true;
        } else {
            err << "vellamor-cli run: unknown argument \"" << a << "\"\n";
            return 2;
        }
    }
    // Exactly one source of rule parameters; --catalogue only with --game.
    if (paramsPath.empty() == !haveGame || !haveScript ||
        (!cataloguePathGiven.empty() && !haveGame)) {
        err << kUsage;
        return 2;
    }
    const auto digits = gameNumberDigits(number);
    if (!digits) {
        err << "vellamor-cli run: the game number \"" << number
            << "\" must be made of digits only\n";
        return 2;
    }
    ScriptRunner runner(out);
    if (haveGame) {
        Engine& engine = runner.engine();
        if (!loadCatalogueGame(engine, gameText, cataloguePathGiven, "run", err)) return 2;
        const RuleParams loaded = engine.params;
        runner.setParams(loaded);
    } else {
        RuleParams params;
        if (const ParamFileResult r = readParamFile(paramsPath, params); !r.ok) {
            err << "vellamor-cli run: " << r.error << '\n';
            return 2;
        }
        runner.setParams(params);
    }
    std::ifstream file;
    if (script != "-") {
        file.open(script);
        if (!file) {
            err << "vellamor-cli run: cannot open script " << script << '\n';
            return 2;
        }
    }
    runner.setGameNumber(gameNumberText(*digits));
    const ScriptResult r = runner.run(script == "-" ? std::cin : file);
    if (!r.ok) {
        out.flush();
        err << "vellamor-cli run: " << (script == "-" ? "standard input" : script) << ": "
            << r.error << '\n';
        return 2;
    }
    return 0;
}

} // namespace

VELLAMOR_CLI_COMMAND("run", cmdRun,
                     "--params FILE | --game ID [--catalogue FILE], [--number N] SCRIPT   play a "
                     "script of actions and queries (- reads standard input)");

} // namespace vellamor::cli
