// The driver's subcommands. Each lives in its own cmd_*.cpp and registers itself
// with VELLAMOR_CLI_COMMAND; it takes the arguments after its name, writes its
// results to `out` and its errors to `err`, and returns the exit status.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace vellamor::cli {

using Args = std::vector<std::string>;
using CommandFn = int (*)(const Args& args, std::ostream& out, std::ostream& err);

struct Command {
    const char* name;
    CommandFn run;
    const char* usage; // one line: the arguments and what the command does
};

// All registered commands, sorted by name.
const std::vector<Command>& commands();

struct CommandRegistrar {
    CommandRegistrar(const char* name, CommandFn run, const char* usage);
};

#define VELLAMOR_CLI_COMMAND(name, fn, usage) \
    static const ::vellamor::cli::CommandRegistrar registrar_##fn(name, fn, usage)

// Folder of the running program, ending in "/".
std::string programFolder();

} // namespace vellamor::cli
