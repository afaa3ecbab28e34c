// `play [--number N]`: deals the sample game (Spider) with a random or given
// number and prints the table in a readable form.
#include "cli/commands.h"
#include "cli/param_file.h"
#include "cli/stream_host.h"

#include "engine/deal.h"
#include "engine/engine.h"

#include <ostream>

namespace vellamor::cli {

namespace {

// "AH", "10S", "QD", "Jk" face up; "##" face down; ".." a hole.
std::string shortName(const Engine& e, int code) {
    if (code == kHole) return "..";
    if (!e.cards.faceUp(code)) return "##";
    if (isJoker(code)) return "Jk";
    static constexpr const char* kRanks[] = {"A", "2", "3",  "4", "5", "6", "7",
                                             "8", "9", "10", "J", "Q", "K"};
    static constexpr char kSuits[] = {'H', 'D', 'C', 'S'};
    return std::string(kRanks[rank(code) - 1]) + kSuits[suitIndex(code)];
}

void printPile(const Engine& e, std::ostream& out, PileId id) {
    const Pile& pile = e.table.pile(id);
    out << pileName(id) << ":";
    for (CardCode c : pile) out << ' ' << shortName(e, c);
    out << '\n';
}

} // namespace

namespace {
int cmdPlay(const Args& args, std::ostream& out, std::ostream& err) {
    std::string number;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--number" && i + 1 < args.size()) {
            number = args[++i];
        } else {
            err << "usage: vellamor-cli play [--number N]\n";
            return 2;
        }
    }
    StreamHost host(err);
    Engine engine(&host);
    const std::string path = programFolder() + "params/spider.txt";
    if (const ParamFileResult r = readParamFile(path, engine.params); !r.ok) {
        err << "vellamor-cli play: " << r.error << '\n';
        return 2;
    }
    if (!number.empty()) {
        const auto digits = gameNumberDigits(number);
        if (!digits) {
            err << "vellamor-cli play: the game number \"" << number
                << "\" must be made of digits only\n";
            return 2;
        }
        engine.state.write(field::GameNumber, gameNumberText(*digits));
    }
    newGame(engine, {.dealAnew = true, .randomNumber = number.empty()});

    out << "Spider, game number " << engine.state.read(field::GameNumber) << "\n\n";
    printPile(engine, out, kStock);
    for (int i = 0; i < engine.foundationCount(); ++i) printPile(engine, out, foundation(i));
    for (int i = 0; i < engine.tableauCount(); ++i) printPile(engine, out, tableau(i));
    out << "\nThe window is not built yet; this is the headless driver.\n";
    return 0;
}

} // namespace

VELLAMOR_CLI_COMMAND("play", cmdPlay, "[--number N]   deal the sample game (Spider) and show the table");

} // namespace vellamor::cli
