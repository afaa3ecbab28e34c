// Where the player actions find things on the table: the hit test and the
// rectangles of the piles' top cards, as the layout and the card places say.
#pragma once

#include "engine/actions_mouse.h"

namespace vellamor {

class LayoutGeometry final : public TableGeometry {
public:
    explicit LayoutGeometry(const Engine& engine) : e_(engine) {}

    Hit hitTest(int x, int y) const override;
    std::optional<Rect> topCardRect(PileId pile) const override;
    int cardWidth() const override;
    int cardHeight() const override;

private:
    const Engine& e_;
};

} // namespace vellamor
