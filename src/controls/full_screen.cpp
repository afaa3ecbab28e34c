#include "controls/full_screen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace vellamor::controls {

void C_TFullScreen::setFullscreen(bool on) {
    if (on == m_bFullscreen || !m_Form) return;
    m_bFullscreen = on;
    QWidget* w = m_Form;
    if (on) {
        savedFlags_ = w->windowFlags();
        savedState_ = w->windowState();
        savedGeometry_ = w->normalGeometry().isValid() ? w->normalGeometry() : w->geometry();
        QScreen* screen = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
        w->setWindowFlags(savedFlags_ | Qt::FramelessWindowHint);
        if (screen) w->setGeometry(screen->geometry());
        w->setWindowState(Qt::WindowFullScreen);
    } else {
        w->setWindowFlags(savedFlags_);
        w->setWindowState(Qt::WindowNoState);
        w->setGeometry(savedGeometry_);
        w->setWindowState(savedState_ & ~Qt::WindowFullScreen);
    }
}

} // namespace vellamor::controls
