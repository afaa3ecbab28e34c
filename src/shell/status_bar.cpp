#include "shell/status_bar.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace vellamor::shell {

namespace {
const char* const kHints[5] = {"Type of card pile", "Number of piles", "Number of cards", "Rule",
                               "Number of redeals"};

const char* pileIcon(const QString& type) {
    if (type.startsWith(QLatin1String("Stock"))) return "STATUSBAR_STOCK";
    if (type.startsWith(QLatin1String("Waste"))) return "STATUSBAR_WASTE";
    if (type.startsWith(QLatin1String("Found"))) return "STATUSBAR_FOUNDATION";
    if (type.startsWith(QLatin1String("Tabl"))) return "STATUSBAR_TABLEAU";
    if (type.startsWith(QLatin1String("Res"))) return "STATUSBAR_RESERVE";
    return nullptr;
}
} // namespace

StatusBar::StatusBar(QWidget* parent) : QWidget(parent) {
    setFixedHeight(20);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void StatusBar::setPanels(const std::array<QString, 5>& texts) {
    if (texts == texts_) return;
    texts_ = texts;
    update();
}

void StatusBar::showHint(const QString& hint) {
    const bool menuHint = hint.startsWith(QLatin1Char(' '));
    if (menuHint == simple_ && hint == hint_) return;
    simple_ = menuHint;
    hint_ = menuHint ? hint : QString();
    update();
}

int StatusBar::panelWidth(int i) const {
    // The widths suit a narrow 8-point face with characters about 5 pixels
    // wide; a wider face widens every panel alike, so the texts still fit.
    const double scale = std::max(1.0, fontMetrics().averageCharWidth() / 5.0);
    const auto scaled = [&](int k) { return static_cast<int>(kWidths[static_cast<std::size_t>(k)] * scale + 0.5); };
    if (i != 3) return scaled(i);
    // The rule gives way when the bar is too narrow for all five.
    int others = 0;
    for (int k = 0; k < 5; ++k)
        if (k != 3) others += scaled(k) + 2;
    return std::clamp(width() - others - 2, std::min(100, scaled(3)), scaled(3));
}

int StatusBar::panelAt(int x) const {
    if (simple_) return -1;
    int left = 0;
    for (int i = 0; i < 5; ++i) {
        const int w = panelWidth(i);
        if (x >= left && x < left + w) return i;
        left += w + 2;
    }
    return -1;
}

void StatusBar::drawRule(QPainter& p, const QRect& r, const QString& text) const {
    int x = r.left() + 3;
    const int baseline = r.top() + (r.height() + p.fontMetrics().ascent() - p.fontMetrics().descent()) / 2;
    qsizetype i = 0;
    QString run;
    const auto flush = [&] {
        if (run.isEmpty()) return;
        p.drawText(x, baseline, run);
        x += p.fontMetrics().horizontalAdvance(run);
        run.clear();
    };
    while (i < text.size()) {
        if (text[i] == QLatin1Char('[') && i + 2 < text.size() && text[i + 2] == QLatin1Char(']')) {
            const char* suit = nullptr;
            switch (text[i + 1].toLatin1()) {
            case 'h': suit = "SUIT_HEARTS"; break;
            case 'd': suit = "SUIT_DIAMONDS"; break;
            case 'c': suit = "SUIT_CLUBS"; break;
            case 's': suit = "SUIT_SPADES"; break;
            default: break;
            }
            if (suit) {
                flush();
                if (const QImage* img = icons_ ? icons_(suit) : nullptr) {
                    p.drawImage(x, r.top() + (r.height() - img->height()) / 2 + 2, *img);
                    x += img->width();
                }
                i += 3;
                continue;
            }
        }
        run += text[i++];
    }
    flush();
}

void StatusBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Button));
    p.setPen(palette().color(QPalette::ButtonText));
    const auto sunken = [&](const QRect& r) {
        p.save();
        p.setPen(palette().color(QPalette::Dark));
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(palette().color(QPalette::Light));
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
        p.restore();
    };
    if (simple_) {
        const QRect r = rect().adjusted(0, 1, -1, -1);
        sunken(r);
        p.drawText(r.adjusted(3, 1, -3, 0), Qt::AlignVCenter | Qt::AlignLeft, hint_.mid(1));
        return;
    }
    int left = 0;
    for (int i = 0; i < 6; ++i) {
        const int w = i == 5 ? std::max(10, width() - left) : panelWidth(i);
        const QRect r(left, 1, w, height() - 2);
        sunken(r.adjusted(0, 0, -1, -1));
        const QRect in = r.adjusted(0, 1, -1, 0);
        if (i < 5) {
            p.save();
            p.setClipRect(in); // a long text ends at its panel's edge
            const QString& t = texts_[static_cast<std::size_t>(i)];
            switch (i) {
            case 0: {
                int x = in.left() + 3;
                if (const char* icon = pileIcon(t); icon && icons_) {
                    if (const QImage* img = icons_(icon)) {
                        p.drawImage(x, in.top() + (in.height() - img->height()) / 2, *img);
                        x += img->width() + 3;
                    }
                }
                p.drawText(QRect(x, in.top(), in.right() - x, in.height()), Qt::AlignVCenter | Qt::AlignLeft, t);
                break;
            }
            case 1: p.drawText(in, Qt::AlignCenter, t); break;
            case 3: drawRule(p, in, t); break;
            default: p.drawText(in.adjusted(3, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, t); break;
            }
            p.restore();
        }
        left += w + 2;
    }
}

void StatusBar::mouseMoveEvent(QMouseEvent* e) {
    const int i = panelAt(e->position().toPoint().x());
    setToolTip(i >= 0 ? QString::fromLatin1(kHints[i]) : QString());
    QWidget::mouseMoveEvent(e);
}

} // namespace vellamor::shell
