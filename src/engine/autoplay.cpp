#include "engine/autoplay.h"

#include "engine/actions.h"
#include "engine/engine.h"
#include "engine/family_hooks.h"
#include "engine/rules.h"

#include <algorithm>

namespace vellamor {

namespace {

constexpr AutoTargets kFoundationsOnly{true, false, false, true};

bool offer(Engine& e, int card) {
    return isCard(card) && automaticMove(e, card, kFoundationsOnly);
}

} // namespace

bool autoplayMayRun(const Engine& e) {
    if (!e.game.dealShown || !e.flags.test(StateFlag::InProgress)) return false;
    const bool switchOn = e.play.prefs.autoplay && e.params[prm::AutoplayAvailable] != 0;
    return switchOn || e.game.tutorMode != 0;
}

AutoplayResult autoplayPassDetailed(Engine& e) {
    AutoplayResult result;
    if (!autoplayMayRun(e)) return result;
    e.flags.clear(StateFlag::Ended);
    const bool tutor = e.game.tutorMode != 0;
    const auto ended = [&] { return e.flags.test(StateFlag::Ended); };
    const bool grid = e.params[prm::GridRows] > 0 && e.params[prm::GridColumns] > 0;

    for (;;) {
        int sweep = 0;
        const auto stop = [&] { return ended() || (tutor && sweep > 0); };

        // 1. The reserves, repeated until they give nothing.
        for (;;) {
            int n = 0;
            for (int r = 0; r < e.reserveCount() && !stop(); ++r) {
                if (offer(e, e.table.reserves[r].top())) ++n, ++sweep, ++result.cardsMoved;
            }
            if (n == 0 || stop()) break;
        }
        // 2. The waste.
        if (!stop() && e.params[prm::WasteFaceDown] == 0 && offer(e, e.table.waste().top()))
            ++sweep, ++result.cardsMoved;
        // 3. The tableau piles.
        for (int i = 0; i < e.tableauCount() && !stop(); ++i) {
            if (grid && !gridFrees(e, i)) break;
            const int top = e.table.tableau[i].top();
            if (!isCard(top)) continue;
            if (!e.cards.faceUp(top)) {
                if (e.params[prm::AutoFaceUp] != 1 || !e.play.prefs.automaticFaceUp) continue;
                // Joins the previous undo step; in a tutor mode it is the move found.
                e.cards.setFaceUp(top, true);
                ++result.cardsTurned;
                if (tutor) {
                    ++sweep;
                    break;
                }
            }
            if (offer(e, top)) ++sweep, ++result.cardsMoved;
        }
        if (sweep == 0 || ended() || tutor) break;
    }
    if (e.flags.test(StateFlag::Won) && e.flags.test(StateFlag::InProgress))
        e.play.hooks->endGame(e);
    return result;
}

bool autoplayPass(Engine& e) {
    return autoplayPassDetailed(e).any();
}

int runAutoplay(Engine& e) {
    if (!autoplayMayRun(e)) return 0;
    int moved = 0;
    families::refill(e);
    // Cards that reached the foundations (and the discards of the second waste).
    const auto gathered = [&] {
        int n = e.table.secondWaste().size();
        for (const Pile& f : e.table.foundations)
            n += f.size();
        return n;
    };
    const int before = gathered();
    while (e.flags.test(StateFlag::InProgress) && e.play.hooks->autoplayPass(e))
        families::refill(e);
    moved = std::max(0, gathered() - before);
    return moved;
}

int setAutoplay(Engine& e, bool on) {
    if (e.game.tutorMode != 0) e.play.hooks->cancelTutor(e);
    e.play.prefs.autoplay = on;
    if (!on || e.params[prm::AutoplayAvailable] == 0) return 0;
    return runAutoplay(e);
}

} // namespace vellamor
