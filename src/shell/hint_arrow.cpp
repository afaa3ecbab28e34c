#include "shell/hint_arrow.h"

#include <QEvent>
#include <QPainter>
#include <QPen>
#include <cmath>
#include <numbers>

namespace vellamor::shell {

std::array<QLineF, 3> arrowStrokes(QPointF from, QPointF to) {
    const QLineF line(from, to);
    const double angle = std::atan2(from.y() - to.y(), from.x() - to.x());
    const double spread = 15.0 * std::numbers::pi / 180.0;
    const auto head = [&](double a) {
        return QLineF(to, to + QPointF(35.0 * std::cos(a), 35.0 * std::sin(a)));
    };
    return {line, head(angle + spread), head(angle - spread)};
}

HintArrow::HintArrow(QWidget* table) : QWidget(table) {
    setObjectName(QStringLiteral("hintArrow"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setGeometry(table->rect());
    table->installEventFilter(this);
    hide();
}

void HintArrow::showArrow(QPointF from, QPointF to) {
    from_ = from;
    to_ = to;
    setGeometry(parentWidget()->rect());
    raise();
    show();
    update();
}

void HintArrow::hideArrow() {
    if (isVisible()) hide();
}

bool HintArrow::eventFilter(QObject* watched, QEvent* e) {
    if (watched == parentWidget() && e->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return false;
}

void HintArrow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const auto strokes = arrowStrokes(from_, to_);
    QPen shadow(QColor(128, 128, 128), 4, Qt::DotLine, Qt::RoundCap);
    p.setPen(shadow);
    for (const QLineF& l : strokes)
        p.drawLine(l.translated(4, 4));
    QPen yellow(QColor(255, 240, 0), 4, Qt::SolidLine, Qt::RoundCap);
    p.setPen(yellow);
    for (const QLineF& l : strokes)
        p.drawLine(l);
}

} // namespace vellamor::shell
