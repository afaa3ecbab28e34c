// The layout runs in a fixed order: the common grid of row tops and margins, the
// tableau (whose arrangement most other piles refer to), then the stock area,
// the foundations, the reserves and the second waste, each by its own
// arrangement number. All arithmetic is integer and truncating.
#include "layout/layout.h"

#include "engine/engine.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace vellamor {

LayoutInput LayoutInput::preview(int width, int height, int cardWidth, int cardHeight) {
    LayoutInput in;
    in.cardWidth = cardWidth;
    in.cardHeight = cardHeight;
    in.tableWidth = width;
    in.windowHeight = height;
    in.clientHeight = height;
    in.usableHeight = height;
    in.statusAllowance = 0;
    in.topOffset = 3;
    in.screenWidth = width;
    in.screenHeight = height;
    return in;
}

namespace {

// First decimal digit of a placement code's row part.
int rowDigit(int value) {
    value = std::abs(value);
    while (value >= 10) value /= 10;
    return value;
}

struct Placement {
    int row = 0;
    int arrangement = 0;
    int count = 0;
};

struct Positions {
    std::array<int, kTableauCount> tx, ty;
    std::array<int, kFoundationCount> fx, fy;
    std::array<int, kReserveCount> rx, ry;
    std::array<int, 3> sx, sy;
    Positions() {
        tx.fill(kHiddenPileX);
        ty.fill(0);
        fx.fill(kHiddenPileX);
        fy.fill(0);
        rx.fill(kHiddenPileX);
        ry.fill(0);
        sx.fill(kHiddenPileX);
        sy.fill(0);
    }
};

class Layout {
public:
    Layout(const Engine& e, const LayoutInput& in)
        : p_(e.params), in_(in), faceUpStep_(e.game.faceUpStep) {
        stock_ = {rowDigit(p_[prm::StockAreaRow]), p_[prm::StockAreaArrangement],
                  std::clamp(p_[prm::StockAreaPiles], 0, 3)};
        found_ = {rowDigit(p_[prm::FoundationRow]), p_[prm::FoundationArrangement],
                  e.foundationCount()};
        tab_ = {rowDigit(p_[prm::TableauRow]), p_[prm::TableauArrangement], e.tableauCount()};
        res_ = {rowDigit(p_[prm::ReserveRow]), p_[prm::ReserveArrangement], e.reserveCount()};
        waste2_ = {rowDigit(p_[prm::SecondWasteRow]), p_[prm::SecondWasteArrangement],
                   std::clamp(p_[prm::SecondWastes], 0, 1)};
        W_ = in.cardWidth;
        H_ = in.cardHeight;
        setUpGrid();
    }

    Positions run() {
        if (tab_.arrangement == 20) {
            placeFoundations();
            placeTableau();
        } else {
            placeTableau();
            placeFoundations();
        }
        placeStockArea();
        if (found_.arrangement == 17) placeFoundations(); // it follows the stock area
        placeReserves();
        placeSecondWaste();
        return pos_;
    }

    int tableauRoom() const;

private:
    const RuleParams& p_;
    const LayoutInput& in_;
    Placement stock_, found_, tab_, res_, waste2_;
    int W_ = 0, H_ = 0;
    int T_ = 0, g_ = 0, width_ = 0, t_ = 0, U_ = 0, d_ = 0;
    bool low_ = false; // a window lower than 500 pixels
    std::array<int, 7> rows_{};
    int block3_ = 0, block4_ = 0;
    int gap_ = 0; // gap between neighbouring tableau piles
    int faceUpStep_ = 0;
    Positions pos_;

    bool stockInPlay() const { return p_[prm::StockInPlay] == 1; }
    bool wasteInPlay() const { return p_[prm::WasteInPlay] == 1; }
    int rowTop(int digit) const { return digit >= 1 && digit <= 6 ? rows_[digit] : rows_[1]; }
    int shadow() const { return in_.cardsShadowed ? 9 : 0; }
    int firstTableauX() const { return tab_.count > 0 ? pos_.tx[0] : U_; }
    int lastTableauX() const { return tab_.count > 0 ? pos_.tx[tab_.count - 1] : t_ - W_ - U_; }

    void setUpGrid();
    void placeTableau();
    void placeRow(int n, int x0, int s, int y);
    void placeCentredRow(int first, int n, int y);
    void placeTwoRows();
    void placeFanRows();
    void placeStockArea();
    void placeFoundations();
    void placeReserves();
    void placeSecondWaste();
};

void Layout::setUpGrid() {
    low_ = in_.windowHeight < 500;
    T_ = in_.topOffset;
    g_ = low_ ? 5 : 10;
    width_ = in_.tableWidth - (low_ ? 10 : 0);
    t_ = width_ - 2;

    int& r1 = rows_[1];
    r1 = T_ + g_ + (stock_.row == 1 ? 15 : 0);
    rows_[2] = r1 + g_ + H_ + (stock_.row == 2 || stock_.arrangement == 3 ? 15 : 0);
    if (tab_.arrangement == 15) {
        rows_[1] = T_ + 15;
        rows_[2] = T_ + 20 + H_;
    }
    rows_[3] = tab_.arrangement == 15 ? T_ + 25 + 2 * H_ : rows_[2] + g_ + H_;
    rows_[4] = rows_[3] + g_ + H_;
    const int bottom = in_.windowHeight * 10 > in_.screenHeight * 8 ? in_.windowHeight
                                                                    : in_.screenHeight;
    rows_[5] = bottom + in_.clientHeight - in_.windowHeight - H_ - in_.statusAllowance - 5;
    rows_[6] = rows_[2] + (rows_[3] - rows_[2]) / 2;
    rows_[0] = rows_[1];

    block3_ = std::max(T_ + (in_.usableHeight - T_ - 3 * H_ - 20) / 2, T_ + 2);
    block4_ = std::max(T_ + (in_.usableHeight - T_ - 4 * H_ - 30) / 2, T_ + 2);

    U_ = width_ >= 652 ? 5 : 3;
    if (stock_.count > 0) {
        U_ += shadow();
        const int a = stock_.arrangement;
        if (a == 3 || a == 4 || a == 5 || a == 16 || a == 19 || waste2_.arrangement == 4) U_ += 15;
    }
    d_ = low_ && found_.count > 4 && stock_.count > 1 ? 5 : 15;
}

void Layout::placeRow(int n, int x0, int s, int y) {
    int x = x0;
    for (int i = 0; i < n; ++i) {
        pos_.tx[i] = x;
        pos_.ty[i] = y;
        x += W_ + s;
    }
    gap_ = s;
}

void Layout::placeTableau() {
    const int n = tab_.count;
    const int a = tab_.arrangement;
    const int y = rowTop(tab_.row);
    if (n == 0) return;
    switch (a) {
    case 2: {
        const int s = width_ < 652 ? 5 : 10;
        placeRow(n, std::max((t_ - n * W_ - (n - 1) * s) / 2, U_), s, y);
        return;
    }
    case 3:
    case 12:
    case 11:
    case 21: {
        const int c = a == 3 || a == 12 ? 1 : 2;
        const int k = c == 1 ? 2 : 1;
        if ((a == 3 || a == 12) && low_) {
            d_ = 10;
            U_ = 15;
        }
        int s = (t_ - (n + c) * W_ - k * d_ - 15 * c) / (n + 4);
        if (s < 4) s = 4;
        if (s > 20) s = 15;
        if (a == 21) s = 4;
        int x0 = (t_ - 15 * c - k * d_ - (n + c) * W_ - n * s) / 2;
        const int f = found_.count;
        if (f < 8 || (f == 8 && c == 1)) x0 = std::max(x0, U_);
        else x0 = std::max(x0, low_ ? -4 : 1);
        x0 += c * (W_ + 15) + k * d_;
        if (a == 11 || a == 12) x0 += d_;
        placeRow(n, x0, s, y);
        return;
    }
    case 10: {
        const int rows = std::max(1, p_[prm::GridTableauRows]);
        const int perRow = std::max(1, n / rows);
        const int step = W_ + (W_ * 85) / 100;
        for (int i = 0; i < n; ++i) {
            pos_.tx[i] = 15 + (i % perRow) * step;
            pos_.ty[i] = block3_ + (i / perRow) * (H_ + 10);
        }
        gap_ = step - W_;
        return;
    }
    case 13: {
        const int allowance = low_ ? -11 : (shadow() == 0 ? 9 : shadow());
        placeRow(n, 2 * allowance + 30, 4, y);
        return;
    }
    case 18: {
        const int rows = std::max(1, p_[prm::GridTableauRows]);
        const int k = std::max(1, n / rows);
        const int colGap = std::max((t_ - k * W_ - 2) / (k + 1), (W_ * 3) / 2);
        const int x0 = low_ ? 15 : U_ + 10;
        const int firstRow = std::max(1, std::min(tab_.row, 4)) - 1;
        for (int i = 0; i < n; ++i) {
            pos_.tx[i] = x0 + (i % k) * (W_ + colGap);
            pos_.ty[i] = block4_ + (firstRow + i / k) * (H_ + 10);
        }
        gap_ = colGap;
        return;
    }
    case 52: // Baker's Dozen
    case 53: // Spanish Patience
    case 54: // Castles in Spain
    case 55: // Portuguese Solitaire
    case 56: // Lucas
        placeTwoRows();
        return;
    case 57: // Fan
        placeFanRows();
        return;
    case 20: {
        int left = t_ / 2, right = t_ / 2;
        if (found_.count > 0) {
            left = pos_.fx[0];
            right = pos_.fx[found_.count - 1] + W_;
        }
        const int span = n * W_ + (n - 1) * 10;
        placeRow(n, (left + right) / 2 - span / 2, 10, y);
        return;
    }
    default: break; // 1, 14, 15 and any number without a placement of its own
    }

    // One centred row.
    const bool besideStock = stock_.arrangement == 4 || waste2_.arrangement == 4;
    int s = std::clamp((t_ - n * W_) / (n + 1), 4, 20);
    if (n > 8) s = std::min(s, 14);
    if (a != 14 && a != 15 && besideStock) s = std::max(s, 15);
    int x0 = (t_ - n * W_ - (n - 1) * s) / 2;
    if (x0 < U_) {
        if ((a == 14 || a == 15) && n > 1) {
            s = std::clamp((t_ - U_ - n * W_) / (n - 1), 4, 20);
            x0 = U_;
            if (width_ < 650) {
                if (a == 15 && n == 10) {
                    x0 = 15;
                    s = 3;
                } else if (found_.count == 8 || n == 10) {
                    x0 = U_ - 2;
                }
            }
        } else {
            x0 = U_;
        }
    }
    placeRow(n, x0, s, y);
    if ((a == 14 || a == 15) && besideStock && s < 15) {
        // Leave room for the stock's shadow over the first columns.
        for (int i = 1; i < n; ++i)
            pos_.tx[i] = pos_.tx[i - 1] + W_ + (i < stock_.count ? 15 : s);
    }
}

// A centred row of tableau piles first..first+n-1, gaps as in arrangement 1.
void Layout::placeCentredRow(int first, int n, int y) {
    const int s = std::clamp((t_ - n * W_) / (n + 1), 4, 20);
    const int x0 = std::max((t_ - n * W_ - (n - 1) * s) / 2, U_);
    for (int i = 0; i < n; ++i) {
        pos_.tx[first + i] = x0 + i * (W_ + s);
        pos_.ty[first + i] = y;
    }
    gap_ = s;
}

// Thirteen piles and more do not fit one row on a small screen: the first half
// (rounded up) in the tableau row, the rest below it with room for six cards
// fanned down from each pile above.
void Layout::placeTwoRows() {
    const int n = tab_.count;
    const int upper = (n + 1) / 2;
    const int y = rowTop(tab_.row);
    const int step = faceUpStep_ > 0 ? faceUpStep_ : H_ / 5;
    placeCentredRow(0, upper, y);
    const int s = gap_;
    placeCentredRow(upper, n - upper, y + H_ + 5 * step);
    gap_ = s;
}

// Fans lie sideways in rows under the foundations: the rows of parameter 368,
// columns wide enough for a fan of five cards, the block centred.
void Layout::placeFanRows() {
    const int n = tab_.count;
    const int rows = std::max(1, p_[prm::GridTableauRows]);
    const int perRow = (n + rows - 1) / rows;
    const int step = W_ + (W_ * 85) / 100;
    const int x0 = std::max((t_ - (perRow - 1) * step - W_) / 2, U_);
    const int y = rowTop(tab_.row);
    for (int i = 0; i < n; ++i) {
        pos_.tx[i] = x0 + (i % perRow) * step;
        pos_.ty[i] = y + (i / perRow) * (H_ + g_);
    }
    gap_ = step - W_;
}

void Layout::placeStockArea() {
    if (stock_.count == 0) return;
    const int y = rowTop(stock_.row);
    const int x0 = firstTableauX();
    auto put = [&](int pile, int x, int py) {
        pos_.sx[pile] = x;
        pos_.sy[pile] = py;
    };
    const bool more = stock_.count > 1;
    switch (stock_.arrangement) {
    case 4:
        if (stockInPlay() && wasteInPlay()) {
            put(0, x0, y);
            put(1, tab_.count > 1 ? pos_.tx[1] : x0 + W_ + 15, y);
        } else if (stockInPlay()) {
            put(0, x0, y);
        } else if (wasteInPlay()) {
            put(1, x0, y);
        }
        return;
    case 5:
        for (int i = 0; i < std::min(stock_.count, 2); ++i) put(i, U_ + i * (U_ + W_), y);
        return;
    case 3:
        put(0, x0 - W_ - 2 * d_, y);
        if (wasteInPlay()) put(1, pos_.sx[0], rows_[2]);
        return;
    case 11:
        put(1, x0 - W_ - 3 * d_, y);
        put(0, pos_.sx[1] - W_ - d_, y);
        return;
    case 13: {
        const int a = low_ && found_.count == 8 && more ? -3 : shadow() / 2;
        put(0, 15 + a, y);
        if (more) put(1, pos_.sx[0] + W_ + 15, y);
        return;
    }
    case 16:
    case 19:
        put(stockInPlay() ? 0 : 1, x0 - W_ - (stock_.arrangement == 16 ? 2 : 4) * d_, y);
        return;
    case 21: {
        const int e = low_ && found_.count >= 5 ? 0 : 5;
        put(1, x0 - W_ - d_, y);
        put(0, pos_.sx[1] - W_ - e - 15, y);
        return;
    }
    case 23:
        if (stockInPlay() && wasteInPlay()) {
            put(0, x0, y);
            put(1, x0 + W_ + 18, y);
        } else {
            put(stockInPlay() ? 0 : 1, x0, y);
        }
        return;
    default:
        // No placement of its own: stock at the left margin, the waste beside it.
        put(0, U_, y);
        if (more) put(1, U_ + W_ + 15, y);
        return;
    }
}

void Layout::placeFoundations() {
    const int m = found_.count;
    if (m == 0) return;
    const int y = rowTop(found_.row);
    const int n = tab_.count;
    auto put = [&](int i, int x) {
        pos_.fx[i] = x;
        pos_.fy[i] = y;
    };
    auto overTableau = [&](int first) {
        for (int i = 0; i < m; ++i) {
            const int col = first + i;
            put(i, col >= 0 && col < n ? pos_.tx[col]
                                       : (n > 0 ? pos_.tx[n - 1] : U_) + (col - n + 1) * (W_ + 4));
        }
    };
    auto leftwardsFrom = [&](int last, int step) {
        for (int i = m - 1; i >= 0; --i) put(i, last - (m - 1 - i) * step);
    };
    switch (found_.arrangement) {
    case 2: {
        const int gap = std::max(gap_ / 2, 4);
        const int x0 = (t_ - m * W_ - (m - 1) * gap) / 2;
        for (int i = 0; i < m; ++i) put(i, x0 + i * (W_ + gap));
        return;
    }
    case 7: overTableau(n - m); return;
    case 8: leftwardsFrom(t_ - W_ - U_ - 5, U_ + W_); return;
    case 9: leftwardsFrom(lastTableauX(), W_ + std::max(4, gap_ / 3)); return;
    case 13:
        if (!low_) overTableau(n - m);
        else leftwardsFrom(lastTableauX(), W_ + 2);
        return;
    case 17: {
        const int from = wasteInPlay() && pos_.sx[1] > kHiddenPileX ? pos_.sx[1] : pos_.sx[0];
        int a = 17, b = 4;
        if (low_) {
            a = found_.count == 8 && stock_.count > 1 ? 4 : 7;
            b = 3;
        }
        if (from <= kHiddenPileX) { // nothing to follow yet
            for (int i = 0; i < m; ++i) put(i, U_ + i * (W_ + b));
            return;
        }
        for (int i = 0; i < m; ++i) put(i, from + W_ + a + i * (W_ + b));
        return;
    }
    case 22: overTableau(0); return;
    default: { // 1 and numbers without a placement of their own: spread over the width
        const int gap = std::max((t_ - m * W_ - 2) / (m + 1), 1);
        for (int i = 0; i < m; ++i) put(i, gap + i * (W_ + gap));
        return;
    }
    }
}

void Layout::placeReserves() {
    const int r = res_.count;
    if (r == 0) return;
    const int y = rowTop(res_.row);
    auto put = [&](int i, int x, int py) {
        pos_.rx[i] = x;
        pos_.ry[i] = py;
    };
    switch (res_.arrangement) {
    case 5: // a row from the left margin
        for (int i = 0; i < r; ++i) put(i, U_ + i * (W_ + 10), y);
        return;
    case 6: // a row ending at the right edge
        for (int i = 0; i < r; ++i) put(i, t_ - W_ - U_ - (r - 1 - i) * (W_ + 10), y);
        return;
    case 7: // over the tableau columns, continuing to the right
        for (int i = 0; i < r; ++i)
            put(i, i < tab_.count ? pos_.tx[i] : lastTableauX() + (i - tab_.count + 1) * (W_ + gap_), y);
        return;
    case 11: // a column left of the tableau
        for (int i = 0; i < r; ++i) put(i, firstTableauX() - W_ - d_, y + i * (H_ + g_));
        return;
    case 12: // a column right of the tableau
        for (int i = 0; i < r; ++i) put(i, lastTableauX() + W_ + d_, y + i * (H_ + g_));
        return;
    case 23: { // a row right of the stock area
        int from = std::max(pos_.sx[0], pos_.sx[1]);
        if (from <= kHiddenPileX) from = U_ - W_ - 15;
        for (int i = 0; i < r; ++i) put(i, from + W_ + 15 + i * (W_ + 10), y);
        return;
    }
    default: { // 4 and numbers without a placement of their own: one centred row
        const int s = std::clamp((t_ - r * W_) / (r + 1), 4, 20);
        const int x0 = std::max((t_ - r * W_ - (r - 1) * s) / 2, U_);
        for (int i = 0; i < r; ++i) put(i, x0 + i * (W_ + s), y);
        return;
    }
    }
}

void Layout::placeSecondWaste() {
    if (waste2_.count == 0) return;
    int y = rowTop(waste2_.row);
    int x = U_;
    const int beside = std::max(pos_.sx[0], pos_.sx[1]);
    switch (waste2_.arrangement) {
    case 4: { // the next column after the stock area
        int used = (pos_.sx[0] > kHiddenPileX) + (pos_.sx[1] > kHiddenPileX);
        x = used < tab_.count ? pos_.tx[used] : firstTableauX() + used * (W_ + 15);
        break;
    }
    case 7: x = lastTableauX(); break;
    case 8: x = t_ - W_ - U_ - 5; break;
    case 16:
        x = pos_.sx[0] > kHiddenPileX ? pos_.sx[0] : U_;
        y += H_ + 20;
        break;
    default: // 6 and numbers without a placement of their own: right of the stock area
        x = beside > kHiddenPileX ? beside + W_ + 15 : U_;
        break;
    }
    pos_.sx[2] = x;
    pos_.sy[2] = y;
}

int Layout::tableauRoom() const {
    const int style = p_[prm::TableauStyle];
    if (style != 1) return H_;
    const int top = rowTop(tab_.row);
    int next = in_.windowHeight;
    auto consider = [&](int x, int y) {
        if (x > kHiddenPileX && y > top) next = std::min(next, y);
    };
    for (int i = 0; i < 2; ++i) consider(pos_.sx[i], pos_.sy[i]);
    for (int i = 0; i < found_.count; ++i) consider(pos_.fx[i], pos_.fy[i]);
    for (int i = 0; i < res_.count; ++i) consider(pos_.rx[i], pos_.ry[i]);
    return next - top;
}

} // namespace

void layoutTable(Engine& e, const LayoutInput& in) {
    Layout layout(e, in);
    const Positions pos = layout.run();
    TMainGame& g = e.game;
    for (int i = 0; i < kTableauCount; ++i) {
        g.setTableauX(i, pos.tx[i]);
        g.setTableauY(i, pos.ty[i]);
    }
    for (int i = 0; i < kFoundationCount; ++i) {
        g.setFoundationX(i, pos.fx[i]);
        g.setFoundationY(i, pos.fy[i]);
        g.foundationYScrolled[i] = static_cast<TMainGame::i16>(pos.fy[i] - g.scrollOffset);
    }
    for (int i = 0; i < kReserveCount; ++i) {
        g.setReserveX(i, pos.rx[i]);
        g.setReserveY(i, pos.ry[i]);
    }
    for (int i = 0; i < 3; ++i) {
        g.setStockX(i, pos.sx[i]);
        g.setStockY(i, pos.sy[i]);
        g.stockYScrolled[i] = static_cast<TMainGame::i16>(pos.sy[i] - g.scrollOffset);
    }
    g.tableauRoom = static_cast<TMainGame::i16>(layout.tableauRoom());
    g.layoutCardWidth = static_cast<TMainGame::i16>(in.cardWidth);
    g.layoutScroll = g.scrollOffset;
    g.screenWidth = static_cast<TMainGame::i16>(in.screenWidth);
    for (auto& pt : g.labelPoints1) pt = {static_cast<TMainGame::i16>(kHiddenPileX), 0};
    for (auto& pt : g.labelPoints2) pt = {static_cast<TMainGame::i16>(kHiddenPileX), 0};
}

} // namespace vellamor
