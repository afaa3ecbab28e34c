// Card backs 1 to 28 at any size, and the add-on pack's extra backs.
#pragma once

#include "art.h"

namespace packgen {

QImage drawBack(int number, const CardSize& size);
// The add-on deck pack's backs, by index 0..count-1.
int extraBackCount();
QImage drawExtraBack(int index, const CardSize& size);

} // namespace packgen
