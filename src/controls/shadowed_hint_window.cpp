#include "controls/shadowed_hint_window.h"

#include <QApplication>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QPainter>
#include <QPointer>
#include <QRegion>
#include <QScreen>
#include <QTimer>
#include <QToolTip>

namespace vellamor::controls {

namespace {
QPointer<C_TShadowedHintWindow> g_hint;
constexpr int kMargin = 3;
} // namespace

C_TShadowedHintWindow::C_TShadowedHintWindow(QWidget* parent)
    : QWidget(parent, Qt::ToolTip | Qt::FramelessWindowHint), hideTimer_(new QTimer(this)) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFont(QToolTip::font());
    hideTimer_->setSingleShot(true);
    connect(hideTimer_, &QTimer::timeout, this, &QWidget::hide);
}

void C_TShadowedHintWindow::showHint(const QString& text, const QPoint& globalPos) {
    text_ = text;
    if (text.isEmpty()) {
        hide();
        return;
    }
    const QSize box = fontMetrics().size(0, text) + QSize(2 * kMargin + 2, 2 * kMargin);
    const QSize whole = box + QSize(kShadow, kShadow);
    resize(whole);
    // The shadow is drawn opaque and the two corners it leaves free are cut away,
    // so the window needs no compositor.
    QRegion r(0, 0, box.width(), box.height());
    r += QRegion(kShadow, kShadow, box.width(), box.height());
    setMask(r);
    QPoint at = globalPos + QPoint(0, 20);
    if (QScreen* s = QGuiApplication::screenAt(globalPos)) {
        const QRect g = s->availableGeometry();
        if (at.x() + whole.width() > g.right()) at.setX(g.right() - whole.width());
        if (at.y() + whole.height() > g.bottom()) at.setY(globalPos.y() - whole.height() - 4);
        if (at.x() < g.left()) at.setX(g.left());
    }
    move(at);
    show();
    raise();
    update();
    hideTimer_->start(10000);
}

void C_TShadowedHintWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect box(0, 0, width() - kShadow, height() - kShadow);
    p.fillRect(box.translated(kShadow, kShadow), QColor(110, 110, 110));
    const QPalette pal = QToolTip::palette();
    p.fillRect(box, pal.color(QPalette::ToolTipBase));
    p.setPen(QColor(0, 0, 0));
    p.drawRect(box.adjusted(0, 0, -1, -1));
    p.setPen(pal.color(QPalette::ToolTipText));
    p.drawText(box.adjusted(kMargin + 1, kMargin, -kMargin, -kMargin), Qt::AlignLeft | Qt::AlignVCenter, text_);
}

bool C_TShadowedHintWindow::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::ToolTip: {
        auto* w = qobject_cast<QWidget*>(watched);
        if (!w || w == this) break;
        auto* help = static_cast<QHelpEvent*>(event);
        const QString tip = w->toolTip();
        if (tip.isEmpty()) {
            hide();
            return false; // let the widget (or its parent) answer
        }
        showHint(tip, help->globalPos());
        return true;
    }
    case QEvent::Leave:
    case QEvent::MouseButtonPress:
    case QEvent::KeyPress:
    case QEvent::Wheel:
    case QEvent::WindowDeactivate:
        if (isVisible() && watched != this) hide();
        break;
    default: break;
    }
    return false;
}

C_TShadowedHintWindow* C_TShadowedHintWindow::install() {
    if (!g_hint) {
        g_hint = new C_TShadowedHintWindow;
        qApp->installEventFilter(g_hint);
    }
    return g_hint;
}

C_TShadowedHintWindow* C_TShadowedHintWindow::instance() { return g_hint; }

} // namespace vellamor::controls
