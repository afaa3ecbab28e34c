#include "engine/undo.h"

#include "engine/engine.h"

namespace vellamor {

namespace {

bool has(const std::string& effects, std::string_view code) {
    for (std::size_t i = 0; i + 3 <= effects.size(); i += 3)
        if (std::string_view(effects.data() + i, 3) == code) return true;
    return false;
}

// What undo and redo share; `back` is true for undo.
bool step(Engine& e, bool back) {
    // A hint on show, a half-made selection and the hints already given go.
    if (e.game.tutorMode == 1) e.play.hooks->cancelTutor(e);
    e.game.hintPending = 0;
    e.game.selection = 0;
    e.game.selectionStep = 0;
    e.hintHistory.clear();

    UndoLog& from = back ? e.undoLog : e.redoLog;
    UndoLog& to = back ? e.redoLog : e.undoLog;
    const StateField mark = back ? field::UndoMade : field::RedoMade;
    const char policy = e.play.prefs.undoPolicy;
    if (!e.flags.test(StateFlag::InProgress) || from.empty() || policy == '2' ||
        (policy == '1' && e.state.read(mark) == "1")) {
        e.host().beep();
        return false;
    }
    e.state.write(mark, "1");
    e.host().sound(back ? "Undo" : "Redo");

    // The position now goes to the other log; for a redo the undo-made mark clears.
    to.push(e.table, e.cards, discardsOnFirstFoundation(e));
    e.state.write(back ? field::RedoMade : field::UndoMade, "0");

    const bool stockHeldCards = !e.table.stock().empty();
    const std::string effects = from.pop(e.table, e.cards);
    const bool stockHoldsCards = !e.table.stock().empty();

    const int sign = back ? -1 : 1;
    // A redeal taken back empties the stock again; brought back, it fills it.
    bool passDone = false;
    if (back ? (stockHeldCards && !stockHoldsCards) : (!stockHeldCards && stockHoldsCards)) {
        e.game.passNumber = static_cast<TMainGame::i16>(e.game.passNumber + sign);
        passDone = true;
    }
    if (has(effects, "002")) e.stockDeals += sign;
    if (has(effects, "003") && !passDone)
        e.game.passNumber = static_cast<TMainGame::i16>(e.game.passNumber + sign);
    if (has(effects, "004")) e.game.specialCounters[0] = back ? 0 : 1;
    to.setNewestEffects(effects);

    e.play.hooks->recomputeScore(e);
    e.flags.set(StateFlag::Won, e.play.hooks->winTest(e));
    if (e.undoLog.empty()) e.game.moveCounter = 0;
    return true;
}

} // namespace

bool discardsOnFirstFoundation(const Engine& e) {
    const int special = e.params[prm::Special];
    return e.params[prm::PairingTotal] != 0 || special == 3 || special == 4 || special == 67 ||
           special == 83 || special == 87;
}

bool undo(Engine& e) { return step(e, true); }
bool redo(Engine& e) { return step(e, false); }

} // namespace vellamor
