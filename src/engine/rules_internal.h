// Pieces shared by the files of the building rules.
#pragma once

#include "engine/engine.h"
#include "engine/rules.h"

namespace vellamor::rules_detail {

// A pile of the given kind by 0-based number; piles outside the containers read
// as an empty pile, so that "the pile k + 8" of a rule never reads past the end.
const Pile& pileOf(const Engine& e, PileKind kind, int index);
inline const Pile& foundationPile(const Engine& e, int i) {
    return pileOf(e, PileKind::Foundation, i);
}
inline const Pile& tableauPile(const Engine& e, int i) {
    return pileOf(e, PileKind::Tableau, i);
}
inline const Pile& reservePile(const Engine& e, int i) {
    return pileOf(e, PileKind::Reserve, i);
}

// Top card for the rule test: -1 for an empty pile, 0 for a hole on top.
inline int ruleTop(const Pile& p) {
    return p.empty() ? -1 : p.top();
}

// The suit relation of suit rules 0 (and 11), 1 and 3; any other rule none.
bool suitRelation(int suitRule, int top, int card);

// Steps 4 and 5 of the rule test with the given suit relation.
bool standardTest(const Engine& e, const RuleTarget& t, const MovingBlock& m, int relation);

// The dispatch on the suit rule (step 3 on).
bool suitRuleTest(const Engine& e, const RuleTarget& t, const MovingBlock& m);

// Base code of foundation k, fill code of tableau pile k (0-based).
inline int baseCode(const Engine& e, int k) {
    return e.params[prm::FoundationBase + k];
}
inline int fillCode(const Engine& e, int k) {
    return e.params[prm::TableauFill + k];
}

// Whether a foundation base code reserves the foundation for completed runs.
constexpr bool takesRunsOnly(int base) {
    return base == 82 || base == 83 || base == 95 || base == 97 || base == 98 || base == 99;
}

} // namespace vellamor::rules_detail
