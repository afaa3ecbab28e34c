// C_TShadowedHintWindow: the program's hint (tool-tip) window, a box in the
// tool-tip colours with a drop shadow at its right and bottom. install() makes
// it show the tool tips of every widget of the application.
#pragma once

#include <QWidget>

class QTimer;

namespace vellamor::controls {

class C_TShadowedHintWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kShadow = 4;

    explicit C_TShadowedHintWindow(QWidget* parent = nullptr);

    void showHint(const QString& text, const QPoint& globalPos);
    const QString& text() const { return text_; }

    // Installs one hint window for the whole application (once).
    static C_TShadowedHintWindow* install();
    static C_TShadowedHintWindow* instance();

protected:
    void paintEvent(QPaintEvent*) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString text_;
    QTimer* hideTimer_;
};

} // namespace vellamor::controls
