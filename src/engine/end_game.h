// The end of a game: the win test, the score, the game clock, leaving a game and
// handing its result over to the statistics, the hi-scores and the rest.
#pragma once

#include <chrono>
#include <ctime>
#include <string>
#include <string_view>

namespace vellamor {

class Engine;

// Stock, waste, every tableau pile and every reserve empty. For the games whose
// tableau is a pyramid of places (special codes 4, 67, 83, 87) a pile of holes
// counts as empty. The special families bring their own tests.
bool plainWinTest(const Engine& engine);
// The won flag refreshed from the win test.
bool refreshWon(Engine& engine);

// Minus the cards of the game, plus 5 per card on the foundations and the
// second waste, adjusted by parameter 48 and the jokers (score mode "01";
// any other mode scores 0).
long long plainScore(const Engine& engine);
// Computes, stores and shows the score.
void recomputeScore(Engine& engine);

// The game clock. Ticks once a second while it runs and keeps the elapsed
// seconds (a game that goes past midnight is counted through 23:59:59).
using Clock = std::chrono::system_clock;
void startClock(Engine& engine, Clock::time_point now);
void clockTick(Engine& engine, Clock::time_point now);
// Continues a restored game from its saved elapsed time.
void resumeClock(Engine& engine, long long elapsedSeconds, Clock::time_point now);

// Where a finished game's result goes, in this order. The statistics receivers
// are told only when the game counts (statistics on, not a demo-only game).
class GameResults {
public:
    virtual ~GameResults() = default;
    virtual void prepare() {} // the statistics file carries its version line
    virtual void gameLog(bool /*won*/, long long /*seconds*/, std::time_t /*end*/) {}
    virtual void progression(bool /*won*/, std::time_t /*end*/) {}
    virtual void statistics(bool /*won*/) {}
    // Only for games whose number was drawn at random.
    virtual void singleGameValues(int /*gameId*/, std::string_view /*player*/,
                                  std::string_view /*scoreMode*/, bool /*won*/) {}
    virtual void hiScores(int /*gameId*/, std::string_view /*player*/, std::time_t /*end*/,
                          long long /*seconds*/, long long /*score*/, std::string_view /*scoreMode*/) {}
    virtual void fastSearchWon(int /*gameId*/) {}
    virtual void multiPlayer(long long /*score*/, bool /*won*/, long long /*seconds*/) {}
};

// What the window does around the end of a game.
class GameEndUi {
public:
    virtual ~GameEndUi() = default;
    virtual void closeDemo() {}
    virtual void hidePileInfo() {}
    // Pause, quit-game and the bookmark commands go off; the status bar is refreshed.
    virtual void gameEnded() {}
    virtual void deleteBookmark(std::string_view /*path*/) {}
    // The result dialog of the memory games ("Game Won" / "Game Lost").
    virtual void memoryResult(bool /*won*/) {}
    // The "Won" sound and the win animation.
    virtual void celebrate() {}
    virtual void closeMainWindow() {}
    virtual void showGameWon() {}
    // During a series: the game is recorded there (and the series advances when won).
    virtual void seriesGame(int /*gameId*/, bool /*won*/, long long /*seconds*/) {}
    // Leaving a game: "Quit this game?" with OK and Cancel; true for OK.
    virtual bool confirm(std::string_view /*question*/) { return true; }
    // Leaving a game during a series: true when the game may be abandoned.
    virtual bool seriesEnd(std::string_view /*caption*/) { return false; }
};

// Whether the game in play may be left. `confirmQuit` is the ConfirmQuitGame
// preference (not "N"); `seriesName` names the series in play, if any.
bool confirmLeaving(Engine& engine, GameEndUi& ui, bool confirmQuit,
                    std::string_view question = "Quit this game?",
                    std::string_view seriesName = {});

// Ends the game in play and hands its result over; returns whether it counted
// as won. Nothing happens when no game is in progress.
bool endGame(Engine& engine, GameResults& results, GameEndUi& ui,
             Clock::time_point now = Clock::now());

} // namespace vellamor
