// Card faces, jokers and the face strips and custom-layout set images.
#pragma once

#include "art.h"

namespace packgen {

struct FaceStyle {
    QColor paper = QColor(255, 255, 255);
    QColor edge = QColor(150, 150, 150);
    QColor suitColour[4] = {QColor(204, 20, 36), QColor(204, 20, 36), QColor(24, 24, 24),
                            QColor(24, 24, 24)};
    QColor courtTrim = QColor(212, 160, 23);
    QColor courtAccent = QColor(36, 72, 150);
    QColor courtPaper = QColor(255, 250, 236);
    QString indexFont = QStringLiteral("DejaVu Sans");
    QString courtFont = QStringLiteral("DejaVu Serif");
    bool condensedTen = true;
    bool flat = false;       // no gradients (the set for few colours)
    double indexScale = 1.0; // larger corner indices
    double pipScale = 1.0;
};

// The face style of a predefined set (1, 2, 3, 5) and of the add-on sets.
FaceStyle predefinedStyle(int set);
FaceStyle childrenStyle();
FaceStyle traditionalStyle();
FaceStyle sixteenColourStyle();

// One face (suit 0-3 hearts, diamonds, clubs, spades; rank 1-13), corners transparent.
QImage drawFace(const FaceStyle& style, const CardSize& size, int suit, int rank);
QImage drawJoker(const CardSize& size);
// The 13 faces of one suit in rows of 5, 5 and 3.
QImage faceStrip(const FaceStyle& style, const CardSize& size, int suit);
// All 52 faces in 5 columns × 12 rows (the custom card-set layout), opaque:
// the corners are left to the table's corner rule.
QImage customLayoutSet(const FaceStyle& style, const CardSize& size, const QColor& under);

} // namespace packgen
