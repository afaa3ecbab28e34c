// The play checks of the catalogue games: each tests/catalogue/play/NAME.script
// is run with `vellamor-cli run --game ID` against the compiled GAMES.DAT, where
// ID is the id of data/games/NAME.game, and must print exactly NAME.expected.
// The scripts build small positions by hand and ask what the game's rules
// allow; their comments say which rule each block checks.
#include "cli/run_cli.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace vellamor::testing {
namespace {

namespace fs = std::filesystem;

const std::string kCatalogue = std::string(VELLAMOR_PROGRAM_DIR) + "/GAMES.DAT";
const fs::path kPlayFolder = fs::path(VELLAMOR_SOURCE_DIR) / "tests/catalogue/play";
const fs::path kGamesFolder = fs::path(VELLAMOR_SOURCE_DIR) / "data/games";

std::string readFile(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// The id of a game source: its "id = N" line; -1 when there is none.
int gameId(const fs::path& source) {
    std::ifstream in(source);
    for (std::string line; std::getline(in, line);) {
        if (!line.starts_with("id")) continue;
        const auto eq = line.find('=');
        if (eq == std::string::npos) continue;
        try {
            return std::stoi(line.substr(eq + 1));
        } catch (const std::exception&) {
            return -1;
        }
    }
    return -1;
}

std::vector<fs::path> scripts() {
    std::vector<fs::path> result;
    for (const auto& e : fs::directory_iterator(kPlayFolder))
        if (e.path().extension() == ".script") result.push_back(e.path());
    std::sort(result.begin(), result.end());
    return result;
}

TEST(PlayChecks, EveryScriptPrintsItsExpectedOutput) {
    const auto all = scripts();
    ASSERT_FALSE(all.empty());
    for (const fs::path& script : all) {
        const std::string name = script.stem().string();
        SCOPED_TRACE(script.filename().string());
        const fs::path source = kGamesFolder / (name + ".game");
        ASSERT_TRUE(fs::exists(source)) << "no game source " << source;
        const int id = gameId(source);
        ASSERT_GE(id, 0) << "no id in " << source;
        const fs::path expected = fs::path(script).replace_extension(".expected");
        ASSERT_TRUE(fs::exists(expected)) << "no " << expected.filename();
        const CliResult r = runCli(
            {"run", "--game", std::to_string(id), "--catalogue", kCatalogue, script.string()});
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, readFile(expected));
    }
}

// A game is added together with the check of how it plays.
TEST(PlayChecks, EveryGameHasAPlayCheck) {
    for (const auto& e : fs::directory_iterator(kGamesFolder)) {
        if (e.path().extension() != ".game") continue;
        EXPECT_TRUE(fs::exists(kPlayFolder / (e.path().stem().string() + ".script")))
            << "no play check for " << e.path().filename();
    }
}

// `run --game` deals the catalogue game: the same position as `deal --game`.
TEST(RunCommand, PlaysAGameOfTheCatalogue) {
    const std::string script = writeTempFile("show.script", "deal\nshow\n");
    const CliResult run = runCli({"run", "--game", "24", "--number", "77", script});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, runCli({"deal", "--game", "24", "--number", "77"}).out);
    EXPECT_EQ(runCli({"run", "--game", "24", "--catalogue", kCatalogue, "--number", "077", "-"},
                     "deal\nshow\n")
                  .out,
              run.out);
}

TEST(RunCommand, BadGameArgumentsAreRefused) {
    const std::string script = writeTempFile("deal.script", "deal\n");
    struct Case {
        std::vector<std::string> args;
        const char* error;
    };
    const Case cases[] = {
        {{"run", "--game", "999", script}, "vellamor-cli run: The game 999 is not in the catalogue"},
        {{"run", "--game", "x1", script}, "vellamor-cli run: the game id \"x1\" must be a number"},
        {{"run", "--game", "0", "--catalogue", "/nonexistent/GAMES.DAT", script},
         "Cannot find file:\n/nonexistent/GAMES.DAT"},
        {{"run", "--game", "0", "--params", "p.txt", script}, "usage: vellamor-cli run"},
        {{"run", "--catalogue", kCatalogue, "--params", "p.txt", script}, "usage:"},
        {{"run", "--game", "0"}, "usage:"},
        {{"run", "--game"}, "--game needs a value"},
        {{"run", "--game", "0", "--number", "12a", script}, "must be made of digits only"},
        {{"run", "--game", "0", "/nonexistent/play.script"}, "cannot open script"},
    };
    for (const Case& c : cases) expectRefused(c.args, c.error);
}

} // namespace
} // namespace vellamor::testing
