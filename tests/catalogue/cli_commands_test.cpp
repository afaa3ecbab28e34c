// The driver's catalogue commands: list, and deal by game id.
#include "cli/run_cli.h"

#include <gtest/gtest.h>

namespace vellamor::testing {
namespace {

const std::string kCatalogue = std::string(VELLAMOR_PROGRAM_DIR) + "/GAMES.DAT";

TEST(ListCommand, OneLinePerGameWithIdNameAndType) {
    const CliResult r = runCli({"list"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto lines = r.lines();
    ASSERT_GE(lines.size(), 40u);
    EXPECT_EQ(lines[0], "0\tKlondike\tKlondike type");
    EXPECT_EQ(lines[18], "18\tSpider\tSpider type");
    EXPECT_EQ(runCli({"list", "--catalogue", kCatalogue}).out, r.out);
}

TEST(DealCommand, DealsAGameOfTheCatalogueLikeItsParameters) {
    const CliResult byGame = runCli({"deal", "--game", "18", "--number", "123"});
    ASSERT_EQ(byGame.status, 0) << byGame.err;
    const auto lines = byGame.lines();
    ASSERT_EQ(lines.size(), 71u);
    EXPECT_EQ(lines[0].size(), 50u * 4); // the Spider stock
    EXPECT_EQ(runCli({"deal", "--game", "18", "--catalogue", kCatalogue, "--number", "00123"}).out,
              byGame.out);
    EXPECT_NE(runCli({"deal", "--game", "0", "--number", "123"}).out, byGame.out);
}

TEST(DealCommand, BadGameArgumentsAreRefused) {
    struct Case {
        std::vector<std::string> args;
        const char* error;
    };
    const Case cases[] = {
        {{"deal", "--game", "999", "--number", "1"}, "The game 999 is not in the catalogue"},
        {{"deal", "--game", "1x", "--number", "1"}, "must be a number"},
        {{"deal", "--game", "0", "--catalogue", "/nonexistent/GAMES.DAT", "--number", "1"},
         "Cannot find file:\n/nonexistent/GAMES.DAT"},
        {{"deal", "--game", "0", "--params", "p.txt", "--number", "1"}, "usage: vellamor-cli deal"},
        {{"deal", "--catalogue", kCatalogue, "--params", "p.txt", "--number", "1"}, "usage:"},
        {{"deal", "--game", "0"}, "usage:"},
        {{"list", "--all"}, "usage: vellamor-cli list"},
        {{"list", "--catalogue", "/nonexistent/GAMES.DAT"}, "Cannot find file:"},
    };
    for (const Case& c : cases) expectRefused(c.args, c.error);
}

} // namespace
} // namespace vellamor::testing
