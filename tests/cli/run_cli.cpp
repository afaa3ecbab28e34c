#include "run_cli.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace vellamor::testing {

namespace {

std::string readAll(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

const std::filesystem::path& tempFolder() {
    static const std::filesystem::path folder = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "vellamor-cli-XXXXXX").string();
        const char* made = mkdtemp(pattern.data());
        std::filesystem::path p = made ? made : pattern;
        std::atexit([] { std::filesystem::remove_all(tempFolder()); });
        return p;
    }();
    return folder;
}

std::string quoted(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

} // namespace

std::vector<std::string> CliResult::lines() const {
    std::vector<std::string> result;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);) result.push_back(line);
    return result;
}

std::string writeTempFile(const std::string& name, const std::string& content) {
    const auto path = tempFolder() / name;
    std::ofstream(path, std::ios::binary) << content;
    return path.string();
}

CliResult runCli(const std::vector<std::string>& args, const std::string& input) {
    static int run = 0;
    const auto base = tempFolder() / ("run" + std::to_string(++run));
    std::string cmd = quoted(VELLAMOR_CLI_PATH);
    for (const auto& a : args) cmd += " " + quoted(a);
    std::ofstream(base.string() + ".in", std::ios::binary) << input;
    cmd += " <" + quoted(base.string() + ".in") + " >" + quoted(base.string() + ".out") + " 2>" +
           quoted(base.string() + ".err");
    const int raw = std::system(cmd.c_str());
    CliResult r;
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    r.out = readAll(base.string() + ".out");
    r.err = readAll(base.string() + ".err");
    return r;
}

void expectRefused(const std::vector<std::string>& args, const std::string& error) {
    SCOPED_TRACE(error);
    const CliResult r = runCli(args);
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.out.empty()) << r.out;
    EXPECT_NE(r.err.find(error), std::string::npos) << r.err;
}

} // namespace vellamor::testing
