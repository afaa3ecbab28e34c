// Building rules: whether a pile accepts a card.
#pragma once

namespace vellamor {

class Engine;

// Whether foundation `index` (0-based) accepts `card` as its next card.
bool foundationAccepts(const Engine& engine, int index, int card);

} // namespace vellamor
