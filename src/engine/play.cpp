#include "engine/play.h"

#include "engine/end_game.h"
#include "engine/engine.h"

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
    e.undoLog.push_back(makeSnapshot(e.table, e.cards));
    effects_.resize(e.undoLog.size() - 1);
    effects_.emplace_back();
    e.undoMade = false;
}

void UndoSteps::withdraw(Engine& e) {
    if (e.undoLog.empty()) return;
    e.undoLog.pop_back();
    effects_.resize(e.undoLog.size());
}

void UndoSteps::record(Engine& e, std::string_view code) {
    if (e.undoLog.empty()) return;
    effects_.resize(e.undoLog.size());
    std::string& entry = effects_.back();
    if (entry.find(code) == std::string::npos) entry += code;
}

int UndoSteps::count(const Engine& e, std::string_view code) const {
    int n = 0;
    const std::size_t steps = std::min(effects_.size(), e.undoLog.size());
    for (std::size_t i = 0; i < steps; ++i)
        for (std::size_t at = 0; at + 3 <= effects_[i].size(); at += 3)
            n += effects_[i].compare(at, 3, code) == 0;
    return n;
}

void UndoSteps::clearRedo(Engine& e) {
    e.redoLog.clear();
}

int UndoSteps::size(const Engine& e) const {
    return static_cast<int>(e.undoLog.size());
}

// --- the plain game ---------------------------------------------------------

bool PlayHooks::winTest(const Engine& e) {
    return plainWinTest(e);
}

void PlayHooks::recomputeScore(Engine& e) {
    vellamor::recomputeScore(e);
}

void PlayHooks::cancelTutor(Engine& e) {
    e.game.tutorMode = 0;
}

} // namespace vellamor
