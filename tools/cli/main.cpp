// vellamor-cli: the engine without a window, for reproducing deals and bugs,
// checking the catalogue and driving tests and benchmarks.
#include "cli/commands.h"

#include <algorithm>
#include <cstring>
#include <iostream>
#include <unistd.h>

namespace vellamor::cli {

namespace {
std::vector<Command>& registry() {
    static std::vector<Command> list;
    return list;
}
} // namespace

CommandRegistrar::CommandRegistrar(const char* name, CommandFn run, const char* usage) {
    auto& list = registry();
    list.push_back({name, run, usage});
    std::sort(list.begin(), list.end(),
              [](const Command& a, const Command& b) { return std::strcmp(a.name, b.name) < 0; });
}

const std::vector<Command>& commands() { return registry(); }

std::string programFolder() {
    char buf[4096];
    const ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return "./";
    std::string path(buf, static_cast<std::size_t>(n));
    return path.substr(0, path.rfind('/') + 1);
}

} // namespace vellamor::cli

using namespace vellamor::cli;

static int usage(std::ostream& out) {
    out << "usage: vellamor-cli COMMAND [ARGS]\n";
    for (const Command& c : commands()) out << "  " << c.name << ' ' << c.usage << '\n';
    return 2;
}

int main(int argc, char** argv) {
    if (argc < 2) return usage(std::cerr);
    for (const Command& c : commands())
        if (std::strcmp(argv[1], c.name) == 0)
            return c.run(Args(argv + 2, argv + argc), std::cout, std::cerr);
    std::cerr << "vellamor-cli: unknown command \"" << argv[1] << "\"\n";
    return usage(std::cerr);
}
