// Pile marks, shadows, stack borders and table backgrounds.
#pragma once

#include "art.h"

#include <string_view>

namespace packgen {

// The mark "W" + size + suffix.
QImage drawMark(std::string_view suffix, const CardSize& size);
// Shadow 1 (right of a lifted card) and 2 (below it); transparent pixels are white.
QImage drawShadow(int which, const CardSize& size);
// Stack edges: 1 the lower border (card width × 16), 2 the right one (16 × card
// height); pure blue where nothing is drawn.
QImage drawBorder(int which, const CardSize& size);
// Tiled background picture "B" + number (101-105, 257-324).
QImage drawTiledBackground(int number);
// A picture drawn once at the top left (numbers above 499).
QImage drawPictureBackground(int number);
// The add-on pack's backgrounds (JPEG there), by index.
int extraBackgroundCount();
QImage drawExtraBackground(int index);

} // namespace packgen
