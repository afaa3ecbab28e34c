#include "icons.h"

#include "backs.h"
#include "cards.h"

#include <QFont>
#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>

namespace packgen {

namespace {

// Icons are drawn on transparent magenta: the image lists mask by the top-left
// pixel, and the alpha channel gives the same result to every other user.
const QColor kIconKey(255, 0, 255, 0);

enum class Glyph { New, Open, Restart, Save, Undo, Redo, Autoplay, Stats, Rules, Exit, Restore,
                   Select, Players, Bookmark, Pause, Series, Favorites, Customize, Wizard, Counter,
                   ArrowLeft, ArrowLeftAll, ArrowRight, Folder, Comment, Play, Stop, Disabled };

void arrow(QPainter& p, QPointF from, QPointF to, double width, const QColor& c) {
    p.setPen(QPen(c, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
    const double a = std::atan2(to.y() - from.y(), to.x() - from.x());
    QPainterPath head;
    head.moveTo(to + QPointF(std::cos(a) * width * 1.4, std::sin(a) * width * 1.4));
    head.lineTo(to + QPointF(std::cos(a + 2.3) * width * 2, std::sin(a + 2.3) * width * 2));
    head.lineTo(to + QPointF(std::cos(a - 2.3) * width * 2, std::sin(a - 2.3) * width * 2));
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPath(head);
}

void miniCard(QPainter& p, QRectF r, const QColor& fill, int suit = -1) {
    p.setPen(QPen(QColor(70, 70, 70), std::max(0.8, r.width() / 12)));
    p.setBrush(fill);
    p.drawRoundedRect(r, r.width() * 0.15, r.width() * 0.15);
    if (suit >= 0)
        drawSuit(p, suit, r.center(), r.width() * 0.6, suit < 2 ? QColor(210, 20, 30) : QColor(20, 20, 20));
}

void drawGlyph(QPainter& p, Glyph g, double s, bool disabled) {
    const QColor blue = disabled ? QColor(150, 150, 150) : QColor(30, 90, 200);
    const QColor green = disabled ? QColor(160, 160, 160) : QColor(30, 150, 60);
    const QColor red = disabled ? QColor(150, 150, 150) : QColor(200, 40, 40);
    const QColor gold = disabled ? QColor(170, 170, 170) : QColor(230, 170, 30);
    const QColor card = disabled ? QColor(225, 225, 225) : QColor(255, 255, 255);
    const double lw = s / 8;
    // Outlines keep their colour only on enabled pictures.
    const auto ink = [disabled](int r, int gr, int b) { return disabled ? QColor(110, 110, 110) : QColor(r, gr, b); };
    switch (g) {
    case Glyph::New:
        miniCard(p, QRectF(s * 0.12, s * 0.08, s * 0.5, s * 0.7), card, 0);
        miniCard(p, QRectF(s * 0.38, s * 0.22, s * 0.5, s * 0.7), card, 3);
        break;
    case Glyph::Open:
        p.setPen(QPen(ink(150, 110, 20), lw / 2));
        p.setBrush(gold);
        p.drawRect(QRectF(s * 0.08, s * 0.3, s * 0.84, s * 0.58));
        p.setBrush(gold.lighter(130));
        p.drawRect(QRectF(s * 0.08, s * 0.2, s * 0.36, s * 0.14));
        break;
    case Glyph::Restart:
    case Glyph::Undo:
    case Glyph::Redo: {
        const QColor c = g == Glyph::Restart ? green : blue;
        p.setPen(QPen(c, lw * 1.3, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        const QRectF ring(s * 0.2, s * 0.22, s * 0.6, s * 0.6);
        if (g == Glyph::Restart) {
            p.drawArc(ring, 90 * 16, 290 * 16);
            arrow(p, QPointF(s * 0.45, s * 0.22), QPointF(s * 0.56, s * 0.22), lw * 1.3, c);
        } else {
            const bool undo = g == Glyph::Undo;
            p.drawArc(ring, (undo ? 0 : 0) * 16, 180 * 16);
            const QPointF end(undo ? s * 0.2 : s * 0.8, s * 0.52);
            arrow(p, QPointF(end.x(), s * 0.5), QPointF(end.x(), s * 0.62), lw * 1.3, c);
        }
        break;
    }
    case Glyph::Save:
        p.setPen(QPen(ink(30, 50, 110), lw / 2));
        p.setBrush(blue);
        p.drawRoundedRect(QRectF(s * 0.12, s * 0.12, s * 0.76, s * 0.76), s * 0.06, s * 0.06);
        p.setBrush(card);
        p.drawRect(QRectF(s * 0.26, s * 0.12, s * 0.48, s * 0.3));
        p.drawRect(QRectF(s * 0.3, s * 0.58, s * 0.4, s * 0.3));
        break;
    case Glyph::Autoplay:
        miniCard(p, QRectF(s * 0.1, s * 0.2, s * 0.44, s * 0.62), card, 1);
        arrow(p, QPointF(s * 0.52, s * 0.7), QPointF(s * 0.78, s * 0.28), lw * 1.2, green);
        break;
    case Glyph::Stats:
        p.setPen(Qt::NoPen);
        p.setBrush(blue);
        p.drawRect(QRectF(s * 0.15, s * 0.5, s * 0.18, s * 0.38));
        p.setBrush(green);
        p.drawRect(QRectF(s * 0.41, s * 0.25, s * 0.18, s * 0.63));
        p.setBrush(red);
        p.drawRect(QRectF(s * 0.67, s * 0.4, s * 0.18, s * 0.48));
        break;
    case Glyph::Rules:
        p.setPen(QPen(ink(90, 90, 90), lw / 2));
        p.setBrush(card);
        p.drawRect(QRectF(s * 0.2, s * 0.1, s * 0.6, s * 0.8));
        p.setPen(QPen(blue, lw / 1.5));
        for (int i = 0; i < 4; ++i) p.drawLine(QPointF(s * 0.3, s * (0.27 + i * 0.16)), QPointF(s * 0.7, s * (0.27 + i * 0.16)));
        break;
    case Glyph::Exit:
        p.setPen(QPen(ink(110, 70, 40), lw / 2));
        p.setBrush(QColor(200, 150, 90));
        p.drawRect(QRectF(s * 0.18, s * 0.1, s * 0.44, s * 0.8));
        arrow(p, QPointF(s * 0.45, s * 0.5), QPointF(s * 0.82, s * 0.5), lw * 1.2, red);
        break;
    case Glyph::Restore:
        p.setPen(QPen(blue, lw / 1.5));
        p.setBrush(card);
        p.drawRect(QRectF(s * 0.3, s * 0.15, s * 0.55, s * 0.45));
        p.drawRect(QRectF(s * 0.15, s * 0.4, s * 0.55, s * 0.45));
        break;
    case Glyph::Select:
        miniCard(p, QRectF(s * 0.12, s * 0.14, s * 0.5, s * 0.72), card, 2);
        p.setPen(QPen(ink(40, 40, 40), lw));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(s * 0.66, s * 0.6), s * 0.17, s * 0.17);
        p.drawLine(QPointF(s * 0.78, s * 0.72), QPointF(s * 0.92, s * 0.88));
        break;
    case Glyph::Players:
        for (int i = 0; i < 2; ++i) {
            const double x = s * (0.35 + i * 0.3);
            p.setPen(Qt::NoPen);
            p.setBrush(i ? green : blue);
            p.drawEllipse(QPointF(x, s * 0.3), s * 0.14, s * 0.14);
            p.drawRoundedRect(QRectF(x - s * 0.2, s * 0.48, s * 0.4, s * 0.4), s * 0.12, s * 0.12);
        }
        break;
    case Glyph::Bookmark: {
        QPainterPath b;
        b.moveTo(s * 0.28, s * 0.1);
        b.lineTo(s * 0.72, s * 0.1);
        b.lineTo(s * 0.72, s * 0.9);
        b.lineTo(s * 0.5, s * 0.7);
        b.lineTo(s * 0.28, s * 0.9);
        b.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(red);
        p.drawPath(b);
        break;
    }
    case Glyph::Pause:
        p.setPen(Qt::NoPen);
        p.setBrush(blue);
        p.drawRect(QRectF(s * 0.25, s * 0.18, s * 0.17, s * 0.64));
        p.drawRect(QRectF(s * 0.58, s * 0.18, s * 0.17, s * 0.64));
        break;
    case Glyph::Play: {
        QPainterPath t;
        t.moveTo(s * 0.28, s * 0.15);
        t.lineTo(s * 0.82, s * 0.5);
        t.lineTo(s * 0.28, s * 0.85);
        t.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(green);
        p.drawPath(t);
        break;
    }
    case Glyph::Stop:
        p.setPen(Qt::NoPen);
        p.setBrush(red);
        p.drawRect(QRectF(s * 0.22, s * 0.22, s * 0.56, s * 0.56));
        break;
    case Glyph::Series:
        for (int i = 0; i < 3; ++i) miniCard(p, QRectF(s * (0.08 + i * 0.22), s * (0.1 + i * 0.08), s * 0.42, s * 0.62), card, i);
        break;
    case Glyph::Favorites: {
        QPainterPath star;
        for (int i = 0; i < 10; ++i) {
            const double a = i * M_PI / 5 - M_PI / 2, r = (i % 2 ? 0.2 : 0.45) * s;
            const QPointF pt(s / 2 + std::cos(a) * r, s * 0.53 + std::sin(a) * r);
            i ? star.lineTo(pt) : star.moveTo(pt);
        }
        star.closeSubpath();
        p.setPen(QPen(ink(160, 110, 0), lw / 2));
        p.setBrush(gold);
        p.drawPath(star);
        break;
    }
    case Glyph::Customize:
        p.setPen(Qt::NoPen);
        p.setBrush(red);
        p.drawEllipse(QPointF(s * 0.38, s * 0.38), s * 0.2, s * 0.2);
        p.setBrush(green);
        p.drawEllipse(QPointF(s * 0.62, s * 0.38), s * 0.2, s * 0.2);
        p.setBrush(blue);
        p.drawEllipse(QPointF(s * 0.5, s * 0.6), s * 0.2, s * 0.2);
        break;
    case Glyph::Wizard:
        p.setPen(QPen(ink(90, 60, 30), lw));
        p.drawLine(QPointF(s * 0.2, s * 0.85), QPointF(s * 0.65, s * 0.4));
        p.setPen(Qt::NoPen);
        p.setBrush(gold);
        p.drawEllipse(QPointF(s * 0.7, s * 0.32), s * 0.14, s * 0.14);
        break;
    case Glyph::Counter: {
        miniCard(p, QRectF(s * 0.08, s * 0.12, s * 0.48, s * 0.7), card);
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setBold(true);
        f.setPixelSize(int(s * 0.5));
        p.setFont(f);
        p.setPen(blue);
        p.drawText(QRectF(s * 0.4, s * 0.3, s * 0.6, s * 0.7), Qt::AlignCenter, QStringLiteral("#"));
        break;
    }
    case Glyph::ArrowLeft: arrow(p, QPointF(s * 0.8, s * 0.5), QPointF(s * 0.3, s * 0.5), lw * 1.2, blue); break;
    case Glyph::ArrowRight: arrow(p, QPointF(s * 0.2, s * 0.5), QPointF(s * 0.7, s * 0.5), lw * 1.2, blue); break;
    case Glyph::ArrowLeftAll:
        arrow(p, QPointF(s * 0.85, s * 0.5), QPointF(s * 0.45, s * 0.5), lw * 1.2, blue);
        p.setPen(QPen(blue, lw * 1.2));
        p.drawLine(QPointF(s * 0.15, s * 0.25), QPointF(s * 0.15, s * 0.75));
        break;
    case Glyph::Folder:
        p.setPen(QPen(ink(150, 110, 20), lw / 2));
        p.setBrush(gold.lighter(120));
        p.drawRect(QRectF(s * 0.08, s * 0.22, s * 0.36, s * 0.14));
        p.setBrush(gold);
        p.drawRect(QRectF(s * 0.08, s * 0.32, s * 0.84, s * 0.54));
        break;
    case Glyph::Comment:
        p.setPen(QPen(ink(60, 60, 60), lw / 2));
        p.setBrush(QColor(255, 250, 170));
        p.drawRoundedRect(QRectF(s * 0.08, s * 0.12, s * 0.84, s * 0.56), s * 0.12, s * 0.12);
        p.drawLine(QPointF(s * 0.3, s * 0.68), QPointF(s * 0.22, s * 0.9));
        break;
    case Glyph::Disabled:
        p.setPen(QPen(ink(150, 150, 150), lw));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(s / 2, s / 2), s * 0.35, s * 0.35);
        p.drawLine(QPointF(s * 0.25, s * 0.75), QPointF(s * 0.75, s * 0.25));
        break;
    }
}

QImage glyphIcon(Glyph g, int size, bool disabled) {
    QImage img = blank(size, size, kIconKey);
    QPainter p(&img);
    prepare(p);
    drawGlyph(p, g, size, disabled);
    return img;
}

// A tree icon of a game type: a small fan of cards, tinted by the category;
// the variants carry a badge for won, not won and never played.
QImage treeIcon(int index, int variant) {
    QImage img = blank(16, 16, kIconKey);
    QPainter p(&img);
    prepare(p);
    const QColor tint = QColor::fromHsv((index * 47) % 360, 150, 200);
    miniCard(p, QRectF(1.5, 2.5, 8, 11), tint.lighter(150));
    miniCard(p, QRectF(5.5, 1.5, 8, 11), QColor(255, 255, 255), index % 4);
    if (variant == 1) { // won: a green tick
        p.setPen(QPen(QColor(20, 150, 40), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(8.5, 12), QPointF(10.5, 14.2), QPointF(15, 9)}));
    } else if (variant == 2) { // played, never won: a red cross
        p.setPen(QPen(QColor(210, 30, 30), 2.0, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(10, 10), QPointF(14.5, 14.5));
        p.drawLine(QPointF(14.5, 10), QPointF(10, 14.5));
    } else if (variant == 3) { // never played: a grey dot
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(140, 140, 140));
        p.drawEllipse(QPointF(12.5, 12.5), 2.6, 2.6);
    }
    return img;
}

QImage levelIcon(int level, int of, const QColor& colour) {
    QImage img = blank(16, 16, kIconKey);
    QPainter p(&img);
    prepare(p);
    for (int i = 0; i < of; ++i) {
        const double h = 3 + i * (11.0 / of);
        p.setPen(Qt::NoPen);
        p.setBrush(i <= level ? colour : QColor(200, 200, 200));
        const double bw = 14.0 / of;
        p.drawRect(QRectF(1 + i * bw, 15 - h, bw - 1, h));
    }
    return img;
}

QImage statusIcon(int kind) {
    QImage img = blank(16, 16, kIconKey);
    QPainter p(&img);
    prepare(p);
    switch (kind) {
    case 0: // stock: a stack of backs
        for (int i = 2; i >= 0; --i) miniCard(p, QRectF(3 + i, 1.5 + i, 9, 12), QColor(40, 80, 170));
        break;
    case 1: // waste: a fan
        miniCard(p, QRectF(1.5, 2.5, 8, 11), QColor(255, 255, 255));
        miniCard(p, QRectF(6.5, 2.5, 8, 11), QColor(255, 255, 255), 0);
        break;
    case 2: // foundation: an ace
        miniCard(p, QRectF(3.5, 1.5, 9, 13), QColor(255, 255, 255), 3);
        break;
    case 3: // tableau: a cascade
        for (int i = 0; i < 3; ++i) miniCard(p, QRectF(3.5, 0.5 + i * 3, 9, 9), QColor(255, 255, 255), i);
        break;
    default: // reserve: a card in a frame
        p.setPen(QPen(QColor(100, 100, 100), 1, Qt::DashLine));
        p.drawRect(QRectF(1.5, 1.5, 13, 13));
        miniCard(p, QRectF(4.5, 3, 7, 10), QColor(255, 255, 255), 1);
        break;
    }
    return img;
}

} // namespace

std::vector<NamedImage> drawIcons() {
    std::vector<NamedImage> out;
    struct Tb {
        const char* name;
        Glyph glyph;
        bool hasDisabled, large;
    };
    const Tb bar[] = {
        {"NEW", Glyph::New, false, true},          {"OPEN", Glyph::Open, false, true},
        {"RESTART", Glyph::Restart, true, true},   {"SAVE", Glyph::Save, true, false},
        {"UNDO", Glyph::Undo, true, true},         {"REDO", Glyph::Redo, true, true},
        {"AUTOPLAY", Glyph::Autoplay, true, true}, {"STAT", Glyph::Stats, false, true},
        {"RULES", Glyph::Rules, false, true},      {"EXIT", Glyph::Exit, false, true},
        {"RESTORE_AFTER_F11", Glyph::Restore, false, true},
    };
    for (const char* prefix : {"", "2000_"}) {
        for (const Tb& t : bar) {
            for (int large = 0; large < 2; ++large) {
                if (large && !t.large) continue;
                const int size = large ? 24 : 16;
                const std::string base = std::string(prefix) + "TB_" + t.name + (large ? "_LARGE" : "_SMALL");
                out.push_back({base, glyphIcon(t.glyph, size, false)});
                if (t.hasDisabled) out.push_back({base + "_DIS", glyphIcon(t.glyph, size, true)});
            }
        }
    }
    const std::pair<const char*, Glyph> menu[] = {
        {"MN_SELECT", Glyph::Select},       {"MN_PLAYERS", Glyph::Players},
        {"MN_BOOKMARK", Glyph::Bookmark},   {"MN_PAUSE", Glyph::Pause},
        {"MN_SERIES", Glyph::Series},       {"MN_FAVORITES", Glyph::Favorites},
        {"MN_CUSTOMIZE", Glyph::Customize}, {"MN_RULESWIZARD", Glyph::Wizard},
        {"MN_CARDCOUNTER", Glyph::Counter}, {"MN_ARROW_LEFT", Glyph::ArrowLeft},
        {"MN_ARROW_LEFT_ALL", Glyph::ArrowLeftAll}, {"MN_ARROW_RIGHT", Glyph::ArrowRight},
        {"S_TREE1", Glyph::Folder},         {"COMMENT_YES", Glyph::Comment},
        {"BTN_PLAY", Glyph::Play},          {"BTN_PAUSE", Glyph::Pause},
        {"BTN_STOP", Glyph::Stop},          {"PROG_DISABLED", Glyph::Disabled},
    };
    for (const auto& [name, glyph] : menu) out.push_back({name, glyphIcon(glyph, 16, false)});

    const char* const status[] = {"STATUSBAR_STOCK", "STATUSBAR_WASTE", "STATUSBAR_FOUNDATION",
                                  "STATUSBAR_TABLEAU", "STATUSBAR_RESERVE"};
    for (int i = 0; i < 5; ++i) out.push_back({status[i], statusIcon(i)});

    const char* const suits[] = {"SUIT_HEARTS", "SUIT_DIAMONDS", "SUIT_CLUBS", "SUIT_SPADES"};
    for (int i = 0; i < 4; ++i) {
        QImage img = blank(11, 11, kIconKey);
        QPainter p(&img);
        prepare(p);
        drawSuit(p, i, QPointF(5.5, 5.5), 10.5, i < 2 ? QColor(210, 20, 30) : QColor(20, 20, 20));
        p.end();
        out.push_back({suits[i], img});
    }

    const char* const tree[] = {
        "CANFIELD_TYPE", "FORTYTHIEVES_TYPE", "FREECELL_TYPE", "KLONDIKE_TYPE", "PAIRING_TYPE",
        "SIMPLEGAMES_TYPE", "SPIDER_TYPE", "1DECK_TYPE", "2DECK_TYPE", "FAN_TYPE",
        "BAKERSDOZEN_TYPE", "ROW_TYPE", "PUZZLE_TYPE", "ADDITION_TYPE", "MEMORY_TYPE",
        "BELEAGUEREDCASTLE_TYPE", "QUEENOFITALY_TYPE", "YUKON_TYPE", "MATHEMATICAL_TYPE",
        "SIRTOMMY_TYPE", "NONBUILDERS_TYPE", "STRIPPEDDECK_TYPE", "FOURSEASONS_TYPE",
        "FAERIEQUEEN_TYPE", "FLOWERGARDEN_TYPE", "SLYFOX_TYPE", "CUSTOMIZED_GAMES"};
    const char* const variants[] = {"", "_WIN", "_NOWIN", "_NOPLAYED"};
    for (int i = 0; i < int(std::size(tree)); ++i)
        for (int v = 0; v < 4; ++v)
            out.push_back({std::string("TREE5_") + tree[i] + variants[v], treeIcon(i, v)});

    const char* const times[] = {"PROG_TIME_LONG", "PROG_TIME_MEDIUM", "PROG_TIME_QUICK"};
    for (int i = 0; i < 3; ++i) out.push_back({times[i], levelIcon(2 - i, 3, QColor(30, 90, 200))});
    const char* const diffs[] = {"PROG_DIFF_EASY", "PROG_DIFF_MEDIUM", "PROG_DIFF_HARD"};
    for (int i = 0; i < 3; ++i) out.push_back({diffs[i], levelIcon(i, 3, QColor(210, 60, 40))});
    const char* const skills[] = {"PROG_SKILL_DIFFICULT", "PROG_SKILL_MOSTLYSKILL", "PROG_SKILL_MODERATE",
                                  "PROG_SKILL_MOSTLYCHANCE", "PROG_SKILL_CHANCEONLY"};
    for (int i = 0; i < 5; ++i) out.push_back({skills[i], levelIcon(4 - i, 5, QColor(120, 60, 170))});
    const char* const chances[] = {"PROG_CHAN_VERYHIGH", "PROG_CHAN_HIGH", "PROG_CHAN_MEDIUM",
                                   "PROG_CHAN_LOW", "PROG_CHAN_VERYLOW"};
    for (int i = 0; i < 5; ++i) out.push_back({chances[i], levelIcon(4 - i, 5, QColor(30, 150, 60))});
    return out;
}

std::vector<NamedCursor> drawCursors() {
    std::vector<NamedCursor> out;
    auto arrowCursor = [](double scale, const QColor& fill) {
        QImage img = blank(32, 32, QColor(0, 0, 0, 0));
        QPainter p(&img);
        prepare(p);
        QPainterPath a;
        const double k = scale;
        a.moveTo(1, 1);
        a.lineTo(1, 1 + 16 * k);
        a.lineTo(1 + 4.2 * k, 1 + 12.3 * k);
        a.lineTo(1 + 7 * k, 1 + 18.5 * k);
        a.lineTo(1 + 9.6 * k, 1 + 17.3 * k);
        a.lineTo(1 + 6.9 * k, 1 + 11.3 * k);
        a.lineTo(1 + 11.8 * k, 1 + 11.3 * k);
        a.closeSubpath();
        p.setPen(QPen(QColor(0, 0, 0), 1.1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.setBrush(fill);
        p.drawPath(a);
        return img;
    };
    auto handCursor = [](bool left, bool closed, const QColor& fill) {
        QImage img = blank(32, 32, QColor(0, 0, 0, 0));
        QPainter p(&img);
        prepare(p);
        if (left) {
            p.translate(32, 0);
            p.scale(-1, 1);
        }
        QPainterPath hand;
        hand.addRoundedRect(QRectF(6, 12, 14, 12), 4, 4);             // palm
        hand.addRoundedRect(QRectF(6, closed ? 8 : 1, 4.2, closed ? 8 : 14), 2.1, 2.1); // pointing finger
        for (int i = 0; i < 3; ++i) hand.addRoundedRect(QRectF(10 + i * 3.4, 9 - (closed ? -2 : 0), 3.6, 7), 1.8, 1.8);
        hand.addRoundedRect(QRectF(2, 15, 6, 4), 2, 2);               // thumb
        p.setPen(QPen(QColor(0, 0, 0), 1.1));
        p.setBrush(fill);
        p.drawPath(hand.simplified());
        return img;
    };
    const char* const names[] = {"CUR_ARROW1", "CUR_ARROW2", "CUR_RIGHT_HAND1", "CUR_RIGHT_HAND2",
                                 "CUR_LEFT_HAND1", "CUR_LEFT_HAND2"};
    for (int b = 0; b < 2; ++b) {
        const QColor fill = b ? QColor(255, 246, 190) : QColor(255, 255, 255);
        const char* suffix = b ? "B" : "A";
        out.push_back({std::string(names[0]) + suffix, arrowCursor(1.0, fill), 1, 1});
        out.push_back({std::string(names[1]) + suffix, arrowCursor(1.45, fill), 1, 1});
        out.push_back({std::string(names[2]) + suffix, handCursor(false, false, fill), 8, 1});
        out.push_back({std::string(names[3]) + suffix, handCursor(false, true, fill), 8, 8});
        out.push_back({std::string(names[4]) + suffix, handCursor(true, false, fill), 23, 1});
        out.push_back({std::string(names[5]) + suffix, handCursor(true, true, fill), 23, 8});
    }
    return out;
}

std::vector<NamedImage> drawPictures() {
    std::vector<NamedImage> out;
    const CardSize b{'B', 71, 96};
    const FaceStyle st = predefinedStyle(1);

    // Pause pictures: pure green is their transparent colour.
    for (int i = 1; i <= 2; ++i) {
        const int w = i == 1 ? 260 : 300, h = i == 1 ? 90 : 40;
        QImage img = blank(w, h, QColor(0, 255, 0, 0));
        QPainter p(&img);
        prepare(p);
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setBold(true);
        f.setPixelSize(i == 1 ? 64 : 20);
        p.setFont(f);
        QPainterPath text;
        text.addText(0, 0, f, i == 1 ? QStringLiteral("Pause") : QStringLiteral("Click or press a key to go on"));
        const QRectF br = text.boundingRect();
        p.translate((w - br.width()) / 2 - br.left(), (h - br.height()) / 2 - br.top());
        p.setPen(QPen(QColor(20, 30, 20), i == 1 ? 4 : 2.5));
        p.setBrush(Qt::NoBrush);
        p.drawPath(text);
        p.setPen(Qt::NoPen);
        p.setBrush(i == 1 ? QColor(255, 236, 150) : QColor(255, 255, 255));
        p.drawPath(text);
        p.end();
        out.push_back({"BMP_PAUSE_" + std::to_string(i), img});
    }

    { // Splash: a fan of cards on felt with the name.
        QImage img(398, 247, QImage::Format_RGB32);
        QPainter p(&img);
        prepare(p);
        QRadialGradient g(QPointF(199, 110), 260);
        g.setColorAt(0, QColor(20, 130, 60));
        g.setColorAt(1, QColor(0, 60, 26));
        p.fillRect(img.rect(), g);
        const int cards[5][2] = {{3, 1}, {0, 13}, {1, 12}, {2, 11}, {3, 10}};
        for (int i = 0; i < 5; ++i) {
            p.save();
            p.translate(199, 175);
            p.rotate(-30 + i * 15);
            p.drawImage(QPointF(-35, -150), drawFace(st, b, cards[i][0], cards[i][1]));
            p.restore();
        }
        QFont f(QStringLiteral("DejaVu Serif"));
        f.setBold(true);
        f.setPixelSize(34);
        QPainterPath title;
        title.addText(0, 0, f, QStringLiteral("Vellamor 2003"));
        const QRectF br = title.boundingRect();
        p.translate(199 - br.width() / 2 - br.left(), 232);
        p.setPen(QPen(QColor(20, 20, 20), 4));
        p.drawPath(title);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 226, 120));
        p.drawPath(title);
        p.end();
        out.push_back({"SPLASH", img});
    }

    // Previews of the card effects in the Customize dialog.
    auto preview = [&](bool shadow, bool irregular) {
        QImage img(96, 110, QImage::Format_RGB32);
        img.fill(QColor(0, 128, 0));
        QPainter p(&img);
        prepare(p);
        const int offs[3] = {0, irregular ? 3 : 0, irregular ? -2 : 0};
        for (int i = 0; i < (shadow ? 1 : 3); ++i) {
            const QPointF at(shadow ? 8 : 12 + offs[i], shadow ? 4 : 2 + i * 5);
            if (shadow) {
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(0, 0, 0, 90));
                p.drawRoundedRect(QRectF(at.x() + 9, at.y() + 9, 71, 96), 4, 4);
            }
            p.drawImage(at, drawFace(st, b, i, 1 + i * 5));
        }
        return img;
    };
    out.push_back({"CARD_WITH_SHADOW", preview(true, false)});
    out.push_back({"CARD_WITHOUT_SHADOW", preview(false, false)});
    out.push_back({"CARD_IRR_PILES_YES", preview(false, true)});
    out.push_back({"CARD_IRR_PILES_NO", preview(false, false)});
    return out;
}

} // namespace packgen
