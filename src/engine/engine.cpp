#include "engine/engine.h"

#include <algorithm>

namespace vellamor {

Engine::Engine(EngineHost* host)
    : rng(static_cast<std::uint64_t>(
          std::chrono::high_resolution_clock::now().time_since_epoch().count())),
      host_(host ? host : &silent_) {
    state.write(field::ScoreMode, "01");
}

int Engine::tableauCount() const { return std::clamp(params[prm::Tableaus], 0, kTableauCount); }
int Engine::foundationCount() const {
    return std::clamp(params[prm::Foundations], 0, kFoundationCount);
}
int Engine::reserveCount() const { return std::clamp(params[prm::Reserves], 0, kReserveCount); }

} // namespace vellamor
