// TfrmDemo: the tool window of the game demo with its move count and
// description, Play, Pause and Stop, and Close. It serves the demo's requests
// for pauses with a single-shot timer (the engine never waits).
#pragma once

#include "engine/demo.h"

#include <QPixmap>
#include <QPoint>
#include <QWidget>
#include <functional>

class QLabel;
class QTimer;
class QToolButton;

namespace vellamor::shell {

class TfrmDemo : public QWidget, public DemoHost {
public:
    TfrmDemo(QWidget* mainWindow, Engine& engine);

    Demo& demo() { return demo_; }

    // What the window asks of the main window.
    std::function<void()> onPlay;     // performs the command "Game &Demo"
    std::function<void()> onClosed;   // cancels every tutor mode
    std::function<void()> onStep;     // the table changed: redraw
    std::function<void()> onFinished; // the demo ended
    // The saved place (Tutor_Demo_Form_Left and _Top, the defaults worked out
    // from the two heights), read at the first showing; written at closing.
    std::function<QPoint(int mainHeight, int demoHeight)> readPlace;
    std::function<void(QPoint)> writePlace;

    // The buttons' pictures (a null picture leaves the button's name).
    void setPictures(const QPixmap& play, const QPixmap& pause, const QPixmap& stop);

    // The window as the demo shows it: Play and Pause up, labels enabled, count 0.
    void showForDemo();
    void pressPlay(); // the Play button goes down (and Pause up)
    QString moveCountText() const;
    QString descriptionText() const;

    // DemoHost
    void requestStep(int ms) override;
    void describe(std::string_view text) override;
    void showMoveCount(int moves) override;
    void finished() override;

    QToolButton* playButton() const { return btnPlay_; }
    QToolButton* pauseButton() const { return btnPause_; }
    QToolButton* stopButton() const { return btnStop_; }

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void playClick();
    void pauseClick();
    void stopClick();
    void setLabelsEnabled(bool on);

    Engine& e_;
    Demo demo_;
    QTimer* timer_ = nullptr;
    QLabel* lblMoves_ = nullptr;
    QLabel* lblMovesValue_ = nullptr;
    QLabel* lblDescription_ = nullptr;
    QLabel* lblDescriptionValue_ = nullptr;
    QToolButton* btnPlay_ = nullptr;
    QToolButton* btnPause_ = nullptr;
    QToolButton* btnStop_ = nullptr;
    bool placed_ = false;
};

} // namespace vellamor::shell
