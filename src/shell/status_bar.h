// sbStatusBar: the status bar with its drawn panels (pile type with its icon,
// number of piles, number of cards, the rule with suit icons, redeals), or a
// single panel while a menu hint is shown.
#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

#include <array>
#include <functional>

namespace vellamor::shell {

class StatusBar : public QWidget {
    Q_OBJECT
public:
    static constexpr std::array<int, 6> kWidths{77, 23, 57, 350, 94, 10};

    explicit StatusBar(QWidget* parent = nullptr);

    // Pictures by resource name ("STATUSBAR_STOCK", "SUIT_HEARTS"); null when missing.
    void setIcons(std::function<const QImage*(const char*)> icons) { icons_ = std::move(icons); }
    void setPanels(const std::array<QString, 5>& texts);
    const QString& panel(int i) const { return texts_[static_cast<std::size_t>(i)]; }
    // A menu hint (it starts with a blank) shows alone; any other hint restores the panels.
    void showHint(const QString& hint);
    bool simple() const { return simple_; }
    const QString& hintText() const { return hint_; }
    // The panel under a point of the bar (-1 for none).
    int panelAt(int x) const;
    // The width of drawn panel i (0-4) in the bar's font.
    int panelWidth(int i) const;

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    void drawRule(QPainter& p, const QRect& r, const QString& text) const;
    std::array<QString, 5> texts_;
    QString hint_;
    bool simple_ = false;
    std::function<const QImage*(const char*)> icons_;
};

} // namespace vellamor::shell
