// The script interpreter of `vellamor-cli run`, in-process.
#include "script_fixture.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace vellamor::cli {
namespace {

ScriptRun runScript(const std::string& text) { return runSampleScript(text); }

TEST(Script, PlaysAKlondikePosition) {
    std::ifstream file(VELLAMOR_TEST_DATA_DIR "/klondike_play.script");
    ASSERT_TRUE(file);
    std::stringstream text;
    text << file.rdbuf();
    const ScriptRun r = runScript(text.str());
    ASSERT_TRUE(r.result.ok) << r.result.error;
    EXPECT_EQ(r.out,
              "yes\nno\nyes\nno\n"               // accepts
              "yes\n"                            // take
              "sound: Tableau\ndone\n05210251\n" // the Queen moved
              "sound: Tableau\ndone\n0041\n"     // the King moved, the 4 turned up
              "refused\n"
              "sound: Stock\ndone\nsound: Stock\ndone\n" // two cards to the waste
              "stock pressed\nstock released\nsound: Redeal\ndone\n"
              "04900500\n" // the stock again, face down
              "2\n-42\nrefused\nno\n");
}

TEST(Script, ErrorsNameTheLineAndStopTheScript) {
    struct Case {
        const char* script;
        const char* error;
    } cases[] = {
        {"deal\nfly 3\n", "line 2: unknown command \"fly\""},
        {"set 600 1\n", "line 1: parameter index 600 is outside 0-502"},
        {"set 14\n", "line 1: \"set\" takes a parameter index and a value: \"set 14\""},
        {"accepts Fila1 213\n",
         "line 1: \"accepts\" takes a pile name and a card code 1-212: \"accepts Fila1 213\""},
        {"accepts Heap1 12\n", "line 1: unknown pile \"Heap1\""},
        {"pile Fila1 0121 0121\n", "line 1: card 012 appears twice"},
        {"pile Fila1 01211\n", "line 1: units must be four characters each, a card code and a face "
                               "flag 0 or 1: \"01211\""},
        {"move 12 Somewhere\n", "line 1: unknown action \"Somewhere\""},
        {"pref Automatic_FaceUp maybe\n",
         "line 1: unknown preference or value other than Y and N: \"pref Automatic_FaceUp maybe\""},
        {"take 12 full\n",
         "line 1: \"take\" takes a card code 1-212 and optionally \"empty\": \"take 12 full\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.script);
        const ScriptRun r = runScript(std::string(c.script) + "show Fila1\n");
        EXPECT_FALSE(r.result.ok);
        EXPECT_EQ(r.result.error, c.error);
        EXPECT_EQ(r.out, ""); // nothing after the bad line ran
    }
}

TEST(Script, BadPileLineChangesNothing) {
    const ScriptRun r = runScript("pile Fila1 0121\npile Fila2 01210131\n");
    EXPECT_EQ(r.result.error, "line 2: card 012 already lies on Fila1");
    std::ostringstream out;
    ScriptRunner runner(out);
    runner.runLine("pile Fila1 0121", 1);
    runner.runLine("pile Fila2 01210131", 2);
    EXPECT_TRUE(runner.engine().table.tableau[1].empty());
    EXPECT_EQ(runner.engine().table.tableau[0].text(), "012");
}

TEST(Script, ParametersSetBeforeTheDealSurviveIt) {
    const ScriptRun r = runScript("set 55 7\ndeal\naccepts Dest1 7\naccepts Dest1 1\n");
    ASSERT_TRUE(r.result.ok) << r.result.error;
    EXPECT_EQ(r.out, "yes\nno\n");
}

} // namespace
} // namespace vellamor::cli
