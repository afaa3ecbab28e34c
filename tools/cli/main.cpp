// vellamor-cli: the engine without a window, for reproducing deals and bugs,
// checking the catalogue and driving tests and benchmarks.
#include "cli/commands.h"

#include <cstring>
#include <iostream>

using namespace vellamor::cli;

namespace {

struct Command {
    const char* name;
    int (*run)(const Args&, std::ostream&, std::ostream&);
    const char* usage;
};

constexpr Command kCommands[] = {
    {"deal", cmdDeal, "deal --params FILE --number N   print the 71 lines of a dealt position"},
    {"play", cmdPlay, "play [--number N]                deal the sample game and show the table"},
};

int usage(std::ostream& out) {
    out << "usage: vellamor-cli COMMAND [ARGS]\n";
    for (const Command& c : kCommands) out << "  " << c.usage << '\n';
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) return usage(std::cerr);
    for (const Command& c : kCommands) {
        if (std::strcmp(argv[1], c.name) == 0) return c.run(Args(argv + 2, argv + argc), std::cout, std::cerr);
    }
    std::cerr << "vellamor-cli: unknown command \"" << argv[1] << "\"\n";
    return usage(std::cerr);
}
