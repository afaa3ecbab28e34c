#include "engine/rule_params.h"

#include <algorithm>

namespace vellamor {

bool RuleParams::holdsGame() const { return values_[prm::Cards] != 0; }

void RuleParams::saveRanges() {
    std::copy_n(values_.begin() + prm::FoundationBase, savedBases_.size(), savedBases_.begin());
    std::copy_n(values_.begin() + prm::TableauFill, savedFills_.size(), savedFills_.begin());
}

void RuleParams::restoreRanges() {
    std::copy(savedBases_.begin(), savedBases_.end(), values_.begin() + prm::FoundationBase);
    std::copy(savedFills_.begin(), savedFills_.end(), values_.begin() + prm::TableauFill);
}

} // namespace vellamor
