// The script commands of the pile information: `info` (the five status texts),
// `label` (the pile's label of "Show piles' info") and `texts` (the pile-text
// file laid over them).
#include "catalogue/pile_info.h"
#include "script_fixture.h"
#include "run_cli.h"

#include <gtest/gtest.h>
#include <sstream>

namespace vellamor::cli {
namespace {

ScriptResult runScript(const std::string& text, std::string& out) {
    ScriptRun r = runSampleScript(text);
    out = std::move(r.out);
    return r.result;
}

std::string pileTextFile() {
    using catalogue::scrambledEntry;
    return testing::writeTempFile("solr.dat",
                                  scrambledEntry("0000T000", "Build as you like") + "\r\n" +
                                      scrambledEntry("0000TD01", "First row,R1") + "\r\n" +
                                      scrambledEntry("0029TD01", "Other game,X") + "\r\n");
}

// The sample Klondike names no tableau rule (parameter 488 is 0): its tableau
// piles read "in suit".
TEST(PileInfoScript, InfoLabelAndTexts) {
    const std::string file = pileTextFile();
    std::string out;
    const ScriptResult r = runScript("info Fila1\n"
                                     "deal\n"
                                     "info Fila3\n"
                                     "info Mazzo\n"
                                     "pile Mazzo\n"
                                     "pass\n"
                                     "info Mazzo\n"
                                     "label Dest1\n"
                                     "table N 800 600\n"
                                     "label Fila2\n"
                                     "texts " +
                                         file +
                                         " 0\n"
                                         "info Fila1\n"
                                         "label Fila1\n"
                                         "texts " +
                                         file +
                                         ".missing 0\n"
                                         "info Fila1\n",
                                     out);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(out,
              "no game in progress\n"
              "Tableau\t7\t3 cards\tBuild down in suit (ex. 10 [s] on Jack [s])\tUnlimited "
              "redeals\n"
              "Stock\t1\t24 cards\tClick to turn up one card at a time to the waste\tUnlimited "
              "redeals\n"
              "1\n"
              "Stock\t1\t0 cards\tClick to redeal\tUnlimited redeals\n"
              "Found.\t0 cards\n"
              "Tabl.\t2 cards\n"
              "2 entries\n"
              "First row\tR1\t1 card\tBuild as you like\tUnlimited redeals\n"
              "First row\t1 card\n"
              "no file\n"
              "Tableau\t7\t1 card\tBuild down in suit (ex. 10 [s] on Jack [s])\tUnlimited "
              "redeals\n");
}

TEST(PileInfoScript, BadArguments) {
    for (const char* line : {"info", "info Nowhere", "label Fila1 Fila2", "texts", "texts f 10000",
                             "texts f x", "texts f"}) {
        std::string out;
        const ScriptResult r = runScript(std::string("deal\n") + line + "\n", out);
        EXPECT_FALSE(r.ok) << line;
        EXPECT_NE(r.error.find("line 2"), std::string::npos) << r.error;
    }
}

// Through the program: with --game the file's entries of that game are read.
TEST(PileInfoScript, GameIdComesFromTheCatalogue) {
    const std::string file = pileTextFile();
    const testing::CliResult r =
        testing::runCli({"run", "--game", "29", "-"}, "deal\ntexts " + file + "\ninfo Fila1\n");
    ASSERT_EQ(r.status, 0) << r.err;
    ASSERT_EQ(r.lines().size(), 2u) << r.out;
    EXPECT_EQ(r.lines()[0], "1 entries");
    EXPECT_EQ(r.lines()[1].substr(0, 13), "Other game\tX\t");
}

} // namespace
} // namespace vellamor::cli
