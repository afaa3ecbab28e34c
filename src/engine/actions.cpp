// The move operation and the actions it performs.
#include "engine/actions.h"

#include "engine/actions_internal.h"
#include "engine/family_hooks.h"
#include "engine/redeal.h"
#include "engine/rule_codes.h"
#include "engine/rules.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <span>

namespace vellamor {

using namespace actions_detail;

namespace {

std::optional<int> numberAfter(std::string_view name, std::string_view prefix, int max) {
    if (!name.starts_with(prefix)) return {};
    const std::string_view digits = name.substr(prefix.size());
    int n = 0;
    const auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
    if (digits.empty() || ec != std::errc() || ptr != digits.data() + digits.size() || n < 1 ||
        n > max)
        return {};
    return n - 1;
}

} // namespace

std::optional<Action> parseAction(std::string_view name) {
    struct Fixed {
        std::string_view name;
        ActionKind kind;
    };
    static constexpr Fixed kFixed[] = {
        {"Mazzo_Vis", ActionKind::DealToWaste},
        {"Mazzo_Waste", ActionKind::DealToSecondWaste},
        {"Mazzo_Redeal", ActionKind::Redeal},
        {"Add_Tableaus", ActionKind::AddTableaus},
        {"Add_Tableaus_Last", ActionKind::AddTableausLast},
        {"Fill_Tableaus", ActionKind::FillTableaus},
        {"Add_Reserves", ActionKind::AddReserves},
        {"Waste", ActionKind::ToSecondWaste},
        {"Stock02", ActionKind::ToWaste},
        {"Selezionate_Dest", ActionKind::Family},
        {"Selezionate_Fila", ActionKind::Family},
        {"Stock_To_Pile_Monte_Carlo", ActionKind::Family},
        {"Selezionate_Dest_Deck", ActionKind::Family},
    };
    for (const Fixed& f : kFixed)
        if (name == f.name) return Action{f.kind, {}, std::string(name)};
    if (auto n = numberAfter(name, "Dest_Autoplay", kFoundationCount))
        return Action{ActionKind::ToFoundationAuto, foundation(*n), std::string(name)};
    if (auto n = numberAfter(name, "Add_Tableau_", kTableauCount))
        return Action{ActionKind::AddTableau, tableau(*n), std::string(name)};
    if (auto n = numberAfter(name, "Add_Reserve_", kReserveCount))
        return Action{ActionKind::AddReserve, reserve(*n), std::string(name)};
    if (const auto pile = parsePileName(name);
        pile && (pile->kind == PileKind::Tableau || pile->kind == PileKind::Foundation ||
                 pile->kind == PileKind::Reserve))
        return Action{ActionKind::ToPile, *pile, std::string(name)};
    return {};
}

namespace actions_detail {

void raiseStockDeals(Engine& e) {
    if (e.game.tutorMode != 1) ++e.stockDeals;
}

bool passLeft(const Engine& e) {
    const int passes = e.params[prm::Passes];
    return passes == -1 || e.game.passNumber < passes;
}

bool dealToTableau(Engine& e, int i, bool anyCode) {
    Pile& stock = e.table.stock();
    if (stock.empty() || i < 0 || i >= e.tableauCount()) return false;
    Pile& pile = e.table.tableau[i];
    const int code = e.params[prm::TableauStockDeal + i];
    if (!anyCode && (code < 1 || code > 16 || (code == 7 && pile.empty()))) return false;
    const int c = stock.top();
    if (!pile.push(c)) return false;
    stock.pop();
    e.cards.setFaceUp(c, anyCode || code != 6);
    e.host().cardMoved(c, static_cast<int>(PileKind::Stock), pileName(tableau(i)));
    collectRun(e, i);
    return true;
}

bool dealToReserve(Engine& e, int r) {
    Pile& stock = e.table.stock();
    if (stock.empty() || r < 0 || r >= e.reserveCount()) return false;
    Pile& pile = e.table.reserves[r];
    const int code = e.params[prm::ReserveStockDeal + r];
    if (code < 1 || code > 16 || (code == 7 && pile.empty())) return false;
    const int c = stock.top();
    if (!pile.push(c)) return false;
    stock.pop();
    e.cards.setFaceUp(c, code != 5);
    e.host().cardMoved(c, static_cast<int>(PileKind::Stock), pileName(reserve(r)));
    return true;
}

void turnWasteOver(Engine& e) {
    Pile& waste = e.table.waste();
    Pile& stock = e.table.stock();
    const bool faceDown = e.params[prm::StockFaceDown] != 0;
    while (!waste.empty()) {
        const int c = waste.top();
        waste.pop();
        stock.push(c);
        e.cards.setFaceUp(c, !faceDown);
    }
}

} // namespace actions_detail

namespace {

bool passesUsed(const Engine& e) {
    const int passes = e.params[prm::Passes];
    return passes != -1 && e.game.passNumber >= passes;
}

// Moves the card, or the block from it to the top, onto the target pile.
bool movePile(Engine& e, int card, PileId target, bool push) {
    const MovingBlock m = movingBlock(e, card);
    if (!m.from || *m.from == target) return false;
    Pile& source = e.table.pile(*m.from);
    Pile& dest = e.table.pile(target);
    const bool toFoundation = target.kind == PileKind::Foundation;
    const int count = toFoundation ? 1 : m.count;
    if (dest.size() + count > Pile::kCapacity) return false;
    if (push) pushStep(e);

    const int fromKind = static_cast<int>(m.from->kind);
    if (count == 1) {
        const bool hole = toFoundation && m.fromTableau() && e.params[prm::TableauStyle] == 12;
        source.erase(m.position);
        if (hole) source.insert(m.position, kHole);
        dest.push(card);
        e.cards.setFaceUp(card, true);
    } else {
        for (int j = m.position; j < source.size(); ++j) {
            dest.push(source[j]);
            e.cards.setFaceUp(source[j], true);
        }
        source.truncate(m.position);
    }
    e.host().cardMoved(card, fromKind, pileName(target));
    return true;
}

void sortFoundation(Engine& e, int f) {
    Pile& p = e.table.foundations[f];
    std::array<CardCode, Pile::kCapacity> codes{};
    std::copy(p.begin(), p.end(), codes.begin());
    std::sort(codes.begin(), codes.begin() + p.size());
    const int n = p.size();
    p.clear();
    for (int i = 0; i < n; ++i)
        p.push(codes[i]);
    if (n > 1) e.host().sound("Reorder");
}

int dealTableauRow(Engine& e, ActionKind kind, int only) {
    const int count = e.tableauCount();
    int dealt = 0;
    e.game.multiCardDeal = 1;
    switch (kind) {
    case ActionKind::AddTableau: dealt = dealToTableau(e, only); break;
    case ActionKind::FillTableaus:
        for (int i = 0; i < count; ++i)
            if (e.table.tableau[i].empty()) dealt += dealToTableau(e, i, true);
        break;
    case ActionKind::AddTableausLast: {
        // The row ends with the last pile: skip the first piles the stock cannot reach.
        int eligible = 0;
        for (int i = 0; i < count; ++i) {
            const int code = e.params[prm::TableauStockDeal + i];
            eligible += code >= 1 && code <= 16 && !(code == 7 && e.table.tableau[i].empty());
        }
        int skip = std::max(0, eligible - e.table.stock().size());
        for (int i = 0; i < count; ++i) {
            const int code = e.params[prm::TableauStockDeal + i];
            if (code < 1 || code > 16 || (code == 7 && e.table.tableau[i].empty())) continue;
            if (skip > 0) {
                --skip;
                continue;
            }
            dealt += dealToTableau(e, i);
        }
        break;
    }
    default:
        for (int i = 0; i < count && !e.table.stock().empty(); ++i)
            dealt += dealToTableau(e, i);
        break;
    }
    e.game.multiCardDeal = 0;
    return dealt;
}

// A reserve row; -1 when the deal is refused.
int dealReserveRow(Engine& e, ActionKind kind, int only) {
    if (e.params[prm::ReserveStockDeal] == 5 && passesUsed(e)) return 0;
    int first = 0, last = e.reserveCount();
    if (kind == ActionKind::AddReserve) first = only, last = only + 1;
    if (kind == ActionKind::AddReserves && e.params[prm::RedealStyle] == 18) {
        bool gap = false, reservesHold = false;
        for (int i = 0; i < e.tableauCount(); ++i)
            gap = gap || e.table.tableau[i].empty();
        for (int r = 0; r < 3 && r < kReserveCount; ++r)
            reservesHold = reservesHold || !e.table.reserves[r].empty();
        if (gap && reservesHold) {
            e.host().message("Fill in any gaps in the tableau before dealing.");
            return -1;
        }
        const int pass = e.game.passNumber;
        last = std::min(last, pass == 1 ? 3 : pass == 2 ? 2 : pass == 3 ? 1 : 0);
    }
    int dealt = 0;
    e.game.multiCardDeal = 1;
    for (int r = first; r < last; ++r)
        dealt += dealToReserve(e, r);
    e.game.multiCardDeal = 0;
    return dealt;
}

// A redeal that shows the stock pressed first and happens at the release.
bool pressedRedeal(Engine& e, bool style) {
    if (!e.game.stockPressed) {
        e.game.stockPressed = 1;
        e.host().stockPressed(true);
        return false;
    }
    e.game.stockPressed = 0;
    e.host().stockPressed(false);
    pushStep(e);
    ++e.game.passNumber;
    if (!style || redealCountsPass(e.params[prm::RedealStyle])) recordEffect(e, "003");
    if (style) {
        if (!e.play.hooks->redealStyle(e)) {
            --e.game.passNumber;
            withdrawStep(e);
            return false;
        }
        return true;
    }
    turnWasteOver(e);
    e.host().sound(e.play.prefs.redealAnimation ? "Redeal" : "Red_no_a");
    return true;
}

// The redeal when the stock is empty: the plain turn-over or the game's style.
bool redeal(Engine& e) {
    const int style = e.params[prm::RedealStyle];
    if (style < 1 || passesUsed(e)) {
        if (e.table.waste().size() > 1 && passLeft(e)) return pressedRedeal(e, false);
        return false;
    }
    return pressedRedeal(e, true);
}

bool dealToWaste(Engine& e, bool second, bool push) {
    Pile& stock = e.table.stock();
    if (stock.empty()) return second ? false : redeal(e);
    if (push) pushStep(e);
    if (e.params[prm::TableauStockDeal] == 12) dealTableauRow(e, ActionKind::AddTableaus, 0);
    Pile& target = second ? e.table.secondWaste() : e.table.waste();
    const int n = std::max(1, e.params[prm::StockTurnCount]);
    for (int i = 0; i < n && !stock.empty(); ++i) {
        const int c = stock.top();
        stock.pop();
        target.push(c);
        e.cards.setFaceUp(c, true);
        e.host().cardMoved(c, static_cast<int>(PileKind::Stock),
                           second ? "Mazzo_Waste" : "Mazzo_Vis");
        e.host().sound("Stock");
    }
    if (e.game.tutorMode == 0) e.game.playMark = 1;
    return true;
}

void autoFaceUp(Engine& e) {
    if (e.params[prm::AutoFaceUp] != 1 || !e.play.prefs.automaticFaceUp) return;
    for (int i = 0; i < e.tableauCount(); ++i) {
        const int top = e.table.tableau[i].top();
        if (top > 0 && !e.cards.faceUp(top)) e.cards.setFaceUp(top, true);
    }
}

} // namespace

bool actions_detail::perform(Engine& e, int card, const Action& a, bool push) {
    switch (a.kind) {
    case ActionKind::ToPile:
    case ActionKind::ToFoundationAuto: {
        if (!isCard(card)) return false;
        const auto from = e.table.locate(card);
        if (!movePile(e, card, a.pile, push)) return false;
        switch (a.pile.kind) {
        case PileKind::Tableau:
            e.host().sound("Tableau");
            families::afterTableauMove(e, card, a.pile);
            collectRun(e, a.pile.index);
            if (from && from->kind == PileKind::Tableau) collectRun(e, from->index);
            break;
        case PileKind::Foundation:
            e.host().sound(a.kind == ActionKind::ToFoundationAuto ? "Autoplay"
                           : e.params[prm::Special] == 12         ? "Eddy"
                                                                  : "Foundation");
            if (e.params[prm::SortFoundations] == 1) sortFoundation(e, a.pile.index);
            break;
        default: e.host().sound("Tableau"); break;
        }
        return true;
    }
    case ActionKind::DealToWaste: return dealToWaste(e, false, push);
    case ActionKind::DealToSecondWaste: return dealToWaste(e, true, push);
    case ActionKind::Redeal: return e.table.stock().empty() && redeal(e);
    case ActionKind::AddTableaus:
    case ActionKind::AddTableausLast:
    case ActionKind::FillTableaus:
    case ActionKind::AddTableau: {
        if (e.table.stock().empty()) return false;
        const bool pushes = push && a.kind != ActionKind::FillTableaus;
        if (pushes) pushStep(e);
        const int dealt = dealTableauRow(e, a.kind, a.pile.index);
        if (dealt == 0 && pushes) withdrawStep(e);
        return dealt > 0;
    }
    case ActionKind::AddReserves:
    case ActionKind::AddReserve: {
        if (e.table.stock().empty()) return false;
        if (push) pushStep(e);
        const int dealt = dealReserveRow(e, a.kind, a.pile.index);
        if (dealt <= 0 && push) withdrawStep(e);
        return dealt > 0;
    }
    case ActionKind::ToSecondWaste:
    case ActionKind::ToWaste: {
        const bool second = a.kind == ActionKind::ToSecondWaste;
        const PileId target = second ? kSecondWaste : kWaste;
        const auto from = e.table.locate(card);
        if (!from || *from == target) return false;
        if (push) pushStep(e);
        e.table.takeOut(card, TakeOutMode::Delete, e.tableauCount());
        e.table.pile(target).push(card);
        e.cards.setFaceUp(card, true);
        e.host().cardMoved(card, static_cast<int>(from->kind), pileName(target));
        if (!second)
            e.host().sound("Tableau");
        else if (e.params[prm::Special] == 12)
            e.host().sound("Eddy");
        return true;
    }
    case ActionKind::Family: return families::familyAction(e, card, a.name);
    }
    return false;
}

void actions_detail::afterAction(Engine& e, bool done, bool fromTableau, bool isMove) {
    TMainGame& g = e.game;
    if (done) g.hintPending = 0;
    e.play.hooks->recomputeScore(e);
    if (fromTableau && !(e.play.prefs.autoplay && e.params[prm::AutoplayAvailable] != 0))
        autoFaceUp(e);
    if (done && g.tutorMode != 1) e.play.undo->clearRedo(e);
    if (done && isMove) {
        g.moveCounter = static_cast<TMainGame::i16>(std::min(g.moveCounter + 1, 2));
        if (e.params[prm::FillAfterFirstMove] == 1 && g.moveCounter == 1) {
            g.moveCounter = 2;
            dealTableauRow(e, ActionKind::FillTableaus, 0);
            e.play.hooks->recomputeScore(e);
        }
    }
    if (done && g.tutorMode != 0 && g.playMark == -1) g.playMark = 0;
    e.flags.set(StateFlag::Won, e.play.hooks->winTest(e));
    g.lastCardMoved = 0;
}

bool moveCard(Engine& e, int card, const Action& a) {
    const auto from = isCard(card) ? e.table.locate(card) : std::nullopt;
    const bool fromTableau = from && from->kind == PileKind::Tableau;
    if (e.params[prm::FirstMoveToFoundation] == 1 && e.game.moveCounter == 0) {
        const bool toFoundation =
            (a.kind == ActionKind::ToPile || a.kind == ActionKind::ToFoundationAuto) &&
            a.pile.kind == PileKind::Foundation;
        if (!toFoundation || !fromTableau) return false;
    }
    const bool done = perform(e, card, a, true);
    afterAction(e, done, fromTableau);
    return done;
}

bool moveCard(Engine& e, int card, std::string_view action) {
    const auto a = parseAction(action);
    return a && moveCard(e, card, *a);
}

// --- completed runs ----------------------------------------------------------

bool collectRun(Engine& e, int index) {
    if (index < 0 || index >= kTableauCount) return false;
    Pile& pile = e.table.tableau[index];
    if (pile.size() < 13) return false;
    int target = -1;
    for (int f = 0; f < e.foundationCount(); ++f) {
        if (e.table.foundations[f].empty() && [&] {
                const int b = e.params[prm::FoundationBase + f];
                return b == 82 || b == 83 || b == 95 || b == 97 || b == 98 || b == 99;
            }()) {
            target = f;
            break;
        }
    }
    if (target < 0) return false;
    const int base = e.params[prm::FoundationBase + target];
    const bool downward = e.params[prm::FoundationBase] == 95;
    const int n = pile.size();
    const int top = pile[n - 1];
    std::array<bool, 14> seen{};
    for (int j = 0; j < 13; ++j) {
        const int c = pile[n - 1 - j];
        if (!isCard(c) || isJoker(c) || !e.cards.faceUp(c)) return false;
        const int above = j ? pile[n - j] : 0;
        if (base == 99) {
            if (seen[rank(c)]) return false;
            seen[rank(c)] = true;
            if (j && rank(c) != nextRank(rank(above)) && rank(c) != prevRank(rank(above)))
                return false;
        } else if (rank(c) != (downward ? 13 - j : 1 + j)) {
            return false;
        }
        switch (base) {
        case 83:
        case 95:
        case 97:
            if (suitIndex(c) != suitIndex(top)) return false;
            break;
        case 98:
            if (j && isRed(c) != isRed(above)) return false;
            break;
        case 82: {
            const int rule = e.params[prm::TableauSuitRule + index];
            if (rule == suit::AlternateColours && j && isRed(c) == isRed(above)) return false;
            if (rule == suit::InSuit && suitIndex(c) != suitIndex(top)) return false;
            break;
        }
        default: break;
        }
    }
    if (base != 95) {
        // The colour balance over the foundations that take any-suit runs.
        bool anyBalanced = false;
        for (int f = 0; f < e.foundationCount(); ++f)
            anyBalanced = anyBalanced || e.params[prm::FoundationBase + f] == 82;
        if (anyBalanced && !colourBalanceTest(e, 82, top)) return false;
    }
    e.host().sound("Redeal");
    const bool shown = !TMainGame::hidden(e.game.foundationX(target));
    const PileId to = shown ? foundation(target) : kSecondWaste;
    for (int j = 0; j < 13; ++j) {
        const int c = pile.top();
        pile.pop();
        e.table.pile(to).push(c);
        e.cards.setFaceUp(c, true);
        e.host().cardMoved(c, static_cast<int>(PileKind::Tableau), pileName(to));
    }
    return true;
}

// --- picking up, the count test, face-up ---------------------------------------

bool takeBlock(Engine& e, int card, bool toEmptyTableau) {
    const MovingBlock m = movingBlock(e, card);
    if (m.from) e.game.lastCardMoved = static_cast<TMainGame::i16>(e.table.pile(*m.from).top());
    const bool allowed = countAllows(e, m, toEmptyTableau);
    if (e.params[prm::TakeBlocks] != count_rule::Draw || m.count <= 1 || !m.fromTableau() ||
        e.game.tutorMode != 0)
        return allowed;
    if (e.game.passNumber != 3) {
        e.host().message("The Draw is allowed after the last Redeal.");
    } else if (e.game.specialCounters[0] == 1) {
        e.host().message("Only one Draw is permitted.");
    } else {
        Pile& pile = e.table.pile(*m.from);
        pushStep(e);
        pile.erase(m.position);
        pile.push(card);
        e.cards.setFaceUp(card, true);
        e.game.specialCounters[0] = 1;
        recordEffect(e, "004");
        e.host().cardMoved(card, static_cast<int>(PileKind::Tableau), pileName(*m.from));
        afterAction(e, true, true);
    }
    return allowed;
}

bool turnFaceUp(Engine& e, int card) {
    const auto from = e.table.locate(card);
    if (!from || from->kind != PileKind::Tableau || e.table.pile(*from).top() != card ||
        e.cards.faceUp(card))
        return false;
    pushStep(e);
    e.cards.setFaceUp(card, true);
    e.host().sound("Face_up");
    afterAction(e, true, false, false);
    return true;
}

namespace {

bool foundationGivesBack(const Engine& e, const Pile& pile, int card) {
    switch (e.params[prm::FoundationTakeBack]) {
    case 1: return true;
    case 2: return pile.size() >= 2;
    case 3: return isJoker(card);
    default: return false;
    }
}

bool reserveGives(const Engine& e, const MovingBlock& m) {
    const Pile& pile = e.table.pile(*m.from);
    switch (e.params[prm::ReserveTakeRule]) {
    case -11: return true;
    case -14: {
        const int r = m.from->index;
        if (r >= 10) return m.single();
        for (int j = r + 1; j < (r / 5 + 1) * 5; ++j)
            if (!e.table.reserves[j].empty()) return false;
        return m.single();
    }
    case -15: return m.single() && rowTestFrees(e, m);
    default: return m.single() && e.cards.faceUp(pile.top());
    }
}

bool allFaceUp(const Engine& e, const MovingBlock& m) {
    const Pile& pile = e.table.pile(*m.from);
    for (int j = m.position; j < pile.size(); ++j)
        if (pile[j] != kHole && !e.cards.faceUp(pile[j])) return false;
    return true;
}

// Whether the source lets the card go by an automatic move.
bool sourceAllows(const Engine& e, const MovingBlock& m) {
    const Pile& pile = e.table.pile(*m.from);
    switch (m.from->kind) {
    case PileKind::Waste: return m.single();
    case PileKind::Foundation: return m.single() && foundationGivesBack(e, pile, m.card);
    case PileKind::Reserve: return reserveGives(e, m);
    case PileKind::Tableau:
        if (!gridFrees(e, m.from->index)) return false;
        if (m.single()) return true;
        return e.params[prm::TakeBlocks] != 0 && allFaceUp(e, m) &&
               blockIsSequence(e, m, m.from->index) && countAllows(e, m, false);
    default: return false;
    }
}

bool shown(const Engine& e, PileId p) {
    const TMainGame& g = e.game;
    switch (p.kind) {
    case PileKind::Foundation: return !TMainGame::hidden(g.foundationX(p.index));
    case PileKind::Tableau: return !TMainGame::hidden(g.tableauX(p.index));
    case PileKind::Reserve: return !TMainGame::hidden(g.reserveX(p.index));
    default: return !TMainGame::hidden(g.stockX(static_cast<int>(p.kind) - 1));
    }
}

bool tryTarget(Engine& e, const MovingBlock& m, PileId target, bool autoplay) {
    if (!shown(e, target) || !pileAccepts(e, target, m)) return false;
    std::string name = pileName(target);
    if (target.kind == PileKind::Waste)
        name = "Stock02";
    else if (autoplay && target.kind == PileKind::Foundation)
        name = "Dest_Autoplay" + std::to_string(target.index + 1);
    return moveCard(e, m.card, name);
}

bool foundationsWaitForBases(const Engine& e) {
    if (e.foundationCount() == 0) return false;
    for (int f = 0; f < e.foundationCount(); ++f) {
        const int b = e.params[prm::FoundationBase + f];
        if ((b != 92 && b != 93) || !e.table.foundations[f].empty()) return false;
    }
    return true;
}

} // namespace

PickUp pickUp(Engine& e, int card) {
    if (!isCard(card)) return PickUp::No;
    const MovingBlock m = movingBlock(e, card);
    if (!m.from) return PickUp::No;
    const Pile& pile = e.table.pile(*m.from);
    switch (m.from->kind) {
    case PileKind::Tableau:
        if (!gridFrees(e, m.from->index)) return PickUp::No;
        if (m.single() && !e.cards.faceUp(card))
            return turnFaceUp(e, card) ? PickUp::TurnedUp : PickUp::No;
        if (!allFaceUp(e, m)) return PickUp::No;
        if (!m.single() && !blockIsSequence(e, m, m.from->index)) return PickUp::No;
        return takeBlock(e, card, false) ? PickUp::Yes : PickUp::No;
    case PileKind::Waste:
        return m.single() && e.params[prm::WasteFaceDown] == 0 ? PickUp::Yes : PickUp::No;
    case PileKind::Foundation:
        return m.single() && foundationGivesBack(e, pile, card) ? PickUp::Yes : PickUp::No;
    case PileKind::Reserve: return reserveGives(e, m) ? PickUp::Yes : PickUp::No;
    default: return PickUp::No;
    }
}

int automaticTargets(const Engine& e, int card, const AutoTargets& targets,
                     std::span<PileId> out) {
    if (!isCard(card) || !e.cards.faceUp(card)) return 0;
    const MovingBlock m = movingBlock(e, card);
    if (!m.from || !sourceAllows(e, m)) return 0;
    const bool firstMoveRule =
        e.params[prm::FirstMoveToFoundation] == 1 && e.game.moveCounter == 0;
    int n = 0;
    const auto offer = [&](PileId target) {
        if (n >= static_cast<int>(out.size())) return;
        if (firstMoveRule && (target.kind != PileKind::Foundation || !m.fromTableau())) return;
        if (shown(e, target) && pileAccepts(e, target, m)) out[n++] = target;
    };
    const int toFoundations = e.params[prm::AutoMovesToFoundations];
    if (targets.foundations && m.single() && (toFoundations == 0 || toFoundations == 1) &&
        !(targets.autoplay && foundationsWaitForBases(e))) {
        const int count = std::clamp(e.params[prm::Foundations], 0, kFoundationCount);
        for (int f = 0; f < count; ++f)
            if (!(toFoundations == 1 && e.table.foundations[f].empty())) offer(foundation(f));
    }
    if (targets.tableau) {
        for (int i = 0; i < e.tableauCount(); ++i)
            if (!e.table.tableau[i].empty() && tableau(i) != *m.from) offer(tableau(i));
        for (int i = 0; i < e.tableauCount(); ++i)
            if (e.table.tableau[i].empty()) offer(tableau(i));
    }
    if (targets.reserves && m.single()) {
        const int count = std::clamp(e.params[prm::Reserves], 0, kReserveCount);
        for (int r = 0; r < count; ++r)
            offer(reserve(r));
    }
    if (targets.tableau && *m.from != kWaste) offer(kWaste);
    return n;
}

bool automaticMove(Engine& e, int card, const AutoTargets& targets) {
    if (!isCard(card) || !e.cards.faceUp(card)) return false;
    const MovingBlock m = movingBlock(e, card);
    if (!m.from || !sourceAllows(e, m)) return false;
    bool moved = false;
    if (e.game.hintPending && card == e.play.hintCard && e.play.hintTarget) {
        moved = tryTarget(e, m, *e.play.hintTarget, targets.autoplay);
        e.game.lastCardMoved = 0;
        return moved;
    }
    const int toFoundations = e.params[prm::AutoMovesToFoundations];
    if (targets.foundations && m.single() && (toFoundations == 0 || toFoundations == 1) &&
        !(targets.autoplay && foundationsWaitForBases(e))) {
        const int n = std::clamp(e.params[prm::Foundations], 0, kFoundationCount);
        for (int f = 0; f < n && !moved; ++f) {
            if (toFoundations == 1 && e.table.foundations[f].empty()) continue;
            moved = tryTarget(e, m, foundation(f), targets.autoplay);
        }
    }
    if (targets.tableau) {
        for (int i = 0; i < e.tableauCount() && !moved; ++i)
            if (!e.table.tableau[i].empty() && tableau(i) != *m.from)
                moved = tryTarget(e, m, tableau(i), false);
        for (int i = 0; i < e.tableauCount() && !moved; ++i)
            if (e.table.tableau[i].empty()) moved = tryTarget(e, m, tableau(i), false);
    }
    if (targets.reserves && m.single()) {
        const int n = std::clamp(e.params[prm::Reserves], 0, kReserveCount);
        for (int r = 0; r < n && !moved; ++r)
            moved = tryTarget(e, m, reserve(r), false);
    }
    if (targets.tableau && !moved && *m.from != kWaste) moved = tryTarget(e, m, kWaste, false);
    e.game.lastCardMoved = 0;
    return moved;
}

namespace {
bool clickMove(Engine& e, int card, bool toFoundations, bool toTableau) {
    if (e.game.tutorMode != 0 || e.params[prm::ClickBothTargets] == 1)
        toFoundations = toTableau = true;
    if (!toFoundations && !toTableau) return false;
    const auto from = isCard(card) ? e.table.locate(card) : std::nullopt;
    if (!from || from->kind == PileKind::Stock) return false;
    const bool moved = automaticMove(e, card, {toFoundations, toTableau, toTableau, false});
    if (moved && e.game.tutorMode != 3) e.game.playMark = 1;
    return moved;
}
} // namespace

bool doubleClickMove(Engine& e, int card) {
    const auto from = isCard(card) ? e.table.locate(card) : std::nullopt;
    if (!from || from->kind == PileKind::Stock) return false;
    const Preferences& p = e.play.prefs;
    const bool ran = p.doubleClickToFoundations || p.doubleClickToTableaus ||
                     e.game.tutorMode != 0 || e.params[prm::ClickBothTargets] == 1;
    const bool moved = clickMove(e, card, p.doubleClickToFoundations, p.doubleClickToTableaus);
    if (ran) e.flags.set(StateFlag::DoubleClick);
    return moved;
}

bool rightClickMove(Engine& e, int card) {
    const Preferences& p = e.play.prefs;
    return clickMove(e, card, p.rightClickToFoundations, p.rightClickToTableaus);
}

} // namespace vellamor

namespace vellamor {
void beginPlay(Engine& e) {
    e.game.clickToMoveSetting = e.play.prefs.moveCardsDragAndDrop ? 0 : 1;
    e.game.clickToMove = e.game.clickToMoveSetting;
    e.game.selection = 0;
    e.game.selectionStep = 0;
    e.game.stockPressed = 0;
    e.play.hintCard = 0;
    e.play.hintTarget.reset();
}
} // namespace vellamor
