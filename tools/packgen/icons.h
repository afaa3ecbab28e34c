// Tool-bar, menu, status-bar, suit, tree and preview icons, cursors, the pause
// pictures and the splash picture.
#pragma once

#include "art.h"

#include <string>
#include <vector>

namespace packgen {

struct NamedImage {
    std::string name;
    QImage image;
};
struct NamedCursor {
    std::string name;
    QImage image;
    int hotX, hotY;
};

std::vector<NamedImage> drawIcons();
std::vector<NamedCursor> drawCursors();
std::vector<NamedImage> drawPictures(); // pause, splash, card-effect previews

} // namespace packgen
