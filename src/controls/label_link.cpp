#include "controls/label_link.h"

#include <QMouseEvent>

namespace vellamor::controls {

C_TLabel_Link::C_TLabel_Link(const QString& text, QWidget* parent) : QLabel(text, parent) {
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, QColor(0, 0, 255));
    setPalette(pal);
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    setCursor(Qt::PointingHandCursor);
}

void C_TLabel_Link::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

} // namespace vellamor::controls
