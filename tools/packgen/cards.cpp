#include "cards.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>

#include <cmath>

namespace packgen {

namespace {

const char* const kRankText[14] = {"", "A", "2", "3", "4", "5", "6", "7",
                                   "8", "9", "10", "J", "Q", "K"};

// Pip centres of the number cards on a 3 × 7 grid of the pip area: column 0-2,
// row 0-6 in halves (0 top, 3 middle, 6 bottom); the bottom half is drawn upside down.
struct Pip {
    int col, row2; // row2: 0..12 in twelfths of the height
};
const std::vector<Pip>& pipLayout(int rank) {
    static const std::vector<Pip> layouts[11] = {
        {},
        {{1, 6}},
        {{1, 0}, {1, 12}},
        {{1, 0}, {1, 6}, {1, 12}},
        {{0, 0}, {2, 0}, {0, 12}, {2, 12}},
        {{0, 0}, {2, 0}, {1, 6}, {0, 12}, {2, 12}},
        {{0, 0}, {2, 0}, {0, 6}, {2, 6}, {0, 12}, {2, 12}},
        {{0, 0}, {2, 0}, {1, 3}, {0, 6}, {2, 6}, {0, 12}, {2, 12}},
        {{0, 0}, {2, 0}, {1, 3}, {0, 6}, {2, 6}, {1, 9}, {0, 12}, {2, 12}},
        {{0, 0}, {2, 0}, {0, 4}, {2, 4}, {1, 6}, {0, 8}, {2, 8}, {0, 12}, {2, 12}},
        {{0, 0}, {2, 0}, {1, 2}, {0, 4}, {2, 4}, {0, 8}, {2, 8}, {1, 10}, {0, 12}, {2, 12}},
    };
    return layouts[rank];
}

QFont pixelFont(const QString& family, double px, bool bold, bool condensed = false) {
    QFont f(family);
    f.setPixelSize(std::max(6, int(std::lround(px))));
    f.setBold(bold);
    if (condensed) f.setStretch(QFont::SemiCondensed);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

struct IndexMetrics {
    double fontPx, colW, x0, y0, pipSize;
};
IndexMetrics indexMetrics(const FaceStyle& st, const CardSize& s, const QFontMetricsF& fm) {
    const bool tiny = s.width < 30;
    IndexMetrics m;
    m.fontPx = (tiny ? s.height * 0.42 : std::max(10.5, s.height * 0.150)) * st.indexScale;
    m.colW = tiny ? s.width * 0.5 : std::max(fm.horizontalAdvance(QStringLiteral("10")) * 0.9, s.width * 0.16);
    m.x0 = tiny ? 1.0 : std::max(1.5, s.width * 0.035);
    m.y0 = tiny ? 0.5 : std::max(2.0, s.height * 0.03);
    m.pipSize = tiny ? 0 : std::max(7.5, s.height * 0.105) * st.indexScale;
    return m;
}
QFont indexFont(const FaceStyle& st, const CardSize& s, bool ten) {
    const bool tiny = s.width < 30;
    const double px = (tiny ? s.height * 0.42 : std::max(10.5, s.height * 0.150)) * st.indexScale;
    return pixelFont(st.indexFont, px, true, ten && st.condensedTen);
}
double indexColumnRight(const FaceStyle& st, const CardSize& s) {
    const QFont f = indexFont(st, s, true);
    const IndexMetrics m = indexMetrics(st, s, QFontMetricsF(f));
    return m.x0 + m.colW;
}

// The rank and the small suit in the top-left corner; drawn again rotated in
// the bottom-right corner.
void drawIndex(QPainter& p, const FaceStyle& st, const CardSize& s, int suit, int rank) {
    const QColor c = st.suitColour[suit];
    const bool tiny = s.width < 30;
    const QFont font = indexFont(st, s, rank == 10);
    const QFontMetricsF fm(font);
    const QString text = QString::fromLatin1(kRankText[rank]);
    const IndexMetrics m = indexMetrics(st, s, QFontMetricsF(indexFont(st, s, true)));
    const double colW = m.colW, x0 = m.x0, y0 = m.y0, pipSize = m.pipSize;

    for (int turn = 0; turn < (tiny ? 1 : 2); ++turn) {
        p.save();
        if (turn) {
            p.translate(s.width, s.height);
            p.rotate(180);
        }
        p.setFont(font);
        p.setPen(c);
        const QRectF box(x0, y0, colW, fm.capHeight() + 2);
        p.drawText(QRectF(box.x() - 2, box.y() - (fm.ascent() - fm.capHeight()) + 0.5, box.width() + 4,
                          fm.height()),
                   Qt::AlignHCenter | Qt::AlignTop, text);
        if (!tiny)
            drawSuit(p, suit, QPointF(x0 + colW / 2, y0 + fm.capHeight() + 2.5 + pipSize / 2), pipSize, c);
        p.restore();
    }
    if (tiny) drawSuit(p, suit, QPointF(s.width * 0.5, s.height * 0.66), s.width * 0.56, c);
}

void drawPips(QPainter& p, const FaceStyle& st, const CardSize& s, int suit, int rank) {
    const QColor c = st.suitColour[suit];
    const double w = s.width, h = s.height;
    if (rank == 1) {
        const double size = w * (suit == 3 ? 0.52 : 0.40) * st.pipScale;
        if (!st.flat) {
            // A faint ring sets off the ace's single large pip.
            p.setPen(QPen(mix(c, st.paper, 0.82), std::max(1.0, w / 70.0)));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QPointF(w / 2, h / 2), size * 0.78, size * 0.78);
        }
        drawSuit(p, suit, QPointF(w / 2, h / 2), size, c);
        return;
    }
    const double size = std::min(w * 0.18, h * 0.132) * st.pipScale;
    // The pip columns keep clear of the corner indices.
    const double left = std::max(w * 0.31, indexColumnRight(st, s) + size / 2 + 1), right = w - left;
    const double top = h * 0.205, bottom = h * 0.795;
    for (const Pip& pip : pipLayout(rank)) {
        const double x = pip.col == 0 ? left : pip.col == 2 ? right : w / 2;
        const double y = top + (bottom - top) * pip.row2 / 12.0;
        drawSuit(p, suit, QPointF(x, y), size, c, pip.row2 > 6);
    }
}

// Crown, tiara or feathered cap above a head, in the figure's box.
void drawHeadwear(QPainter& p, const FaceStyle& st, int rank, QPointF head, double r) {
    p.setPen(QPen(st.courtTrim.darker(140), std::max(0.6, r * 0.12)));
    p.setBrush(st.courtTrim);
    QPainterPath path;
    const double base = head.y() - r * 0.85, wid = r * 1.15;
    if (rank == 13) { // crown with three points
        path.moveTo(head.x() - wid, base);
        path.lineTo(head.x() - wid, base - r * 0.9);
        path.lineTo(head.x() - wid * 0.5, base - r * 0.45);
        path.lineTo(head.x(), base - r * 1.1);
        path.lineTo(head.x() + wid * 0.5, base - r * 0.45);
        path.lineTo(head.x() + wid, base - r * 0.9);
        path.lineTo(head.x() + wid, base);
        path.closeSubpath();
    } else if (rank == 12) { // tiara: a low arch with a jewel
        path.moveTo(head.x() - wid, base + r * 0.1);
        path.quadTo(head.x(), base - r * 1.0, head.x() + wid, base + r * 0.1);
        path.closeSubpath();
    } else { // cap with a feather
        path.moveTo(head.x() - wid * 1.05, base + r * 0.15);
        path.quadTo(head.x() - wid * 0.2, base - r * 0.9, head.x() + wid * 1.05, base + r * 0.15);
        path.closeSubpath();
    }
    p.drawPath(path);
    if (rank == 11) {
        QPainterPath feather;
        feather.moveTo(head.x() + wid * 0.4, base - r * 0.2);
        feather.quadTo(head.x() + wid * 1.6, base - r * 1.2, head.x() + wid * 1.9, base - r * 1.9);
        feather.quadTo(head.x() + wid * 1.0, base - r * 1.0, head.x() + wid * 0.4, base - r * 0.2);
        p.setBrush(st.courtAccent);
        p.drawPath(feather);
    } else {
        p.setPen(Qt::NoPen);
        p.setBrush(st.courtAccent);
        p.drawEllipse(QPointF(head.x(), base - r * (rank == 13 ? 0.35 : 0.3)), r * 0.17, r * 0.17);
    }
}

// A court card: a framed panel, the figure in both halves (the lower half the
// upper one turned round), a large letter and the suit in each half.
void drawCourt(QPainter& p, const FaceStyle& st, const CardSize& s, int suit, int rank) {
    const double w = s.width, h = s.height;
    const QColor c = st.suitColour[suit];
    const QRectF panel(w * 0.205, h * 0.115, w * 0.59, h * 0.77);
    const double line = std::max(1.0, w / 60.0);

    if (st.flat) {
        p.setBrush(st.courtPaper);
    } else {
        QLinearGradient g(panel.topLeft(), panel.bottomRight());
        g.setColorAt(0, st.courtPaper);
        g.setColorAt(0.5, mix(st.courtPaper, c, 0.10));
        g.setColorAt(1, st.courtPaper);
        p.setBrush(g);
    }
    p.setPen(QPen(c, line));
    p.drawRect(panel);

    const QFont letterFont = pixelFont(st.courtFont, panel.height() * 0.30, true);
    const QString letter = QString::fromLatin1(kRankText[rank]);
    for (int turn = 0; turn < 2; ++turn) {
        p.save();
        if (turn) {
            p.translate(w, h);
            p.rotate(180);
        }
        p.setClipRect(QRectF(panel.left(), panel.top(), panel.width(), panel.height() / 2 + 0.5));
        const double half = panel.height() / 2;
        // Robe: shoulders in the suit colour with a trimmed collar.
        const QPointF head(panel.left() + panel.width() * 0.68, panel.top() + half * 0.5);
        const double r = std::min(panel.width() * 0.13, half * 0.19);
        QPainterPath robe;
        robe.moveTo(head.x() - r * 2.1, panel.top() + half + 1);
        robe.quadTo(head.x() - r * 2.0, head.y() + r * 1.2, head.x(), head.y() + r * 1.05);
        robe.quadTo(head.x() + r * 2.0, head.y() + r * 1.2, head.x() + r * 2.1, panel.top() + half + 1);
        robe.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(st.flat ? c : mix(c, QColor(0, 0, 0), 0.1));
        p.drawPath(robe);
        p.setBrush(st.courtTrim);
        p.drawRect(QRectF(head.x() - r * 0.35, head.y() + r * 1.05, r * 0.7, half - (head.y() - panel.top()) - r));
        p.setBrush(st.courtAccent);
        p.drawEllipse(QPointF(head.x() - r * 1.2, head.y() + r * 2.1), r * 0.3, r * 0.3);
        // Head.
        p.setPen(QPen(QColor(120, 80, 50), std::max(0.6, r * 0.1)));
        p.setBrush(QColor(246, 214, 178));
        p.drawEllipse(head, r * 0.85, r);
        drawHeadwear(p, st, rank, head, r);
        // Large letter and the suit on the left of the figure.
        p.setFont(letterFont);
        p.setPen(c);
        const QFontMetricsF fm(letterFont);
        const QPointF lp(panel.left() + panel.width() * 0.06, panel.top() + fm.capHeight() + half * 0.08);
        p.drawText(lp, letter);
        drawSuit(p, suit, QPointF(lp.x() + fm.horizontalAdvance(letter) / 2, lp.y() + half * 0.3),
                 std::min(panel.width() * 0.24, half * 0.34), c);
        p.restore();
    }
    // The dividing line between the two halves.
    p.setPen(QPen(mix(c, st.courtPaper, 0.45), std::max(0.7, line * 0.7)));
    p.drawLine(QPointF(panel.left() + line, panel.center().y()),
               QPointF(panel.right() - line, panel.center().y()));
}

void drawPaper(QPainter& p, const FaceStyle& st, const CardSize& s) {
    const QPainterPath outline = cardOutline(s.width, s.height, cornerRadius(s));
    if (st.flat) {
        p.setBrush(st.paper);
    } else {
        QLinearGradient g(0, 0, 0, s.height);
        g.setColorAt(0, st.paper.lighter(103));
        g.setColorAt(1, mix(st.paper, QColor(200, 200, 200), 0.12));
        p.setBrush(g);
    }
    p.setPen(QPen(st.edge, 1.0));
    p.drawPath(outline);
}

} // namespace

FaceStyle predefinedStyle(int set) {
    FaceStyle st;
    switch (set) {
    case 2: // "Classic": ivory card, serif indices, deep red
        st.paper = QColor(252, 248, 236);
        st.edge = QColor(140, 128, 110);
        st.suitColour[0] = st.suitColour[1] = QColor(178, 20, 30);
        st.suitColour[2] = st.suitColour[3] = QColor(20, 20, 30);
        st.indexFont = QStringLiteral("DejaVu Serif");
        st.courtTrim = QColor(196, 150, 40);
        st.courtAccent = QColor(30, 90, 60);
        st.courtPaper = QColor(250, 240, 214);
        break;
    case 3: // few colours and the small sizes: flat colours, large indices
        st.flat = true;
        st.suitColour[0] = st.suitColour[1] = QColor(255, 0, 0);
        st.suitColour[2] = st.suitColour[3] = QColor(0, 0, 0);
        st.edge = QColor(128, 128, 128);
        st.courtTrim = QColor(255, 255, 0);
        st.courtAccent = QColor(0, 0, 255);
        st.courtPaper = QColor(255, 255, 255);
        st.indexScale = 1.12;
        st.pipScale = 0.95;
        break;
    case 5: // four colours: each suit its own
        st.suitColour[0] = QColor(206, 22, 36);
        st.suitColour[1] = QColor(24, 84, 196);
        st.suitColour[2] = QColor(20, 128, 44);
        st.suitColour[3] = QColor(20, 20, 20);
        st.courtAccent = QColor(120, 40, 140);
        break;
    default: break;
    }
    return st;
}

FaceStyle childrenStyle() {
    FaceStyle st;
    st.paper = QColor(255, 253, 244);
    st.suitColour[0] = QColor(236, 40, 90);
    st.suitColour[1] = QColor(250, 120, 20);
    st.suitColour[2] = QColor(40, 150, 60);
    st.suitColour[3] = QColor(50, 70, 200);
    st.courtPaper = QColor(255, 246, 200);
    st.courtTrim = QColor(250, 190, 30);
    st.courtAccent = QColor(150, 60, 200);
    st.indexScale = 1.15;
    st.pipScale = 1.08;
    return st;
}

FaceStyle traditionalStyle() {
    FaceStyle st = predefinedStyle(2);
    st.paper = QColor(246, 240, 222);
    st.courtAccent = QColor(40, 60, 130);
    st.courtPaper = QColor(244, 232, 200);
    return st;
}

FaceStyle sixteenColourStyle() { return predefinedStyle(3); }

QImage drawFace(const FaceStyle& st, const CardSize& s, int suit, int rank) {
    QImage img = blank(s.width, s.height);
    QPainter p(&img);
    prepare(p);
    drawPaper(p, st, s);
    if (s.width >= 30) {
        if (rank >= 11) drawCourt(p, st, s, suit, rank);
        else drawPips(p, st, s, suit, rank);
    }
    drawIndex(p, st, s, suit, rank);
    p.end();
    clearCorners(img, 0, 0, s.width, s.height);
    return img;
}

QImage drawJoker(const CardSize& s) {
    FaceStyle st;
    QImage img = blank(s.width, s.height);
    QPainter p(&img);
    prepare(p);
    drawPaper(p, st, s);
    const double w = s.width, h = s.height;
    // "JOKER" down the corner column, the jester's cap in the middle.
    const QFont f = pixelFont(st.indexFont, std::max(8.0, h * 0.085), true);
    p.setFont(f);
    p.setPen(QColor(120, 30, 140));
    const QFontMetricsF fm(f);
    for (int turn = 0; turn < 2; ++turn) {
        p.save();
        if (turn) {
            p.translate(w, h);
            p.rotate(180);
        }
        const QString word = QStringLiteral("JOKER");
        for (int i = 0; i < word.size(); ++i)
            p.drawText(QRectF(1, 2 + i * fm.capHeight() * 1.25, w * 0.18, fm.height()),
                       Qt::AlignHCenter | Qt::AlignTop, word.mid(i, 1));
        p.restore();
    }
    const QPointF c(w / 2, h * 0.56);
    const double r = w * 0.2;
    const QColor cols[3] = {QColor(206, 22, 36), QColor(36, 72, 150), QColor(212, 160, 23)};
    for (int i = 0; i < 3; ++i) {
        const double ang = (-60 + 60 * i) * M_PI / 180;
        const QPointF tip(c.x() + std::sin(ang) * r * 1.9, c.y() - r * 1.2 - std::cos(ang) * r * 0.9);
        QPainterPath horn;
        horn.moveTo(c.x() - r * 0.9 + i * r * 0.6, c.y() - r * 0.2);
        horn.quadTo((c.x() + tip.x()) / 2, c.y() - r * 1.2, tip.x(), tip.y());
        horn.quadTo((c.x() + tip.x()) / 2 + r * 0.3, c.y() - r * 0.6, c.x() - r * 0.3 + i * r * 0.6, c.y() - r * 0.2);
        horn.closeSubpath();
        p.setPen(QPen(QColor(40, 40, 40), std::max(0.6, w / 90.0)));
        p.setBrush(cols[i]);
        p.drawPath(horn);
        p.setBrush(QColor(250, 220, 60));
        p.drawEllipse(tip, r * 0.2, r * 0.2);
    }
    p.setBrush(QColor(246, 214, 178));
    p.drawEllipse(QPointF(c.x(), c.y() + r * 0.45), r * 0.7, r * 0.8);
    p.setPen(QPen(QColor(60, 30, 30), std::max(0.8, w / 70.0)));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c.x() - r * 0.4, c.y() + r * 0.35, r * 0.8, r * 0.6), 200 * 16, 140 * 16);
    p.setBrush(cols[0]);
    p.setPen(Qt::NoPen);
    QPainterPath collar;
    collar.moveTo(c.x() - r * 1.2, c.y() + r * 1.2);
    for (int i = 0; i <= 6; ++i)
        collar.lineTo(c.x() - r * 1.2 + i * r * 0.4, c.y() + r * (i % 2 ? 1.7 : 1.2));
    collar.closeSubpath();
    p.drawPath(collar);
    p.end();
    clearCorners(img, 0, 0, s.width, s.height);
    return img;
}

QImage faceStrip(const FaceStyle& st, const CardSize& s, int suit) {
    QImage strip = blank(s.width * 5, s.height * 3);
    QPainter p(&strip);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    for (int r = 1; r <= 13; ++r)
        p.drawImage((r - 1) % 5 * s.width, (r - 1) / 5 * s.height, drawFace(st, s, suit, r));
    return strip;
}

QImage customLayoutSet(const FaceStyle& st, const CardSize& s, const QColor& under) {
    QImage set(s.width * 5, s.height * 12, QImage::Format_RGB32);
    set.fill(under);
    QPainter p(&set);
    for (int suit = 0; suit < 4; ++suit)
        for (int r = 1; r <= 13; ++r)
            p.drawImage((r - 1) % 5 * s.width, (suit * 3 + (r - 1) / 5) * s.height,
                        drawFace(st, s, suit, r));
    return set;
}

} // namespace packgen
