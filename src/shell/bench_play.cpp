#include "shell/bench_play.h"

#include "shell/main_window.h"

#include "engine/engine.h"
#include "layout/card_position.h"
#include "engine/rules.h"

namespace vellamor::shell {

namespace {
QPoint centreOfTop(const Engine& e, PileId p) {
    const Point at = cardPosition(e, p, 0);
    return {at.x + e.game.cardWidth / 2, at.y + e.game.cardHeight / 2};
}
} // namespace

int playMoves(TfrmMain& w, int n) {
    Engine& e = w.engine();
    using Ev = TfrmMain::TableEvent;
    int made = 0;
    for (int step = 0; step < 4 * n && made < n; ++step) {
        bool moved = false;
        for (int i = 0; i < e.tableauCount() && !moved; ++i) {
            const int card = e.table.tableau[i].top();
            if (!card || !e.cards.faceUp(card)) continue;
            for (int j = 0; j < e.tableauCount() && !moved; ++j) {
                if (j == i || e.table.tableau[j].empty() || !pileAccepts(e, tableau(j), card)) continue;
                const QPoint from = centreOfTop(e, tableau(i)), to = centreOfTop(e, tableau(j));
                w.tableMouse(Ev::Down, false, false, from);
                w.tableMouse(Ev::Move, false, false, from + QPoint(4, 4));
                w.tableMouse(Ev::Move, false, false, to);
                w.tableMouse(Ev::Up, false, false, to);
                moved = true;
            }
        }
        if (!moved && !e.table.stock().empty()) {
            const QPoint at = centreOfTop(e, kStock);
            const int before = e.table.stock().size();
            w.tableMouse(Ev::Down, false, false, at);
            w.tableMouse(Ev::Up, false, false, at);
            moved = e.table.stock().size() != before;
        }
        if (moved) ++made;
        else w.mnuNewClick();
    }
    return made;
}

} // namespace vellamor::shell
