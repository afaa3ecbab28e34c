#include "controls/color_combo_box.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QStyledItemDelegate>

#include <cstdint>
#include <vector>

namespace vellamor::controls {

namespace {

constexpr int kColourRole = Qt::UserRole + 1;

QColor swatch(long c) {
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}

class SwatchDelegate : public QStyledItemDelegate {
public:
    explicit SwatchDelegate(C_TColorComboBox* box) : QStyledItemDelegate(box), box_(box) {}
    void paint(QPainter* p, const QStyleOptionViewItem& opt, const QModelIndex& index) const override {
        const QRect r = opt.rect;
        const bool selected = opt.state & QStyle::State_Selected;
        p->fillRect(r, selected ? opt.palette.highlight() : opt.palette.base());
        const int w = box_->ColorWidth();
        p->setPen(Qt::black);
        p->setBrush(swatch(index.data(kColourRole).toLongLong()));
        p->drawRect(QRect(QPoint(r.left() + 2, r.top() + 2), QPoint(r.left() + w - 1, r.bottom() - 1)).adjusted(0, 0, -1, -1));
        p->setPen(selected ? opt.palette.highlightedText().color() : opt.palette.text().color());
        const QRect text(QPoint(r.left() + w + 3, r.top() + 1), QPoint(r.right(), r.bottom() - 1));
        p->drawText(text, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine, index.data().toString());
    }
    QSize sizeHint(const QStyleOptionViewItem& opt, const QModelIndex& index) const override {
        QSize s = QStyledItemDelegate::sizeHint(opt, index);
        s.setHeight(16);
        return s;
    }

private:
    C_TColorComboBox* box_;
};

} // namespace

C_TColorComboBox::C_TColorComboBox(QWidget* parent) : QComboBox(parent) {
    setItemDelegate(new SwatchDelegate(this));
}

bool C_TColorComboBox::before(long colourA, const QString& textA, long colourB, const QString& textB) const {
    if (sortBy_ == TSortBy::ccsColor)
        return static_cast<std::int32_t>(colourA) < static_cast<std::int32_t>(colourB);
    if (sortBy_ == TSortBy::ccsText) return textA.toLower() < textB.toLower();
    return false;
}

void C_TColorComboBox::addColorItem(const QString& text, long colour) {
    int at = count();
    if (sortBy_ != TSortBy::ccsUnsorted) {
        for (int i = 0; i < count(); ++i)
            if (before(colour, text, colorAt(i), itemText(i))) {
                at = i;
                break;
            }
    }
    insertItem(at, text);
    setItemData(at, static_cast<qlonglong>(colour), kColourRole);
}

long C_TColorComboBox::colorAt(int index) const {
    if (index < 0 || index >= count()) return -1;
    return static_cast<long>(itemData(index, kColourRole).toLongLong());
}

long C_TColorComboBox::selectedColor() const { return colorAt(currentIndex()); }

void C_TColorComboBox::setColorWidth(int w) {
    if (w < 5) return;
    colorWidth_ = w;
    update();
}

void C_TColorComboBox::setSortBy(TSortBy s) {
    if (s == sortBy_) return;
    sortBy_ = s;
    if (s == TSortBy::ccsUnsorted || count() < 2) return;
    const long selected = selectedColor();
    const bool hadSelection = currentIndex() >= 0;
    struct Item {
        QString text;
        long colour;
    };
    std::vector<Item> items;
    for (int i = 0; i < count(); ++i) items.push_back({itemText(i), colorAt(i)});
    // Bubble sort from the end, exchanging neighbours when the later one is smaller.
    for (std::size_t pass = 0; pass + 1 < items.size(); ++pass)
        for (std::size_t j = items.size() - 1; j > pass; --j)
            if (before(items[j].colour, items[j].text, items[j - 1].colour, items[j - 1].text))
                std::swap(items[j], items[j - 1]);
    blockSignals(true);
    clear();
    for (int i = 0; i < static_cast<int>(items.size()); ++i) {
        insertItem(i, items[i].text);
        setItemData(i, static_cast<qlonglong>(items[i].colour), kColourRole);
    }
    blockSignals(false);
    if (hadSelection)
        for (int i = 0; i < count(); ++i)
            if (colorAt(i) == selected) {
                setCurrentIndex(i);
                break;
            }
}

} // namespace vellamor::controls
