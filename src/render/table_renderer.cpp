#include "render/table_renderer.h"

#include "engine/engine.h"
#include "layout/card_position.h"

#include <QPainter>

#include <algorithm>

namespace vellamor::render {

namespace {

constexpr int kLift = 9;

bool isSelectingGame(const Engine& e) {
    const int special = e.params[prm::Special];
    return special == 3 || special == 4 || special == 33 || special == 83 || special == 87 ||
           e.params[prm::PairingTotal] != 0;
}

int pileCount(const Engine& e, PileKind kind) {
    switch (kind) {
    case PileKind::Tableau: return std::min(e.tableauCount(), kTableauCount);
    case PileKind::Foundation: return std::min(e.foundationCount(), kFoundationCount);
    case PileKind::Reserve: return std::min(e.reserveCount(), kReserveCount);
    default: return 1;
    }
}

// Base-rank marks of foundations and tableau piles; empty for none, "-" for no picture.
std::string_view baseRankMark(int v) {
    switch (v) {
    case 1: case 58: case 81: case 85: return "FoundationA";
    case 2: case 90: return "Foundation2";
    case 3: return "Foundation3";
    case 4: return "Foundation4";
    case 5: return "Foundation5";
    case 6: return "Foundation6";
    case 7: return "Foundation7";
    case 8: return "Foundation8";
    case 9: return "Foundation9";
    case 10: return "Foundation10";
    case 11: return "Foundation11";
    case 12: return "Foundation12";
    case 13: case 64: case 84: return "Foundation13";
    case 94: return "-";
    default: return {};
    }
}

// Mark 1 of the highlight: every second diagonal pixel in the colour.
void diagonalLines(QImage& target, const QRect& r, QColor colour) {
    const QRect area = r.intersected(target.rect());
    const QRgb c = colour.rgba();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(target.scanLine(y));
        for (int x = area.left(); x <= area.right(); ++x)
            if (((x - r.left()) - (y - r.top())) % 2 == 0) row[x] = c;
    }
}

} // namespace

QColor highlightColour(int index) {
    static const QColor colours[15] = {
        {0, 0, 0},       {0, 0, 255},     {0, 255, 255},   {0, 255, 0},   {255, 185, 220},
        {255, 70, 70},   {255, 255, 128}, {0, 0, 160},     {0, 128, 128}, {0, 128, 64},
        {255, 128, 255}, {128, 0, 64},    {128, 128, 0},   {128, 0, 0},   {192, 192, 192}};
    return colours[std::clamp(index, 0, 14)];
}

TableRenderer::TableRenderer(const CardImages& images, MarkSource marks)
    : images_(images), marks_(std::move(marks)) {}

void TableRenderer::resize(int width, int height) {
    if (background_.width() != width || background_.height() != height) {
        background_ = QImage(width, height, QImage::Format_RGB32);
        background_.fill(QColor(0, 128, 0));
    }
    if (table_.size() != background_.size()) table_ = QImage(width, height, QImage::Format_RGB32);
}

void TableRenderer::raise(int bottom) { tableHeight_ = std::max(tableHeight_, bottom); }

QRect& TableRenderer::lastArea(PileId pile) { return lastAreas_[std::size_t(snapshotLine(pile))]; }

// Positions come from the layout in window coordinates; the table bitmap is
// drawn in table coordinates, so the scroll offset is added back.
QPoint TableRenderer::pilePosition(const Engine& e, PileId pile) const {
    // The base place: where the bottom card lies (or would lie).
    const int n = e.table.pile(pile).size();
    const Point base = vellamor::cardPosition(e, pile, std::max(0, n - 1), false);
    return {base.x, base.y + e.game.scrollOffset};
}

QPoint TableRenderer::cardPosition(const Engine& e, PileId pile, int index) const {
    const Pile& cards = e.table.pile(pile);
    const Point p = vellamor::cardPosition(e, pile, std::max(0, cards.size() - 1 - index), false);
    return {p.x, p.y + e.game.scrollOffset};
}

bool TableRenderer::stacked(const Engine& e, PileId pile) const {
    switch (pile.kind) {
    case PileKind::Stock:
    case PileKind::Waste:
    case PileKind::SecondWaste: return true;
    case PileKind::Foundation: {
        const int style = e.params[prm::FoundationStyle];
        return style != 2 && style != 7;
    }
    default: return false;
    }
}

int TableRenderer::thickness(const Engine&, PileId pile, int cards) const {
    int d = cards <= 1 ? 0 : cards == 2 ? 1 : cards / (options_.preview ? 28 : 7) + 1;
    return std::min(d, pile.kind == PileKind::Foundation ? 2 : 15);
}

const QImage* TableRenderer::faceOf(int code) const {
    const int i = CardImages::faceIndex(code);
    return i < 0 ? nullptr : &images_.faces[std::size_t(i)];
}

void TableRenderer::drawCard(QPainter& p, const Engine& e, int code, QPoint at, bool faceUp) {
    if (code == kHole) return;
    const bool hiddenShown = !faceUp && options_.showHidden;
    const QImage* img = (faceUp || hiddenShown) ? faceOf(code) : &images_.back;
    if (img && !img->isNull()) p.drawImage(at, *img);
    if (hiddenShown) {
        p.end();
        diagonalLines(table_, QRect(at, QSize(images_.size.width, images_.size.height)), highlightColour(11));
        p.begin(&table_);
    }
    (void)e;
    raise(at.y() + images_.size.height);
}

void TableRenderer::drawMark(QPainter& p, std::string_view mark, QPoint at) {
    if (mark.empty() || mark == "-") return;
    const QImage* img = mark == "emptypositionjqk" ? &images_.mark009 : (marks_ ? marks_(mark) : nullptr);
    if (img && !img->isNull()) p.drawImage(at, *img);
    raise(at.y() + images_.size.height);
}

std::string_view TableRenderer::emptyMark(const Engine& e, PileId pile) const {
    const RuleParams& r = e.params;
    const bool passLeft = r[prm::Passes] < 0 || e.game.passNumber < r[prm::Passes];
    switch (pile.kind) {
    case PileKind::Stock: {
        const int special = r[prm::Special];
        if (special == 8 || special == 45 || special == 71 || special == 84 || special == 73) return "SpecialStock";
        if (r[prm::RedealStyle] > 0 && (r[prm::Passes] == -1 || e.game.passNumber < r[prm::Passes])) return "StockUp";
        if (e.table.stock().empty() && e.table.waste().size() <= 1) return "StockStop";
        return passLeft ? "StockUp" : "StockStop";
    }
    case PileKind::Waste:
        if (r[prm::StockInPlay] == 1) return "StockVisible";
        if (r[prm::Passes] == 0) return "StockStop";
        if (r[prm::RedealStyle] > 0 && r[prm::StockInPlay] == 0) return passLeft ? "StockUp" : "StockStop";
        return {};
    case PileKind::SecondWaste: return "StockVisible";
    case PileKind::Foundation: {
        if (r[prm::FoundationSuitRule + pile.index] == 10) return "Foundation12";
        const auto m = baseRankMark(r[prm::FoundationBase + pile.index]);
        return m.empty() ? std::string_view("Foundation") : m;
    }
    case PileKind::Tableau: {
        const int v = r[prm::TableauFill + pile.index];
        const auto m = baseRankMark(v);
        if (!m.empty()) return m;
        return v != 0 ? "FirstTableauAll" : "Position";
    }
    case PileKind::Reserve: {
        if (r[prm::ReserveRule + pile.index] == 4) return "Position";
        switch (r[prm::ReserveRule]) {
        case 9: return "emptypositionjqk";
        case 8: case 90: return "Foundation13";
        case 88: return "Foundation11";
        case 89: case 119: return "Foundation12";
        case 107: case 147: return "FoundationA";
        case 148: return "Foundation2";
        default: return "EmptyPosition";
        }
    }
    }
    return {};
}

void TableRenderer::drawStacked(QPainter& p, const Engine& e, PileId pile) {
    const Pile& cards = e.table.pile(pile);
    const QPoint at = pilePosition(e, pile);
    if (cards.empty()) return drawMark(p, emptyMark(e, pile), at);
    const int d = thickness(e, pile, cards.size());
    const int w = images_.size.width, h = images_.size.height;
    // Edges of the cards below, the farthest first, then the top card d pixels up and left.
    if (d > 0 && !images_.borders[0].isNull() && !images_.borders[1].isNull()) {
        for (int j = d; j >= 1; --j) {
            const int row = 15 - d + j;
            p.drawImage(QPoint(at.x() - d + j, at.y() - d + j + h - 1), images_.borders[0],
                        QRect(0, row, images_.borders[0].width(), 1));
            p.drawImage(QPoint(at.x() - d + j + w - 1, at.y() - d + j), images_.borders[1],
                        QRect(row, 0, 1, images_.borders[1].height()));
        }
    }
    bool faceUp = e.cards.faceUp(cards.top());
    if (pile.kind == PileKind::Stock && e.params[prm::StockFaceDown]) faceUp = false;
    if (pile.kind == PileKind::Waste && e.params[prm::WasteFaceDown]) faceUp = false;
    if (pile.kind == PileKind::SecondWaste && e.params[prm::SecondWasteFaceDown]) faceUp = false;
    if (pile.kind == PileKind::Foundation) faceUp = true;
    drawCard(p, e, cards.top(), QPoint(at.x() - d, at.y() - d), faceUp);
    raise(at.y() + h);
}

void TableRenderer::drawCardsOf(QPainter& p, const Engine& e, PileId pile, int from, int to) {
    const Pile& cards = e.table.pile(pile);
    for (int i = from; i < to && i < cards.size(); ++i)
        drawCard(p, e, cards[i], cardPosition(e, pile, i), e.cards.faceUp(cards[i]));
}

void TableRenderer::drawPile(const Engine& e, PileId pile) {
    lastArea(pile) = pileArea(e, pile);
    const QPoint at = pilePosition(e, pile);
    if (TMainGame::hidden(at.x()) || at.y() < TMainGame::kHiddenX) return;
    QPainter p(&table_);
    if (stacked(e, pile)) {
        drawStacked(p, e, pile);
    } else {
        const Pile& cards = e.table.pile(pile);
        if (cards.empty()) drawMark(p, emptyMark(e, pile), at);
        else drawCardsOf(p, e, pile, 0, cards.size());
    }
    p.end();
    if (pile.kind == PileKind::Foundation) highlightFoundations(e, pile.index);
    if (isSelectingGame(e)) {
        QPainter q(&table_);
        invertSelection(q, e);
    }
}

QRect TableRenderer::pileArea(const Engine& e, PileId pile) const {
    const QPoint at = pilePosition(e, pile);
    if (TMainGame::hidden(at.x()) || at.y() < TMainGame::kHiddenX) return {};
    const QSize card(images_.size.width, images_.size.height);
    QRect area(at, card);
    const Pile& cards = e.table.pile(pile);
    if (stacked(e, pile)) {
        const int d = thickness(e, pile, cards.size());
        return area.adjusted(-d, -d, 0, 0);
    }
    for (int i = 1; i < cards.size(); ++i) area = area.united(QRect(cardPosition(e, pile, i), card));
    return area;
}

void TableRenderer::repaintPile(const Engine& e, PileId pile, const Pile& before) {
    const Pile& now = e.table.pile(pile);
    if (before == now) return;
    const QRect area = lastArea(pile).united(pileArea(e, pile));
    if (area.isEmpty()) return;
    QPainter p(&table_);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(area.topLeft(), background_, area);
    p.end();
    drawPile(e, pile);
}

void TableRenderer::highlightFoundations(const Engine& e, int index) {
    if (options_.highlightMark <= 0) return;
    const int count = pileCount(e, PileKind::Foundation);
    for (int i = (index < 0 ? 0 : index); i < (index < 0 ? count : index + 1); ++i) {
        const Pile& f = e.table.foundations[std::size_t(i)];
        const int want = e.params[prm::FoundationComplete + i] == -1 ? e.params[prm::FoundationMax]
                                                                       : e.params[prm::FoundationComplete + i];
        if (f.empty() || f.size() != want) continue;
        const QPoint at = pilePosition(e, foundation(i));
        if (TMainGame::hidden(at.x())) continue;
        const int d = thickness(e, foundation(i), f.size());
        QRect r(at.x() - d + 1, at.y() - d + 1, images_.size.width - 2, images_.size.height - 2);
        const QColor colour = highlightColour(options_.highlightColour);
        if (options_.highlightMark == 1) {
            diagonalLines(table_, r, colour);
        } else {
            static const Qt::BrushStyle styles[] = {Qt::SolidPattern, Qt::BDiagPattern, Qt::CrossPattern,
                                                    Qt::DiagCrossPattern};
            QPainter p(&table_);
            p.setPen(Qt::NoPen);
            p.setBrush(QBrush(colour, styles[std::clamp(options_.highlightMark, 2, 5) - 2]));
            p.drawRect(r);
        }
    }
}

void TableRenderer::invertSelection(QPainter& p, const Engine& e) {
    const Pile& selection = e.table.foundations[0];
    if (selection.empty()) return;
    p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    const int w = images_.size.width, h = images_.size.height;
    for (int code : selection) {
        const auto where = e.table.locate(code, e.tableauCount());
        if (!where || (where->kind == PileKind::Foundation && where->index == 0)) continue;
        const Pile& pile = e.table.pile(*where);
        const QPoint at = stacked(e, *where) ? pilePosition(e, *where) : cardPosition(e, *where, pile.find(code));
        if (TMainGame::hidden(at.x())) continue;
        // Inverted inside the card, the corner pixels left as they are.
        const int c = w >= 50 ? 2 : 1;
        p.drawRect(QRect(at.x() + c, at.y(), w - 2 * c, h));
        p.drawRect(QRect(at.x(), at.y() + c, c, h - 2 * c));
        p.drawRect(QRect(at.x() + w - c, at.y() + c, c, h - 2 * c));
    }
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void TableRenderer::drawShadow(const QRect& card) {
    if (!options_.shadows) return;
    QPainter p(&table_);
    if (!images_.shadows[0].isNull()) p.drawImage(QPoint(card.right() + 1, card.top() + kLift - 2), images_.shadows[0]);
    if (!images_.shadows[1].isNull()) p.drawImage(QPoint(card.left() + kLift - 1, card.bottom() + 1), images_.shadows[1]);
    p.end();
    if (card.width() >= 50) {
        const QPoint corner = card.bottomRight();
        for (const QPoint& px : {QPoint(corner.x() + 1, corner.y()), QPoint(corner.x(), corner.y() + 1)})
            if (table_.rect().contains(px)) table_.setPixel(px, qRgb(0, 0, 0));
    }
}

void TableRenderer::newLayout() {
    tableHeight_ = 0;
    lastAreas_.fill(QRect());
}

void TableRenderer::redrawAll(const Engine& e) {
    for (int line = 0; line < kPileLines; ++line) lastAreas_[std::size_t(line)] = pileArea(e, pileOfLine(line));
    {
        QPainter p(&table_);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(0, 0, background_);
    }
    const bool selecting = isSelectingGame(e);
    QPainter p(&table_);
    // Marks of the empty tableau piles and reserves first.
    for (PileKind kind : {PileKind::Tableau, PileKind::Reserve})
        for (int i = 0; i < pileCount(e, kind); ++i) {
            const PileId id{kind, i};
            const QPoint at = pilePosition(e, id);
            if (!TMainGame::hidden(at.x()) && e.table.pile(id).empty()) drawMark(p, emptyMark(e, id), at);
        }
    auto visible = [&](PileId id) {
        const QPoint at = pilePosition(e, id);
        return !TMainGame::hidden(at.x()) && at.y() >= TMainGame::kHiddenX;
    };
    for (PileId id : {kStock, kWaste, kSecondWaste})
        if (visible(id)) drawStacked(p, e, id);
    for (int i = 0; i < pileCount(e, PileKind::Foundation); ++i) {
        const PileId id = foundation(i);
        if (!visible(id)) continue;
        if (stacked(e, id)) drawStacked(p, e, id);
        else if (e.table.pile(id).empty()) drawMark(p, emptyMark(e, id), pilePosition(e, id));
        else drawCardsOf(p, e, id, 0, e.table.pile(id).size());
    }
    p.end();
    highlightFoundations(e, -1);
    p.begin(&table_);
    for (int i = 0; i < pileCount(e, PileKind::Reserve); ++i)
        if (visible(reserve(i))) drawCardsOf(p, e, reserve(i), 0, e.table.reserves[std::size_t(i)].size());
    const int tableaus = pileCount(e, PileKind::Tableau);
    if (e.params[prm::FreeScanByPile] != 0) {
        for (int i = 0; i < tableaus; ++i)
            if (visible(tableau(i))) drawCardsOf(p, e, tableau(i), 0, e.table.tableau[std::size_t(i)].size());
    } else {
        int longest = 0;
        for (int i = 0; i < tableaus; ++i) longest = std::max(longest, e.table.tableau[std::size_t(i)].size());
        for (int row = 0; row < longest; ++row)
            for (int i = 0; i < tableaus; ++i)
                if (visible(tableau(i))) drawCardsOf(p, e, tableau(i), row, row + 1);
    }
    if (selecting) invertSelection(p, e);
}

} // namespace vellamor::render
