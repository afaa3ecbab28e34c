#include "backs.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>

namespace packgen {

namespace {

enum class Pattern { Lattice, Weave, Stars, Rays, Dots, Waves, Swirl, Checks, Scales, Plain };
enum class Emblem { None, Sun, Star, Flower, Rose, Snowman, Bear, Penguin, Fish, Bird, Horse,
                    Dragon, Mountains, Hills, Lake, Sea, Clouds, Shell, Circle };

struct BackDesign {
    Pattern pattern;
    Emblem emblem;
    QColor base, ink;
};

BackDesign design(int n) {
    switch (n) {
    case 1: return {Pattern::Lattice, Emblem::Circle, QColor(120, 86, 52), QColor(230, 200, 150)};
    case 2: return {Pattern::Plain, Emblem::Sun, QColor(60, 30, 24), QColor(220, 150, 70)};
    case 3: return {Pattern::Dots, Emblem::Snowman, QColor(40, 90, 170), QColor(225, 240, 255)};
    case 4: return {Pattern::Scales, Emblem::Dragon, QColor(20, 110, 60), QColor(140, 220, 120)};
    case 5: return {Pattern::Dots, Emblem::Flower, QColor(236, 120, 160), QColor(255, 230, 240)};
    case 6: return {Pattern::Weave, Emblem::None, QColor(30, 110, 90), QColor(180, 230, 210)};
    case 7: return {Pattern::Lattice, Emblem::None, QColor(24, 60, 150), QColor(190, 210, 255)};
    case 8: return {Pattern::Lattice, Emblem::None, QColor(160, 24, 32), QColor(255, 200, 200)};
    case 9: return {Pattern::Lattice, Emblem::None, QColor(220, 110, 20), QColor(255, 228, 180)};
    case 10: return {Pattern::Rays, Emblem::Sun, QColor(230, 140, 20), QColor(255, 220, 90)};
    case 11: return {Pattern::Weave, Emblem::None, QColor(28, 64, 140), QColor(170, 196, 245)};
    case 12: return {Pattern::Swirl, Emblem::Star, QColor(20, 40, 110), QColor(250, 210, 70)};
    case 13: return {Pattern::Checks, Emblem::Bear, QColor(230, 190, 120), QColor(250, 232, 196)};
    case 14: return {Pattern::Plain, Emblem::Rose, QColor(110, 16, 40), QColor(230, 60, 90)};
    case 15: return {Pattern::Dots, Emblem::Flower, QColor(60, 130, 60), QColor(250, 240, 120)};
    case 16: return {Pattern::Waves, Emblem::Shell, QColor(90, 160, 170), QColor(250, 226, 210)};
    case 17: return {Pattern::Stars, Emblem::None, QColor(16, 24, 70), QColor(250, 230, 120)};
    case 18: return {Pattern::Rays, Emblem::Bird, QColor(110, 150, 200), QColor(80, 50, 30)};
    case 19: return {Pattern::Waves, Emblem::Fish, QColor(20, 120, 180), QColor(255, 150, 30)};
    case 20: return {Pattern::Plain, Emblem::Lake, QColor(120, 180, 230), QColor(40, 110, 60)};
    case 21: return {Pattern::Plain, Emblem::Clouds, QColor(90, 160, 230), QColor(255, 255, 255)};
    case 22: return {Pattern::Plain, Emblem::Sea, QColor(140, 200, 240), QColor(20, 90, 160)};
    case 23: return {Pattern::Plain, Emblem::Mountains, QColor(150, 190, 235), QColor(90, 90, 110)};
    case 24: return {Pattern::Checks, Emblem::Penguin, QColor(120, 190, 230), QColor(210, 236, 250)};
    case 25: return {Pattern::Plain, Emblem::Mountains, QColor(240, 160, 110), QColor(100, 60, 90)};
    case 26: return {Pattern::Plain, Emblem::Hills, QColor(170, 210, 240), QColor(80, 160, 60)};
    case 27: return {Pattern::Lattice, Emblem::Horse, QColor(100, 60, 30), QColor(230, 190, 140)};
    case 28: return {Pattern::Dots, Emblem::Flower, QColor(150, 140, 200), QColor(250, 220, 230)};
    default: return {Pattern::Weave, Emblem::None, QColor(28, 64, 140), QColor(170, 196, 245)};
    }
}

void drawPattern(QPainter& p, Pattern pat, const QRectF& r, const QColor& base, const QColor& ink,
                 double unit) {
    p.fillRect(r, base);
    QColor soft = ink;
    soft.setAlphaF(0.55f);
    p.setPen(QPen(soft, std::max(0.8, unit * 0.12)));
    p.setBrush(Qt::NoBrush);
    const double step = unit;
    switch (pat) {
    case Pattern::Lattice:
        for (double d = -r.height(); d < r.width() + r.height(); d += step) {
            p.drawLine(QPointF(r.left() + d, r.top()), QPointF(r.left() + d - r.height(), r.bottom()));
            p.drawLine(QPointF(r.left() + d, r.top()), QPointF(r.left() + d + r.height(), r.bottom()));
        }
        p.setPen(Qt::NoPen);
        p.setBrush(soft);
        for (double y = r.top(); y <= r.bottom() + step; y += step)
            for (double x = r.left() + step / 2; x <= r.right() + step; x += step)
                p.drawEllipse(QPointF(x, y), unit * 0.12, unit * 0.12);
        break;
    case Pattern::Weave: {
        const double s = step * 0.9;
        int row = 0;
        for (double y = r.top(); y < r.bottom(); y += s, ++row) {
            int col = 0;
            for (double x = r.left(); x < r.right(); x += s, ++col) {
                const bool across = (row + col) % 2 == 0;
                QRectF cell(x + s * 0.08, y + s * 0.08, s * 0.84, s * 0.84);
                QLinearGradient g(across ? cell.topLeft() : cell.topLeft(),
                                  across ? cell.bottomLeft() : cell.topRight());
                g.setColorAt(0, mix(base, ink, 0.25));
                g.setColorAt(0.5, mix(base, ink, 0.55));
                g.setColorAt(1, mix(base, ink, 0.2));
                p.setPen(Qt::NoPen);
                p.setBrush(g);
                const QRectF band = across ? cell.adjusted(0, s * 0.18, 0, -s * 0.18)
                                           : cell.adjusted(s * 0.18, 0, -s * 0.18, 0);
                p.drawRoundedRect(band, s * 0.15, s * 0.15);
            }
        }
        break;
    }
    case Pattern::Stars:
        for (double y = r.top() + step / 2; y < r.bottom() + step; y += step)
            for (double x = r.left() + step / 2; x < r.right() + step; x += step) {
                const double ox = (int((y - r.top()) / step) % 2) ? step / 2 : 0;
                QPainterPath star;
                for (int i = 0; i < 10; ++i) {
                    const double a = i * M_PI / 5 - M_PI / 2, rr = (i % 2 ? 0.16 : 0.38) * step;
                    const QPointF pt(x + ox + std::cos(a) * rr, y + std::sin(a) * rr);
                    i ? star.lineTo(pt) : star.moveTo(pt);
                }
                star.closeSubpath();
                p.setPen(Qt::NoPen);
                p.setBrush(soft);
                p.drawPath(star);
            }
        break;
    case Pattern::Rays: {
        const QPointF c = r.center();
        p.setPen(Qt::NoPen);
        p.setBrush(soft);
        const double far = r.width() + r.height();
        for (int i = 0; i < 24; i += 2) {
            QPainterPath ray;
            ray.moveTo(c);
            ray.lineTo(c.x() + std::cos(i * M_PI / 12) * far, c.y() + std::sin(i * M_PI / 12) * far);
            ray.lineTo(c.x() + std::cos((i + 1) * M_PI / 12) * far, c.y() + std::sin((i + 1) * M_PI / 12) * far);
            ray.closeSubpath();
            p.drawPath(ray);
        }
        break;
    }
    case Pattern::Dots:
        p.setPen(Qt::NoPen);
        p.setBrush(soft);
        for (double y = r.top(); y < r.bottom() + step; y += step * 0.8) {
            const double ox = (int((y - r.top()) / (step * 0.8)) % 2) ? step / 2 : 0;
            for (double x = r.left(); x < r.right() + step; x += step)
                p.drawEllipse(QPointF(x + ox, y), step * 0.16, step * 0.16);
        }
        break;
    case Pattern::Waves:
        for (double y = r.top(); y < r.bottom() + step; y += step * 0.5) {
            QPainterPath wave;
            wave.moveTo(r.left(), y);
            for (double x = r.left(); x < r.right() + step; x += step)
                wave.quadTo(x + step / 4, y - step * 0.22, x + step / 2, y),
                    wave.quadTo(x + step * 0.75, y + step * 0.22, x + step, y);
            p.drawPath(wave);
        }
        break;
    case Pattern::Swirl: {
        const QPointF c = r.center();
        for (int k = 0; k < 6; ++k) {
            QPainterPath sp;
            for (int i = 0; i <= 120; ++i) {
                const double t = i / 120.0 * 4 * M_PI;
                const double rr = unit * 0.15 * t;
                const QPointF pt(c.x() + std::cos(t + k * M_PI / 3) * rr, c.y() + std::sin(t + k * M_PI / 3) * rr);
                i ? sp.lineTo(pt) : sp.moveTo(pt);
            }
            p.drawPath(sp);
        }
        break;
    }
    case Pattern::Checks:
        p.setPen(Qt::NoPen);
        p.setBrush(soft);
        for (double y = r.top(); y < r.bottom(); y += step)
            for (double x = r.left(); x < r.right(); x += step)
                if ((int((x - r.left()) / step) + int((y - r.top()) / step)) % 2 == 0)
                    p.drawRect(QRectF(x, y, step, step));
        break;
    case Pattern::Scales:
        for (double y = r.top(); y < r.bottom() + step; y += step * 0.5) {
            const double ox = (int((y - r.top()) / (step * 0.5)) % 2) ? step / 2 : 0;
            for (double x = r.left() - step; x < r.right() + step; x += step)
                p.drawArc(QRectF(x + ox, y - step / 2, step, step), 180 * 16, 180 * 16);
        }
        break;
    case Pattern::Plain: {
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        g.setColorAt(0, base.lighter(125));
        g.setColorAt(1, base.darker(115));
        p.fillRect(r, g);
        break;
    }
    }
}

void drawEmblem(QPainter& p, Emblem e, const QRectF& r, const QColor& base, const QColor& ink) {
    const QPointF c = r.center();
    const double u = std::min(r.width(), r.height()) * 0.5; // emblem radius
    const double pen = std::max(0.7, u / 25);
    p.setPen(Qt::NoPen);
    auto ellipse = [&](QPointF at, double rx, double ry, QColor col) {
        p.setBrush(col);
        p.drawEllipse(at, rx, ry);
    };
    switch (e) {
    case Emblem::None: return;
    case Emblem::Sun: {
        QRadialGradient g(c, u * 0.6);
        g.setColorAt(0, ink.lighter(130));
        g.setColorAt(1, ink);
        p.setBrush(g);
        p.drawEllipse(c, u * 0.45, u * 0.45);
        p.setPen(QPen(ink, pen * 2.5, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 12; ++i) {
            const double a = i * M_PI / 6;
            p.drawLine(QPointF(c.x() + std::cos(a) * u * 0.58, c.y() + std::sin(a) * u * 0.58),
                       QPointF(c.x() + std::cos(a) * u * 0.8, c.y() + std::sin(a) * u * 0.8));
        }
        return;
    }
    case Emblem::Star: {
        QPainterPath star;
        for (int i = 0; i < 10; ++i) {
            const double a = i * M_PI / 5 - M_PI / 2, rr = (i % 2 ? 0.3 : 0.75) * u;
            const QPointF pt(c.x() + std::cos(a) * rr, c.y() + std::sin(a) * rr);
            i ? star.lineTo(pt) : star.moveTo(pt);
        }
        star.closeSubpath();
        p.setBrush(ink);
        p.drawPath(star);
        return;
    }
    case Emblem::Flower:
    case Emblem::Rose: {
        const int petals = e == Emblem::Rose ? 5 : 6;
        const QColor petal = e == Emblem::Rose ? ink : QColor(255, 255, 255);
        for (int ring = 0; ring < (e == Emblem::Rose ? 3 : 1); ++ring) {
            const double rr = u * (0.42 - ring * 0.12);
            for (int i = 0; i < petals; ++i) {
                const double a = i * 2 * M_PI / petals + ring * 0.5;
                ellipse(QPointF(c.x() + std::cos(a) * rr * 0.8, c.y() + std::sin(a) * rr * 0.8), rr * 0.55,
                        rr * 0.55, mix(petal, base, ring * 0.25));
            }
        }
        ellipse(c, u * 0.16, u * 0.16, e == Emblem::Rose ? ink.darker(150) : ink);
        return;
    }
    case Emblem::Snowman:
        ellipse(QPointF(c.x(), c.y() + u * 0.35), u * 0.42, u * 0.4, ink);
        ellipse(QPointF(c.x(), c.y() - u * 0.25), u * 0.28, u * 0.27, ink);
        p.setBrush(QColor(30, 30, 30));
        p.drawRect(QRectF(c.x() - u * 0.22, c.y() - u * 0.62, u * 0.44, u * 0.12));
        p.drawRect(QRectF(c.x() - u * 0.14, c.y() - u * 0.9, u * 0.28, u * 0.3));
        ellipse(QPointF(c.x() - u * 0.1, c.y() - u * 0.3), u * 0.035, u * 0.035, QColor(30, 30, 30));
        ellipse(QPointF(c.x() + u * 0.1, c.y() - u * 0.3), u * 0.035, u * 0.035, QColor(30, 30, 30));
        ellipse(QPointF(c.x(), c.y() - u * 0.2), u * 0.06, u * 0.03, QColor(240, 120, 20));
        return;
    case Emblem::Bear: {
        const QColor fur(150, 90, 40);
        ellipse(QPointF(c.x() - u * 0.38, c.y() - u * 0.38), u * 0.17, u * 0.17, fur);
        ellipse(QPointF(c.x() + u * 0.38, c.y() - u * 0.38), u * 0.17, u * 0.17, fur);
        ellipse(c, u * 0.5, u * 0.45, fur);
        ellipse(QPointF(c.x(), c.y() + u * 0.14), u * 0.22, u * 0.16, ink);
        ellipse(QPointF(c.x(), c.y() + u * 0.08), u * 0.07, u * 0.05, QColor(40, 20, 10));
        ellipse(QPointF(c.x() - u * 0.18, c.y() - u * 0.1), u * 0.05, u * 0.05, QColor(40, 20, 10));
        ellipse(QPointF(c.x() + u * 0.18, c.y() - u * 0.1), u * 0.05, u * 0.05, QColor(40, 20, 10));
        return;
    }
    case Emblem::Penguin:
        ellipse(QPointF(c.x(), c.y() + u * 0.1), u * 0.4, u * 0.62, QColor(25, 25, 35));
        ellipse(QPointF(c.x(), c.y() + u * 0.22), u * 0.27, u * 0.45, QColor(250, 250, 250));
        ellipse(QPointF(c.x() - u * 0.1, c.y() - u * 0.28), u * 0.05, u * 0.05, QColor(250, 250, 250));
        ellipse(QPointF(c.x() + u * 0.1, c.y() - u * 0.28), u * 0.05, u * 0.05, QColor(250, 250, 250));
        ellipse(QPointF(c.x(), c.y() - u * 0.16), u * 0.09, u * 0.05, QColor(250, 160, 20));
        ellipse(QPointF(c.x() - u * 0.15, c.y() + u * 0.72), u * 0.12, u * 0.05, QColor(250, 160, 20));
        ellipse(QPointF(c.x() + u * 0.15, c.y() + u * 0.72), u * 0.12, u * 0.05, QColor(250, 160, 20));
        return;
    case Emblem::Fish: {
        QPainterPath fish;
        fish.moveTo(c.x() - u * 0.6, c.y());
        fish.quadTo(c.x(), c.y() - u * 0.55, c.x() + u * 0.45, c.y());
        fish.quadTo(c.x(), c.y() + u * 0.55, c.x() - u * 0.6, c.y());
        fish.moveTo(c.x() + u * 0.35, c.y());
        fish.lineTo(c.x() + u * 0.75, c.y() - u * 0.3);
        fish.lineTo(c.x() + u * 0.75, c.y() + u * 0.3);
        fish.closeSubpath();
        p.setBrush(ink);
        p.drawPath(fish);
        p.setPen(QPen(QColor(255, 255, 255), pen * 3));
        p.drawLine(QPointF(c.x() - u * 0.15, c.y() - u * 0.3), QPointF(c.x() - u * 0.15, c.y() + u * 0.3));
        p.drawLine(QPointF(c.x() + u * 0.12, c.y() - u * 0.22), QPointF(c.x() + u * 0.12, c.y() + u * 0.22));
        p.setPen(Qt::NoPen);
        ellipse(QPointF(c.x() - u * 0.4, c.y() - u * 0.05), u * 0.05, u * 0.05, QColor(20, 20, 20));
        return;
    }
    case Emblem::Bird: {
        QPainterPath bird;
        bird.moveTo(c.x(), c.y());
        bird.cubicTo(c.x() - u * 0.3, c.y() - u * 0.5, c.x() - u * 0.7, c.y() - u * 0.4, c.x() - u * 0.85, c.y() - u * 0.2);
        bird.cubicTo(c.x() - u * 0.5, c.y() - u * 0.15, c.x() - u * 0.2, c.y() + u * 0.1, c.x(), c.y() + u * 0.35);
        bird.cubicTo(c.x() + u * 0.2, c.y() + u * 0.1, c.x() + u * 0.5, c.y() - u * 0.15, c.x() + u * 0.85, c.y() - u * 0.2);
        bird.cubicTo(c.x() + u * 0.7, c.y() - u * 0.4, c.x() + u * 0.3, c.y() - u * 0.5, c.x(), c.y());
        p.setBrush(ink);
        p.drawPath(bird);
        ellipse(QPointF(c.x(), c.y() - u * 0.08), u * 0.1, u * 0.12, QColor(250, 250, 250));
        return;
    }
    case Emblem::Horse: { // a chess knight's head
        QPainterPath h;
        h.moveTo(c.x() - u * 0.35, c.y() + u * 0.7);
        h.lineTo(c.x() + u * 0.4, c.y() + u * 0.7);
        h.quadTo(c.x() + u * 0.45, c.y() - u * 0.1, c.x() + u * 0.05, c.y() - u * 0.65);
        h.lineTo(c.x() - u * 0.05, c.y() - u * 0.8);
        h.lineTo(c.x() - u * 0.12, c.y() - u * 0.62);
        h.quadTo(c.x() - u * 0.5, c.y() - u * 0.45, c.x() - u * 0.55, c.y() - u * 0.05);
        h.lineTo(c.x() - u * 0.4, c.y() + u * 0.05);
        h.lineTo(c.x() - u * 0.1, c.y() - u * 0.1);
        h.quadTo(c.x() - u * 0.35, c.y() + u * 0.3, c.x() - u * 0.35, c.y() + u * 0.7);
        p.setBrush(ink);
        p.drawPath(h);
        ellipse(QPointF(c.x() - u * 0.12, c.y() - u * 0.4), u * 0.05, u * 0.05, base);
        return;
    }
    case Emblem::Dragon: {
        p.setPen(QPen(ink, u * 0.16, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        QPainterPath body;
        body.moveTo(c.x() - u * 0.7, c.y() + u * 0.5);
        body.cubicTo(c.x() - u * 0.3, c.y() - u * 0.2, c.x() + u * 0.1, c.y() + u * 0.7, c.x() + u * 0.35, c.y());
        body.quadTo(c.x() + u * 0.45, c.y() - u * 0.35, c.x() + u * 0.2, c.y() - u * 0.5);
        p.drawPath(body);
        p.setPen(Qt::NoPen);
        ellipse(QPointF(c.x() + u * 0.22, c.y() - u * 0.52), u * 0.2, u * 0.14, ink);
        ellipse(QPointF(c.x() + u * 0.28, c.y() - u * 0.56), u * 0.04, u * 0.04, QColor(250, 40, 20));
        return;
    }
    case Emblem::Mountains:
    case Emblem::Hills:
    case Emblem::Lake:
    case Emblem::Sea:
    case Emblem::Clouds: {
        // Landscapes fill the whole inner panel.
        const QRectF a = r;
        p.save();
        p.setClipRect(a);
        if (e == Emblem::Mountains) {
            QPainterPath m;
            m.moveTo(a.left(), a.bottom());
            m.lineTo(a.left() + a.width() * 0.3, a.top() + a.height() * 0.35);
            m.lineTo(a.left() + a.width() * 0.5, a.top() + a.height() * 0.6);
            m.lineTo(a.left() + a.width() * 0.72, a.top() + a.height() * 0.25);
            m.lineTo(a.right(), a.top() + a.height() * 0.55);
            m.lineTo(a.right(), a.bottom());
            p.setBrush(ink);
            p.drawPath(m);
            QPainterPath snow;
            snow.moveTo(a.left() + a.width() * 0.72, a.top() + a.height() * 0.25);
            snow.lineTo(a.left() + a.width() * 0.64, a.top() + a.height() * 0.36);
            snow.lineTo(a.left() + a.width() * 0.8, a.top() + a.height() * 0.35);
            snow.closeSubpath();
            p.setBrush(QColor(250, 250, 255));
            p.drawPath(snow);
        } else if (e == Emblem::Hills || e == Emblem::Lake) {
            for (int i = 0; i < 3; ++i) {
                ellipse(QPointF(a.left() + a.width() * (0.2 + i * 0.35), a.bottom() - a.height() * (0.05 + 0.05 * i)),
                        a.width() * 0.45, a.height() * (0.35 - i * 0.05), mix(ink, base, i * 0.25));
            }
            if (e == Emblem::Lake)
                ellipse(QPointF(a.center().x(), a.bottom() - a.height() * 0.12), a.width() * 0.35,
                        a.height() * 0.08, QColor(60, 130, 210));
        } else if (e == Emblem::Sea) {
            for (int i = 0; i < 5; ++i) {
                const double y = a.top() + a.height() * (0.45 + i * 0.12);
                QPainterPath w;
                w.moveTo(a.left(), y);
                const double step = a.width() / 4;
                for (double x = a.left(); x < a.right(); x += step)
                    w.quadTo(x + step / 2, y - step * 0.3, x + step, y);
                w.lineTo(a.right(), a.bottom());
                w.lineTo(a.left(), a.bottom());
                p.setBrush(mix(ink, QColor(255, 255, 255), 0.1 * (4 - i)));
                p.drawPath(w);
            }
        } else {
            for (int i = 0; i < 3; ++i) {
                const QPointF cc(a.left() + a.width() * (0.3 + 0.25 * (i % 2)), a.top() + a.height() * (0.25 + i * 0.25));
                const double s = a.width() * 0.16;
                ellipse(cc, s, s * 0.7, ink);
                ellipse(QPointF(cc.x() + s, cc.y() + s * 0.1), s * 0.8, s * 0.55, ink);
                ellipse(QPointF(cc.x() - s, cc.y() + s * 0.15), s * 0.7, s * 0.5, ink);
            }
        }
        if (e == Emblem::Mountains || e == Emblem::Hills || e == Emblem::Lake)
            ellipse(QPointF(a.left() + a.width() * 0.22, a.top() + a.height() * 0.16), a.width() * 0.09,
                    a.width() * 0.09, QColor(255, 236, 150));
        p.restore();
        return;
    }
    case Emblem::Shell: {
        p.setBrush(ink);
        QPainterPath sh;
        sh.moveTo(c.x(), c.y() + u * 0.5);
        sh.arcTo(QRectF(c.x() - u * 0.6, c.y() - u * 0.5, u * 1.2, u * 1.1), 200, -220);
        sh.closeSubpath();
        p.drawPath(sh);
        p.setPen(QPen(base.darker(130), pen * 1.5));
        for (int i = -3; i <= 3; ++i)
            p.drawLine(QPointF(c.x(), c.y() + u * 0.5),
                       QPointF(c.x() + i * u * 0.17, c.y() - u * 0.35 + std::abs(i) * u * 0.06));
        return;
    }
    case Emblem::Circle: // a circle in a square, the proportions of an old study
        p.setPen(QPen(ink, pen * 2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(c, u * 0.7, u * 0.7);
        p.drawRect(QRectF(c.x() - u * 0.58, c.y() - u * 0.45, u * 1.16, u * 1.16));
        p.drawLine(QPointF(c.x() - u * 0.7, c.y()), QPointF(c.x() + u * 0.7, c.y()));
        p.drawLine(QPointF(c.x(), c.y() - u * 0.7), QPointF(c.x(), c.y() + u * 0.7));
        return;
    }
}

QImage backImage(const BackDesign& d, const CardSize& s) {
    QImage img = blank(s.width, s.height);
    QPainter p(&img);
    prepare(p);
    const double w = s.width, h = s.height;
    const QPainterPath outline = cardOutline(w, h, cornerRadius(s));
    p.setPen(QPen(QColor(140, 140, 140), 1.0));
    p.setBrush(QColor(252, 252, 250));
    p.drawPath(outline);
    // The picture sits in a white frame, a fine line around it.
    const double m = std::max(2.0, w * 0.065);
    const QRectF inner(m, m, w - 2 * m, h - 2 * m);
    QPainterPath clip;
    clip.addRoundedRect(inner, m * 0.6, m * 0.6);
    p.save();
    p.setClipPath(clip);
    drawPattern(p, d.pattern, inner, d.base, d.ink, std::max(4.0, w / 8.0));
    if (d.emblem != Emblem::None) {
        const bool scene = d.emblem == Emblem::Mountains || d.emblem == Emblem::Hills ||
                           d.emblem == Emblem::Lake || d.emblem == Emblem::Sea || d.emblem == Emblem::Clouds;
        QRectF e = scene ? inner : QRectF(inner.center().x() - inner.width() * 0.36,
                                          inner.center().y() - inner.width() * 0.36, inner.width() * 0.72,
                                          inner.width() * 0.72);
        if (!scene && d.pattern != Pattern::Plain && d.pattern != Pattern::Rays) {
            p.setPen(QPen(d.ink, std::max(0.8, w / 60)));
            p.setBrush(mix(d.base, QColor(255, 255, 255), 0.15));
            p.drawEllipse(e.adjusted(-w * 0.04, -w * 0.08, w * 0.04, w * 0.08));
        }
        drawEmblem(p, d.emblem, e, d.base, d.ink);
    }
    p.restore();
    p.setPen(QPen(mix(d.base, QColor(0, 0, 0), 0.3), std::max(0.8, w / 70)));
    p.setBrush(Qt::NoBrush);
    p.drawPath(clip);
    p.end();
    clearCorners(img, 0, 0, s.width, s.height);
    return img;
}

} // namespace

QImage drawBack(int number, const CardSize& s) { return backImage(design(number), s); }

int extraBackCount() { return 4; }

QImage drawExtraBack(int index, const CardSize& s) {
    static const BackDesign extra[4] = {
        {Pattern::Scales, Emblem::Fish, QColor(10, 80, 120), QColor(120, 220, 230)},
        {Pattern::Checks, Emblem::Star, QColor(100, 20, 90), QColor(240, 170, 230)},
        {Pattern::Swirl, Emblem::None, QColor(50, 50, 50), QColor(230, 200, 120)},
        {Pattern::Stars, Emblem::Sun, QColor(10, 40, 30), QColor(240, 210, 110)},
    };
    return backImage(extra[index % 4], s);
}

} // namespace packgen
