#include "engine/score.h"

#include "engine/engine.h"

namespace vellamor {

long long currentScore(const Engine& engine) { return engine.state.readInt(field::Score); }

void setScore(Engine& engine, long long score) {
    engine.state.writeInt(field::Score, score);
    engine.host().scoreChanged(score);
}

void addToScore(Engine& engine, int n) {
    if (engine.state.read(field::ScoreMode) != "01") return;
    setScore(engine, currentScore(engine) + 5LL * n);
}

} // namespace vellamor
