// Every catalogue game played on the real window by random gestures: drags,
// clicks, double and right clicks, the stock key, hints, Undo and Redo. No
// gesture may lose, double or invent a card, and Undo all the way back must
// bring the deal again.
#include "program_fixture.h"

#include "shell/table_view.h"

#include "engine/engine.h"
#include "engine/table.h"
#include "layout/card_position.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMouseEvent>
#include <QTest>

#include <array>
#include <optional>
#include <random>
#include <vector>

using namespace vellamor;
using namespace vellamor::shell;
using vellamor::shell::testing::answerBox;
using vellamor::shell::testing::normalWindow;
using vellamor::shell::testing::ProgramFixture;

namespace {

constexpr int kGames = 46; // ids 0-45
constexpr int kGesturesPerGame = 60;

std::array<int, kMaxCard + 1> census(const Engine& e) {
    std::array<int, kMaxCard + 1> n{};
    for (int line = 0; line < kPileLines; ++line)
        for (CardCode c : e.table.line(line)) ++n[c];
    n[kHole] = 0;
    return n;
}

// Any box a gesture opens (an end of game, "No other moves.") is closed.
void closeAnyBox(QWidget* box) {
    if (auto* d = qobject_cast<QDialog*>(box)) d->reject();
    else box->close();
}

class Monkey {
public:
    Monkey(TfrmMain& w, unsigned seed) : w_(w), rng_(seed) {}

    void gesture() {
        QWidget* t = w_.table();
        const QPoint a = somewhere(), b = somewhere();
        switch (pick(10)) {
        case 0:
        case 1:
        case 2: // drag and drop
            QTest::mousePress(t, Qt::LeftButton, Qt::NoModifier, a);
            move(a + QPoint(6, 6));
            move(b);
            QTest::mouseRelease(t, Qt::LeftButton, Qt::NoModifier, b);
            break;
        case 3: QTest::mouseClick(t, Qt::LeftButton, Qt::NoModifier, a); break;
        case 4:
            QTest::mouseClick(t, Qt::LeftButton, Qt::NoModifier, a);
            QTest::mouseDClick(t, Qt::LeftButton, Qt::NoModifier, a);
            break;
        case 5:
            QTest::mouseClick(t, Qt::RightButton, pick(2) ? Qt::ControlModifier : Qt::NoModifier, a);
            for (QMenu* m : w_.findChildren<QMenu*>()) m->hide();
            break;
        case 6: QTest::keyClick(&w_, Qt::Key_Space); break;
        case 7: trigger("mnuUndo"); break;
        case 8: trigger("mnuRedo"); break;
        case 9: followAHint(); break;
        }
    }

private:
    // Asks for a hint and drags its card onto its target, as a player would.
    void followAHint() {
        trigger("mnuShowLegalMove");
        const Engine& e = w_.engine();
        if (!e.play.hintTarget || !e.play.hintCard) return;
        const std::optional<PileId> from = e.table.locate(e.play.hintCard, e.tableauCount());
        if (!from) return;
        const Pile& p = e.table.pile(*from);
        const Point a = cardPosition(e, *from, p.size() - 1 - p.find(e.play.hintCard));
        const Point b = cardPosition(e, *e.play.hintTarget, 0, !e.table.pile(*e.play.hintTarget).empty());
        const QPoint at(a.x + e.game.cardWidth / 2, a.y + 6), to(b.x + e.game.cardWidth / 2, b.y + 6);
        QWidget* t = w_.table();
        QTest::mousePress(t, Qt::LeftButton, Qt::NoModifier, at);
        move(at + QPoint(6, 6));
        move(to);
        QTest::mouseRelease(t, Qt::LeftButton, Qt::NoModifier, to);
    }
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    // Mostly a card of some pile (its middle, a top card more often than not),
    // else any point of the table.
    QPoint somewhere() {
        const Engine& e = w_.engine();
        const QSize s = w_.table()->size();
        if (pick(4) > 0) {
            std::vector<PileId> piles;
            for (PileId p : {kStock, kWaste, kSecondWaste})
                if (!e.table.pile(p).empty()) piles.push_back(p);
            const auto add = [&](PileKind kind, int count) {
                for (int i = 0; i < count; ++i)
                    if (!e.table.pile({kind, i}).empty()) piles.push_back({kind, i});
            };
            add(PileKind::Foundation, e.foundationCount());
            add(PileKind::Tableau, e.tableauCount());
            add(PileKind::Reserve, e.reserveCount());
            if (!piles.empty()) {
                const PileId p = piles[static_cast<std::size_t>(pick(static_cast<int>(piles.size())))];
                const int above = pick(2) ? 0 : pick(e.table.pile(p).size());
                const Point at = cardPosition(e, p, above);
                return {at.x + e.game.cardWidth / 2, at.y + std::min(8, e.game.cardHeight / 2)};
            }
        }
        return {pick(s.width()), pick(s.height())};
    }
    void move(QPoint at) {
        QMouseEvent ev(QEvent::MouseMove, QPointF(at), w_.table()->mapToGlobal(at), Qt::NoButton, Qt::LeftButton,
                       Qt::NoModifier);
        QApplication::sendEvent(w_.table(), &ev);
    }
    void trigger(const char* name) {
        if (QAction* a = w_.action(name); a->isEnabled()) a->trigger();
    }
    TfrmMain& w_;
    std::mt19937 rng_;
};

TEST(Monkey, RandomGesturesKeepEveryCardAndUndoBringsTheDealBack) {
    ProgramFixture fx;
    fx.writeSettings(normalWindow(1000, 760, "Game=0\r\nAutoPlay=N\r\n"));
    auto w = fx.start();
    ASSERT_NE(w, nullptr);
    Engine& e = w->engine();
    Monkey monkey(*w, 2026);
    for (int id = 0; id < kGames; ++id) {
        SCOPED_TRACE("game " + std::to_string(id));
        if (!w->startGame(id, 1000 + id)) continue;
        const Table dealt = e.table;
        const auto cards = census(e);
        int changed = 0;
        for (int g = 0; g < kGesturesPerGame; ++g) {
            const Table before = e.table;
            answerBox([&] { monkey.gesture(); }, closeAnyBox);
            changed += !(e.table == before);
            ASSERT_EQ(census(e), cards) << "after gesture " << g;
        }
        EXPECT_GT(changed, 0); // the gestures do play
        if (!e.flags.test(StateFlag::InProgress)) continue; // ended: nothing to take back
        QAction* undo = w->action("mnuUndo");
        for (int n = 0; n < 1000 && undo->isEnabled(); ++n) answerBox([&] { undo->trigger(); }, closeAnyBox);
        EXPECT_TRUE(e.table == dealt);
    }
}

} // namespace
