#include "controls/bitmap_animated.h"
#include "controls/color_combo_box.h"
#include "controls/counter.h"
#include "controls/full_screen.h"
#include "controls/label_link.h"

#include <gtest/gtest.h>

#include <QPainter>

#include <vector>

using namespace vellamor::controls;

namespace {
// A strip of `n` frames of 10 × 8, frame i filled with grey level 20 × i.
QImage strip(int n) {
    QImage img(10 * n, 8, QImage::Format_RGB32);
    for (int i = 0; i < n; ++i) {
        QPainter p(&img);
        p.fillRect(10 * i, 0, 10, 8, QColor(20 * i, 20 * i, 20 * i));
    }
    return img;
}
} // namespace

TEST(BitmapAnimated, FrameWrapsAndReportsTheValueAskedFor) {
    C_TBitmapAnimated a;
    a.resize(10, 30);
    a.setBitMap(strip(4));
    a.setFrameCount(4);
    EXPECT_EQ(a.height(), 8);
    std::vector<int> asked;
    a.OnChangeFrame = [&](C_TBitmapAnimated*, int v) { asked.push_back(v); };
    const struct {
        int set, shown;
    } cases[] = {{-1, 3}, {5, 1}, {1, 1}, {4, 0}, {2, 2}};
    for (const auto& c : cases) {
        a.setFrame(c.set);
        EXPECT_EQ(a.Frame(), c.shown) << c.set;
    }
    EXPECT_EQ(asked, (std::vector<int>{-1, 5, 4, 2})); // no call when the frame stays
    EXPECT_EQ(qRed(a.currentPicture().pixel(1, 1)), 40);
    a.setBitMap(QImage());
    EXPECT_EQ(a.height(), 30);
    EXPECT_EQ(a.currentPicture().pixel(1, 1), qRgb(255, 255, 255));
}

TEST(BitmapAnimated, NonLoopingForwardFromTheLastFrameRunsOnceMore) {
    C_TBitmapAnimated a;
    a.resize(10, 8);
    a.setBitMap(strip(3));
    a.setFrameCount(3);
    a.setLoop(false);
    a.setInterval(1000);
    a.setFrame(2);
    a.setPlay(true);
    std::vector<int> shown;
    while (a.Play() && shown.size() < 10) {
        a.tick();
        shown.push_back(a.Frame());
    }
    EXPECT_EQ(shown, (std::vector<int>{0, 1, 2}));
    EXPECT_FALSE(a.Play());

    // Reverse stops at frame 0.
    a.setReverse(true);
    a.setPlay(true);
    shown.clear();
    while (a.Play() && shown.size() < 10) {
        a.tick();
        shown.push_back(a.Frame());
    }
    EXPECT_EQ(shown, (std::vector<int>{1, 0}));
}

TEST(BitmapAnimated, TransparentColourShowsTheControlColour) {
    C_TBitmapAnimated a;
    a.resize(10, 8);
    QImage img(10, 8, QImage::Format_RGB32);
    img.fill(QColor(0, 255, 0));
    a.setBitMap(img);
    QPalette pal = a.palette();
    pal.setColor(a.backgroundRole(), QColor(1, 2, 3));
    a.setPalette(pal);
    EXPECT_EQ(a.currentPicture().pixel(3, 3), qRgb(0, 255, 0));
    a.setTransparentColor(0x00FF00);
    EXPECT_EQ(a.currentPicture().pixel(3, 3), qRgb(1, 2, 3));
}

TEST(ColorComboBox, SortingInsertionAndSelection) {
    C_TColorComboBox box;
    EXPECT_EQ(box.selectedColor(), -1);
    box.setColorWidth(4);
    EXPECT_EQ(box.ColorWidth(), 20);
    box.setColorWidth(30);
    EXPECT_EQ(box.ColorWidth(), 30);
    EXPECT_EQ(C_TColorComboBox::Version(), QStringLiteral("1.00.00"));

    box.addColorItem(QStringLiteral("red"), 0x0000FF);
    box.addColorItem(QStringLiteral("Blue"), 0xFF0000);
    box.addColorItem(QStringLiteral("green"), 0x008000);
    box.setCurrentIndex(1); // Blue
    box.setSortBy(TSortBy::ccsText);
    EXPECT_EQ(box.itemText(0), QStringLiteral("Blue"));
    EXPECT_EQ(box.itemText(1), QStringLiteral("green"));
    EXPECT_EQ(box.itemText(2), QStringLiteral("red"));
    EXPECT_EQ(box.selectedColor(), 0xFF0000);
    box.addColorItem(QStringLiteral("Black"), 0);
    EXPECT_EQ(box.itemText(0), QStringLiteral("Black"));
    box.setSortBy(TSortBy::ccsColor);
    std::vector<long> colours;
    for (int i = 0; i < box.count(); ++i) colours.push_back(box.colorAt(i));
    EXPECT_EQ(colours, (std::vector<long>{0, 0x0000FF, 0x008000, 0xFF0000}));
    EXPECT_EQ(box.selectedColor(), 0xFF0000);
}

TEST(LabelLink, LooksLikeALink) {
    C_TLabel_Link link(QStringLiteral("site"));
    EXPECT_EQ(link.palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_TRUE(link.font().underline());
    EXPECT_EQ(link.cursor().shape(), Qt::PointingHandCursor);
}

TEST(Counter, MicrosecondsAndWaits) {
    C_TCounter c;
    c.start();
    busyWait(0);
    waitWithInput(0);
    fineWaitWithInput(-5);
    busyWait(2);
    EXPECT_GE(c.elapsed(), 2000);
    EXPECT_GT(C_TCounter::frequency(), 1'000'000);
}

TEST(FullScreen, SwitchesAndRestoresTheWindow) {
    QWidget w;
    w.setGeometry(40, 50, 300, 200);
    w.show();
    C_TFullScreen fs(&w);
    fs.setFullscreen(false); // no change, nothing happens
    EXPECT_FALSE(fs.fullscreen());
    fs.setFullscreen(true);
    EXPECT_TRUE(fs.fullscreen());
    EXPECT_TRUE(w.windowState() & Qt::WindowFullScreen);
    EXPECT_TRUE(w.windowFlags() & Qt::FramelessWindowHint);
    fs.setFullscreen(false);
    EXPECT_FALSE(w.windowState() & Qt::WindowFullScreen);
    EXPECT_FALSE(w.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(w.size(), QSize(300, 200));
}
