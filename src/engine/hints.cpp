// The hint search, its filter and history, and the tutor modes.
#include "engine/hints.h"

#include "engine/actions.h"
#include "engine/autoplay.h"
#include "engine/engine.h"
#include "engine/family_hooks.h"
#include "engine/rule_codes.h"
#include "engine/rules.h"
#include "engine/rules_internal.h"

#include <algorithm>
#include <array>
#include <utility>

namespace vellamor {

namespace {

constexpr int kMaxTargets = kFoundationCount + kTableauCount + kReserveCount + 1;
using Targets = std::array<PileId, kMaxTargets>;

int whereCode(PileKind kind) {
    switch (kind) {
    case PileKind::Waste: return 3;
    case PileKind::Tableau: return 4;
    case PileKind::Reserve: return 6;
    default: return -1;
    }
}

// Writes the 13 characters of the record into out (and a terminating NUL).
void writeRecord(const Hint& h, char (&out)[14]) {
    int card = h.card, where = -1, from = 0, kind = 1, to = 0;
    if (h.kind != HintKind::Stock) {
        where = whereCode(h.from.kind);
        from = where == 4 || where == 6 ? h.from.index : 0;
        kind = h.target.kind == PileKind::Waste ? 3 : static_cast<int>(h.target.kind);
        to = h.target.kind == PileKind::Reserve || h.target.kind == PileKind::Waste
                 ? 0
                 : h.target.index;
    }
    int at = 0;
    const auto put = [&](int value, int width) {
        if (value < 0) { // only -1 occurs: "where" of any other pile
            out[at++] = '-';
            value = -value;
            --width;
        }
        for (int d = width - 1; d >= 0; --d, value /= 10)
            out[at + d] = static_cast<char>('0' + value % 10);
        at += width;
    };
    put(card, 3);
    put(where, 2);
    put(from, 3);
    put(kind, 2);
    put(to, 3);
    out[at] = '\0';
}

bool inHistory(const Engine& e, const Hint& h) {
    char rec[14];
    writeRecord(h, rec);
    const std::string_view r(rec, 13);
    for (const std::string& old : e.hintHistory)
        if (old == r) return true;
    return false;
}

// Whether the card at `pos` of tableau pile i lies on a card below it and the
// rule test of that pile would accept it there.
bool builtOnBelow(const Engine& e, int i, int pos) {
    const Pile& pile = e.table.tableau[i];
    if (pos <= 0 || pos >= pile.size()) return false;
    const int below = pile[pos - 1];
    if (!isCard(below) || !isCard(pile[pos])) return false;
    using rules_detail::baseCode;
    using rules_detail::fillCode;
    const RuleTarget t{PileKind::Tableau,
                       i,
                       below,
                       fillCode(e, i),
                       e.params[prm::TableauSuitRule + i],
                       e.params[prm::TableauDirection + i],
                       baseCode(e, 0),
                       e.params[prm::TableauWrap + i]};
    const MovingBlock upper{pile[pos], tableau(i), pos, pile.size() - pos};
    return ruleTest(e, t, upper);
}

// The exception of the filter's first and third rules: every tableau pile whose
// face-up top card lies on another card is built correctly at its top.
bool everyTopBuilt(const Engine& e) {
    for (int i = 0; i < e.tableauCount(); ++i) {
        const Pile& pile = e.table.tableau[i];
        if (pile.size() < 2 || !e.cards.faceUp(pile.top())) continue;
        if (!builtOnBelow(e, i, pile.size() - 1)) return false;
    }
    return true;
}

// The one tableau pile of suit rules 17-19 that a card of the stock or waste is
// offered to.
std::optional<int> stockCardPile(const Engine& e, int card) {
    const MovingBlock m = movingBlock(e, card);
    std::optional<int> higherByOne, higher, fewest;
    for (int i = 0; i < e.tableauCount(); ++i) {
        const int rule = e.params[prm::TableauSuitRule + i];
        if (rule < 17 || rule > 19 || !tableauAccepts(e, i, m)) continue;
        const Pile& p = e.table.tableau[i];
        const int top = p.top();
        if (isCard(top) && !higherByOne && rank(top) == rank(card) + 1) higherByOne = i;
        if (isCard(top) && !higher && rank(top) > rank(card)) higher = i;
        if (!fewest || p.size() < e.table.tableau[*fewest].size()) fewest = i;
    }
    return higherByOne ? higherByOne : higher ? higher : fewest;
}

// The filter with the exception computed once per search (-1 not yet known).
class Filter {
public:
    Filter(const Engine& e, bool demo) : e_(e), demo_(demo) {}

    bool passes(const Hint& h) {
        if (h.kind == HintKind::Stock) return demo_ || !inHistory(e_, h);
        if (h.kind == HintKind::TurnUp) return !inHistory(e_, h);
        const bool fromTableau = h.from.kind == PileKind::Tableau;
        const Pile* source = fromTableau ? &e_.table.tableau[h.from.index] : nullptr;
        const bool onFaceUp =
            fromTableau && h.position > 0 && e_.cards.faceUp((*source)[h.position - 1]);
        if (h.target.kind == PileKind::Tableau) {
            if (onFaceUp && builtOnBelow(e_, h.from.index, h.position) && !exception())
                return false;
            if (fromTableau && h.position == 0 && e_.table.tableau[h.target.index].empty())
                return false;
            const int rule = e_.params[prm::TableauSuitRule + h.target.index];
            if ((h.from.kind == PileKind::Stock || h.from.kind == PileKind::Waste) && rule >= 17 &&
                rule <= 19 && stockCardPile(e_, h.card) != h.target.index)
                return false;
        }
        if (h.target.kind == PileKind::Reserve && onFaceUp && h.position == source->size() - 1 &&
            builtOnBelow(e_, h.from.index, h.position) && !exception())
            return false;
        if (h.target.kind == PileKind::Waste) return true;
        return !inHistory(e_, h);
    }

private:
    bool exception() {
        if (exception_ < 0) exception_ = everyTopBuilt(e_) ? 1 : 0;
        return exception_ == 1;
    }
    const Engine& e_;
    bool demo_;
    int exception_ = -1;
};

// --- the stock click tried on the side ----------------------------------------

class NoUndo final : public UndoSteps {
public:
    explicit NoUndo(UndoSteps& real) : real_(real) {}
    void push(Engine&) override {}
    void withdraw(Engine&) override {}
    void record(Engine&, std::string_view) override {}
    int count(const Engine& e, std::string_view code) const override {
        return real_.count(e, code);
    }
    void clearRedo(Engine&) override {}

private:
    UndoSteps& real_;
};

class TrialHooks final : public PlayHooks {
public:
    explicit TrialHooks(PlayHooks& real) : real_(real) {}
    bool winTest(const Engine& e) override { return real_.winTest(e); }
    void recomputeScore(Engine& e) override { real_.recomputeScore(e); }
    bool redealStyle(Engine& e) override { return real_.redealStyle(e); }
    bool autoplayPass(Engine&) override { return false; }
    void endGame(Engine&) override {}
    void cancelTutor(Engine&) override {}
    void showStockHint(Engine&) override { stockHinted = true; }
    void showLegalMove(Engine&) override {}
    bool stockHinted = false;

private:
    PlayHooks& real_;
};

// Runs `attempt(engine, before)` on the side, silently and without undo
// steps, and puts back everything it touched; `before` is the table as it
// was. Returns what the attempt returned.
template <class Attempt>
bool onTheSide(Engine& e, Attempt&& attempt) {
    std::vector<std::string> list, customList;
    std::swap(list, e.game.gameList);
    std::swap(customList, e.game.customGameList);
    const Table table = e.table;
    const CardRecords cards = e.cards;
    const TMainGame game = e.game;
    const StateRecord state = e.state;
    const StateFlags flags = e.flags;
    const int stockDeals = e.stockDeals;
    const auto rng = e.rng;
    EngineHost* host = &e.host();
    UndoSteps* undo = e.play.undo;
    PlayHooks* hooks = e.play.hooks;

    SilentHost silent;
    NoUndo noUndo(*undo);
    TrialHooks trial(*hooks);
    e.setHost(&silent);
    e.play.undo = &noUndo;
    e.play.hooks = &trial;
    const bool acted = attempt(e, table, trial);

    e.table = table;
    e.cards = cards;
    e.game = game;
    e.state = state;
    e.flags = flags;
    e.stockDeals = stockDeals;
    e.rng = rng;
    e.setHost(host);
    e.play.undo = undo;
    e.play.hooks = hooks;
    std::swap(list, e.game.gameList);
    std::swap(customList, e.game.customGameList);
    return acted;
}

// Whether a click on the stock (and its release) would do anything.
bool stockClickActs(Engine& e) {
    return onTheSide(e, [](Engine& x, const Table& before, const TrialHooks& trial) {
        x.game.tutorMode = 1;
        const CardRecords cards = x.cards;
        bool acted = stockClick(x);
        acted = releaseStock(x) || acted;
        return acted || trial.stockHinted || !(x.table == before) || !(x.cards == cards);
    });
}

// The first card the automatic refill would move, as a hint: the card that
// lands first on a tableau pile or a reserve, and where it came from.
std::optional<Hint> refillHint(Engine& e) {
    if (e.params[prm::RefillCode] == 0) return std::nullopt;
    Hint h;
    h.kind = HintKind::Refill;
    const bool found = onTheSide(e, [&](Engine& x, const Table& before, const TrialHooks&) {
        families::refill(x);
        const auto landed = [&](PileKind kind, int count, const auto& now, const auto& was) {
            for (int i = 0; i < count && i < static_cast<int>(now.size()); ++i) {
                if (now[i].size() <= was[i].size()) continue;
                const std::optional<PileId> from = before.locate(now[i][was[i].size()], x.tableauCount());
                if (!from) continue;
                h.card = now[i][was[i].size()];
                h.from = *from;
                h.position = before.pile(*from).size() - 1;
                h.target = PileId{kind, i};
                return true;
            }
            return false;
        };
        return landed(PileKind::Tableau, x.tableauCount(), x.table.tableau, before.tableau) ||
               landed(PileKind::Reserve, x.reserveCount(), x.table.reserves, before.reserves);
    });
    if (!found) return std::nullopt;
    return h;
}

// Whether a click on the card at the top of tableau pile `pile` would send it
// to the second waste (the up-or-down discard games).
bool discardClickActs(Engine& e, int card, PileId pile) {
    return onTheSide(e, [&](Engine& x, const Table& before, const TrialHooks&) {
        x.game.tutorMode = 0;
        return families::mouseDown(x, card, pile, false) && !(x.table == before);
    });
}

bool isDiscardGame(const Engine& e) {
    const int code = e.params[prm::Special];
    return code == 2 || code == 12 || code == 15;
}

// --- the search ------------------------------------------------------------------

class Search {
public:
    Search(Engine& e, bool demo) : e_(e), filter_(e, demo) {}

    std::optional<Hint> run() {
        if (autoplayStep()) return found_;
        if (const std::optional<Hint> refill = refillHint(e_); refill && filter_.passes(*refill)) return refill;
        const Pile& waste = e_.table.waste();
        if (e_.params[prm::WasteFaceDown] == 0 && e_.cards.faceUp(waste.top()) &&
            tryCard(waste.top(), {true, true, false, false}))
            return found_;
        const bool reserveTopsOnly = e_.params[prm::ReserveStyle] == 3;
        for (int r = 0; r < e_.reserveCount(); ++r) {
            const Pile& p = e_.table.reserves[r];
            for (int j = reserveTopsOnly ? p.size() - 1 : 0; j >= 0 && j < p.size(); ++j)
                if (tryCard(p[j], {true, true, false, false})) return found_;
        }
        if (tableauScan(false) || tableauScan(true)) return found_;
        if (isDiscardGame(e_)) {
            for (int i = 0; i < e_.tableauCount(); ++i) {
                const Pile& p = e_.table.tableau[i];
                if (p.empty()) continue;
                Hint click;
                click.kind = HintKind::Click;
                click.card = p.top();
                click.from = PileId{PileKind::Tableau, i};
                click.position = p.size() - 1;
                click.target = kSecondWaste;
                if (filter_.passes(click) && discardClickActs(e_, click.card, click.from)) return click;
            }
        }
        Hint stock;
        stock.kind = HintKind::Stock;
        stock.target = kStock;
        if (filter_.passes(stock) && stockClickActs(e_)) return stock;
        return std::nullopt;
    }

private:
    // Offers the card to the targets; the first that passes the filter is the
    // hint. `onlyReserves` keeps only reserve targets (the second tableau scan:
    // the others were offered by the first).
    bool tryCard(int card, const AutoTargets& targets, bool onlyReserves = false) {
        if (!isCard(card)) return false;
        const int n = automaticTargets(e_, card, targets, targets_);
        if (n == 0) return false;
        const MovingBlock m = movingBlock(e_, card);
        Hint h;
        h.card = card;
        h.from = *m.from;
        h.position = m.position;
        h.autoplay = targets.autoplay;
        for (int k = 0; k < n; ++k) {
            if (onlyReserves && targets_[k].kind != PileKind::Reserve) continue;
            h.target = targets_[k];
            h.count = targets_[k].kind == PileKind::Foundation ? 1 : m.count;
            if (filter_.passes(h)) {
                found_ = h;
                return true;
            }
        }
        return false;
    }

    // 1. What an autoplay pass would do first: the reserves' tops, the waste's
    // top, then the tableau tops, a face-down top being turned up.
    bool autoplayStep() {
        constexpr AutoTargets toFoundations{true, false, false, true};
        for (int r = 0; r < e_.reserveCount(); ++r)
            if (tryCard(e_.table.reserves[r].top(), toFoundations)) return true;
        if (e_.params[prm::WasteFaceDown] == 0 && tryCard(e_.table.waste().top(), toFoundations))
            return true;
        const bool grid = e_.params[prm::GridRows] > 0 && e_.params[prm::GridColumns] > 0;
        for (int i = 0; i < e_.tableauCount(); ++i) {
            if (grid && !gridFrees(e_, i)) break;
            const Pile& p = e_.table.tableau[i];
            const int top = p.top();
            if (!isCard(top)) continue;
            if (!e_.cards.faceUp(top)) {
                // A face-down top is turned up: by the pass where parameter 44
                // asks for it, else by the player's click on it.
                Hint h;
                h.kind = HintKind::TurnUp;
                h.card = top;
                h.from = h.target = tableau(i);
                h.position = p.size() - 1;
                if (filter_.passes(h)) {
                    found_ = h;
                    return true;
                }
                continue;
            }
            if (tryCard(top, toFoundations)) return true;
        }
        return false;
    }

    // 5 and 6. Every card of every tableau pile from the bottom up (only the
    // tops for tableau style 3), without and then with reserves as targets.
    bool tableauScan(bool reserves) {
        if (reserves && e_.reserveCount() == 0) return false;
        const bool topsOnly = e_.params[prm::TableauStyle] == 3;
        for (int i = 0; i < e_.tableauCount(); ++i) {
            const Pile& p = e_.table.tableau[i];
            for (int j = topsOnly ? p.size() - 1 : 0; j >= 0 && j < p.size(); ++j) {
                if (!e_.cards.faceUp(p[j])) continue;
                if (tryCard(p[j], {true, true, reserves, false}, reserves)) return true;
            }
        }
        return false;
    }

    Engine& e_;
    Filter filter_;
    Targets targets_{};
    Hint found_;
};

} // namespace

std::string hintRecord(const Hint& hint) {
    char rec[14];
    writeRecord(hint, rec);
    return std::string(rec, 13);
}

void recordHint(Engine& e, const Hint& hint) {
    e.hintHistory.push_back(hintRecord(hint));
    while (static_cast<int>(e.hintHistory.size()) > kHintHistoryRecords)
        e.hintHistory.erase(e.hintHistory.begin());
}

std::string hintHistoryText(const Engine& e) {
    std::string text;
    for (const std::string& r : e.hintHistory)
        text += r;
    return text;
}

bool hintFilterPasses(const Engine& e, const Hint& hint, bool demo) {
    Filter f(e, demo);
    return f.passes(hint);
}

std::optional<Hint> findHint(Engine& e, bool demo) {
    Search s(e, demo);
    return s.run();
}

bool makeHint(Engine& e, const Hint& h) {
    bool done = false;
    switch (h.kind) {
    case HintKind::Move: {
        Targets targets{};
        const int n = automaticTargets(e, h.card, {true, true, true, h.autoplay}, targets);
        if (std::find(targets.begin(), targets.begin() + n, h.target) == targets.begin() + n)
            return false;
        std::string name = pileName(h.target);
        if (h.target.kind == PileKind::Waste)
            name = "Stock02";
        else if (h.autoplay && h.target.kind == PileKind::Foundation)
            name = "Dest_Autoplay" + std::to_string(h.target.index + 1);
        done = moveCard(e, h.card, name);
        e.game.lastCardMoved = 0;
        break;
    }
    case HintKind::TurnUp: done = turnFaceUp(e, h.card); break;
    case HintKind::Refill: {
        const Table before = e.table;
        families::refill(e);
        done = !(e.table == before);
        break;
    }
    case HintKind::Click: {
        const Table before = e.table;
        done = families::mouseDown(e, h.card, h.from, false) && !(e.table == before);
        break;
    }
    case HintKind::Stock:
        done = stockClick(e);
        done = releaseStock(e) || done;
        break;
    }
    if (!done) return false;
    if (e.flags.test(StateFlag::Won) && e.flags.test(StateFlag::InProgress))
        e.play.hooks->endGame(e);
    if (e.flags.test(StateFlag::InProgress)) {
        families::refill(e);
        if (e.play.prefs.autoplay && e.params[prm::AutoplayAvailable] != 0 && e.game.dealShown) {
            while (e.flags.test(StateFlag::InProgress) && e.play.hooks->autoplayPass(e))
                families::refill(e);
        }
    }
    return true;
}

std::string_view hintDescription(const Engine& e, const Hint& h) {
    switch (h.kind) {
    case HintKind::Stock:
        return e.table.stock().empty() ? "Click to redeal" : "Click to turn up a card(s)";
    case HintKind::TurnUp:
    case HintKind::Refill:
    case HintKind::Click: return "Move a card";
    case HintKind::Move: break;
    }
    return h.count > 1 ? "Move a group of cards" : "Move a card";
}

bool showLegalMove(Engine& e, bool demo) {
    TMainGame& g = e.game;
    if (!e.flags.test(StateFlag::InProgress) || g.cardInHand) return false;
    if (g.tutorMode == 1) hideLegalMove(e);
    if (demo)
        g.tutorMode = 3;
    else if (g.tutorMode != 3)
        g.tutorMode = 1;
    demo = g.tutorMode == 3;
    g.tutorTimer = 0;
    const std::optional<Hint> hint = findHint(e, demo);
    if (!hint) {
        if (!demo) e.host().message("No other moves.");
        e.hintHistory.clear();
        g.tutorMode = 0;
        return false;
    }
    recordHint(e, *hint);
    if (demo) return makeHint(e, *hint);
    g.hintPending = 1;
    e.play.hintCard = hint->card;
    e.play.hintTarget = hint->target;
    return true;
}

std::optional<Hint> shownHint(const Engine& e) {
    if (e.game.tutorMode != 1 || !e.game.hintPending || !e.play.hintTarget) return std::nullopt;
    Hint h;
    h.card = e.play.hintCard;
    h.target = *e.play.hintTarget;
    if (h.card == 0) {
        h.kind = HintKind::Stock;
        return h;
    }
    const MovingBlock m = movingBlock(e, h.card);
    if (!m.from) return std::nullopt;
    h.from = *m.from;
    h.position = m.position;
    h.count = m.count;
    if (h.target == h.from) h.kind = HintKind::TurnUp;
    return h;
}

void hideLegalMove(Engine& e) {
    if (e.game.tutorMode == 1) e.game.tutorMode = 0;
}

bool tutorTick(Engine& e) {
    if (e.game.tutorMode != 1) return false;
    if (++e.game.tutorTimer < 3) return false;
    hideLegalMove(e);
    return true;
}

void cancelTutorMode(Engine& e) {
    e.game.tutorMode = 0;
    e.game.cardInHand = 0;
}

} // namespace vellamor
