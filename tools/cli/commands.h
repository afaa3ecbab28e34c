// The driver's subcommands. Each takes the arguments after its name, writes its
// results to `out` and its errors to `err`, and returns the exit status.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace vellamor::cli {

using Args = std::vector<std::string>;

int cmdDeal(const Args& args, std::ostream& out, std::ostream& err);
int cmdPlay(const Args& args, std::ostream& out, std::ostream& err);

// Folder of the running program, ending in "/".
std::string programFolder();

} // namespace vellamor::cli
