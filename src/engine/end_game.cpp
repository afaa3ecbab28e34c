#include "engine/end_game.h"

#include "engine/engine.h"
#include "engine/game_clock.h"
#include "engine/score.h"

namespace vellamor {

namespace {

bool onlyHoles(const Pile& pile) { return pile.cardCount() == 0; }

bool pyramidGame(int special) {
    return special == 4 || special == 67 || special == 83 || special == 87;
}

long long epochSeconds(Clock::time_point t) {
    return std::chrono::duration_cast<std::chrono::seconds>(t.time_since_epoch()).count();
}

} // namespace

bool plainWinTest(const Engine& e) {
    const Table& t = e.table;
    if (!t.stock().empty() || !t.waste().empty()) return false;
    const bool holesCountEmpty = pyramidGame(e.params[prm::Special]);
    for (int i = 0; i < e.tableauCount(); ++i) {
        const Pile& pile = t.tableau[i];
        if (!(pile.empty() || (holesCountEmpty && onlyHoles(pile)))) return false;
    }
    for (int r = 0; r < e.reserveCount(); ++r)
        if (!t.reserves[r].empty()) return false;
    return true;
}

bool refreshWon(Engine& e) {
    const bool won = plainWinTest(e);
    e.flags.set(StateFlag::Won, won);
    return won;
}

long long plainScore(const Engine& e) {
    if (e.state.read(field::ScoreMode) != "01") return 0;
    const RuleParams& p = e.params;
    long long score = -p[prm::Cards];
    if (p[prm::ShortDeck] == 1) score = p[prm::Cards] == 104 ? -64 : -32;
    else if (p[prm::ShortDeck] == 2) score = -28;
    score += 5LL * p[prm::ScoreAdjustment];
    score += 5LL * e.table.secondWaste().cardCount();
    if (p[prm::UsesJokers] == 1) score -= 5LL * p[prm::Jokers];
    for (int f = 0; f < e.foundationCount(); ++f) score += 5LL * e.table.foundations[f].cardCount();
    return score;
}

void recomputeScore(Engine& e) {
    const long long score = plainScore(e);
    if (score != currentScore(e)) setScore(e, score);
}

void startClock(Engine& e, Clock::time_point now) {
    e.clockStart = now;
    e.elapsedSeconds = 0;
    e.flags.set(StateFlag::ClockRuns);
}

void clockTick(Engine& e, Clock::time_point now) {
    if (!e.flags.test(StateFlag::ClockRuns)) return;
    e.elapsedSeconds =
        elapsedBetween(secondsOfDay(epochSeconds(e.clockStart)), secondsOfDay(epochSeconds(now)));
}

void resumeClock(Engine& e, long long elapsed, Clock::time_point now) {
    e.clockStart = now - std::chrono::seconds(elapsed);
    e.elapsedSeconds = elapsed;
    e.flags.set(StateFlag::ClockRuns);
}

bool confirmLeaving(Engine& e, GameEndUi& ui, bool confirmQuit, std::string_view question,
                    std::string_view seriesName) {
    if (!e.flags.test(StateFlag::InProgress)) return true;
    if (e.game.seriesMode > 0)
        return ui.seriesEnd(std::string("Series in progress: ") + std::string(seriesName));
    if (!confirmQuit) return true;
    return ui.confirm(question);
}

bool endGame(Engine& e, GameResults& results, GameEndUi& ui, Clock::time_point now) {
    ui.closeDemo();
    if (!e.flags.test(StateFlag::InProgress)) return false;
    ui.hidePileInfo();
    results.prepare();

    if (const int target = e.params[prm::TargetScore]; target != 0)
        e.flags.set(StateFlag::Won, currentScore(e) >= target);
    const bool won = e.flags.test(StateFlag::Won);
    clockTick(e, now);
    const long long seconds = e.elapsedSeconds;
    const std::time_t end = Clock::to_time_t(now);
    e.flags.clear(StateFlag::ClockRuns);

    ui.gameEnded();
    if (const std::string bookmark = e.state.read(field::BookmarkFile); !bookmark.empty()) {
        ui.deleteBookmark(bookmark);
        e.state.write(field::BookmarkFile, "");
    }
    const int special = e.params[prm::Special];
    if (special >= 36 && special <= 39) ui.memoryResult(won);

    // A game counts when statistics are on and the player moved a card himself
    // (a game that only the demo played does not).
    const int gameId = static_cast<int>(e.state.readInt(field::GameId));
    const std::string player = e.state.read(field::PlayerName);
    const std::string mode = e.state.read(field::ScoreMode);
    const long long score = currentScore(e);
    if (e.game.statisticsOff == 0 && e.game.playMark != 0) {
        results.gameLog(won, seconds, end);
        results.progression(won, end);
        results.statistics(won);
        if (e.game.randomNumber == 1) results.singleGameValues(gameId, player, mode, won);
        results.hiScores(gameId, player, end, seconds, score, mode);
    }
    if (won) results.fastSearchWon(gameId);
    if (e.game.playerTurn > 0) results.multiPlayer(score, won, seconds);

    e.game.cardInHand = 0;
    e.game.lastCardMoved = 0;
    e.flags.clear(StateFlag::Won);
    e.flags.clear(StateFlag::InProgress);
    e.flags.set(StateFlag::Ended);
    e.game.closeAfterEnd = 0;

    if (won) ui.celebrate();
    if (e.game.closeAfterEnd != 0) {
        ui.closeMainWindow();
    } else if (e.game.seriesMode > 0) {
        ui.seriesGame(gameId, won, seconds);
    } else if (won) {
        ui.showGameWon();
    }
    return won;
}

} // namespace vellamor
