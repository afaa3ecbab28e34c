// Drawing the table: the background bitmap, the table bitmap with every pile,
// partial repaints of changed piles, the running table height, the completed-
// foundation highlight, shadows and inverted selections. Every card lies where
// the layout's cardPosition puts it (irregular piles included).
#pragma once

#include "render/card_images.h"

#include "engine/pile.h"

#include <QImage>
#include <QRect>

#include <array>
#include <functional>
#include <string_view>

namespace vellamor {
class Engine;
}

namespace vellamor::render {

// Drawing options the settings decide.
struct RenderOptions {
    bool showHidden = false;   // the view of "Show hidden cards"
    bool shadows = true;       // Cards_Shadowed other than "N"
    int highlightMark = 1;     // HighLights_Foundations_Mark 0-5
    int highlightColour = 5;   // HighLights_Foundations_Color 0-14
    bool preview = false;      // the open-game dialog's preview (thinner stacks)
};

QColor highlightColour(int index);

class TableRenderer {
public:
    // Marks come from `marks` (name → picture of the card size, or null for none).
    using MarkSource = std::function<const QImage*(std::string_view markName)>;
    TableRenderer(const CardImages& images, MarkSource marks);

    void resize(int width, int height);
    QImage& background() { return background_; }
    const QImage& table() const { return table_; }
    void setOptions(const RenderOptions& o) { options_ = o; }
    const RenderOptions& options() const { return options_; }

    // Background, marks and all piles in the drawing order, then the highlight.
    void redrawAll(const Engine& engine);
    // Restores the pile's area (as it was and as it is) from the background and
    // draws the pile again; nothing when the pile did not change.
    void repaintPile(const Engine& engine, PileId pile, const Pile& before);
    void drawPile(const Engine& engine, PileId pile);
    void highlightFoundations(const Engine& engine, int index = -1);
    // Shadows of a lifted card whose picture is drawn at `card`.
    void drawShadow(const QRect& card);
    // The card picture of a code (jokers included); null for a hole.
    const QImage* faceOf(int code) const;

    // The piles were laid out anew (new game, card size, window size): the
    // table height starts again and the areas of the old places are forgotten.
    void newLayout();
    // Running maximum, since the last new layout, of the bottom edges of the
    // cards and marks drawn, in table coordinates: what the scroll range covers.
    int tableHeight() const { return tableHeight_; }
    // Area the pile covers on the table as it is now; empty for a hidden pile.
    QRect pileArea(const Engine& engine, PileId pile) const;

private:
    QPoint pilePosition(const Engine& engine, PileId pile) const;
    QRect& lastArea(PileId pile);
    QPoint cardPosition(const Engine& engine, PileId pile, int index) const;
    bool stacked(const Engine& engine, PileId pile) const;
    int thickness(const Engine& engine, PileId pile, int cards) const;
    std::string_view emptyMark(const Engine& engine, PileId pile) const;
    void drawCard(QPainter& p, const Engine& engine, int code, QPoint at, bool faceUp);
    void drawMark(QPainter& p, std::string_view mark, QPoint at);
    void drawStacked(QPainter& p, const Engine& engine, PileId pile);
    void drawCardsOf(QPainter& p, const Engine& engine, PileId pile, int from, int to);
    void invertSelection(QPainter& p, const Engine& engine);
    void raise(int bottom);

    const CardImages& images_;
    MarkSource marks_;
    RenderOptions options_;
    QImage background_, table_;
    int tableHeight_ = 0;
    // Where each pile was last drawn (stock group, foundations, tableau, reserves).
    std::array<QRect, kPileLines> lastAreas_{};
};

} // namespace vellamor::render
