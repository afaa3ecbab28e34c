// The fixed reshuffles of the redeal styles: they stand in for a random
// shuffle, so that a redeal depends only on the position.
#pragma once

#include "engine/card.h"

#include <span>
#include <vector>

namespace vellamor {

// Takes the cards from the middle on, stepping 2 after an odd and 5 after an
// even number of cards taken, wrapping to the front.
std::vector<CardCode> reshuffle(std::span<const CardCode> gathered);

// The stock's own reshuffle, bottom card first in and out; the step is 3 while
// an odd number of cards is left, 5 while an even number is.
std::vector<CardCode> reshuffleStock(std::span<const CardCode> stock);

} // namespace vellamor
