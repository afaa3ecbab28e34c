#include "engine/play.h"

#include "engine/autoplay.h"
#include "engine/end_game.h"
#include "engine/hints.h"
#include "engine/engine.h"
#include "engine/redeal.h"
#include "engine/undo.h"

#include <algorithm>
#include <cctype>

namespace vellamor {

namespace {
bool sameKey(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}
} // namespace

bool Preferences::set(std::string_view key, std::string_view value) {
    if (sameKey(key, "Undo_Enabled")) {
        if (value != "0" && value != "1" && value != "2") return false;
        undoPolicy = value[0];
        return true;
    }
    if (value != "Y" && value != "N") return false;
    const bool on = value == "Y";
    struct Entry {
        std::string_view key;
        bool Preferences::*field;
    };
    static constexpr Entry kEntries[] = {
        {"Move_Cards_DragAndDrop", &Preferences::moveCardsDragAndDrop},
        {"DoubleClick_To_Foundations", &Preferences::doubleClickToFoundations},
        {"DoubleClick_To_Tableaus", &Preferences::doubleClickToTableaus},
        {"RightClick_To_Foundations", &Preferences::rightClickToFoundations},
        {"RightClick_To_Tableaus", &Preferences::rightClickToTableaus},
        {"Show_Partial_Hidden_Card", &Preferences::showPartialHiddenCard},
        {"Show_Main_Popup_Menu", &Preferences::showMainPopupMenu},
        {"Automatic_FaceUp", &Preferences::automaticFaceUp},
        {"Redeal_Animation", &Preferences::redealAnimation},
        {"ShowPilesSize", &Preferences::showPilesSize},
        {"ConfirmQuitGame", &Preferences::confirmQuitGame},
    };
    for (const Entry& entry : kEntries) {
        if (!sameKey(entry.key, key)) continue;
        this->*entry.field = on;
        return true;
    }
    return false;
}

// --- undo steps ---------------------------------------------------------------

void UndoSteps::push(Engine& e) {
    e.undoLog.push(e.table, e.cards, discardsOnFirstFoundation(e));
    e.state.write(field::UndoMade, "0");
}

void UndoSteps::withdraw(Engine& e) { e.undoLog.withdraw(); }

void UndoSteps::record(Engine& e, std::string_view code) { e.undoLog.record(code); }

int UndoSteps::count(const Engine& e, std::string_view code) const { return e.undoLog.count(code); }

void UndoSteps::clearRedo(Engine& e) { e.redoLog.clear(); }

int UndoSteps::size(const Engine& e) const { return e.undoLog.size(); }

// --- the plain game ---------------------------------------------------------

bool PlayHooks::redealStyle(Engine& e) { return runRedealStyle(e); }

bool PlayHooks::winTest(const Engine& e) {
    return plainWinTest(e);
}

void PlayHooks::recomputeScore(Engine& e) {
    vellamor::recomputeScore(e);
}

bool PlayHooks::autoplayPass(Engine& e) { return vellamor::autoplayPass(e); }

void PlayHooks::cancelTutor(Engine& e) { cancelTutorMode(e); }

void PlayHooks::showLegalMove(Engine& e) { vellamor::showLegalMove(e, false); }

} // namespace vellamor
