// Checks of a laid-out table: every shown base card inside the table's width and
// no two base cards on top of each other.
#pragma once

#include "engine/engine.h"
#include "layout/layout.h"

#include <string>
#include <vector>

namespace vellamor::testing {

struct PlacedPile {
    PileId id;
    int x, y;
};

inline std::vector<PlacedPile> shownPiles(const Engine& e) {
    std::vector<PlacedPile> out;
    const TMainGame& g = e.game;
    auto add = [&](PileId id, int x, int y) {
        if (x > TMainGame::kHiddenX) out.push_back({id, x, y});
    };
    const int stockPiles = e.params[prm::StockAreaPiles];
    for (int i = 0; i < 2; ++i)
        if (i < stockPiles) add(i == 0 ? kStock : kWaste, g.stockX(i), g.stockY(i));
    if (e.params[prm::SecondWastes] > 0) add(kSecondWaste, g.stockX(2), g.stockY(2));
    for (int i = 0; i < e.foundationCount(); ++i)
        add(foundation(i), g.foundationX(i), g.foundationY(i));
    for (int i = 0; i < e.tableauCount(); ++i) add(tableau(i), g.tableauX(i), g.tableauY(i));
    for (int i = 0; i < e.reserveCount(); ++i) add(reserve(i), g.reserveX(i), g.reserveY(i));
    return out;
}

// Empty when the layout is sound, else a description of the first fault.
inline std::string layoutFault(const Engine& e, const LayoutInput& in) {
    const auto piles = shownPiles(e);
    const int W = in.cardWidth, H = in.cardHeight;
    for (const PlacedPile& p : piles) {
        if (p.x < 0 || p.x + W > in.tableWidth)
            return pileName(p.id) + " lies outside the table at x " + std::to_string(p.x);
        if (p.y < in.topOffset)
            return pileName(p.id) + " lies under the tool bar at y " + std::to_string(p.y);
    }
    for (std::size_t i = 0; i < piles.size(); ++i)
        for (std::size_t j = i + 1; j < piles.size(); ++j) {
            const PlacedPile &a = piles[i], &b = piles[j];
            if (a.x < b.x + W && b.x < a.x + W && a.y < b.y + H && b.y < a.y + H)
                return pileName(a.id) + " and " + pileName(b.id) + " overlap";
        }
    return {};
}

// Typical screens: 640 × 480 with size M, 1024 × 768 with size B, 1920 × 1080 with S.
inline LayoutInput screen(int width, int height, int cardWidth, int cardHeight) {
    LayoutInput in;
    in.cardWidth = cardWidth;
    in.cardHeight = cardHeight;
    in.tableWidth = width - 8;
    in.windowHeight = height - 30;
    in.clientHeight = height - 30 - 50;
    in.usableHeight = in.clientHeight - 20;
    in.statusAllowance = 20;
    in.topOffset = 28;
    in.screenWidth = width;
    in.screenHeight = height;
    return in;
}

} // namespace vellamor::testing
