#include "cli/param_file.h"
#include "run_cli.h"

#include <gtest/gtest.h>

#include <sstream>

namespace vellamor {
namespace {

using namespace vellamor::testing;

TEST(ParamFile, ReadsPairsCommentsAndDefaults) {
    std::istringstream in("# a game\n378 52\n\n  375   7   # seven piles\n55 -1\r\n502 32767\n");
    RuleParams p;
    p.set(100, 9); // not in the file: becomes 0
    const auto r = cli::readParams(in, p);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(p[prm::Cards], 52);
    EXPECT_EQ(p[prm::Tableaus], 7);
    EXPECT_EQ(p[prm::FoundationBase], -1);
    EXPECT_EQ(p[502], 32767);
    EXPECT_EQ(p[100], 0);
    // The loaded bases are the ones every deal restores.
    p.set(prm::FoundationBase, 4);
    p.restoreRanges();
    EXPECT_EQ(p[prm::FoundationBase], -1);
}

TEST(ParamFile, RefusesBadLinesAndKeepsTheOldValues) {
    struct Case {
        const char* text;
        const char* error;
    };
    const Case cases[] = {
        {"378 52\n378\n", "line 2: expected two integers"},
        {"378 52 1\n", "line 1: expected two integers"},
        {"abc 5\n", "line 1: expected two integers"},
        {"3.5 1\n", "line 1: expected two integers"},
        {"503 1\n", "line 1: index 503 is outside 0-502"},
        {"-1 1\n", "line 1: index -1 is outside 0-502"},
        {"1 32768\n", "line 1: value 32768 does not fit in 16 bits"},
        {"1 -32769\n", "line 1: value -32769 does not fit in 16 bits"},
        {"1 99999999999999999999\n", "line 1: expected two integers"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        std::istringstream in(c.text);
        RuleParams p;
        p.set(prm::Cards, 104);
        const auto r = cli::readParams(in, p);
        EXPECT_FALSE(r.ok);
        EXPECT_NE(r.error.find(c.error), std::string::npos) << r.error;
        EXPECT_EQ(p[prm::Cards], 104);
    }
}

const char* kKlondike = "378 52\n375 7\n379 24\n7 1\n"
                        "382 1\n383 2\n384 3\n385 4\n386 5\n387 6\n388 7\n"
                        "422 1\n423 1\n424 1\n425 1\n426 1\n427 1\n428 1\n";

TEST(DealCommand, PrintsTheSeventyOneLines) {
    const std::string params = writeTempFile("klondike.txt", kKlondike);
    const CliResult r = runCli({"deal", "--params", params, "--number", "0000123"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto lines = r.lines();
    ASSERT_EQ(lines.size(), 71u);
    EXPECT_EQ(lines[0].size(), 24u * 4);
    for (int i = 0; i < 7; ++i) {
        const std::string& pile = lines[19 + i];
        ASSERT_EQ(pile.size(), (i + 1) * 4u);
        for (int j = 0; j <= i; ++j) EXPECT_EQ(pile[j * 4 + 3], j == i ? '1' : '0');
    }
    EXPECT_TRUE(lines[2].empty());

    // The same number in another spelling deals the same position.
    EXPECT_EQ(runCli({"deal", "--params", params, "--number", "123"}).out, r.out);
    EXPECT_EQ(runCli({"deal", "--params", params, "--number", "99990000000000123"}).out, r.out);
    EXPECT_NE(runCli({"deal", "--params", params, "--number", "124"}).out, r.out);
}

TEST(DealCommand, BadInputIsRefusedWithAMessage) {
    const std::string good = writeTempFile("good.txt", kKlondike);
    const std::string bad = writeTempFile("bad.txt", "378 52\n375 x\n");
    const std::string wide = writeTempFile("wide.txt", "378 52\n600 1\n");
    struct Case {
        std::vector<std::string> args;
        const char* error;
    };
    const Case cases[] = {
        {{"deal", "--params", "/nonexistent/p.txt", "--number", "1"}, "cannot open parameter file"},
        {{"deal", "--params", bad, "--number", "1"}, "line 2: expected two integers"},
        {{"deal", "--params", wide, "--number", "1"}, "line 2: index 600 is outside 0-502"},
        {{"deal", "--params", good, "--number", "12a"}, "must be made of digits only"},
        {{"deal", "--params", good, "--number", ""}, "must be made of digits only"},
        {{"deal", "--params", good}, "usage: vellamor-cli deal"},
        {{"deal", "--params", good, "--number"}, "--number needs a value"},
        {{"deal", "--params", good, "--number", "1", "--fast"}, "unknown argument"},
        {{"shuffle"}, "unknown command"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.error);
        const CliResult r = runCli(c.args);
        EXPECT_NE(r.status, 0);
        EXPECT_TRUE(r.out.empty());
        EXPECT_NE(r.err.find(c.error), std::string::npos) << r.err;
    }
}

TEST(DealCommand, EngineMessagesGoToStandardError) {
    const std::string odd = writeTempFile("odd.txt", "378 60\n375 1\n382 2\n");
    const CliResult r = runCli({"deal", "--params", odd, "--number", "1"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.lines().size(), 71u);
    EXPECT_NE(r.err.find("message: Error 01 - fnGameNumberCardsArray"), std::string::npos);
}

TEST(PlayCommand, ShowsTheSampleGame) {
    const CliResult r = runCli({"play", "--number", "18"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("Spider, game number 0000000000018"), std::string::npos);
    EXPECT_NE(r.out.find("Fila10:"), std::string::npos);
}

} // namespace
} // namespace vellamor
