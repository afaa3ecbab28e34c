// The tutor commands on the real window, offscreen: the hint arrow over the
// table, the demo window played through its timer, and the Autoplay command's
// check mark as the settings keep it per game or for all games.
#include "program_fixture.h"

#include "shell/demo_window.h"
#include "shell/hint_arrow.h"
#include "shell/table_view.h"

#include "engine/engine.h"
#include "engine/hints.h"
#include "engine/state_record.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QImage>
#include <QLabel>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QtTest/QTest>

using namespace vellamor;
using namespace vellamor::shell;
using vellamor::shell::testing::normalWindow;
using vellamor::shell::testing::ProgramFixture;

namespace {

constexpr int kKlondike = 0;
constexpr int kFreeCell = 6;
constexpr long long kNumber = 1234567;

const std::string kWindow = normalWindow(1000, 760, "Game=0\r\n");

// Pixels of the arrow's yellow in the table as the screen shows it (children included).
int yellowPixels(QWidget* table) {
    const QImage img = table->grab().toImage().convertToFormat(QImage::Format_RGB32);
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) == qRgb(255, 240, 0)) ++n;
    return n;
}

// The demo window's pause before its next step, run at once.
bool fireDemoTimer(TfrmDemo& demo) {
    for (QTimer* t : demo.findChildren<QTimer*>())
        if (t->isActive()) {
            t->stop();
            return QMetaObject::invokeMethod(t, "timeout", Qt::DirectConnection);
        }
    return false;
}

QLabel* labelWithText(QWidget& w, const QString& text) {
    for (QLabel* l : w.findChildren<QLabel*>())
        if (l->text() == text) return l;
    return nullptr;
}

class TutorTest : public ::testing::Test {
protected:
    // A Klondike deal of a fixed number: several moves to hint at, and a
    // demo that plays a while before it runs out of moves.
    void start(const std::string& extra = {}) {
        fx.writeSettings(kWindow + extra);
        w = fx.start();
        ASSERT_NE(w, nullptr);
        ASSERT_TRUE(w->startGame(kKlondike, kNumber));
    }
    // Neither is a Q_OBJECT: found by their names.
    TfrmDemo* demoWindow() { return static_cast<TfrmDemo*>(w->findChild<QWidget*>(QStringLiteral("frmDemo"))); }
    HintArrow* arrow() {
        return static_cast<HintArrow*>(w->table()->findChild<QWidget*>(QStringLiteral("hintArrow")));
    }
    ProgramFixture fx;
    std::unique_ptr<TfrmMain> w;
};

TEST_F(TutorTest, TheArrowOfAHintLiesOverTheTableUntilTheThirdTickOrARedraw) {
    start();
    Engine& e = w->engine();
    ASSERT_EQ(e.state.readInt(field::GameId), kKlondike);
    HintArrow* a = arrow();
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(yellowPixels(w->table()), 0);

    w->action("mnuShowLegalMove")->trigger();
    ASSERT_TRUE(shownHint(e)); // a fresh Klondike deal always has a move, the stock at least
    EXPECT_EQ(e.game.tutorMode, 1);
    EXPECT_TRUE(a->arrowShown());
    EXPECT_EQ(a->geometry(), w->table()->rect());
    EXPECT_GT(yellowPixels(w->table()), 100); // a 4-pixel line and its head
    // Shown, not made: the table is drawn as it was and stays in play.
    w->Timer1Timer();
    w->Timer1Timer();
    EXPECT_TRUE(a->arrowShown());
    w->Timer1Timer();
    EXPECT_FALSE(a->arrowShown());
    EXPECT_EQ(e.game.tutorMode, 0);
    EXPECT_EQ(yellowPixels(w->table()), 0);

    // The next request shows the next move; a redraw of the table takes it away.
    w->action("mnuShowLegalMove")->trigger();
    EXPECT_TRUE(a->arrowShown());
    w->redrawTable();
    EXPECT_FALSE(a->arrowShown());
}

TEST_F(TutorTest, TheDemoWindowPlaysOnItsTimerAndStopEndsIt) {
    start();
    Engine& e = w->engine();
    TfrmDemo* demo = demoWindow();
    ASSERT_NE(demo, nullptr);
    EXPECT_FALSE(demo->isVisible()); // made hidden at start-up
    EXPECT_TRUE(demo->isWindow());
    EXPECT_EQ(demo->windowTitle(), QStringLiteral("Game Demo"));
    for (QToolButton* b : {demo->playButton(), demo->pauseButton(), demo->stopButton()})
        EXPECT_FALSE(b->icon().isNull()) << b->toolTip().toStdString(); // the pack's pictures
    EXPECT_EQ(demo->playButton()->toolTip(), QStringLiteral("Play"));

    const Table dealt = e.table;
    w->action("mnuGameDemo")->trigger();
    EXPECT_TRUE(demo->isVisible());
    EXPECT_TRUE(demo->demo().running());
    EXPECT_EQ(e.game.tutorMode, 3);
    EXPECT_TRUE(demo->playButton()->isChecked());
    EXPECT_FALSE(w->action("mnuGameDemo")->isEnabled());
    EXPECT_EQ(demo->moveCountText(), QStringLiteral("0"));
    // First placed at the default: 10 from the left, 15 above the main window's bottom.
    EXPECT_EQ(demo->pos().x(), 10);
    EXPECT_EQ(demo->pos().y(), w->frameGeometry().height() - demo->frameGeometry().height() - 15);

    // Each move takes a description step and a move step.
    for (int i = 0; i < 12 && demo->demo().running(); ++i) ASSERT_TRUE(fireDemoTimer(*demo));
    ASSERT_TRUE(demo->demo().running());
    EXPECT_FALSE(e.table == dealt);
    const int shown = demo->moveCountText().toInt();
    EXPECT_GE(shown, 4);
    EXPECT_FALSE(demo->descriptionText().isEmpty());
    EXPECT_FALSE(arrow()->arrowShown()); // the demo draws no arrow

    // Stop: the buttons come up and the loop ends at its next step.
    demo->stopButton()->click();
    EXPECT_FALSE(demo->playButton()->isChecked());
    EXPECT_FALSE(demo->pauseButton()->isChecked());
    for (int i = 0; i < 3 && demo->demo().running(); ++i) fireDemoTimer(*demo);
    EXPECT_FALSE(demo->demo().running());
    EXPECT_EQ(e.game.tutorMode, 0);
    EXPECT_TRUE(w->action("mnuGameDemo")->isEnabled());
    EXPECT_LE(demo->moveCountText().toInt() - shown, 1);

    // Close hides the window and keeps its place.
    demo->move(123, 77);
    ASSERT_NE(demo->findChild<QWidget*>(QStringLiteral("btnClose")), nullptr);
    static_cast<QAbstractButton*>(demo->findChild<QWidget*>(QStringLiteral("btnClose")))->click();
    EXPECT_FALSE(demo->isVisible());
    const std::string cfg = fx.settingsText();
    EXPECT_NE(cfg.find("Tutor_Demo_Form_Left=123"), std::string::npos) << cfg;
    EXPECT_NE(cfg.find("Tutor_Demo_Form_Top=77"), std::string::npos) << cfg;
}

TEST_F(TutorTest, TheDemoWindowReturnsToItsSavedPlaceAndPausingResumes) {
    start("[Settings]\r\nTutor_Demo_Form_Left=140\r\nTutor_Demo_Form_Top=90\r\n");
    Engine& e = w->engine();
    TfrmDemo* demo = demoWindow();
    w->action("mnuGameDemo")->trigger();
    EXPECT_EQ(demo->pos(), QPoint(140, 90));
    ASSERT_TRUE(fireDemoTimer(*demo));

    // Pause ends the loop; Pause again plays on through the demo command.
    demo->pauseButton()->click();
    EXPECT_TRUE(demo->pauseButton()->isChecked());
    EXPECT_EQ(e.game.tutorMode, 0);
    EXPECT_FALSE(labelWithText(*demo, QStringLiteral("Move number:"))->isEnabled());
    demo->pauseButton()->click();
    EXPECT_FALSE(demo->pauseButton()->isChecked());
    EXPECT_TRUE(demo->playButton()->isChecked());
    EXPECT_TRUE(demo->demo().running());
    EXPECT_EQ(e.game.tutorMode, 3);
    EXPECT_TRUE(labelWithText(*demo, QStringLiteral("Move number:"))->isEnabled());

    // A hint request closes the demo window, which ends the demo.
    w->action("mnuShowLegalMove")->trigger();
    EXPECT_FALSE(demo->isVisible());
    EXPECT_FALSE(demo->demo().running());
    EXPECT_NE(e.game.tutorMode, 3);
}

// The autoplay button of a tool bar, found by its hint.
QAction* autoplayButton(TfrmMain& w, const char* bar) {
    auto* tb = w.findChild<QToolBar*>(QLatin1String(bar));
    if (!tb) return nullptr;
    for (QAction* a : tb->actions())
        if (a->toolTip() == QStringLiteral("Autoplay")) return a;
    return nullptr;
}

TEST_F(TutorTest, TheMKeyShowsAHintAndBothAutoplayButtonsMirrorTheCommand) {
    start();
    QTest::keyClick(w.get(), Qt::Key_M);
    EXPECT_TRUE(arrow()->arrowShown());
    EXPECT_EQ(w->engine().game.tutorMode, 1);
    const std::size_t hints = w->engine().hintHistory.size();
    QTest::keyClick(w.get(), Qt::Key_M, Qt::ControlModifier); // not the hint key: no further hint
    EXPECT_EQ(w->engine().hintHistory.size(), hints);
    EXPECT_TRUE(arrow()->arrowShown());

    QAction* command = w->action("mnuAutoplay");
    QAction* large = autoplayButton(*w, "toolBarLarge");
    QAction* small = autoplayButton(*w, "toolBarSmall");
    ASSERT_NE(large, nullptr);
    ASSERT_NE(small, nullptr);
    const bool was = command->isChecked();
    large->trigger();
    EXPECT_EQ(command->isChecked(), !was);
    EXPECT_EQ(w->engine().play.prefs.autoplay, !was);
    EXPECT_FALSE(arrow()->arrowShown()); // the command ends the tutor mode
    for (QAction* b : {large, small}) EXPECT_EQ(b->isChecked(), !was);
    command->trigger(); // F7's command
    for (QAction* b : {large, small}) EXPECT_EQ(b->isChecked(), was);
    EXPECT_EQ(w->engine().play.prefs.autoplay, was);
}

struct AutoplayCase {
    const char* settings;
    bool klondike, freeCell; // the check mark at the start of Klondike, then of FreeCell
};

TEST_F(TutorTest, TheAutoplayCheckMarkFollowsTheSettingForAllGamesOrPerGame) {
    const AutoplayCase cases[] = {
        {"AutoPlay_All_Games=1\r\nAutoPlay=Y\r\n", true, true},
        {"AutoPlay_All_Games=1\r\nAutoPlay=N\r\n", false, true}, // ticked by hand: kept
        // Per game: Klondike (id 0) off; FreeCell (id 6) lies beyond the text: on.
        {"AutoPlay_All_Games=2\r\nAutoPlay=Y\r\n[Autoplay]\r\nGames=NY\r\n", false, true},
        {"AutoPlay_All_Games=2\r\nAutoPlay=N\r\n[Autoplay]\r\nGames=Y\r\n", true, true},
        {"AutoPlay_All_Games=3\r\nAutoPlay=Y\r\n", false, false},
    };
    for (const AutoplayCase& c : cases) {
        ProgramFixture own;
        own.writeSettings(kWindow + c.settings);
        auto win = own.start();
        ASSERT_NE(win, nullptr);
        QAction* a = win->action("mnuAutoplay");
        EXPECT_TRUE(a->isEnabled());
        EXPECT_EQ(a->isChecked(), c.klondike) << c.settings;
        EXPECT_EQ(win->engine().play.prefs.autoplay, c.klondike) << c.settings;
        // Ticked by hand, then the next game.
        if (!a->isChecked()) a->trigger();
        EXPECT_TRUE(win->engine().play.prefs.autoplay);
        ASSERT_TRUE(win->startGame(kFreeCell));
        EXPECT_EQ(a->isChecked(), c.freeCell) << c.settings;
        EXPECT_EQ(win->engine().play.prefs.autoplay, c.freeCell) << c.settings;
    }
}

TEST_F(TutorTest, PerGameTheCommandStoresTheChoiceForTheGameInPlay) {
    start("AutoPlay_All_Games=2\r\n[Autoplay]\r\nGames=YYY\r\n");
    QAction* a = w->action("mnuAutoplay");
    ASSERT_TRUE(a->isChecked());
    a->trigger(); // off for Klondike
    EXPECT_FALSE(a->isChecked());
    EXPECT_FALSE(w->engine().play.prefs.autoplay);
    EXPECT_NE(fx.settingsText().find("Games=NYY\r\n"), std::string::npos) << fx.settingsText();

    ASSERT_TRUE(w->startGame(kFreeCell)); // beyond the text: lengthened with Y first
    EXPECT_TRUE(a->isChecked());
    a->trigger();
    EXPECT_NE(fx.settingsText().find("Games=NYYYYYNYYYYYYYYY\r\n"), std::string::npos)
        << fx.settingsText();

    ASSERT_TRUE(w->startGame(kKlondike));
    EXPECT_FALSE(a->isChecked());
    a->trigger(); // on again
    ASSERT_TRUE(w->startGame(kFreeCell));
    EXPECT_FALSE(a->isChecked());
    ASSERT_TRUE(w->startGame(kKlondike));
    EXPECT_TRUE(a->isChecked());
}

} // namespace
