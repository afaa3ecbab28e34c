// End to end: the real window, offscreen, played with mouse events on the
// table; the engine's piles and the time and score panels are checked.
#include "program_fixture.h"

#include "shell/table_view.h"

#include "engine/card.h"
#include "engine/engine.h"
#include "layout/card_position.h"
#include "engine/rules.h"
#include "engine/score.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>

#include <optional>

using namespace vellamor;
using namespace vellamor::shell;
using vellamor::shell::testing::normalWindow;
using vellamor::shell::testing::ProgramFixture;

namespace {

constexpr int kKlondike = 0;
constexpr int kSpider = 18;

QPoint centreOfTop(const Engine& e, PileId p) {
    const Point at = cardPosition(e, p, 0);
    return {at.x + e.game.cardWidth / 2, at.y + e.game.cardHeight / 2};
}

void press(QWidget* w, QPoint at) { QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, at); }
void release(QWidget* w, QPoint at) { QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, at); }
void moveTo(QWidget* w, QPoint at) {
    QMouseEvent ev(QEvent::MouseMove, QPointF(at), w->mapToGlobal(at), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &ev);
}
void dragAndDrop(QWidget* w, QPoint from, QPoint to) {
    press(w, from);
    moveTo(w, from + QPoint(5, 5));
    moveTo(w, to);
    release(w, to);
}
void doubleClick(QWidget* w, QPoint at) {
    press(w, at);
    release(w, at);
    QTest::mouseDClick(w, Qt::LeftButton, Qt::NoModifier, at);
}

struct Move {
    PileId from, to;
};

// A tableau-to-tableau move of a top card that the rules accept.
std::optional<Move> findTableauMove(const Engine& e) {
    for (int i = 0; i < e.tableauCount(); ++i) {
        const int card = e.table.tableau[i].top();
        if (!card || !e.cards.faceUp(card)) continue;
        for (int j = 0; j < e.tableauCount(); ++j)
            if (j != i && !e.table.tableau[j].empty() && pileAccepts(e, tableau(j), card))
                return Move{tableau(i), tableau(j)};
    }
    return std::nullopt;
}

class PlayTest : public ::testing::Test {
protected:
    void SetUp() override {
        fx.writeSettings(normalWindow(1000, 760, "DoubleClick_To_Foundations=Y\r\n"));
        w = fx.start();
        ASSERT_NE(w, nullptr);
    }
    ProgramFixture fx;
    std::unique_ptr<TfrmMain> w;
};

} // namespace

TEST_F(PlayTest, KlondikeStockClickDragAndDoubleClick) {
    Engine& e = w->engine();
    QWidget* table = w->table();
    // Autoplay would send the ace up by itself after the stock click.
    e.play.prefs.autoplay = false;
    // Deal until an ace lies open on the tableau and a tableau move exists.
    int aceAt = -1;
    for (int tries = 0; tries < 400 && aceAt < 0; ++tries) {
        ASSERT_TRUE(w->startGame(kKlondike));
        if (!findTableauMove(e)) continue;
        for (int i = 0; i < e.tableauCount(); ++i)
            if (rank(e.table.tableau[i].top()) == 1) aceAt = i;
    }
    ASSERT_GE(aceAt, 0);
    EXPECT_EQ(w->windowTitle().left(29), QStringLiteral("Vellamor 2003 13.0  [Klondike"));

    // The stock click turns a card onto the waste.
    const int stock = e.table.stock().size();
    press(table, centreOfTop(e, kStock));
    release(table, centreOfTop(e, kStock));
    EXPECT_EQ(e.table.stock().size(), stock - 1);
    EXPECT_EQ(e.table.waste().size(), 1);

    // Double-click sends the ace to a foundation; the score panel follows.
    const int ace = e.table.tableau[aceAt].top();
    const QString scoreBefore = w->scoreText()->text();
    doubleClick(table, centreOfTop(e, tableau(aceAt)));
    bool onFoundation = false;
    for (int f = 0; f < e.foundationCount(); ++f) onFoundation = onFoundation || e.table.foundations[f].top() == ace;
    EXPECT_TRUE(onFoundation);
    EXPECT_EQ(w->scoreText()->text(), QString::number(currentScore(e)));
    EXPECT_NE(w->scoreText()->text(), scoreBefore);

    // Drag and drop onto an accepting tableau pile.
    if (const auto m = findTableauMove(e)) {
        const int card = e.table.pile(m->from).top();
        const int targetSize = e.table.pile(m->to).size();
        const Table beforeDrag = e.table;
        dragAndDrop(table, centreOfTop(e, m->from), centreOfTop(e, m->to));
        EXPECT_EQ(e.table.pile(m->to).size(), targetSize + 1);
        EXPECT_EQ(e.table.pile(m->to).top(), card);
        EXPECT_FALSE(w->table()->dragging());

        // Undo takes the move back, Redo brings it again.
        QAction* undoCommand = w->action("mnuUndo");
        ASSERT_TRUE(undoCommand->isEnabled());
        undoCommand->trigger();
        EXPECT_TRUE(e.table == beforeDrag);
        ASSERT_TRUE(w->action("mnuRedo")->isEnabled());
        w->action("mnuRedo")->trigger();
        EXPECT_EQ(e.table.pile(m->to).top(), card);
        EXPECT_EQ(w->scoreText()->text(), QString::number(currentScore(e)));
    }

    // A drop where nothing accepts puts the card back.
    const Table before = e.table;
    const int card = e.table.waste().top();
    if (card) {
        dragAndDrop(table, centreOfTop(e, kWaste), QPoint(table->width() - 5, table->height() - 5));
        EXPECT_TRUE(e.table == before);
    }
}

TEST_F(PlayTest, SpiderStockDealAndDragThenTheClockPanel) {
    Engine& e = w->engine();
    QWidget* table = w->table();
    ASSERT_EQ(e.state.readInt(field::GameId), kSpider);
    std::optional<Move> m;
    for (int tries = 0; tries < 200 && !m; ++tries) {
        ASSERT_TRUE(w->startGame(kSpider));
        m = findTableauMove(e);
    }
    ASSERT_TRUE(m);
    const int card = e.table.pile(m->from).top();
    const int fromSize = e.table.pile(m->from).size();
    dragAndDrop(table, centreOfTop(e, m->from), centreOfTop(e, m->to));
    EXPECT_EQ(e.table.pile(m->to).top(), card);
    EXPECT_EQ(e.table.pile(m->from).size(), fromSize - 1);

    // The stock deals one card onto each of the ten piles.
    std::array<int, 10> sizes{};
    for (int i = 0; i < 10; ++i) sizes[i] = e.table.tableau[i].size();
    const int stock = e.table.stock().size();
    press(table, centreOfTop(e, kStock));
    release(table, centreOfTop(e, kStock));
    EXPECT_EQ(e.table.stock().size(), stock - 10);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(e.table.tableau[i].size(), sizes[i] + 1) << i;

    // The time panel shows the clock of the game.
    e.clockStart -= std::chrono::seconds(65);
    w->Timer1Timer();
    EXPECT_EQ(w->timeText()->text(), QStringLiteral("0:01:05"));
    EXPECT_EQ(w->scoreText()->text(), QString::number(currentScore(e)));
}
