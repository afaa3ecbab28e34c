// Runs vellamor-cli as a child process and captures what it prints.
#pragma once

#include <string>
#include <vector>

namespace vellamor::testing {

struct CliResult {
    int status = -1;
    std::string out, err;
    std::vector<std::string> lines() const; // of `out`
};

CliResult runCli(const std::vector<std::string>& args, const std::string& input = {});

// Expects the driver to refuse `args`: status 2, nothing on standard output,
// and `error` within what it says on standard error.
void expectRefused(const std::vector<std::string>& args, const std::string& error);

// A file in a fresh temporary folder, removed with the folder at exit.
std::string writeTempFile(const std::string& name, const std::string& content);

} // namespace vellamor::testing
