// The table layout: where the base card of every pile lies for the current game,
// card size and table size. Reads the rule parameters, writes the positions into
// the game descriptor.
#pragma once

namespace vellamor {

class Engine;

// A pile placed here is not shown and never hit.
inline constexpr int kHiddenPileX = -10000;

struct LayoutInput {
    int cardWidth = 71, cardHeight = 96;
    int tableWidth = 1024;   // client width, less the vertical scroll bar while shown
    int windowHeight = 768;  // outer height of the main window
    int clientHeight = 740;  // client height of the main window
    int usableHeight = 700;  // top of the status bar (client height - 1 without one)
    int statusAllowance = 20; // 0 when the status bar is hidden
    int topOffset = 28;       // height of the tool bar
    int screenWidth = 1024, screenHeight = 768;
    bool cardsShadowed = true; // "Cards_Shadowed"
    bool pilesIrregular = true; // "Piles_TT" not "N"

    // The open-game dialog's preview: the picture's size stands for the window.
    static LayoutInput preview(int width, int height, int cardWidth, int cardHeight);
};

// Places every pile of the current game. Piles the game does not use, or that
// its arrangement hides, get x = kHiddenPileX.
void layoutTable(Engine& engine, const LayoutInput& input);

} // namespace vellamor
