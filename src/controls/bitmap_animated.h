// C_TBitmapAnimated: a picture strip of frames side by side, each as wide as the
// control, shown one at a time and optionally played by a timer.
#pragma once

#include <QImage>
#include <QWidget>

#include <functional>

class QTimer;

namespace vellamor::controls {

class C_TBitmapAnimated : public QWidget {
    Q_OBJECT
public:
    explicit C_TBitmapAnimated(QWidget* parent = nullptr);

    const QImage& BitMap() const { return bitmap_; }
    // Copies the strip; the control takes its height (30 when the picture is empty).
    void setBitMap(const QImage& strip);

    int FrameCount() const { return frameCount_; }
    void setFrameCount(int n);
    int Frame() const { return frame_; }
    // v < 0 shows the last frame, otherwise v mod FrameCount.
    void setFrame(int v);
    int Interval() const { return interval_; }
    void setInterval(int ms);
    bool Play() const { return play_; }
    void setPlay(bool on);
    bool Reverse() const { return reverse_; }
    void setReverse(bool on) { reverse_ = on; }
    bool Loop() const { return loop_; }
    void setLoop(bool on) { loop_ = on; }
    // -1: none. Otherwise pixels of this colour (0xRRGGBB) show the control's colour.
    long TransparentColor() const { return transparent_; }
    void setTransparentColor(long colour);

    // Called with the value asked for whenever the frame shown changes.
    std::function<void(C_TBitmapAnimated*, int)> OnChangeFrame;

    // One timer step (public for the tests and for callers that drive it).
    void tick();
    // The picture the control shows now.
    QImage currentPicture() const;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    void makeTimer();

    QImage bitmap_;
    int frameCount_ = 1, frame_ = 0, interval_ = 0;
    bool play_ = false, reverse_ = false, loop_ = true;
    long transparent_ = -1;
    QTimer* timer_ = nullptr;
};

} // namespace vellamor::controls
