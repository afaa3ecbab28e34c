#include "engine/family_hooks.h"

#include "engine/engine.h"
#include "engine/rules.h"

namespace vellamor::families {

bool foundationTakesFromTableau(const Engine&, int, const MovingBlock&) {
    return false;
}
bool wasteAccepts(const Engine&, const MovingBlock&) {
    return false;
}
void afterTableauMove(Engine&, int, PileId) {}
bool familyAction(Engine&, int, std::string_view) {
    return false;
}
bool stockClick(Engine&) {
    return false;
}
bool mouseDown(Engine&, int, PileId, bool) {
    return false;
}
void refill(Engine&) {}
void showPartialScore(Engine&) {}

} // namespace vellamor::families
