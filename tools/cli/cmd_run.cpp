// `run --params FILE [--number N] SCRIPT`: plays a script of actions and
// queries against a game (SCRIPT a file, or - for standard input).
#include "cli/commands.h"
#include "cli/param_file.h"
#include "cli/script.h"
#include "engine/deal.h"

#include <fstream>
#include <iostream>
#include <ostream>

namespace vellamor::cli {

namespace {
int cmdRun(const Args& args, std::ostream& out, std::ostream& err) {
    std::string paramsPath, number = "0", script;
    bool haveScript = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--params" || a == "--number") {
            if (i + 1 >= args.size()) {
                err << "vellamor-cli run: " << a << " needs a value\n";
                return 2;
            }
            (a == "--params" ? paramsPath : number) = args[++i];
        } else if (!haveScript && (a == "-" || !a.starts_with("--"))) {
            script = a;
            haveScript = true;
        } else {
            err << "vellamor-cli run: unknown argument \"" << a << "\"\n";
            return 2;
        }
    }
    if (paramsPath.empty() || !haveScript) {
        err << "usage: vellamor-cli run --params FILE [--number N] SCRIPT\n";
        return 2;
    }
    const auto digits = gameNumberDigits(number);
    if (!digits) {
        err << "vellamor-cli run: the game number \"" << number
            << "\" must be made of digits only\n";
        return 2;
    }
    RuleParams params;
    if (const ParamFileResult r = readParamFile(paramsPath, params); !r.ok) {
        err << "vellamor-cli run: " << r.error << '\n';
        return 2;
    }
    std::ifstream file;
    if (script != "-") {
        file.open(script);
        if (!file) {
            err << "vellamor-cli run: cannot open script " << script << '\n';
            return 2;
        }
    }
    ScriptRunner runner(out);
    runner.setParams(params);
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
                     "--params FILE [--number N] SCRIPT   play a script of actions and queries (- "
                     "reads standard input)");

} // namespace vellamor::cli
