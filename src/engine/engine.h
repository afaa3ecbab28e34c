// The engine object: everything that describes the game on the table. One per
// table: the program has one, the open-game preview and solvers make their own.
#pragma once

#include "engine/host.h"
#include "engine/main_game.h"
#include "engine/play.h"
#include "engine/rule_params.h"
#include "engine/state_record.h"
#include "engine/table.h"
#include "engine/undo_log.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace vellamor {

class Engine {
public:
    explicit Engine(EngineHost* host = nullptr);
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    EngineHost& host() const { return *host_; }
    void setHost(EngineHost* host) { host_ = host ? host : &silent_; }

    // Number of tableau piles the current game uses (parameter 375, at most 40).
    int tableauCount() const;
    int foundationCount() const;
    int reserveCount() const;

    Table table;
    CardRecords cards;
    RuleParams params;
    TMainGame game;
    StateRecord state;
    StateFlags flags;

    int stockDeals = 0; // stock deals made so far (state counter 0)

    // Game clock: start of the current game; the elapsed time is kept by the clock.
    std::chrono::system_clock::time_point clockStart{};
    long long elapsedSeconds = 0;

    // Undo and redo logs (positions, newest last, with their side effects); the
    // marks of an undo or redo just made are in the state record.
    UndoLog undoLog, redoLog;
    // Preferences, undo steps and hand-over points of the player actions.
    PlayState play;

    // Hints already shown for the current position.
    std::vector<std::string> hintHistory;

    // Fills the rule parameters of the current game when a new deal finds the
    // vector empty (the catalogue sets it); false when the game was refused.
    std::function<bool(Engine&)> loadCurrentGame;

    // Random choices that are not deals (random game numbers, style 10).
    std::mt19937_64 rng;

private:
    SilentHost silent_;
    EngineHost* host_;
};

} // namespace vellamor
