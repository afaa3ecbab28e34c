// The stock click: the game's own handling first, then the rules of the stock
// parameters and the special deals.
#include "engine/actions.h"
#include "engine/actions_internal.h"
#include "engine/family_hooks.h"

#include <algorithm>

namespace vellamor {

using namespace actions_detail;

namespace {

bool anyTableauEmpty(const Engine& e, int count) {
    for (int i = 0; i < count && i < kTableauCount; ++i)
        if (e.table.tableau[i].empty()) return true;
    return false;
}

bool run(Engine& e, std::string_view action) {
    return moveCard(e, e.table.stock().top(), action);
}

// Runs a deal made of single-card deals as one undo step and one action.
template <class Deal> bool compound(Engine& e, Deal deal) {
    pushStep(e);
    e.game.multiCardDeal = 1;
    const bool dealt = deal();
    e.game.multiCardDeal = 0;
    if (!dealt) withdrawStep(e);
    afterAction(e, dealt, false);
    return dealt;
}

bool dealRow(Engine& e) {
    int dealt = 0;
    for (int i = 0; i < e.tableauCount() && !e.table.stock().empty(); ++i)
        dealt += dealToTableau(e, i);
    return dealt > 0;
}

// Code 80: holes of the tableau are filled from the stock, and short piles are
// lengthened to the longest one.
bool fillHoles(Engine& e) {
    if (e.game.tutorMode == 1) {
        e.play.hooks->showStockHint(e);
        return true;
    }
    return compound(e, [&] {
        int longest = 0;
        for (int i = 0; i < e.tableauCount(); ++i)
            longest = std::max(longest, e.table.tableau[i].size());
        Pile& stock = e.table.stock();
        bool dealt = false;
        const auto give = [&](Pile& p, int at, int i) {
            const int c = stock.top();
            stock.pop();
            p.set(at, c);
            e.cards.setFaceUp(c, true);
            e.host().cardMoved(c, static_cast<int>(PileKind::Stock), pileName(tableau(i)));
            dealt = true;
        };
        for (int i = 0; i < e.tableauCount(); ++i) {
            Pile& p = e.table.tableau[i];
            for (int at = std::min(p.size(), 10) - 1; at >= 0 && !stock.empty(); --at)
                if (p[at] == kHole) give(p, at, i);
            while (p.size() < longest && !stock.empty() && p.push(kHole))
                give(p, p.size() - 1, i);
        }
        return dealt;
    });
}

// Parameter 295 = 9: piles topped up to three cards, then the waste.
bool topUpToThree(Engine& e) {
    return compound(e, [&] {
        bool dealt = false, redealt = false;
        for (int i = 0; i < e.tableauCount(); ++i) {
            Pile& p = e.table.tableau[i];
            while (p.size() < 3) {
                if (e.table.stock().empty()) {
                    if (redealt || e.table.waste().empty() || !passLeft(e)) break;
                    ++e.game.passNumber;
                    recordEffect(e, "003");
                    turnWasteOver(e);
                    redealt = dealt = true;
                    continue;
                }
                if (!dealToTableau(e, i, true)) break;
                dealt = true;
            }
        }
        if (!redealt && !e.table.stock().empty()) {
            const Action toWaste{ActionKind::DealToWaste, {}, "Mazzo_Vis"};
            dealt = perform(e, e.table.stock().top(), toWaste, false) || dealt;
        }
        return dealt;
    });
}

// The special deals of parameters 295 and 347; nullopt when none applies.
std::optional<bool> specialDeal(Engine& e) {
    const RuleParams& p = e.params;
    Table& t = e.table;
    const int tableauCode = p[prm::TableauStockDeal];
    const int reserveCode = p[prm::ReserveStockDeal];
    const int T = e.tableauCount();

    if (reserveCode == 3) {
        if (t.stock().size() == 8) return run(e, "Add_Tableaus_Last");
        return compound(e, [&] {
            const Action row{ActionKind::AddReserves, {}, "Add_Reserves"};
            const bool a = perform(e, 0, row, false);
            const bool b = perform(e, 0, row, false);
            return a || b;
        });
    }
    if (reserveCode == 4) {
        if (t.stock().empty()) return false;
        return compound(e, [&] {
            raiseStockDeals(e);
            const int r = e.stockDeals % 2 == 1 ? 0 : 1;
            int dealt = 0;
            for (int n = 0; n < 3 && !t.stock().empty(); ++n)
                dealt += dealToReserve(e, r);
            if (dealt) recordEffect(e, "002");
            return dealt > 0;
        });
    }
    if (tableauCode == 8 || p[prm::TableauStockDeal + 8] == 8) {
        return compound(e, [&] {
            bool dealt = false;
            for (int i = 0; i < T; ++i) {
                if (p[prm::TableauStockDeal + i] != 8) continue;
                for (int n = 0; n < 4 && !t.stock().empty(); ++n)
                    dealt = dealToTableau(e, i) || dealt;
            }
            return dealt;
        });
    }
    if (tableauCode == 10 || tableauCode == 11) {
        if (t.stock().empty()) return false;
        return compound(e, [&] {
            raiseStockDeals(e);
            const int c = e.stockDeals;
            const int first = tableauCode == 10 ? 8 * (c - 1) : 0;
            const int last = tableauCode == 10 ? 8 * c : T;
            bool dealt = false;
            for (int i = std::max(first, 0); i < last && i < T && !t.stock().empty(); ++i)
                dealt = dealToTableau(e, i) || dealt;
            recordEffect(e, "002");
            return dealt;
        });
    }
    if (tableauCode == 13) {
        return compound(e, [&] {
            bool dealt = false;
            if (t.tableau[0].empty()) {
                dealt = dealToTableau(e, 0);
                dealt = dealToTableau(e, 1) || dealt;
            } else if (t.tableau[2].empty()) {
                dealt = dealToTableau(e, 2);
            }
            if (dealt) families::showPartialScore(e);
            return dealt;
        });
    }
    if (tableauCode == 14) {
        if (t.stock().size() > T) return run(e, "Add_Tableaus");
        return compound(e, [&] {
            bool dealt = false;
            const int piles = t.stock().size() - 4;
            for (int i = 0; i < piles; ++i)
                dealt = dealToTableau(e, i) || dealt;
            for (int r = 0; r < 4; ++r)
                dealt = dealToReserve(e, r) || dealt;
            return dealt;
        });
    }
    if (reserveCode == 16) {
        for (int r = 0; r < 5; ++r) {
            if (!t.reserves[r].empty()) {
                if (e.game.tutorMode == 0)
                    e.host().message(
                        "You must play all the cards from the Reserve piles before dealing.");
                return false;
            }
        }
        return compound(e, [&] {
            bool dealt = false;
            for (int r = 0; r < 5; ++r)
                dealt = dealToReserve(e, r) || dealt;
            return dealt;
        });
    }
    return std::nullopt;
}

bool plainStockClick(Engine& e) {
    const RuleParams& p = e.params;
    Table& t = e.table;
    const int T = e.tableauCount();
    const int tableauCode = p[prm::TableauStockDeal];
    const int lastTableauCode = T > 0 ? p[prm::TableauStockDeal + T - 1] : 0;
    const int R = e.reserveCount();
    const int reserveCode = p[prm::ReserveStockDeal];
    const int lastReserveCode = R > 0 ? p[prm::ReserveStockDeal + R - 1] : 0;

    if (p[prm::WasteInPlay] == 1) {
        if (tableauCode == 9) return topUpToThree(e);
        if (tableauCode == 15) {
            if (e.play.undo->count(e, "002") < 3 && !t.stock().empty()) {
                return compound(e, [&] {
                    raiseStockDeals(e);
                    recordEffect(e, "002");
                    return dealRow(e);
                });
            }
            return run(e, "Mazzo_Vis");
        }
        switch (p[prm::TurnOverWhen]) {
        case 0: return run(e, "Mazzo_Vis");
        case 1: return t.waste().empty() && run(e, "Mazzo_Vis");
        case 2: return (t.waste().empty() || e.game.passNumber >= 3) && run(e, "Mazzo_Vis");
        default: return false;
        }
    }
    const int style = p[prm::RedealStyle];
    if ((style >= 1 && t.stock().empty()) || style == 6) return run(e, "Mazzo_Redeal");
    if (tableauCode == 1 || lastTableauCode == 1) {
        if (reserveCode != 5) return run(e, "Add_Tableaus");
        return compound(e, [&] {
            const bool a = dealRow(e);
            const Action row{ActionKind::AddReserves, {}, "Add_Reserves"};
            const bool b = perform(e, 0, row, false);
            return a || b;
        });
    }
    if (tableauCode == 2 || lastTableauCode == 2) {
        if (anyTableauEmpty(e, T)) {
            e.host().message("Fill in any gaps in the tableau before dealing.");
            return false;
        }
        return run(e, "Add_Tableaus");
    }
    if (reserveCode == 1 || lastReserveCode == 1) return run(e, "Add_Reserves");
    if (const auto special = specialDeal(e)) return *special;
    if (p[prm::SecondWasteArrangement] != 0) return run(e, "Mazzo_Waste");
    return false;
}

} // namespace

bool stockClick(Engine& e) {
    const RuleParams& p = e.params;
    Table& t = e.table;
    // A game whose first move must go from the tableau to a foundation deals nothing before it.
    if (p[prm::FirstMoveToFoundation] == 1 && e.game.moveCounter == 0) return false;
    switch (p[prm::Special]) {
    case 4:
    case 67:
    case 83:
    case 87:
        if (!t.stock().empty() && !t.foundations[0].empty() && families::stockClick(e)) return true;
        break;
    case 49:
        if (anyTableauEmpty(e, p[prm::Tableaus] - 1)) {
            e.host().message("You must fill any space(s) on the foundations before dealing new "
                             "cards to the reserve.");
            return false;
        }
        break;
    case 51:
        if ((!t.stock().empty() || !t.waste().empty()) && anyTableauEmpty(e, e.tableauCount())) {
            if (e.game.tutorMode == 0)
                e.host().message("You must fill any space on the tableau before dealing.");
            return false;
        }
        break;
    case 56:
        if (!t.stock().empty()) return families::stockClick(e);
        if (e.game.passNumber >= p[prm::Passes]) return false;
        break;
    case 73:
        if (t.stock().empty()) {
            if (e.game.tutorMode == 1) {
                e.play.hooks->showStockHint(e);
                return false;
            }
            return compound(e, [&] {
                ++e.game.passNumber;
                recordEffect(e, "003");
                if (e.play.hooks->redealStyle(e)) return true;
                --e.game.passNumber;
                return false;
            });
        }
        break;
    case 76: return families::stockClick(e);
    case 80:
        if (fillHoles(e)) return true;
        break;
    default: break;
    }
    return plainStockClick(e);
}

bool releaseStock(Engine& e) {
    if (!e.game.stockPressed) return false;
    return moveCard(e, e.table.stock().top(), "Mazzo_Vis");
}

} // namespace vellamor
