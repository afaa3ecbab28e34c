// The pile information on the table: when the pointer panels show, where they
// go, what they say, and the labels of "Show piles' info".
#include "catalogue/catalogue.h"
#include "engine/deal.h"
#include "engine/engine.h"
#include "layout/card_position.h"
#include "layout/layout.h"
#include "program_fixture.h"
#include "shell/pile_info_panel.h"
#include "shell/status_bar.h"
#include "shell/table_view.h"

#include <QAction>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTest>
#include <QToolTip>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

using namespace vellamor;
using namespace vellamor::shell;

namespace {

// Keeps a picture of the test for a look, only when VELLAMOR_TEST_PICTURES
// names a folder.
void keepPicture(const QImage& img, const char* name) {
    const QByteArray folder = qgetenv("VELLAMOR_TEST_PICTURES");
    if (!folder.isEmpty()) img.save(QString::fromLocal8Bit(folder) + QLatin1Char('/') + QLatin1String(name));
}

using Clock = PointerRest::Clock;
using std::chrono::milliseconds;

class SilentCatalogueHost final : public EngineHost {
public:
    void message(std::string_view) override {}
    void beep() override {}
    void sound(std::string_view) override {}
    void scoreChanged(long long) override {}
};

// A catalogue game dealt and laid out on a 1024 × 768 table at card size B.
std::unique_ptr<Engine> laidOut(int id) {
    static SilentCatalogueHost host;
    auto e = std::make_unique<Engine>();
    catalogue::Catalogue cat(VELLAMOR_PROGRAM_DIR "/GAMES.DAT", e->game, host);
    EXPECT_TRUE(cat.loadGameList());
    EXPECT_TRUE(cat.loadRuleParams(e->params, id));
    e->state.write(field::GameNumber, "0000000000001");
    EXPECT_TRUE(newGame(*e));
    e->flags.set(StateFlag::InProgress);
    setCardSpacing(*e, 'B');
    LayoutInput in;
    layoutTable(*e, in);
    return e;
}

QPoint inside(const Engine& e, PileId p) {
    const Point at = cardPosition(e, p, 0);
    return {at.x + 5, at.y + 5};
}

TEST(PointerRest, RestOfHalfASecondOverAPile) {
    PointerRest rest;
    const Clock::time_point t0{};
    EXPECT_FALSE(rest.due(t0 + milliseconds(5000))); // no move yet
    EXPECT_TRUE(rest.moved({10, 10}, true, t0));
    EXPECT_FALSE(rest.due(t0 + milliseconds(499)));
    EXPECT_TRUE(rest.due(t0 + milliseconds(500)));
    // A move event to the same place does not start the wait again.
    EXPECT_FALSE(rest.moved({10, 10}, true, t0 + milliseconds(400)));
    EXPECT_TRUE(rest.due(t0 + milliseconds(500)));
    rest.markShown();
    EXPECT_FALSE(rest.due(t0 + milliseconds(5000)));
    // Another place waits anew; off the piles nothing is ever due.
    EXPECT_TRUE(rest.moved({11, 10}, true, t0 + milliseconds(1000)));
    EXPECT_FALSE(rest.due(t0 + milliseconds(1400)));
    EXPECT_TRUE(rest.due(t0 + milliseconds(1500)));
    EXPECT_TRUE(rest.moved({500, 500}, false, t0 + milliseconds(2000)));
    EXPECT_FALSE(rest.due(t0 + milliseconds(9000)));
    rest.reset();
    EXPECT_TRUE(rest.moved({500, 500}, true, t0 + milliseconds(9000)));
}

TEST(PilePanelPlace, BelowThePointerAndInsideTheTable) {
    struct Case {
        QPoint pointer;
        QSize panels, area;
        QPoint at;
    } cases[] = {
        {{100, 100}, {80, 36}, {800, 600}, {100, 121}}, // top at y - height + 57
        {{780, 100}, {80, 36}, {800, 600}, {663, 121}}, // moved left: 57 inside the width
        {{100, 590}, {80, 36}, {800, 600}, {100, 507}}, // moved up: 57 inside the height
        {{790, 595}, {80, 60}, {800, 600}, {663, 483}},
        {{50, 50}, {120, 40}, {100, 80}, {0, 0}}, // a table smaller than the panels
    };
    for (const Case& c : cases)
        EXPECT_EQ(pilePanelPlace(c.pointer, c.panels, c.area), c.at)
            << c.pointer.x() << "," << c.pointer.y();
}

TEST(PilePanels, StockGetsTheRedealsPanelBelow) {
    QWidget table;
    table.resize(800, 600);
    PilePanels panels(&table);
    EXPECT_FALSE(panels.visible());

    catalogue::PointerPanelTexts stock{"Stock (1)", "24 cards", true, "Redeals:", "1/2"};
    panels.show(stock, {100, 100});
    ASSERT_TRUE(panels.visible());
    EXPECT_EQ(panels.headingText(), "Stock (1)");
    EXPECT_EQ(panels.cardsText(), "24 cards");
    EXPECT_EQ(panels.redealsText(), "Redeals: 1/2");
    QWidget* size = panels.sizePanel();
    QWidget* redeals = panels.redealsPanel();
    EXPECT_EQ(size->objectName(), "pnlPilesSize");
    EXPECT_EQ(size->pos(), QPoint(100, 100 - (size->height() + redeals->height()) + 57));
    EXPECT_EQ(redeals->pos(), size->pos() + QPoint(0, size->height()));
    EXPECT_EQ(redeals->width(), size->width());
    EXPECT_FALSE(redeals->isHidden());
    // Info-tip colours, and the mouse goes through to the table.
    EXPECT_EQ(size->palette().color(QPalette::Window),
              QToolTip::palette().color(QPalette::ToolTipBase));
    EXPECT_TRUE(size->testAttribute(Qt::WA_TransparentForMouseEvents));

    catalogue::PointerPanelTexts fila{"Tableau (7)", "1 card", false, "", ""};
    panels.show(fila, {790, 590});
    EXPECT_TRUE(redeals->isHidden());
    EXPECT_EQ(size->x() + size->width(), 800 - 57);
    EXPECT_EQ(size->y() + size->height(), 600 - 57);
    panels.hidePanels();
    EXPECT_FALSE(panels.visible());
    EXPECT_TRUE(redeals->isHidden());
}

// The view of the window: status texts on every move, the panels after a rest
// at the timer's tick, hidden again by a move or outside a game.
TEST(PileInfoView, StatusTextsAndPanelsFollowThePointer) {
    const auto e = laidOut(0); // Klondike
    QWidget table;
    table.resize(1024, 700);
    PileInfoView view(&table, "/nonexistent/");
    view.gameDealt(0);
    EXPECT_TRUE(view.texts().empty());

    const Clock::time_point t0 = Clock::now();
    const QPoint fila3 = inside(*e, tableau(2));
    auto texts = view.pointerMoved(*e, fila3, t0);
    EXPECT_EQ(texts[0], "Tableau");
    EXPECT_EQ(texts[1], "7");
    EXPECT_EQ(texts[2], "3 cards");
    EXPECT_EQ(texts[3], "Build down in alternating colors (ex. 10 [d] on Jack [c][s])");
    EXPECT_EQ(texts[4], "Unlimited redeals");

    view.timerTick(*e, t0 + milliseconds(300));
    EXPECT_FALSE(view.panels().visible());
    view.timerTick(*e, t0 + milliseconds(600));
    ASSERT_TRUE(view.panels().visible());
    EXPECT_EQ(view.panels().headingText(), "Tableau (7)");
    EXPECT_EQ(view.panels().cardsText(), "3 cards");
    EXPECT_EQ(view.panels().redealsText(), "");

    // A move hides them; the stock shows its redeals after the next rest.
    view.pointerMoved(*e, inside(*e, kStock), t0 + milliseconds(700));
    EXPECT_FALSE(view.panels().visible());
    view.timerTick(*e, t0 + milliseconds(1300));
    ASSERT_TRUE(view.panels().visible());
    EXPECT_EQ(view.panels().headingText(), "Stock (1)");
    EXPECT_EQ(view.panels().redealsText(), "Redeals: Unlimited");

    // Off the piles: empty texts, no panel.
    texts = view.pointerMoved(*e, {1, 699}, t0 + milliseconds(1400));
    for (const QString& t : texts)
        EXPECT_TRUE(t.isEmpty());
    view.timerTick(*e, t0 + milliseconds(3000));
    EXPECT_FALSE(view.panels().visible());

    // The player's setting, and the end of the game.
    e->play.prefs.showPilesSize = false;
    view.pointerMoved(*e, fila3, t0 + milliseconds(3000));
    view.timerTick(*e, t0 + milliseconds(4000));
    EXPECT_FALSE(view.panels().visible());
    e->play.prefs.showPilesSize = true;
    view.pointerMoved(*e, fila3 + QPoint(1, 0), t0 + milliseconds(4000));
    view.timerTick(*e, t0 + milliseconds(5000));
    EXPECT_TRUE(view.panels().visible());
    e->flags.clear(StateFlag::InProgress);
    view.timerTick(*e, t0 + milliseconds(6000));
    EXPECT_FALSE(view.panels().visible());
    texts = view.pointerMoved(*e, fila3, t0 + milliseconds(6000));
    EXPECT_TRUE(texts[0].isEmpty());
}

TEST(PileLabels, BoxesInTheToolTipColourOverEveryShownPile) {
    const auto e = laidOut(0);
    QImage table(1024, 700, QImage::Format_RGB32);
    table.fill(QColor(0, 128, 0));
    {
        QPainter p(&table);
        paintPileLabels(p, *e, 71);
    }
    keepPicture(table, "pile_labels.png");
    const QColor back = QToolTip::palette().color(QPalette::ToolTipBase);
    const QFontMetrics fm(pileLabelFont());
    for (const PileId id : catalogue::labelledPiles(*e)) {
        const Point at = cardPosition(*e, id, std::max(e->table.pile(id).size() - 1, 0));
        const catalogue::PileLabel l = catalogue::pileLabel(*e, id, 71);
        const int w = std::max(fm.horizontalAdvance(QString::fromStdString(l.name)),
                               fm.horizontalAdvance(QString::fromStdString(l.cards))) +
                      12;
        SCOPED_TRACE(pileName(id));
        EXPECT_EQ(table.pixelColor(at.x + 1, at.y + 1), back);
        EXPECT_EQ(table.pixelColor(at.x, at.y + 35), QColor(Qt::black)); // the frame, 36 high
        EXPECT_EQ(table.pixelColor(at.x + w - 1, at.y + 20), QColor(Qt::black));
    }
    // Below a box the table shows again (Fila1's label does not cover the whole card).
    const Point fila1 = cardPosition(*e, tableau(0), 0);
    EXPECT_EQ(table.pixelColor(fila1.x + 2, fila1.y + 40), QColor(0, 128, 0));
    // Klondike: seven tableau piles, four foundations, the stock and the waste.
    EXPECT_EQ(catalogue::labelledPiles(*e).size(), 13u);

    const QImage overlay = pileLabelsImage({1024, 700}, *e, 71);
    EXPECT_EQ(overlay.pixelColor(fila1.x + 2, fila1.y + 40).alpha(), 0);
    EXPECT_EQ(overlay.pixelColor(fila1.x + 2, fila1.y + 2), back);
}

// The main window: the status bar follows the pointer over the piles, the
// panels come at the tick after a rest, "Show piles' info" labels the piles
// until the next click, and leaving the game clears it all.
TEST(PileInfoWindow, StatusBarPanelsAndLabels) {
    shell::testing::ProgramFixture fx;
    fx.writeSettings(shell::testing::normalWindow(1000, 760, "ShowPilesSize=Y\r\nConfirmQuitGame=N\r\n"));
    const auto w = fx.start();
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(w->startGame(0, 1)); // Klondike
    Engine& e = w->engine();
    TableView* table = w->table();
    const auto moveTo = [&](QPoint at) {
        QMouseEvent ev(QEvent::MouseMove, QPointF(at), table->mapToGlobal(at), Qt::NoButton,
                       Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(table, &ev);
    };

    const QPoint fila3 = inside(e, tableau(2));
    moveTo(fila3);
    const StatusBar* bar = w->statusPanels();
    EXPECT_EQ(bar->panel(0), "Tableau");
    EXPECT_EQ(bar->panel(1), "7");
    EXPECT_EQ(bar->panel(2), "3 cards");
    EXPECT_EQ(bar->panel(3), "Build down in alternating colors (ex. 10 [d] on Jack [c][s])");
    EXPECT_EQ(bar->panel(4), "Unlimited redeals");
    QWidget* panel = table->findChild<QWidget*>(QStringLiteral("pnlPilesSize"));
    ASSERT_NE(panel, nullptr);
    w->Timer1Timer();
    EXPECT_TRUE(panel->isHidden()); // not rested yet
    QTest::qWait(int(PointerRest::kRest.count()) + 100);
    w->Timer1Timer();
    EXPECT_FALSE(panel->isHidden());
    keepPicture(w->grab().toImage(), "pile_panel.png"); // the panel and the status bar
    moveTo(fila3 + QPoint(2, 0));
    EXPECT_TRUE(panel->isHidden());

    // A click on the stock: the status follows without a move.
    const QPoint stock = inside(e, kStock);
    QTest::mouseClick(table, Qt::LeftButton, Qt::NoModifier, stock);
    EXPECT_EQ(bar->panel(0), "Stock");
    EXPECT_EQ(bar->panel(2), "23 cards");

    QAction* labels = w->action("mnuShowPilesInfo");
    ASSERT_TRUE(labels->isEnabled());
    const Point fila1 = cardPosition(e, tableau(0), 0);
    const QColor tip = QToolTip::palette().color(QPalette::ToolTipBase);
    labels->trigger();
    EXPECT_EQ(table->picture().pixelColor(fila1.x + 2, fila1.y + 2), tip);
    keepPicture(table->picture(), "pile_labels_window.png");
    QTest::mousePress(table, Qt::LeftButton, Qt::NoModifier,
                      QPoint(table->width() - 3, table->height() - 3));
    QTest::mouseRelease(table, Qt::LeftButton, Qt::NoModifier,
                        QPoint(table->width() - 3, table->height() - 3));
    EXPECT_NE(table->picture().pixelColor(fila1.x + 2, fila1.y + 2), tip);

    // Out of the game: empty status, no panels, no labels.
    w->mnuQuitGameClick();
    ASSERT_FALSE(e.flags.test(StateFlag::InProgress));
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(bar->panel(i).isEmpty()) << i;
    EXPECT_FALSE(labels->isEnabled());
    moveTo(fila3);
    EXPECT_TRUE(bar->panel(0).isEmpty());
    QTest::qWait(int(PointerRest::kRest.count()) + 100);
    w->Timer1Timer();
    EXPECT_TRUE(panel->isHidden());
}

} // namespace
