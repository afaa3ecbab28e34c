// Drawing helpers shared by the parts of the pack generator.
#pragma once

#include "render/pack.h"
#include "render/resource_names.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>

#include <cstdint>

namespace packgen {

using vellamor::render::Bytes;
using vellamor::render::CardSize;

// A suit symbol in the unit box centred on the origin (width and height 1).
QPainterPath suitPath(int suit);
void drawSuit(QPainter& p, int suit, QPointF centre, double size, const QColor& colour,
              bool upsideDown = false);

// A new image of that size, fully transparent, with the painter hints we always use.
QImage blank(int w, int h, QColor transparent = QColor(255, 255, 255, 0));
void prepare(QPainter& p);

// Rounded card outline inside the w × h box (half a pixel in, for a crisp line).
QPainterPath cardOutline(double w, double h, double radius);
// Corner radius of generated cards: the rounded look that the three-pixel
// corner rule gives, a little softer; one pixel for the tiny preview cards.
double cornerRadius(const CardSize& s);
// Clears the corner pixels the table rule clears: three per corner on cards 50
// pixels wide or more, else one.
void clearCorners(QImage& img, int x, int y, int w, int h);

// PNG data of an image (lightly compressed: the packs are built on every change).
Bytes png(const QImage& img);

// Deterministic pseudo-random numbers for the procedural pictures.
class Random {
public:
    explicit Random(std::uint32_t seed) : s_(seed * 2654435761u + 0x9e3779b9u) {}
    std::uint32_t next() {
        s_ ^= s_ << 13;
        s_ ^= s_ >> 17;
        s_ ^= s_ << 5;
        return s_;
    }
    double unit() { return (next() & 0xffffff) / double(0x1000000); }
    int below(int n) { return int(next() % std::uint32_t(n)); }

private:
    std::uint32_t s_;
};

// Tileable value noise: `period` lattice cells across the picture, in [0, 1).
class Noise {
public:
    Noise(std::uint32_t seed, int period);
    double at(double x, double y) const; // x, y in lattice units
    // Sum of octaves, each twice the frequency and half the weight; x, y in [0, 1).
    double fbm(double x, double y, int octaves) const;

private:
    double lattice(int x, int y) const;
    int period_;
    std::uint32_t seed_;
};

QColor mix(const QColor& a, const QColor& b, double t);

} // namespace packgen
