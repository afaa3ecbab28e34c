// C_TLabel_Link: a label that looks and points like a link (blue, underlined,
// the hand cursor). Its owner connects clicked() to the page it opens.
#pragma once

#include <QLabel>

namespace vellamor::controls {

class C_TLabel_Link : public QLabel {
    Q_OBJECT
public:
    explicit C_TLabel_Link(const QString& text = {}, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace vellamor::controls
