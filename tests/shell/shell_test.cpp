// The dialog base, the boxes, start-up and the main window's own behaviour.
#include "program_fixture.h"

#include "shell/advanced_form.h"
#include "shell/msg_advice.h"
#include "shell/program_host.h"
#include "shell/status_bar.h"
#include "shell/table_view.h"

#include "engine/engine.h"
#include "store/settings.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStatusTipEvent>
#include <QWheelEvent>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QtTest/QTest>

using namespace vellamor;
using namespace vellamor::shell;
using vellamor::shell::testing::answerBox;
using vellamor::shell::testing::normalWindow;
using vellamor::shell::testing::ProgramFixture;
using vellamor::shell::testing::pressOk;

TEST(Placeholders, EachReplacedAtItsFirstOccurrence) {
    const struct {
        const char* in;
        const char* out;
    } cases[] = {
        {"A&bout [Program]...", "A&bout Vellamor 2003..."},
        {"[Program] and [Program]", "Vellamor 2003 and [Program]"},
        {"[Program_sw] game [GameNum_sw]", "Vellamor 2003 game 342"},
        {"[Program][Program_sw]", "Vellamor 2003Vellamor 2003"},
        {"no placeholders", "no placeholders"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(replacePlaceholders(QString::fromLatin1(c.in)), QString::fromLatin1(c.out)) << c.in;
}

TEST(FontFallback, OnlyTheDesignedFontIsReplacedSizesAndStylesKept) {
    setDialogFontAvailability(FontAvailability::Missing);
    C_TAdvancedForm form;
    auto* bold = new QLabel(QStringLiteral("bold"), &form);
    QFont f(QStringLiteral("Tahoma"), 10);
    f.setBold(true);
    bold->setFont(f);
    auto* arial = new QLabel(QStringLiteral("arial"), &form);
    arial->setFont(QFont(QStringLiteral("Arial"), 9));
    auto* group = new QGroupBox(QStringLiteral("group"), &form);
    auto* inherited = new QPushButton(QStringLiteral("OK"), group);
    applyFontFallback(&form);
    EXPECT_EQ(form.font().family(), QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(bold->font().family(), QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(bold->font().pointSize(), 10);
    EXPECT_TRUE(bold->font().bold());
    EXPECT_EQ(arial->font().family(), QStringLiteral("Arial"));
    EXPECT_EQ(inherited->font().family(), QStringLiteral("MS Sans Serif"));

    setDialogFontAvailability(FontAvailability::Available);
    C_TAdvancedForm kept;
    applyFontFallback(&kept);
    EXPECT_EQ(kept.font().family(), QStringLiteral("Tahoma"));
    setDialogFontAvailability(FontAvailability::Unknown);
}

TEST(AdviceBoxes, WithoutCancelTheOkButtonIsCentred) {
    TfrmMsgAdviceOKCancel box;
    box.setWithCancel(false);
    EXPECT_FALSE(box.btnCancel->isVisibleTo(&box));
    EXPECT_EQ(box.btnOK->x(), (box.width() - box.btnOK->width()) / 2);
    EXPECT_EQ(box.btnOK->x(), (289 - 59) / 2);
    box.setWithCancel(true);
    EXPECT_TRUE(box.btnCancel->isVisibleTo(&box));
    EXPECT_NE(box.btnOK->x(), box.btnCancel->x());
}

TEST(AdviceBoxes, CancelAfterTickingStillSilencesTheConfirmation) {
    ProgramFixture fx;
    fx.writeSettings("[Preference]\r\n");
    ProgramHost host;
    const std::string cfg = fx.dataFolder() + "Cfg.dat";
    bool result = true;
    const QString title = answerBox([&] { result = store::confirmOnce(cfg, host, "Go on?", "Test_Key"); },
                                    [](QWidget* w) {
                                        auto* box = qobject_cast<TfrmMsgAdviceOKCancel*>(w);
                                        ASSERT_NE(box, nullptr);
                                        box->chkDontShow->setChecked(true);
                                        box->btnCancel->click();
                                    });
    EXPECT_EQ(title, QStringLiteral("Information"));
    EXPECT_FALSE(result);
    store::Settings after(cfg, nullptr);
    EXPECT_EQ(after.readString(store::section::kShowConfirmations, "Test_Key", ""), "N");
    // Silenced: no box at all, and the answer is yes.
    EXPECT_TRUE(store::confirmOnce(cfg, host, "Go on?", "Test_Key"));
}

TEST(AdviceBoxes, AdviceShownOnceWhenTicked) {
    ProgramFixture fx;
    fx.writeSettings("[Preference]\r\n");
    ProgramHost host;
    const std::string cfg = fx.dataFolder() + "Cfg.dat";
    int shown = 0;
    const auto tickAndOk = [&](QWidget* w) {
        auto* box = qobject_cast<TfrmMsgAdvice*>(w);
        ASSERT_NE(box, nullptr);
        ++shown;
        EXPECT_EQ(box->page(), 1);
        box->chkDontShow->setChecked(true);
        box->btnOK->click();
    };
    answerBox([&] { store::showAdviceOnce(cfg, host, "Small screen.", "Msg_Test", 1); }, tickAndOk);
    answerBox([&] { store::showAdviceOnce(cfg, host, "Small screen.", "Msg_Test", 1); }, tickAndOk);
    EXPECT_EQ(shown, 1);
}

TEST(StartUp, CardSetFiveIsRewrittenAsOne) {
    ProgramFixture fx;
    // Klondike keeps the normal size on the narrow offscreen screen (Spider
    // would take the medium set 003 there for the game).
    fx.writeSettings("[Preference]\r\nCard=005\r\nUserDefault=Anna\r\nGame=0\r\n");
    auto w = fx.start(false);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->engine().state.readInt(field::CardSet), 1);
    store::Settings cfg(fx.dataFolder() + "Cfg.dat", nullptr);
    EXPECT_EQ(cfg.integer(store::key::Card), 1);
    EXPECT_EQ(cfg.text(store::key::Card), "001");
    // A player was already there: no player list is made.
    EXPECT_EQ(cfg.text(store::key::User001), "");
    EXPECT_EQ(w->engine().state.read(field::PlayerName), "Anna");
}

TEST(StartUp, WithoutUserDefaultThreePlayersAreCreated) {
    ProgramFixture fx;
    auto w = fx.start(false);
    ASSERT_NE(w, nullptr);
    store::Settings cfg(fx.dataFolder() + "Cfg.dat", nullptr);
    EXPECT_EQ(cfg.text(store::key::UserDefault), "Player 1");
    EXPECT_EQ(cfg.text(store::key::User001), "Player 1");
    EXPECT_EQ(cfg.text(store::key::User002), "Player 2");
    EXPECT_EQ(cfg.text(store::key::User003), "Player 3");
    EXPECT_EQ(w->engine().state.read(field::PlayerName), "Player 1");
}

TEST(StartUp, NormalWindowWithoutPositionKeysOpensAtTheDefaults) {
    ProgramFixture fx;
    fx.writeSettings("[Preference]\r\nMainWindowState_Maximized=N\r\n");
    auto w = fx.start(false);
    ASSERT_NE(w, nullptr);
    const QSize screen = QGuiApplication::primaryScreen()->size();
    EXPECT_EQ(w->pos(), QPoint(50, 50));
    EXPECT_EQ(w->size(), QSize(screen.width() - 150, screen.height() - 150));
    EXPECT_FALSE(w->isMaximized());
}

TEST(StartUp, CaptionNamesGamePlayerAndNumber) {
    ProgramFixture fx;
    auto w = fx.start();
    ASSERT_NE(w, nullptr);
    const QString caption = w->windowTitle();
    EXPECT_TRUE(caption.startsWith(QStringLiteral("Vellamor 2003 13.0  [Spider]  [Player 1]  ["))) << caption.toStdString();
    EXPECT_EQ(caption, w->captionText());
    EXPECT_TRUE(caption.endsWith(QString::fromStdString("[" + w->engine().state.read(field::GameNumber) + "]")));
    // A missing version marker is written beside the program.
    QFile marker(QString::fromStdString(fx.programFolder() + "SOLV1300.DAT"));
    ASSERT_TRUE(marker.open(QIODevice::ReadOnly));
    EXPECT_TRUE(marker.readAll().startsWith("Vellamor version: 13.00"));
}

// Without its catalogue or its main image pack the program ends at once, after its message.
TEST(StartUp, AMissingCatalogueOrImagePackEndsWithItsMessage) {
    struct Case {
        const char* file;
        bool packMessage; // "Can't find/load " + the path in lower case, else the catalogue's box
    };
    for (const Case& c : {Case{"GAMES.DAT", false}, Case{"SOL.RGF", true}}) {
        SCOPED_TRACE(c.file);
        ProgramFixture fx;
        QFile::remove(QString::fromStdString(fx.programFolder() + c.file));
        TfrmMain w(fx.options());
        bool ok = true;
        const QString text = answerBox([&] { ok = w.FormCreate(); }, pressOk);
        EXPECT_FALSE(ok);
        if (c.packMessage)
            EXPECT_EQ(text, QStringLiteral("Can't find/load ") +
                                QString::fromStdString(fx.programFolder() + c.file).toLower());
        else
            EXPECT_TRUE(text.startsWith(QStringLiteral("Cannot find file:"))) << text.toStdString();
    }
}

TEST(Commands, StatisticsDisabledShowsTheMessageOnly) {
    ProgramFixture fx;
    fx.writeSettings("[Preference]\r\nDisable_Statistics=Y\r\n");
    auto w = fx.start();
    ASSERT_NE(w, nullptr);
    for (const char* name : {"mnuGameStatistics", "mnuHiScores", "mnuLogStatistics", "mnuOverallChampions"}) {
        QAction* a = w->action(name);
        ASSERT_TRUE(a->isEnabled()) << name;
        const QString text = answerBox([&] { a->trigger(); }, pressOk);
        EXPECT_EQ(text, QStringLiteral("The Statistics are disabled. To enable the Statistics, change the value in the "
                                       "\"Customize\" dialog box."))
            << name;
    }
}

TEST(Commands, CommandsOfPartsNotBuiltArePresentAndDisabled) {
    ProgramFixture fx;
    auto w = fx.start();
    ASSERT_NE(w, nullptr);
    for (const char* name : {"mnuOpen", "mnuSave", "mnuPlayers", "mnuHoldAndExit", "mnuCustomize", "mnuAbout",
                             "mnuGameStatistics"}) {
        ASSERT_NE(w->action(name), nullptr) << name;
        EXPECT_FALSE(w->action(name)->isEnabled()) << name;
    }
    EXPECT_EQ(w->action("mnuAbout")->text(), QStringLiteral("A&bout Vellamor 2003..."));
    EXPECT_EQ(w->action("mnuNew")->shortcut(), QKeySequence(Qt::Key_F2));
    EXPECT_TRUE(w->action("mnuPause")->isEnabled());
}

namespace {
bool greenish(QRgb c) { return qGreen(c) > qRed(c) + 20 && qGreen(c) > qBlue(c) + 20; }
} // namespace

TEST(Pause, HidesTheCardsAndTheClickEndsIt) {
    ProgramFixture fx;
    fx.writeSettings(normalWindow(900, 700));
    auto w = fx.start();
    ASSERT_NE(w, nullptr);
    Engine& e = w->engine();
    const TMainGame& g = e.game;
    // The middle of the stock (at the left, clear of the pause pictures): a card
    // back before the pause.
    const QPoint at(g.stockX(0) + g.cardWidth / 2, g.stockY(0) + g.cardHeight / 2);
    EXPECT_FALSE(greenish(w->table()->picture().pixel(at)));
    w->action("mnuPause")->trigger();
    ASSERT_TRUE(w->paused());
    EXPECT_FALSE(e.flags.test(StateFlag::ClockRuns));
    const QImage paused = w->table()->picture();
    EXPECT_TRUE(greenish(paused.pixel(at)));
    EXPECT_TRUE(greenish(paused.pixel(g.tableauX(0) + 2, g.tableauY(0) + 2)));
    // Any click ends the pause.
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), w->table()->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w->table(), &press);
    QApplication::processEvents();
    EXPECT_FALSE(w->paused());
    EXPECT_TRUE(e.flags.test(StateFlag::ClockRuns));
    EXPECT_FALSE(greenish(w->table()->picture().pixel(at)));
}

namespace {
// Every button of a bar lies wholly inside it (none cut off at the right).
void expectWholeBar(QToolBar* bar) {
    int shown = 0;
    for (QAction* a : bar->actions()) {
        QWidget* b = bar->widgetForAction(a);
        if (!b || !a->isVisible() || a->isSeparator()) continue;
        ++shown;
        EXPECT_TRUE(b->isVisible()) << a->toolTip().toStdString();
        EXPECT_LE(b->geometry().right(), bar->width()) << a->toolTip().toStdString();
    }
    EXPECT_EQ(shown, 9); // New .. Exit, without Save
}
} // namespace

TEST(ToolBar, ANarrowWindowDropsTheLargeCaptionsAndKeepsEveryButton) {
    ProgramFixture fx;
    fx.writeSettings(normalWindow(1000, 700, "ToolBar_Large=Y\r\n"));
    auto w = fx.start();
    ASSERT_NE(w, nullptr);
    auto* bar = w->findChild<QToolBar*>(QStringLiteral("toolBarLarge"));
    ASSERT_NE(bar, nullptr);
    ASSERT_TRUE(bar->isVisible());
    EXPECT_EQ(bar->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    const int barHeight = bar->parentWidget()->height();
    for (int width : {640, 1000}) {
        w->resize(width, 480);
        QApplication::processEvents();
        EXPECT_EQ(w->width(), width); // the bar never pushes the window wider
        EXPECT_EQ(bar->toolButtonStyle(), width == 640 ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextUnderIcon);
        EXPECT_EQ(bar->parentWidget()->height(), barHeight); // the table does not jump
        expectWholeBar(bar);
    }
}

TEST(Close, WritesTheWindowStateAndTheAutoplayOfAllGames) {
    struct Case {
        const char* settings;
        const char* written; // the AutoPlay line after closing, or nullptr when it stays
    };
    const Case cases[] = {
        {"AutoPlay_All_Games=1\r\nAutoPlay=N\r\n", "AutoPlay=Y\r\n"},
        {"AutoPlay_All_Games=2\r\nAutoPlay=N\r\n[Autoplay]\r\nGames=N\r\n", "AutoPlay=N\r\n"},
    };
    for (const Case& c : cases) {
        ProgramFixture fx;
        fx.writeSettings(normalWindow(900, 650, "Game=0\r\n") +
                         c.settings);
        auto w = fx.start();
        ASSERT_NE(w, nullptr);
        QAction* autoplay = w->action("mnuAutoplay");
        ASSERT_FALSE(autoplay->isChecked());
        autoplay->trigger();
        w->move(70, 60);
        EXPECT_TRUE(w->close());
        const std::string cfg = fx.settingsText();
        EXPECT_NE(cfg.find(c.written), std::string::npos) << c.settings << cfg;
        for (const char* kept : {"MainWindowState_Maximized=N\r\n", "MainWindowState_Width=900\r\n",
                                 "MainWindowState_Left=70\r\n", "Full_Screen=N\r\n"})
            EXPECT_NE(cfg.find(kept), std::string::npos) << kept << cfg;
    }
}

TEST(Close, ARunningDemoIsStoppedAndTheWindowStays) {
    ProgramFixture fx;
    fx.writeSettings("[Preference]\r\nGame=0\r\n");
    auto w = fx.start();
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(w->startGame(0, 1234567));
    w->action("mnuGameDemo")->trigger();
    ASSERT_EQ(w->engine().game.tutorMode, 3);
    EXPECT_FALSE(w->close());
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->engine().game.tutorMode, 0);
    EXPECT_TRUE(w->close()); // asked again, it closes
}

TEST(FullScreen, F11TakesTheMenuAwayAndEscBringsTheWindowBack) {
    ProgramFixture fx;
    fx.writeSettings(normalWindow(900, 650, "Game=0\r\n"));
    auto w = fx.start();
    ASSERT_NE(w, nullptr);
    QString advice;
    answerBox([&] { QTest::keyClick(w.get(), Qt::Key_F11); },
              [&](QWidget* box) {
                  auto* ok = qobject_cast<TfrmMsgAdviceOKCancel*>(box);
                  ASSERT_NE(ok, nullptr);
                  advice = ok->lblText->text();
                  ok->btnOK->click();
              });
    EXPECT_EQ(advice, QStringLiteral("To turn off full-screen mode and switch to the regular view, press F11 or Esc."));
    ASSERT_TRUE(w->fullScreen());
    EXPECT_FALSE(w->menuBar()->isVisible());
    EXPECT_EQ(w->geometry().size(), QGuiApplication::primaryScreen()->size());
    auto* restore = w->findChild<QAction*>(QStringLiteral("tbRestoreAfterFS_Large"));
    ASSERT_NE(restore, nullptr);
    EXPECT_TRUE(restore->isVisible());

    // Shown anew, the window takes the keys again (a window manager does it on screen).
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    // The window keeps the shortcuts without its menu; a disabled Undo stays idle.
    ASSERT_FALSE(w->action("mnuUndo")->isEnabled());
    const Table dealt = w->engine().table;
    QTest::keyClick(w.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(w->engine().table == dealt);
    QTest::keyClick(w.get(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_TRUE(w->paused());
    QTest::keyClick(w.get(), Qt::Key_P, Qt::ControlModifier); // any key ends the pause
    QApplication::processEvents();
    EXPECT_FALSE(w->paused());

    QTest::keyClick(w.get(), Qt::Key_Escape);
    EXPECT_FALSE(w->fullScreen());
    EXPECT_TRUE(w->menuBar()->isVisible());
    EXPECT_FALSE(restore->isVisible());
    EXPECT_EQ(w->size(), QSize(900, 650));
}

TEST(Pause, ThePicturesNeverStartAboveOneHundredPixels) {
    ProgramFixture fx;
    fx.writeSettings(normalWindow(480, 300, "Game=0\r\n"));
    auto w = fx.start();
    ASSERT_NE(w, nullptr);
    w->action("mnuPause")->trigger();
    ASSERT_TRUE(w->paused());
    // Only background above y = 100 of the window: every row there is one
    // colour from edge to edge.
    const QImage shown = w->table()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const int top = w->table()->mapTo(w.get(), QPoint(0, 0)).y();
    ASSERT_GT(100 - top, 20);
    for (int y = 0; y < std::min(100 - top, shown.height()); ++y)
        for (int x = 0; x < shown.width(); ++x)
            ASSERT_EQ(shown.pixel(x, y), shown.pixel(0, y)) << x << ',' << y;
    bool picture = false; // and the pictures are drawn below
    for (int y = 100 - top; y < shown.height() && !picture; ++y)
        picture = shown.pixel(shown.width() / 2, y) != shown.pixel(0, y);
    EXPECT_TRUE(picture);
}

TEST(Scrolling, TheWheelMovesATallTableBySixtyPixelsANotch) {
    ProgramFixture fx;
    fx.writeSettings(normalWindow(700, 380, "Game=0\r\n"));
    auto w = fx.start();
    ASSERT_NE(w, nullptr);
    Engine& e = w->engine();
    // A tall pile: every stock card face up on the first tableau pile.
    Pile& stock = e.table.stock();
    while (!stock.empty()) {
        const int c = stock.top();
        stock.pop();
        ASSERT_TRUE(e.table.tableau[0].push(c));
        e.cards.setFaceUp(c, true);
    }
    w->redrawTable();
    auto* bar = w->findChild<QScrollBar*>();
    ASSERT_NE(bar, nullptr);
    ASSERT_TRUE(bar->isVisible());
    const QImage before = w->table()->picture().copy();

    const auto wheel = [&](int delta) {
        const QPointF at(50, 50);
        QWheelEvent ev(at, w->table()->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                       Qt::NoScrollPhase, false);
        QApplication::sendEvent(w->table(), &ev);
    };
    wheel(-120); // one notch towards the player: down the table
    EXPECT_EQ(bar->value(), 60);
    EXPECT_EQ(e.game.scrollOffset, 60);
    EXPECT_NE(w->table()->picture(), before);
    wheel(-240);
    EXPECT_EQ(bar->value(), std::min(180, bar->maximum()));
    wheel(1200); // never above the top
    EXPECT_EQ(bar->value(), 0);
    EXPECT_EQ(w->table()->picture(), before);
}

TEST(ToolBar, TimeAndScoreHideFromTheirPopUpsAndComeBackFromTheBarsMenu) {
    ProgramFixture fx;
    auto w = fx.start();
    ASSERT_NE(w, nullptr);
    struct Panel {
        const char *name, *hide, *show, *key;
    };
    for (const Panel& p : {Panel{"pnlTempo", "popHideTime", "popShowTime", "Show_Time="},
                           Panel{"pnlScore", "popHideScore", "popShowScore", "Show_Score="}}) {
        SCOPED_TRACE(p.name);
        QWidget* panel = w->findChild<QWidget*>(QLatin1String(p.name));
        ASSERT_NE(panel, nullptr);
        ASSERT_TRUE(panel->isVisible());
        EXPECT_FALSE(w->action(p.show)->isEnabled()); // only while the panel is hidden
        w->action(p.hide)->trigger();
        EXPECT_FALSE(panel->isVisible());
        EXPECT_TRUE(w->action(p.show)->isEnabled());
        EXPECT_NE(fx.settingsText().find(std::string(p.key) + "N\r\n"), std::string::npos);
        w->action(p.show)->trigger();
        EXPECT_TRUE(panel->isVisible());
        EXPECT_FALSE(w->action(p.show)->isEnabled());
        EXPECT_NE(fx.settingsText().find(std::string(p.key) + "Y\r\n"), std::string::npos);
    }
}

TEST(StatusBar, AMenuHintShowsAloneAndAnyOtherHintBringsThePanelsBack) {
    ProgramFixture fx;
    auto w = fx.start();
    ASSERT_NE(w, nullptr);
    StatusBar* bar = w->statusPanels();
    QStatusTipEvent menuHint(w->action("mnuNew")->statusTip());
    QApplication::sendEvent(w.get(), &menuHint);
    EXPECT_TRUE(bar->simple());
    EXPECT_EQ(bar->hintText(), QStringLiteral(" New game"));
    QStatusTipEvent toolHint(QStringLiteral("Start a new game"));
    QApplication::sendEvent(w.get(), &toolHint);
    EXPECT_FALSE(bar->simple());
}

TEST(Close, ConfirmQuitAsksAndCancelKeepsTheWindow) {
    ProgramFixture fx;
    fx.writeSettings("[Preference]\r\nConfirmQuit=Y\r\n");
    auto w = fx.start();
    ASSERT_NE(w, nullptr);
    bool closed = true;
    const QString asked = answerBox([&] { closed = w->close(); },
                                    [](QWidget* box) { static_cast<QMessageBox*>(box)->button(QMessageBox::Cancel)->click(); });
    EXPECT_EQ(asked, QStringLiteral("Exit Vellamor 2003?"));
    EXPECT_FALSE(closed);
    EXPECT_TRUE(w->isVisible());
    answerBox([&] { closed = w->close(); }, pressOk);
    EXPECT_TRUE(closed);
}

TEST(StartUp, FilesOfEarlierVersionsAreRemovedOnlyWhenTheirFirstIsThere) {
    ProgramFixture fx;
    const QString dir = QString::fromStdString(fx.programFolder());
    QDir().mkpath(dir + QStringLiteral("IMAGES"));
    const QStringList old = {QStringLiteral("IMAGES/GAME0000.BMP"), QStringLiteral("IMAGES/GAME0042.BMP"),
                             QStringLiteral("IMAGES/CB001C.BMP"), QStringLiteral("IMAGES/CB005S.BMP"),
                             QStringLiteral("IMAGES/CL003H.BMP"), QStringLiteral("VELLAMOR.DLL")};
    const QString kept = QStringLiteral("IMAGES/WB007.BMP"); // its set's first, WB001, is missing
    for (const QString& name : old + QStringList{kept}) {
        QFile f(dir + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << name.toStdString();
    }
    auto w = fx.start(false);
    ASSERT_NE(w, nullptr);
    for (const QString& name : old) EXPECT_FALSE(QFile::exists(dir + name)) << name.toStdString();
    EXPECT_TRUE(QFile::exists(dir + kept));
}

TEST(TableMenu, CtrlAndTheRightButtonOnAnEmptyPlaceOpenIt) {
    for (const bool allowed : {true, false}) {
        ProgramFixture fx;
        fx.writeSettings(normalWindow(900, 650, "Game=0\r\nShow_Main_Popup_Menu=") +
                         (allowed ? "Y" : "N") + "\r\n");
        auto w = fx.start();
        ASSERT_NE(w, nullptr);
        auto* menu = w->findChild<QMenu*>(QStringLiteral("popMain"));
        ASSERT_NE(menu, nullptr);
        const QPoint empty(w->table()->width() - 20, w->table()->height() - 20); // below every pile
        QTest::mouseClick(w->table(), Qt::RightButton, Qt::ControlModifier, empty);
        EXPECT_EQ(menu->isVisible(), allowed);
        menu->hide();
    }
}

TEST(StatusBar, TheRuleGivesWayInANarrowBarAndTheOthersStayWhole) {
    StatusBar bar;
    bar.resize(1200, 20);
    int wide = 0;
    for (int i = 0; i < 5; ++i) {
        EXPECT_GE(bar.panelWidth(i), StatusBar::kWidths[static_cast<std::size_t>(i)]) << i; // never narrower than designed
        wide += bar.panelWidth(i) + 2;
    }
    const int rule = bar.panelWidth(3);
    ASSERT_GT(wide, 560);
    bar.resize(560, 20); // too narrow for the five at their widths, in any face
    int narrow = 0;
    for (int i = 0; i < 5; ++i) narrow += bar.panelWidth(i) + 2;
    EXPECT_LE(narrow, 560);
    EXPECT_LT(bar.panelWidth(3), rule);
    EXPECT_EQ(bar.panelAt(bar.panelWidth(0) + 2 + bar.panelWidth(1) + 2 + 1), 2); // the cards panel
}
