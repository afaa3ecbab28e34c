// The table area of the main window: shows the table bitmap, the block of cards
// in hand and the pause pictures, and hands the mouse to the player actions.
#pragma once

#include <QImage>
#include <QPoint>
#include <QWidget>

#include <memory>

namespace vellamor {
class Engine;
class PlayerInput;
class TableGeometry;
} // namespace vellamor

namespace vellamor::shell {

class TfrmMain;

class TableView : public QWidget {
    Q_OBJECT
public:
    TableView(TfrmMain* window, Engine& engine);
    ~TableView() override;

    PlayerInput& input() { return *input_; }
    const TableGeometry& geometry() const { return *geometry_; }

    // What the view shows: the table bitmap, or while paused the paused picture.
    void setTableImage(const QImage* table) { table_ = table; }
    void setPausedImage(const QImage* paused) { paused_ = paused; }
    // The card in hand is drawn from this picture, `grab` pixels from the pointer.
    void setDragImage(QImage block, QPoint grab);
    void clearDrag();
    // A picture drawn over the table at a fixed place (a card shown whole).
    void setOverlay(QImage picture, QPoint at);
    void clearOverlay();
    bool dragging() const { return !drag_.isNull(); }
    // The picture of the view as shown (for the tests and screenshots).
    QImage picture() const;

signals:
    void pointerMoved(QPoint at);
    // The view was painted (the figures of the start-up benchmark).
    void painted();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;

private:
    void paintInto(QPainter& p, const QRect& area) const;

    TfrmMain* window_;
    Engine& engine_;
    std::unique_ptr<TableGeometry> geometry_;
    std::unique_ptr<PlayerInput> input_;
    const QImage* table_ = nullptr;
    const QImage* paused_ = nullptr;
    QImage drag_, overlay_;
    QPoint overlayAt_;
    QPoint grab_, pointer_;
    bool revealing_ = false;
    friend class TfrmMain;
};

} // namespace vellamor::shell
