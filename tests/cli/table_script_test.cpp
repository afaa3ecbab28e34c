// The script commands that work on the laid-out table and on the game's course:
// hit, drop, undo, redo, redeal, clock and end.
#include "script_fixture.h"

#include <gtest/gtest.h>

#include <sstream>

namespace vellamor::cli {
namespace {

std::string run(const std::string& text, ScriptResult* result = nullptr) {
    const ScriptRun r = runSampleScript(text);
    if (result) *result = r.result;
    else EXPECT_TRUE(r.result.ok) << r.result.error;
    return r.out;
}

// The sample Klondike at size B on 1024 × 768: Fila1 at (202, 159), Fila2 at (293, 159),
// face-up cards 18 pixels apart.
TEST(TableScript, HitFindsPileCardAndPlace) {
    EXPECT_EQ(run("deal\nclear\n"
                  "pile Fila1 052101210501\n" // K of spades, Q of hearts, J of spades
                  "hit 210 170\n"  // the King's strip
                  "hit 210 200\n"  // the Jack, top card
                  "hit 300 170\n"  // the empty pile
                  "hit 5 760\n"),  // nothing
              "Fila1 052 2 202 159\n"
              "Fila1 050 0 202 195\n"
              "Fila2 000 0 293 159\n"
              "none\n");
}

TEST(TableScript, DropMovesTheBlockWhereItLands) {
    EXPECT_EQ(run("deal\nclear\n"
                  "pile Fila1 052101210501\n"
                  "pile Fila3 0391\n"
                  "drop 50 293 159\n"    // a Jack alone on the empty pile: only a King goes there
                  "drop 12 386 180\n"    // the Queen and the Jack onto the King of clubs
                  "show Fila3\n"
                  "undo\n"
                  "show Fila3\n"
                  "redo\n"
                  "show Fila1\n"),
              "sound: Card_up\nsound: Card_down\nrefused\n" // picked up, put back
              "sound: Card_up\nsound: Tableau\ndone\n"
              "039101210501\n"
              "sound: Undo\ndone\n"
              "0391\n"
              "sound: Redo\ndone\n"
              "0521\n");
}

TEST(TableScript, RedealClockAndEnd) {
    EXPECT_EQ(run("deal\n"
                  "clear\n"
                  "pile Mazzo_Vis 00110021\n"
                  "redeal\n"
                  "pass\n"
                  "show Mazzo\n"
                  "undo\n"
                  "pass\n"
                  "clock 75\n"
                  "end\n"
                  "end\n"),
              "stock pressed\nstock released\nsound: Redeal\ndone\n2\n00200010\n"
              "sound: Undo\ndone\n1\n"
              "won no seconds 75 score -52\n"
              "no game in progress\n");

    ScriptResult r;
    run("deal\nredeal\n", &r);
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find("line 2"), std::string::npos);
    run("table Q 100 100\n", &r);
    EXPECT_FALSE(r.ok);
    run("hit 1\n", &r);
    EXPECT_FALSE(r.ok);
    run("clock -5\n", &r);
    EXPECT_FALSE(r.ok);
}

} // namespace
} // namespace vellamor::cli
