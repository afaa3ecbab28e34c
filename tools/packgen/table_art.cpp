#include "table_art.h"

#include <QFont>
#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>

namespace packgen {

namespace {

QString markText(std::string_view suffix) {
    if (suffix == "010") return QStringLiteral("A");
    if (suffix == "012") return QStringLiteral("2");
    if (suffix == "006") return QStringLiteral("J");
    if (suffix == "003") return QStringLiteral("Q");
    if (suffix == "011") return QStringLiteral("K");
    if (suffix == "009") return QStringLiteral("JQK");
    if (suffix.size() == 3 && suffix >= "013" && suffix <= "020")
        return QString::number(std::stoi(std::string(suffix)) - 10);
    return {};
}

} // namespace

QImage drawMark(std::string_view suffix, const CardSize& s) {
    QImage img = blank(s.width, s.height);
    QPainter p(&img);
    prepare(p);
    const double w = s.width, h = s.height, line = std::max(1.0, w / 45.0);
    const QColor ink(255, 255, 255, 190), fill(255, 255, 255, 38);
    QPainterPath outline;
    outline.addRoundedRect(QRectF(line / 2 + 0.5, line / 2 + 0.5, w - line - 1, h - line - 1),
                           cornerRadius(s) + 1, cornerRadius(s) + 1);
    p.setBrush(fill);
    p.setPen(QPen(ink, line, suffix == "001" ? Qt::DashLine : Qt::SolidLine));
    p.drawPath(outline);
    const QPointF c(w / 2, h / 2);
    const double u = w * 0.3;
    const QString text = markText(suffix);
    if (!text.isEmpty()) {
        QFont f(QStringLiteral("DejaVu Serif"));
        f.setBold(true);
        f.setPixelSize(int(text.size() > 2 ? w * 0.3 : w * 0.5));
        p.setFont(f);
        p.setPen(ink);
        p.drawText(QRectF(0, 0, w, h), Qt::AlignCenter, text);
    } else if (suffix == "004") { // a foundation: the four suits
        for (int i = 0; i < 4; ++i)
            drawSuit(p, i, QPointF(c.x() + (i % 2 ? 1 : -1) * u * 0.55, c.y() + (i / 2 ? 1 : -1) * u * 0.55),
                     u * 0.8, ink);
    } else if (suffix == "022" || suffix == "005") { // stock with passes left: a turning arrow
        p.setPen(QPen(ink, line * 2.5, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        const QRectF ring(c.x() - u, c.y() - u, 2 * u, 2 * u);
        p.drawArc(ring, 60 * 16, 300 * 16);
        const QPointF tip(c.x() + u * std::cos(M_PI / 3), c.y() - u * std::sin(M_PI / 3));
        QPainterPath head;
        head.moveTo(tip + QPointF(u * 0.55, -u * 0.05));
        head.lineTo(tip + QPointF(-u * 0.15, -u * 0.45));
        head.lineTo(tip + QPointF(-u * 0.05, u * 0.4));
        head.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawPath(head);
        if (suffix == "005") p.drawEllipse(c, u * 0.25, u * 0.25);
    } else if (suffix == "008") { // no more passes: a crossed circle
        p.setPen(QPen(ink, line * 2.5, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(c, u, u);
        p.drawLine(QPointF(c.x() - u * 0.7, c.y() + u * 0.7), QPointF(c.x() + u * 0.7, c.y() - u * 0.7));
    } else if (suffix == "021") { // the special stock: a star
        QPainterPath star;
        for (int i = 0; i < 10; ++i) {
            const double a = i * M_PI / 5 - M_PI / 2, rr = (i % 2 ? 0.4 : 1.0) * u;
            const QPointF pt(c.x() + std::cos(a) * rr, c.y() + std::sin(a) * rr);
            i ? star.lineTo(pt) : star.moveTo(pt);
        }
        star.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawPath(star);
    } else if (suffix == "_WASTE") { // a second, inner outline
        QPainterPath in;
        in.addRoundedRect(QRectF(w * 0.18, h * 0.15, w * 0.64, h * 0.7), 3, 3);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(255, 255, 255, 120), line));
        p.drawPath(in);
    }
    p.end();
    return img;
}

QImage drawShadow(int which, const CardSize& s) {
    // Shadow 1 stands right of the lifted card from 7 pixels below its top down
    // to 9 below its bottom; shadow 2 lies under it from 8 pixels in to its right edge.
    const int depth = 9;
    QImage img = which == 1 ? blank(depth, s.height + 2) : blank(s.width - 8, depth);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            // Distance into the shadow from the card's edge, and from the two ends.
            const int across = which == 1 ? x : y;
            const int along = which == 1 ? y : x;
            const int length = which == 1 ? img.height() : img.width();
            double a = 0.42 * (1.0 - across / double(depth));
            const int endFade = depth - across;
            if (along < endFade) a *= (along + 1) / double(endFade + 1);
            if (which == 1 && length - 1 - along < depth) a *= (length - along) / double(depth + 1);
            const int alpha = int(std::lround(a * 255));
            img.setPixel(x, y, alpha ? qRgba(0, 0, 0, alpha) : qRgba(255, 255, 255, 0));
        }
    return img;
}

QImage drawBorder(int which, const CardSize& s) {
    const int len = which == 1 ? s.width : s.height;
    QImage img = which == 1 ? blank(len, 16) : blank(16, len);
    img.fill(QColor(0, 0, 255));
    for (int line = 0; line < 16; ++line) {
        // The outermost line (15) is the dark outline of the stack; inside it the
        // edges of the cards below alternate light and grey.
        const QColor c = line == 15 ? QColor(96, 96, 96)
                                    : (line % 2 ? QColor(176, 176, 170) : QColor(244, 244, 238));
        for (int i = 1; i < len - 1; ++i) {
            if (which == 1) img.setPixelColor(i, line, c);
            else img.setPixelColor(line, i, c);
        }
    }
    return img;
}

namespace {

struct Texture {
    enum Kind { Felt, Marble, Wood, Metal, Paper, Bricks, Plasma, Tiles, Stucco, Cork, Weave, Grass };
    Kind kind;
    QColor a, b;
};

Texture textureOf(int number) {
    static const QColor palette[][2] = {
        {QColor(0, 96, 36), QColor(0, 140, 60)},      {QColor(16, 60, 120), QColor(40, 100, 170)},
        {QColor(110, 20, 30), QColor(160, 40, 50)},   {QColor(40, 40, 44), QColor(80, 82, 90)},
        {QColor(120, 84, 40), QColor(170, 126, 70)},  {QColor(210, 200, 180), QColor(240, 234, 220)},
        {QColor(60, 30, 90), QColor(110, 70, 150)},   {QColor(20, 90, 90), QColor(50, 140, 130)},
        {QColor(150, 110, 60), QColor(210, 170, 110)}, {QColor(90, 100, 110), QColor(160, 170, 180)},
        {QColor(30, 70, 30), QColor(90, 140, 50)},    {QColor(170, 80, 30), QColor(230, 140, 60)},
    };
    const int k = number <= 105 ? number - 101 : number - 257 + 5;
    const auto kind = static_cast<Texture::Kind>(k % 12);
    const auto& pal = palette[(k / 12 + k * 5) % 12];
    return {kind, pal[0], pal[1]};
}

QImage texture(const Texture& t, int size, std::uint32_t seed) {
    QImage img(size, size, QImage::Format_RGB32);
    const Noise coarse(seed, 4), fine(seed + 17, 16);
    for (int y = 0; y < size; ++y) {
        auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < size; ++x) {
            const double u = x / double(size), v = y / double(size);
            double f = 0;
            switch (t.kind) {
            case Texture::Felt: f = 0.5 + (fine.fbm(u, v, 3) - 0.5) * 0.5; break;
            case Texture::Marble: {
                const double turb = coarse.fbm(u, v, 5);
                f = 0.5 + 0.5 * std::sin((u * 2 + v * 2) * 2 * M_PI + turb * 9);
                f = std::pow(f, 4) * 0.8 + fine.fbm(u, v, 2) * 0.2;
                break;
            }
            case Texture::Wood: {
                const double turb = coarse.fbm(u, v, 4);
                const double rings = std::sin((v * 6 + turb * 1.5) * 2 * M_PI);
                f = 0.5 + 0.35 * rings + (fine.at(u * 64, v * 4) - 0.5) * 0.3;
                break;
            }
            case Texture::Metal: {
                const Noise streak(seed + 3, 64);
                f = 0.45 + (streak.at(u * 4, v * 64) - 0.5) * 0.5 + 0.1 * std::sin(u * 2 * M_PI);
                break;
            }
            case Texture::Paper: f = 0.6 + (fine.fbm(u, v, 4) - 0.5) * 0.35; break;
            case Texture::Bricks: {
                const int rows = 8, cols = 4;
                const double ry = v * rows;
                const int r = int(ry);
                const double rx = u * cols + (r % 2 ? 0.5 : 0);
                const double fx = rx - std::floor(rx), fy = ry - r;
                const bool mortar = fx < 0.04 || fy < 0.08;
                f = mortar ? 0.95 : 0.35 + coarse.fbm(u, v, 3) * 0.3 + (fine.at(u * 16, v * 16) - 0.5) * 0.2;
                break;
            }
            case Texture::Plasma:
                f = 0.5 + 0.25 * std::sin(2 * M_PI * (u * 2 + coarse.fbm(u, v, 3))) +
                    0.25 * std::sin(2 * M_PI * (v * 3 + u));
                break;
            case Texture::Tiles: {
                const int n = 4;
                const double fx = u * n - std::floor(u * n), fy = v * n - std::floor(v * n);
                const double edge = std::min(std::min(fx, 1 - fx), std::min(fy, 1 - fy));
                f = edge < 0.03 ? 0.1 : 0.45 + 0.3 * edge + (fine.fbm(u, v, 2) - 0.5) * 0.2;
                break;
            }
            case Texture::Stucco: {
                const double n1 = fine.fbm(u, v, 4);
                const double n2 = fine.fbm(u + 1.0 / size, v + 1.0 / size, 4);
                f = 0.55 + (n1 - n2) * 6;
                break;
            }
            case Texture::Cork: {
                const Noise spots(seed + 5, 32);
                f = 0.5 + (spots.at(u * 32, v * 32) - 0.5) * 0.9 * (fine.fbm(u, v, 2));
                break;
            }
            case Texture::Weave: {
                const int n = 16;
                const int cx = int(u * n), cy = int(v * n);
                const double fx = u * n - cx, fy = v * n - cy;
                const bool across = (cx + cy) % 2 == 0;
                const double band = across ? fy : fx;
                f = 0.35 + 0.4 * std::sin(band * M_PI) + (fine.at(u * 64, v * 64) - 0.5) * 0.15;
                break;
            }
            case Texture::Grass: {
                const Noise blades(seed + 9, 64);
                f = 0.3 + blades.at(u * 64, v * 16) * 0.5 + coarse.fbm(u, v, 2) * 0.2;
                break;
            }
            }
            row[x] = mix(t.a, t.b, f).rgb();
        }
    }
    return img;
}

} // namespace

QImage drawTiledBackground(int number) {
    return texture(textureOf(number), 160, std::uint32_t(number));
}

QImage drawPictureBackground(int number) {
    // A landscape at dusk, 1024 × 768, drawn once in the top left corner.
    QImage img(1024, 768, QImage::Format_RGB32);
    QPainter p(&img);
    prepare(p);
    const bool night = number % 2 == 1;
    QLinearGradient sky(0, 0, 0, 520);
    sky.setColorAt(0, night ? QColor(10, 20, 60) : QColor(40, 90, 170));
    sky.setColorAt(1, night ? QColor(120, 60, 100) : QColor(250, 190, 120));
    p.fillRect(img.rect(), sky);
    QRadialGradient sun(QPointF(740, 420), 90);
    sun.setColorAt(0, QColor(255, 246, 200));
    sun.setColorAt(1, QColor(255, 200, 120, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(sun);
    p.drawEllipse(QPointF(740, 420), 90, 90);
    Random rnd{std::uint32_t(number)};
    const QColor hill[3] = {QColor(40, 70, 70), QColor(30, 90, 50), QColor(20, 60, 30)};
    for (int layer = 0; layer < 3; ++layer) {
        QPainterPath path;
        const double base = 440 + layer * 90;
        path.moveTo(0, 768);
        path.lineTo(0, base);
        for (int x = 0; x <= 1024; x += 128)
            path.quadTo(x + 64, base - 40 - rnd.below(80), x + 128, base - rnd.below(30));
        path.lineTo(1024, 768);
        p.setBrush(night ? hill[layer].darker(160) : hill[layer]);
        p.drawPath(path);
    }
    if (night) {
        p.setBrush(QColor(255, 255, 240));
        for (int i = 0; i < 120; ++i)
            p.drawEllipse(QPointF(rnd.below(1024), rnd.below(360)), 0.9, 0.9);
    }
    return img;
}

int extraBackgroundCount() { return 3; }

QImage drawExtraBackground(int index) {
    static const Texture kinds[3] = {{Texture::Marble, QColor(30, 30, 40), QColor(220, 220, 230)},
                                     {Texture::Wood, QColor(90, 50, 20), QColor(170, 110, 60)},
                                     {Texture::Felt, QColor(80, 10, 20), QColor(140, 30, 40)}};
    return texture(kinds[index % 3], 192, 9000u + std::uint32_t(index));
}

} // namespace packgen
