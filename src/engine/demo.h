// The game demo: plays the game move after move. The engine never
// waits: each pause is a request to the host ("call step() after N ms"), which
// the demo window's timer serves; a headless run calls step() at once.
#pragma once

#include "engine/hints.h"

#include <cstdint>
#include <string_view>
#include <unordered_set>

namespace vellamor {

class Engine;

// What the demo asks of the window around it.
class DemoHost {
public:
    virtual ~DemoHost() = default;
    // Call Demo::step() once after `ms` milliseconds.
    virtual void requestStep(int ms) = 0;
    // The demo window's description and move count.
    virtual void describe(std::string_view /*text*/) {}
    virtual void showMoveCount(int /*moves*/) {}
    // The move is about to be made (after its description has stood).
    virtual void aboutToMove(const Hint& /*hint*/) {}
    // The demo has ended (tutor mode 0); the window redraws the table.
    virtual void finished() {}
};

inline constexpr int kDemoStartMs = 200;
inline constexpr int kDemoDescriptionMs = 500;
inline constexpr int kDemoAfterMoveMs = 500;

class Demo {
public:
    explicit Demo(Engine& e) : e_(e) {}

    // Starts the demo on the game in progress (the caller starts a new game with
    // a random number first when none is): cancels a shown hint, tutor mode 3,
    // move count 0, and asks for the first step after 200 ms. False when no
    // game is in progress.
    bool start(DemoHost& host);
    // One step of the loop; the host calls it when a requested pause is over.
    void step();
    // The player stops the demo: tutor mode 0; the loop ends at its next step.
    void stop();

    bool running() const { return phase_ != Phase::Idle; }
    int moves() const { return moves_; }
    // How the last run ended.
    bool endedWithoutMove() const { return noMove_; } // "End of the Game Demo"
    bool endedByRepetition() const { return repeated_; }
    // A bound on the moves of a run (0 none); a run that reaches it stops.
    void setMaxMoves(int n) { maxMoves_ = n; }

private:
    enum class Phase { Idle, Find, Make, After };
    void finish();
    void find();
    std::uint64_t positionKey() const;

    Engine& e_;
    DemoHost* host_ = nullptr;
    Phase phase_ = Phase::Idle;
    Hint hint_;
    bool made_ = false;
    int moves_ = 0;
    int maxMoves_ = 0;
    bool noMove_ = false;
    bool repeated_ = false;
    std::unordered_set<std::uint64_t> seen_;
};

// The result of a demo played to its end without pauses (the driver, the tests).
struct DemoRun {
    int moves = 0;
    bool won = false;
    bool noMove = false;   // ended with "End of the Game Demo"
    bool repeated = false; // ended because a position came back
    bool capped = false;   // reached maxMoves
};
// Plays the demo on the game in progress until it stops by itself or after
// maxMoves moves (0 none). `observer` sees every move before it is made.
DemoRun runDemo(Engine& e, int maxMoves = 0, DemoHost* observer = nullptr);

} // namespace vellamor
