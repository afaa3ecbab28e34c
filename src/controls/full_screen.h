// C_TFullScreen: switches a window to fill the screen without border or caption
// and back, remembering everything it changes.
#pragma once

#include <QRect>
#include <Qt>

class QWidget;

namespace vellamor::controls {

class C_TFullScreen {
public:
    explicit C_TFullScreen(QWidget* form = nullptr) : m_Form(form) {}

    bool fullscreen() const { return m_bFullscreen; }
    // Nothing happens when the value does not change.
    void setFullscreen(bool on);

    QWidget* m_Form = nullptr;

private:
    bool m_bFullscreen = false;
    Qt::WindowFlags savedFlags_{};
    Qt::WindowStates savedState_{};
    QRect savedGeometry_;
};

} // namespace vellamor::controls
