#include "run_cli.h"

#include <gtest/gtest.h>

namespace vellamor {
namespace {

using namespace vellamor::testing;

const std::string kSpider = std::string(VELLAMOR_SOURCE_DIR) + "/data/params/spider.txt";

TEST(LayoutCommand, PrintsTheShownPiles) {
    const CliResult r =
        runCli({"layout", "--params", kSpider, "--size", "N", "--width", "640", "--height", "480"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto lines = r.lines();
    ASSERT_EQ(lines.size(), 1u + 8u + 10u); // stock, foundations, tableau; the rest hidden
    EXPECT_EQ(lines[0].rfind("Mazzo ", 0), 0u);
    EXPECT_EQ(lines[1].rfind("Dest1 ", 0), 0u);
    EXPECT_EQ(lines.back().rfind("Fila10 ", 0), 0u);
}

TEST(LayoutCommand, CatalogueGames) {
    const CliResult r = runCli({"layout", "--game", "0", "--size", "M", "--width", "640", "--height", "480"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.lines().size(), 2u + 4u + 7u); // Klondike: stock, waste, foundations, tableau
    const CliResult bad = runCli({"layout", "--game", "7999"});
    EXPECT_NE(bad.status, 0);
    EXPECT_FALSE(bad.err.empty());
    EXPECT_NE(runCli({"layout", "--game", "0", "--params", kSpider}).status, 0); // one or the other
}

TEST(LayoutCommand, BadArgumentsAreRefused) {
    struct Case {
        std::vector<std::string> args;
        const char* error;
    };
    const Case cases[] = {
        {{"layout"}, "usage: vellamor-cli layout"},
        {{"layout", "--params", kSpider, "--size", "Q"}, "card size must be one of"},
        {{"layout", "--params", kSpider, "--width", "12x"}, "--width must be a number"},
        {{"layout", "--params", kSpider, "--height", "50"}, "--height must be a number"},
        {{"layout", "--params", kSpider, "--size"}, "--size needs a value"},
        {{"layout", "--params", "/nonexistent"}, "cannot open parameter file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.error);
        const CliResult r = runCli(c.args);
        EXPECT_NE(r.status, 0);
        EXPECT_NE(r.err.find(c.error), std::string::npos) << r.err;
    }
}

} // namespace
} // namespace vellamor
