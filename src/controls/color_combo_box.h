// C_TColorComboBox: a drop-down list of named colours, each item drawn with a
// swatch of ColorWidth pixels before its text; optionally kept sorted.
#pragma once

#include <QComboBox>
#include <QString>

namespace vellamor::controls {

enum class TSortBy { ccsUnsorted, ccsColor, ccsText };

class C_TColorComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit C_TColorComboBox(QWidget* parent = nullptr);

    // Colours are 0xBBGGRR numbers as the settings file keeps them.
    void addColorItem(const QString& text, long colour);
    // The colour of the selected item; -1 when nothing is selected.
    long selectedColor() const;
    long colorAt(int index) const;

    int ColorWidth() const { return colorWidth_; }
    // Values below 5 are refused.
    void setColorWidth(int w);
    TSortBy SortBy() const { return sortBy_; }
    void setSortBy(TSortBy s);
    static QString Version() { return QStringLiteral("1.00.00"); }

private:
    bool before(long colourA, const QString& textA, long colourB, const QString& textB) const;

    int colorWidth_ = 20;
    TSortBy sortBy_ = TSortBy::ccsUnsorted;
};

} // namespace vellamor::controls
