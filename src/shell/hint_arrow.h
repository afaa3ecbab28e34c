// The arrow of a shown hint, drawn over the table: a 4-pixel line from
// the card to the target with a head of two 35-pixel strokes at 15 degrees, first
// as a dotted grey shadow 4 pixels right and down, then solid yellow.
#pragma once

#include <QLineF>
#include <QPointF>
#include <QWidget>
#include <array>

namespace vellamor::shell {

// The three strokes of an arrow from `from` to `to`: the line and the two head strokes.
std::array<QLineF, 3> arrowStrokes(QPointF from, QPointF to);

class HintArrow : public QWidget {
public:
    // Lies over the whole of `table` and follows its size; lets the mouse through.
    explicit HintArrow(QWidget* table);
    void showArrow(QPointF from, QPointF to);
    void hideArrow();
    bool arrowShown() const { return isVisible(); }

protected:
    void paintEvent(QPaintEvent*) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    QPointF from_, to_;
};

} // namespace vellamor::shell
