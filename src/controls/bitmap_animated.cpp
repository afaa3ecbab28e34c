#include "controls/bitmap_animated.h"

#include <QPainter>
#include <QTimer>

namespace vellamor::controls {

C_TBitmapAnimated::C_TBitmapAnimated(QWidget* parent) : QWidget(parent) {
    resize(30, 30);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void C_TBitmapAnimated::setBitMap(const QImage& strip) {
    bitmap_ = strip.copy();
    resize(width(), bitmap_.isNull() ? 30 : bitmap_.height());
    update();
}

void C_TBitmapAnimated::setFrameCount(int n) {
    frameCount_ = n < 1 ? 1 : n;
    if (frame_ >= frameCount_) setFrame(frame_);
    update();
}

void C_TBitmapAnimated::setFrame(int v) {
    const int f = v < 0 ? frameCount_ - 1 : v % frameCount_;
    if (f == frame_) return;
    frame_ = f;
    if (OnChangeFrame) OnChangeFrame(this, v);
    update();
}

void C_TBitmapAnimated::makeTimer() {
    delete timer_;
    timer_ = nullptr;
    if (!play_ || interval_ <= 0) return;
    timer_ = new QTimer(this);
    timer_->setInterval(interval_);
    connect(timer_, &QTimer::timeout, this, &C_TBitmapAnimated::tick);
    timer_->start();
}

void C_TBitmapAnimated::setInterval(int ms) {
    interval_ = ms;
    if (play_) makeTimer();
}

void C_TBitmapAnimated::setPlay(bool on) {
    play_ = on;
    makeTimer();
}

void C_TBitmapAnimated::setTransparentColor(long colour) {
    if (colour == transparent_) return;
    transparent_ = colour;
    update();
}

void C_TBitmapAnimated::tick() {
    if (!reverse_) {
        setFrame(frame_ + 1);
        if (frame_ == frameCount_ - 1 && !loop_) setPlay(false);
    } else {
        setFrame(frame_ - 1);
        if (frame_ == 0 && !loop_) setPlay(false);
    }
}

QImage C_TBitmapAnimated::currentPicture() const {
    QImage out(size(), QImage::Format_RGB32);
    if (bitmap_.isNull()) {
        out.fill(Qt::white);
        return out;
    }
    const QColor back = palette().color(backgroundRole());
    out.fill(back);
    QImage cell = bitmap_.copy(width() * frame_, 0, width(), height()).convertToFormat(QImage::Format_ARGB32);
    if (transparent_ >= 0) {
        const QRgb key = static_cast<QRgb>(transparent_) & 0xFFFFFF;
        for (int y = 0; y < cell.height(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(cell.scanLine(y));
            for (int x = 0; x < cell.width(); ++x)
                if ((row[x] & 0xFFFFFF) == key) row[x] = back.rgb();
        }
    }
    QPainter p(&out);
    p.drawImage(0, 0, cell);
    return out;
}

void C_TBitmapAnimated::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, currentPicture());
}

} // namespace vellamor::controls
