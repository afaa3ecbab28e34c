// TMainGame: the game descriptor. Pile positions of the current layout, the
// counters and modes of the game in play, and the catalogue's game list.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vellamor {

// Irregular piles: 7 rows of 13 horizontal shifts in pixels for the cards of
// fanned tableau piles, drawn anew from the engine's random generator at each
// new game and kept for the whole game (undo, redo and a new layout leave it).
struct IrregularOffsets {
    std::array<std::array<std::int8_t, 13>, 7> rows{};

    // Shift of card r (1 = the bottom card) of tableau pile `pile` (0-based):
    // piles 1-7 have their own rows, the others share rows 2-7; columns repeat
    // after the thirteenth card.
    int offset(int pile, int r) const {
        if (pile < 0 || r < 1) return 0;
        const int row = pile < 7 ? pile : pile % 6;
        int column = r - 1;
        if (column > 12) column %= 12;
        return rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
    }

    // A new table: the first card of every row stays in place, the others move
    // between one pixel left and two right, runs of one direction kept short.
    template <class RandomEngine>
    void draw(RandomEngine& rng) {
        auto random3 = [&rng] { return static_cast<int>(rng() % 4u); };
        for (auto& row : rows) {
            row[0] = 0;
            int before = random3(), sum = 0;
            for (std::size_t i = 1; i < row.size(); ++i) {
                int c = random3();
                if ((before > 2 && c > 2) || (c > 0 && c <= 2 && before <= 2)) c = 0;
                const int d = c < 3 ? c : -1;
                sum += d;
                int shift = d;
                if (sum >= 3) {
                    shift = d - 2;
                    sum -= 2;
                } else if (sum < -2) {
                    shift = d + 2;
                    sum += 2;
                }
                row[i] = static_cast<std::int8_t>(shift);
                before = c;
            }
        }
    }
};

class TMainGame {
public:
    using i16 = std::int16_t;

    // --- pile positions (written by the layout; y values are unscrolled) ----
    i16 foundationX(int i) const { return foundationX_[i]; }
    i16 foundationY(int i) const { return scrolled(foundationY_[i]); }
    void setFoundationX(int i, int v) { foundationX_[i] = narrow(v); }
    void setFoundationY(int i, int v) { foundationY_[i] = narrow(v); }

    i16 reserveX(int i) const { return reserveX_[i]; }
    i16 reserveY(int i) const { return scrolled(reserveY_[i]); }
    void setReserveX(int i, int v) { reserveX_[i] = narrow(v); }
    void setReserveY(int i, int v) { reserveY_[i] = narrow(v); }

    // Index 0 the stock, 1 the waste, 2 the second waste.
    i16 stockX(int i) const { return stockX_[i]; }
    i16 stockY(int i) const { return scrolled(stockY_[i]); }
    void setStockX(int i, int v) { stockX_[i] = narrow(v); }
    void setStockY(int i, int v) { stockY_[i] = narrow(v); }

    i16 tableauX(int i) const { return tableauX_[i]; }
    i16 tableauY(int i) const { return scrolled(tableauY_[i]); }
    void setTableauX(int i, int v) { tableauX_[i] = narrow(v); }
    void setTableauY(int i, int v) { tableauY_[i] = narrow(v); }

    // A pile placed below x = -9999 is not shown and is never a target.
    static constexpr int kHiddenX = -9999;
    static bool hidden(int x) { return x < kHiddenX; }

    // --- card steps of fanned piles ----------------------------------------
    i16 faceUpStep = 0;
    i16 faceUpStepAcross = 0;
    i16 faceDownStep = 0;
    i16 faceDownStepAcross = 0;

    // --- counters and modes of the game in play ------------------------------
    i16 closeAfterEnd = 0;   // close the window once the end of the game is complete
    i16 passNumber = 1;      // current pass through the stock, 1 after every new deal
    i16 dragMoved = 0;       // the pointer moved while a card is in hand
    i16 lastClickX = 0, lastClickY = 0;
    i16 dealShown = 0;       // 1 once the deal has been shown
    i16 stockPressed = 0;    // the empty stock is shown pressed
    i16 scrollOffset = 0;    // vertical scroll position of the table
    i16 moveCounter = 0;     // 0 after a new deal, raised up to 2 by each move
    i16 cardInHand = 0;      // bottom card of the block being dragged
    i16 lastCardMoved = 0;   // top card of the block last examined by the count test
    i16 pointerX = 0, pointerY = 0; // where the pile information was last shown
    i16 missesCounter = 0;   // misses of the memory games
    i16 autoplaySetting = 0; // 3 turns autoplay off at every new game
    i16 dragOffsetX = 0, dragOffsetY = 0;
    i16 seriesMode = 0;      // above 0 while a series is played
    i16 tutorMode = 0;       // 0 normal, 1 a hint is shown, 3 the demo plays
    i16 tutorTimer = 0;
    i16 multiCardDeal = 0;   // several cards are being dealt one after another
    i16 hintPending = 0;
    i16 demoMoves = 0;
    i16 statisticsOff = 0;
    i16 playMark = -1;       // -1 new deal, 1 the player moved, 0 the demo moved first
    i16 randomNumber = 0;    // the game number was drawn at random
    std::array<i16, 4> specialCounters{};
    i16 loadedFaceStyle = 0;
    i16 playerTurn = 0;
    i16 clickToMoveSetting = 0, clickToMove = 0;
    i16 selection = 0, selectionStep = 0;
    std::array<i16, 2> pendingRedraws{};
    IrregularOffsets irregular; // shifts of irregular piles for the game in play

    // --- card spacing of fanned piles, set with the card pictures --------------
    i16 style6Step = 0;          // cards of style 6 lie this far apart across
    i16 windingGapAcross = 0;    // gaps between the cells of the winding pile
    i16 windingGapDown = 0;
    i16 squaredStep = 3;         // reserve style 5
    i16 squaredStep2 = 3;
    i16 sideBySideGap = 6;       // style 4: cards side by side
    i16 cardWidth = 0, cardHeight = 0; // size of the current card pictures
    i16 movingBlockHeight = 0;   // height of the block in hand (card height: one card)

    // --- what the layout leaves besides the pile positions --------------------
    i16 tableauRoom = 0;         // height a tableau pile may grow to before it is squeezed
    i16 layoutCardWidth = 0;
    i16 layoutScroll = 0;        // scroll position when the layout ran
    i16 screenWidth = 0;         // width of the screen the layout was made for
    std::array<i16, 3> stockYScrolled{};
    std::array<i16, 16> foundationYScrolled{};
    // Label points of the special games' score boxes; x = -10000 when unused.
    std::array<std::array<i16, 2>, 4> labelPoints1{}, labelPoints2{};

    // --- catalogue ------------------------------------------------------------
    std::vector<std::string> gameList;       // catalogue entries in file order
    std::vector<std::string> customGameList; // custom games

private:
    i16 scrolled(i16 y) const { return static_cast<i16>(y - scrollOffset); }
    static i16 narrow(int v) { return static_cast<i16>(v); }

    std::array<i16, 17> foundationX_{}, foundationY_{};
    std::array<i16, 13> reserveX_{}, reserveY_{};
    std::array<i16, 4> stockX_{}, stockY_{};
    std::array<i16, 42> tableauX_{}, tableauY_{};
};

} // namespace vellamor
