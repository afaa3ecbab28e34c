#include "shell/table_view.h"

#include "shell/main_window.h"

#include "engine/actions_mouse.h"
#include "engine/engine.h"
#include "layout/table_geometry.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace vellamor::shell {

TableView::TableView(TfrmMain* window, Engine& engine)
    : QWidget(window), window_(window), engine_(engine), geometry_(std::make_unique<LayoutGeometry>(engine)),
      input_(std::make_unique<PlayerInput>(engine, *geometry_)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

TableView::~TableView() = default;

void TableView::setDragImage(QImage block, QPoint grab) {
    drag_ = std::move(block);
    grab_ = grab;
    update();
}

void TableView::clearDrag() {
    if (drag_.isNull()) return;
    drag_ = QImage();
    update();
}

void TableView::setOverlay(QImage picture, QPoint at) {
    overlay_ = std::move(picture);
    overlayAt_ = at;
    update();
}

void TableView::clearOverlay() {
    if (overlay_.isNull()) return;
    overlay_ = QImage();
    update();
}

void TableView::paintInto(QPainter& p, const QRect& area) const {
    const QImage* src = paused_ ? paused_ : table_;
    // The table bitmap is in table coordinates: the window shows it from the
    // row of the scroll position.
    const QRect from = paused_ ? area : area.translated(0, engine_.game.scrollOffset);
    if (!src || src->isNull() || !src->rect().contains(from)) p.fillRect(area, QColor(0, 128, 0));
    if (src && !src->isNull()) p.drawImage(area.topLeft(), *src, from);
    if (paused_) return;
    if (!overlay_.isNull()) p.drawImage(overlayAt_, overlay_);
    if (!drag_.isNull()) p.drawImage(pointer_ - grab_, drag_);
}

void TableView::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    paintInto(p, e->rect());
    emit painted();
}

QImage TableView::picture() const {
    QImage out(size(), QImage::Format_RGB32);
    QPainter p(&out);
    paintInto(p, rect());
    return out;
}

void TableView::mousePressEvent(QMouseEvent* e) {
    const QPoint at = e->position().toPoint();
    pointer_ = at;
    if (e->button() == Qt::LeftButton || e->button() == Qt::RightButton) {
        const bool right = e->button() == Qt::RightButton;
        window_->tableMouse(TfrmMain::TableEvent::Down, right, e->modifiers() & Qt::ControlModifier, at);
    }
}

void TableView::mouseMoveEvent(QMouseEvent* e) {
    const QPoint at = e->position().toPoint();
    const QPoint before = pointer_;
    pointer_ = at;
    if (!drag_.isNull()) {
        const QRect was(before - grab_, drag_.size()), now(at - grab_, drag_.size());
        update(was.united(now));
    }
    window_->tableMouse(TfrmMain::TableEvent::Move, false, false, at);
    emit pointerMoved(at);
}

void TableView::mouseReleaseEvent(QMouseEvent* e) {
    const QPoint at = e->position().toPoint();
    pointer_ = at;
    if (e->button() == Qt::LeftButton) window_->tableMouse(TfrmMain::TableEvent::Up, false, false, at);
    else if (e->button() == Qt::RightButton) window_->tableMouse(TfrmMain::TableEvent::Up, true, false, at);
}

void TableView::mouseDoubleClickEvent(QMouseEvent* e) {
    const QPoint at = e->position().toPoint();
    pointer_ = at;
    if (e->button() == Qt::LeftButton) window_->tableMouse(TfrmMain::TableEvent::DoubleClick, false, false, at);
    else if (e->button() == Qt::RightButton)
        window_->tableMouse(TfrmMain::TableEvent::Down, true, e->modifiers() & Qt::ControlModifier, at);
}

void TableView::wheelEvent(QWheelEvent* e) {
    window_->tableWheel(e->angleDelta().y());
    e->accept();
}

} // namespace vellamor::shell
