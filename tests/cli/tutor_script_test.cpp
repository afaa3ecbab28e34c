// The script commands of autoplay, hints and the demo: what they print and how
// the hints shown carry over from one line of a script to the next.
#include "script_fixture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

namespace vellamor::cli {
namespace {

// The sample Klondike with autoplay (20) and hints (47) offered.
ScriptResult runScript(const std::string& text, std::string& out) {
    ScriptRun r = runSampleScript("set 20 1\nset 47 1\n" + text);
    out = std::move(r.out);
    return r.result;
}

std::string run(const std::string& text) {
    std::string out;
    const ScriptResult r = runScript(text, out);
    EXPECT_TRUE(r.ok) << r.error;
    return out;
}

// Face-up snapshot units of the cards from..to (codes).
std::string faceUp(int from, int to) {
    std::string units;
    char unit[8];
    for (int c = from; c <= to; ++c) {
        std::snprintf(unit, sizeof unit, "%03d1", c);
        units += unit;
    }
    return units;
}

// Hearts 1-13, diamonds 14-26, clubs 27-39, spades 40-52, Ace first. Every
// card on the foundations but the Queen and King of hearts (in the waste, the
// Queen on top) and the King of spades (alone in the tableau).
std::string threeCardsFromWinning() {
    return "deal\nclear\n"
           "pile Dest1 " + faceUp(1, 11) + "\n"
           "pile Dest2 " + faceUp(14, 26) + "\n"
           "pile Dest3 " + faceUp(27, 39) + "\n"
           "pile Dest4 " + faceUp(40, 51) + "\n"
           "pile Fila1 0521\n"
           "pile Mazzo_Vis 01310121\n";
}

TEST(TutorScript, AutoplayEndsTheGameAsWonAfterTheLastTableauCard) {
    // Dest4 lies at (748, 53) at size B on 1024 × 768. The King of spades is put
    // there by hand; with autoplay on, the mouse up sends the Queen and the King
    // of hearts after it, and the game is won.
    EXPECT_EQ(run("autoplay on\n" + threeCardsFromWinning() +
                  "drop 52 748 53\n"
                  "won\n"
                  "show Mazzo_Vis\n"),
              "0\n"
              "sound: Card_up\nsound: Foundation\nsound: Autoplay\nsound: Autoplay\ndone\n"
              "yes\n\n");
    // Switched off, the same drop leaves the waste alone; switched on again
    // during the game it plays at once.
    EXPECT_EQ(run("autoplay off\n" + threeCardsFromWinning() +
                  "drop 52 748 53\n"
                  "won\n"
                  "autoplay\n"
                  "won\n"),
              "0\n"
              "sound: Card_up\nsound: Foundation\ndone\n"
              "no\n"
              "sound: Autoplay\nsound: Autoplay\n2\n"
              "yes\n");
}

TEST(TutorScript, HintsCycleThroughTheMovesAndADoubleClickFollowsTheLastOne) {
    // Two Kings: nothing to move, and the table stays as it was.
    EXPECT_EQ(run("deal\nclear\n"
                  "pile Fila1 0521\n"
                  "pile Fila2 0131\n"
                  "hint\n"
                  "show Fila1\n"
                  "show Fila2\n"),
              "message: No other moves.\nnone\n0521\n0131\n");

    // The 6 of hearts in the waste fits on both black sevens.
    const std::string position = "deal\nclear\n"
                                 "pile Mazzo_Vis 0061\n"
                                 "pile Fila1 0461\n"
                                 "pile Fila2 0331\n"
                                 "pref DoubleClick_To_Tableaus Y\n";
    EXPECT_EQ(run(position + "hint\nhint\nhint\nhint\n"),
              "6 Mazzo_Vis Fila1\n"
              "6 Mazzo_Vis Fila2\n"
              "message: No other moves.\nnone\n"
              "6 Mazzo_Vis Fila1\n");
    // After the hint to the second pile, the double-click goes there although
    // the first pile would take the card too.
    EXPECT_EQ(run(position + "hint\nhint\ndblclick 6\nshow Fila1\nshow Fila2\n"),
              "6 Mazzo_Vis Fila1\n6 Mazzo_Vis Fila2\n"
              "sound: Tableau\ndone\n"
              "0461\n03310061\n");
    // An undo forgets the hints shown: the search starts again with the first move.
    EXPECT_EQ(run(position + "hint\nhint\ndblclick 6\nundo\nhint\n"),
              "6 Mazzo_Vis Fila1\n6 Mazzo_Vis Fila2\n"
              "sound: Tableau\ndone\n"
              "sound: Undo\ndone\n"
              "6 Mazzo_Vis Fila1\n");
}

TEST(TutorScript, ACorrectlyBuiltCardIsOfferedOnlyWhenEveryTopIsInSequence) {
    // The 7 of hearts lies correctly on the 8 of spades; the 8 of clubs would
    // take it too. While the 9 of diamonds lies out of sequence on the 5 of
    // clubs, the 7 is never offered.
    EXPECT_EQ(run("deal\nclear\n"
                  "pile Fila1 04710071\n"
                  "pile Fila2 0341\n"
                  "pile Fila3 03110221\n"
                  "hint\nhint\nhint\n"),
              "47 Fila1 Fila3\n"
              "34 Fila2 Fila3\n"
              "message: No other moves.\nnone\n");
    // With the 9 on the 10 of clubs every top is in sequence: now it is.
    EXPECT_EQ(run("deal\nclear\n"
                  "pile Fila1 04710071\n"
                  "pile Fila2 0341\n"
                  "pile Fila3 03610221\n"
                  "hint\nhint\nhint\n"),
              "47 Fila1 Fila3\n"
              "7 Fila1 Fila2\n"
              "34 Fila2 Fila3\n");
}

TEST(TutorScript, TheDemoStopsByItselfOnAWin) {
    // Two spades left, the King face down under nothing: the demo turns it up,
    // plays the Queen and then the King, and stops on the win without MAX.
    EXPECT_EQ(run("deal\nclear\n"
                  "pile Dest1 " + faceUp(1, 13) + "\n"
                  "pile Dest2 " + faceUp(14, 26) + "\n"
                  "pile Dest3 " + faceUp(27, 39) + "\n"
                  "pile Dest4 " + faceUp(40, 50) + "\n"
                  "pile Fila1 0520\n"
                  "pile Fila2 0511\n"
                  "demo\n"
                  "won\n"),
              "demo: 52 Fila1 Fila1\nsound: Face_up\n"
              "demo: 51 Fila2 Dest4\nsound: Autoplay\n"
              "demo: 52 Fila1 Dest4\nsound: Autoplay\n"
              "3 moves, won yes\n"
              "yes\n");
    // MAX stops it early; a blocked table ends it at once.
    std::string out;
    ASSERT_TRUE(runScript("deal\ndemo 2\n", out).ok);
    EXPECT_NE(out.find("2 moves, won no\n"), std::string::npos) << out;
    EXPECT_EQ(run("deal\nclear\npile Fila1 0521\ndemo\n"), "0 moves, won no\n");
}

TEST(TutorScript, BadArgumentsStopTheScriptAtTheirLine) {
    for (const char* line : {"autoplay maybe", "autoplay on off", "hint 1", "demo 0", "demo x",
                             "demo 5 5"}) {
        std::string out;
        const ScriptResult r = runScript(std::string("deal\n") + line + "\n", out);
        EXPECT_FALSE(r.ok) << line;
        EXPECT_NE(r.error.find("line 4"), std::string::npos) << line << ": " << r.error;
    }
    // The demo needs a game in progress.
    std::string out;
    const ScriptResult r = runScript("demo\n", out);
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find("deal"), std::string::npos) << r.error;
}

} // namespace
} // namespace vellamor::cli
