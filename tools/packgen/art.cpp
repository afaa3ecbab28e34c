#include "art.h"

#include <QBuffer>
#include <QImageWriter>

#include <algorithm>
#include <cmath>

namespace packgen {

QPainterPath suitPath(int suit) {
    QPainterPath p;
    p.setFillRule(Qt::WindingFill);
    switch (suit) {
    case 0: // hearts
        p.moveTo(0, 0.46);
        p.cubicTo(-0.14, 0.30, -0.5, 0.08, -0.5, -0.17);
        p.cubicTo(-0.5, -0.42, -0.16, -0.52, 0, -0.25);
        p.cubicTo(0.16, -0.52, 0.5, -0.42, 0.5, -0.17);
        p.cubicTo(0.5, 0.08, 0.14, 0.30, 0, 0.46);
        break;
    case 1: // diamonds
        p.moveTo(0, -0.5);
        p.quadTo(0.16, -0.2, 0.4, 0);
        p.quadTo(0.16, 0.2, 0, 0.5);
        p.quadTo(-0.16, 0.2, -0.4, 0);
        p.quadTo(-0.16, -0.2, 0, -0.5);
        break;
    case 2: { // clubs
        const double r = 0.215;
        p.addEllipse(QPointF(0, -0.25), r, r);
        p.addEllipse(QPointF(-0.255, 0.07), r, r);
        p.addEllipse(QPointF(0.255, 0.07), r, r);
        p.addEllipse(QPointF(0, 0.0), 0.12, 0.12);
        QPainterPath stem;
        stem.moveTo(-0.05, 0.05);
        stem.quadTo(-0.04, 0.38, -0.22, 0.5);
        stem.lineTo(0.22, 0.5);
        stem.quadTo(0.04, 0.38, 0.05, 0.05);
        stem.closeSubpath();
        p.addPath(stem);
        p = p.simplified();
        break;
    }
    default: { // spades
        p.moveTo(0, -0.5);
        p.cubicTo(0.14, -0.30, 0.5, -0.12, 0.5, 0.12);
        p.cubicTo(0.5, 0.34, 0.22, 0.42, 0.05, 0.24);
        p.quadTo(0.07, 0.40, 0.22, 0.5);
        p.lineTo(-0.22, 0.5);
        p.quadTo(-0.07, 0.40, -0.05, 0.24);
        p.cubicTo(-0.22, 0.42, -0.5, 0.34, -0.5, 0.12);
        p.cubicTo(-0.5, -0.12, -0.14, -0.30, 0, -0.5);
        break;
    }
    }
    p.closeSubpath();
    return p;
}

void drawSuit(QPainter& p, int suit, QPointF centre, double size, const QColor& colour,
              bool upsideDown) {
    static const QPainterPath paths[4] = {suitPath(0), suitPath(1), suitPath(2), suitPath(3)};
    p.save();
    p.translate(centre);
    if (upsideDown) p.rotate(180);
    p.scale(size, size);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(paths[suit & 3]);
    p.restore();
}

QImage blank(int w, int h, QColor transparent) {
    QImage img(w, h, QImage::Format_ARGB32);
    img.fill(transparent);
    return img;
}

void prepare(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

QPainterPath cardOutline(double w, double h, double radius) {
    QPainterPath path;
    path.addRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), radius, radius);
    return path;
}

double cornerRadius(const CardSize& s) {
    if (s.width < 30) return 1.5;
    return s.width >= 50 ? 3.6 + (s.width - 50) * 0.03 : 2.2;
}

void clearCorners(QImage& img, int x, int y, int w, int h) {
    const bool big = w >= 50;
    const QRgb clear = qRgba(255, 255, 255, 0);
    auto put = [&](int px, int py) {
        if (px >= 0 && py >= 0 && px < img.width() && py < img.height()) img.setPixel(px, py, clear);
    };
    const int xs[2] = {x, x + w - 1}, ys[2] = {y, y + h - 1};
    for (int cx = 0; cx < 2; ++cx)
        for (int cy = 0; cy < 2; ++cy) {
            put(xs[cx], ys[cy]);
            if (big) {
                put(xs[cx] + (cx ? -1 : 1), ys[cy]);
                put(xs[cx], ys[cy] + (cy ? -1 : 1));
            }
        }
}

Bytes png(const QImage& img) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    writer.setQuality(45); // for PNG this picks the zlib level (here 5); never lossy
    writer.write(img);
    return Bytes(reinterpret_cast<const std::uint8_t*>(data.constData()),
                 reinterpret_cast<const std::uint8_t*>(data.constData()) + data.size());
}

Noise::Noise(std::uint32_t seed, int period) : period_(std::max(1, period)), seed_(seed) {}

double Noise::lattice(int x, int y) const {
    x = ((x % period_) + period_) % period_;
    y = ((y % period_) + period_) % period_;
    std::uint32_t h = std::uint32_t(x) * 374761393u + std::uint32_t(y) * 668265263u + seed_ * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xffff) / 65536.0;
}

double Noise::at(double x, double y) const {
    const int x0 = int(std::floor(x)), y0 = int(std::floor(y));
    const double fx = x - x0, fy = y - y0;
    const double sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
    const double a = lattice(x0, y0), b = lattice(x0 + 1, y0);
    const double c = lattice(x0, y0 + 1), d = lattice(x0 + 1, y0 + 1);
    return (a + (b - a) * sx) * (1 - sy) + (c + (d - c) * sx) * sy;
}

double Noise::fbm(double x, double y, int octaves) const {
    double sum = 0, weight = 0.5, total = 0;
    double scale = period_;
    for (int o = 0; o < octaves; ++o) {
        // Each octave keeps a whole number of cells across the picture, so it tiles.
        Noise octave(seed_ + std::uint32_t(o) * 7919u, int(scale));
        sum += octave.at(x * scale, y * scale) * weight;
        total += weight;
        weight *= 0.5;
        scale *= 2;
    }
    return sum / total;
}

QColor mix(const QColor& a, const QColor& b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t),
                            float(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

} // namespace packgen
