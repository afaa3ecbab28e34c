#include "cli/script.h"

#include "catalogue/pile_info.h"
#include "engine/actions.h"
#include "engine/autoplay.h"
#include "engine/demo.h"
#include "engine/hints.h"
#include "engine/deal.h"
#include "engine/end_game.h"
#include "engine/undo.h"
#include "layout/card_position.h"
#include "layout/layout.h"
#include "layout/table_geometry.h"
#include "engine/rules.h"
#include "engine/score.h"

#include <charconv>
#include <limits>
#include <sstream>
#include <vector>

namespace vellamor::cli {

namespace {

std::vector<std::string_view> words(std::string_view line) {
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r'))
            ++i;
        std::size_t j = i;
        while (j < line.size() && line[j] != ' ' && line[j] != '\t' && line[j] != '\r')
            ++j;
        if (j > i) out.push_back(line.substr(i, j - i));
        i = j;
    }
    return out;
}

bool integer(std::string_view s, long long& v) {
    const auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    return !s.empty() && ec == std::errc() && ptr == s.data() + s.size();
}

// A card code, 1-212, written with or without leading zeros; 0 only when allowed.
bool cardArg(std::string_view s, int& card, bool zeroAllowed = false) {
    long long v = 0;
    if (!integer(s, v) || v < (zeroAllowed ? 0 : 1) || v > kMaxCard) return false;
    card = static_cast<int>(v);
    return true;
}

const char* yesNo(bool b) {
    return b ? "yes" : "no";
}

// A hint as the driver prints it: card, where it lies, where it goes.
std::string hintText(const Hint& h) {
    if (h.kind == HintKind::Stock) return "0 Mazzo Mazzo";
    return std::to_string(h.card) + ' ' + pileName(h.from) + ' ' + pileName(h.target);
}

struct LineError {
    std::string text;
};

} // namespace

ScriptRunner::ScriptRunner(std::ostream& out) : out_(out), host_(out), engine_(&host_) {
    engine_.state.write(field::GameNumber, "0000000000000");
}

void ScriptRunner::setParams(const RuleParams& params) {
    loaded_ = params;
    loaded_.saveRanges();
    engine_.params = loaded_;
}

void ScriptRunner::setGameNumber(const std::string& digits13) {
    engine_.state.write(field::GameNumber, digits13);
}

ScriptResult ScriptRunner::runLine(std::string_view raw, int number) {
    std::string_view line = raw;
    if (const auto hash = line.find('#'); hash != std::string_view::npos)
        line = line.substr(0, hash);
    const std::vector<std::string_view> w = words(line);
    if (w.empty()) return {};
    const auto fail = [&](const std::string& what) {
        return ScriptResult{false, "line " + std::to_string(number) + ": " + what};
    };
    const std::string_view cmd = w[0];
    const std::size_t argc = w.size() - 1;
    const auto usage = [&](const char* form) {
        return fail("\"" + std::string(cmd) + "\" takes " + form + ": \"" + std::string(raw) +
                    "\"");
    };
    Engine& e = engine_;

    if (cmd == "deal") {
        if (argc != 0) return usage("no arguments");
        e.params = loaded_;
        if (!newGame(e)) return fail("no game to deal: the number of cards (index 378) is not set");
        e.game.dealShown = 1; // no deal animation here: the deal is shown at once
        if (now_ < e.clockStart) now_ = e.clockStart;
        return {};
    }
    if (cmd == "clear") {
        if (argc != 0) return usage("no arguments");
        e.table.clear();
        return {};
    }
    if (cmd == "set") {
        long long index = 0, value = 0;
        if (argc != 2 || !integer(w[1], index) || !integer(w[2], value))
            return usage("a parameter index and a value");
        if (index < 0 || index >= RuleParams::kSize)
            return fail("parameter index " + std::to_string(index) + " is outside 0-502");
        if (value < std::numeric_limits<std::int16_t>::min() ||
            value > std::numeric_limits<std::int16_t>::max())
            return fail("value " + std::to_string(value) + " does not fit in 16 bits");
        loaded_.set(static_cast<int>(index), static_cast<int>(value));
        loaded_.saveRanges();
        e.params.set(static_cast<int>(index), static_cast<int>(value));
        return {};
    }
    if (cmd == "pref") {
        if (argc != 2) return usage("a preference key and Y or N");
        if (!e.play.prefs.set(w[1], w[2]))
            return fail("unknown preference or value other than Y and N: \"" + std::string(raw) +
                        "\"");
        return {};
    }
    if (cmd == "pile") {
        if (argc < 1) return usage("a pile name and its units");
        const auto id = parsePileName(w[1]);
        if (!id) return fail("unknown pile \"" + std::string(w[1]) + "\"");
        std::string units; // the units may be written in groups separated by blanks
        for (std::size_t i = 2; i < w.size(); ++i)
            units += w[i];
        Pile parsed;
        CardRecords faces = e.cards;
        if (!restoreLine(parsed, faces, units))
            return fail(
                "units must be four characters each, a card code and a face flag 0 or 1: \"" +
                std::string(units) + "\"");
        for (int i = 0; i < parsed.size(); ++i) {
            const int c = parsed[i];
            if (c == kHole) continue;
            if (parsed.find(c) != i) return fail("card " + codeText(c) + " appears twice");
            const auto at = e.table.locate(c);
            if (at && !(*at == *id))
                return fail("card " + codeText(c) + " already lies on " + pileName(*at));
        }
        e.table.pile(*id) = parsed;
        e.cards = faces;
        return {};
    }
    if (cmd == "show") {
        if (argc == 0) {
            for (const std::string& l : makeSnapshot(e.table, e.cards))
                out_ << l << '\n';
            return {};
        }
        if (argc != 1) return usage("nothing or a pile name");
        const auto id = parsePileName(w[1]);
        if (!id) return fail("unknown pile \"" + std::string(w[1]) + "\"");
        out_ << snapshotLineText(e.table.pile(*id), e.cards) << '\n';
        return {};
    }
    if (cmd == "accepts") {
        int card = 0;
        if (argc != 2 || !cardArg(w[2], card)) return usage("a pile name and a card code 1-212");
        if (!parsePileName(w[1])) return fail("unknown pile \"" + std::string(w[1]) + "\"");
        out_ << yesNo(pileAccepts(e, w[1], card)) << '\n';
        return {};
    }
    if (cmd == "take") {
        int card = 0;
        if (argc < 1 || argc > 2 || !cardArg(w[1], card) || (argc == 2 && w[2] != "empty"))
            return usage("a card code 1-212 and optionally \"empty\"");
        out_ << yesNo(takeBlock(e, card, argc == 2)) << '\n';
        e.game.lastCardMoved = 0; // no drag follows the query
        return {};
    }
    if (cmd == "move") {
        int card = 0;
        if (argc != 2 || !cardArg(w[1], card, true)) return usage("a card code and an action name");
        const auto action = parseAction(w[2]);
        if (!action) return fail("unknown action \"" + std::string(w[2]) + "\"");
        bool done = false;
        if (action->kind == ActionKind::ToPile || action->kind == ActionKind::ToFoundationAuto) {
            done = card != 0 && pileAccepts(e, action->pile, card) && moveCard(e, card, *action);
        } else {
            if (card == 0) card = e.table.stock().top();
            done = moveCard(e, card, *action);
        }
        out_ << (done ? "done" : "refused") << '\n';
        return {};
    }
    if (cmd == "stock") {
        if (argc != 0) return usage("no arguments");
        bool done = stockClick(e);
        done = releaseStock(e) || done;
        out_ << (done ? "done" : "nothing") << '\n';
        return {};
    }
    if (cmd == "dblclick" || cmd == "rightclick") {
        int card = 0;
        if (argc != 1 || !cardArg(w[1], card)) return usage("a card code 1-212");
        const bool done = cmd == "dblclick" ? doubleClickMove(e, card) : rightClickMove(e, card);
        e.flags.clear(StateFlag::DoubleClick); // no mouse down follows in a script
        out_ << (done ? "done" : "refused") << '\n';
        return {};
    }
    if (cmd == "pass") {
        if (argc != 0) return usage("no arguments");
        out_ << e.game.passNumber << '\n';
        return {};
    }
    if (cmd == "counter") {
        long long k = 0;
        if (argc != 1 || !integer(w[1], k) || k < 0 || k > 4)
            return usage("0 (the stock-deal counter) or 1-4 (a special counter)");
        out_ << (k == 0 ? e.stockDeals : e.game.specialCounters[static_cast<std::size_t>(k - 1)])
             << '\n';
        return {};
    }
    if (cmd == "score") {
        if (argc != 0) return usage("no arguments");
        out_ << currentScore(e) << '\n';
        return {};
    }
    if (cmd == "undo" || cmd == "redo") {
        if (argc != 0) return usage("no arguments");
        const bool done = cmd == "undo" ? undo(e) : redo(e);
        out_ << (done ? "done" : "refused") << '\n';
        return {};
    }
    if (cmd == "redeal") {
        if (argc != 0) return usage("no arguments");
        if (!e.table.stock().empty()) return fail("the stock is not empty: use \"stock\"");
        bool done = stockClick(e);
        done = releaseStock(e) || done;
        out_ << (done ? "done" : "nothing") << '\n';
        return {};
    }
    if (cmd == "clock") {
        long long seconds = 0;
        if (argc != 1 || !integer(w[1], seconds) || seconds < 0 || seconds > 1'000'000)
            return usage("a number of seconds, 0 to 1000000");
        now_ += std::chrono::seconds(seconds);
        clockTick(e, now_);
        return {};
    }
    if (cmd == "end") {
        if (argc != 0) return usage("no arguments");
        struct Record : GameResults {
            bool told = false, won = false;
            long long seconds = 0;
            void gameLog(bool w, long long s, std::time_t) override {
                told = true;
                won = w;
                seconds = s;
            }
        } record;
        GameEndUi ui;
        const bool inProgress = e.flags.test(StateFlag::InProgress);
        const long long score = currentScore(e);
        const bool won = endGame(e, record, ui, now_);
        if (!inProgress) {
            out_ << "no game in progress\n";
            return {};
        }
        out_ << "won " << yesNo(won) << " seconds " << e.elapsedSeconds << " score " << score
             << (record.told ? "" : " (not counted)") << '\n';
        return {};
    }
    if (cmd == "table") {
        long long width = 0, height = 0;
        if (argc != 3 || w[1].size() != 1 || std::string_view("NMBSX").find(w[1][0]) == std::string_view::npos ||
            !integer(w[2], width) || !integer(w[3], height) || width < 100 || width > 10000 ||
            height < 100 || height > 10000)
            return usage("a card size N, M, B, S or X and the table's width and height, 100-10000");
        cardSize_ = w[1][0];
        tableWidth_ = static_cast<int>(width);
        tableHeight_ = static_cast<int>(height);
        return {};
    }
    if (cmd == "hit") {
        long long x = 0, y = 0;
        if (argc != 2 || !integer(w[1], x) || !integer(w[2], y)) return usage("x and y in pixels");
        layOut();
        CardPlace place;
        if (!hitTest(e, static_cast<int>(x), static_cast<int>(y), place, true)) {
            out_ << "none\n";
            return {};
        }
        out_ << pileName(place.pile) << ' ' << codeText(place.card) << ' ' << place.above << ' '
             << place.at.x << ' ' << place.at.y << '\n';
        return {};
    }
    if (cmd == "drop") {
        int card = 0;
        long long x = 0, y = 0;
        if (argc != 3 || !cardArg(w[1], card) || !integer(w[2], x) || !integer(w[3], y))
            return usage("a card code 1-212 and the x and y of its new top-left corner");
        layOut();
        CardPlace place;
        if (!placeOfCard(e, card, place) && !e.table.waste().contains(card))
            return fail("card " + codeText(card) + " lies on no pile that can be picked up");
        if (e.table.waste().top() == card) place.at = cardPosition(e, kWaste, 0);
        // Pick the block up one pixel inside its bottom card and let go so that
        // the card's corner lands on (x, y).
        LayoutGeometry geometry(e);
        PlayerInput input(e, geometry);
        input.mouseDown(MouseButton::Left, false, place.at.x + 1, place.at.y + 1);
        const bool inHand = input.cardInHand() == card;
        input.mouseMove(static_cast<int>(x) + 1, static_cast<int>(y) + 1);
        const bool done = input.mouseUp(static_cast<int>(x) + 1, static_cast<int>(y) + 1);
        out_ << (inHand && done ? "done" : "refused") << '\n';
        return {};
    }
    if (cmd == "autoplay") {
        if (argc > 1 || (argc == 1 && w[1] != "on" && w[1] != "off"))
            return usage("nothing, \"on\" or \"off\"");
        const bool on = argc == 0 || w[1] == "on";
        out_ << setAutoplay(e, on) << '\n';
        return {};
    }
    if (cmd == "hint") {
        if (argc != 0) return usage("no arguments");
        const bool found = showLegalMove(e);
        const auto h = found ? shownHint(e) : std::nullopt;
        if (!h)
            out_ << "none\n";
        else
            out_ << hintText(*h) << '\n';
        return {};
    }
    if (cmd == "demo") {
        long long max = 0;
        if (argc > 1 || (argc == 1 && (!integer(w[1], max) || max < 1 || max > 1000000)))
            return usage("nothing or a number of moves 1-1000000");
        if (!e.flags.test(StateFlag::InProgress)) return fail("no game in progress: \"deal\" first");
        class Lines final : public DemoHost {
        public:
            explicit Lines(std::ostream& out) : out_(out) {}
            void requestStep(int) override {}
            void aboutToMove(const Hint& h) override { out_ << "demo: " << hintText(h) << '\n'; }

        private:
            std::ostream& out_;
        } lines(out_);
        const DemoRun run = runDemo(e, static_cast<int>(max), &lines);
        out_ << run.moves << " moves, won " << yesNo(run.won) << '\n';
        return {};
    }
    if (cmd == "info" || cmd == "label") {
        if (argc != 1) return usage("a pile name");
        const auto id = parsePileName(w[1]);
        if (!id) return fail("unknown pile \"" + std::string(w[1]) + "\"");
        if (!e.flags.test(StateFlag::InProgress)) {
            out_ << "no game in progress\n";
            return {};
        }
        if (cmd == "info") {
            const catalogue::PileStatus s = catalogue::pileStatus(e, *id, &pileTexts_);
            out_ << s.name << '\t' << s.piles << '\t' << s.cards << '\t' << s.rule << '\t'
                 << s.redeals << '\n';
        } else {
            const catalogue::PileLabel l =
                catalogue::pileLabel(e, *id, cardSizeOf(cardSize_).width, &pileTexts_);
            out_ << l.name << '\t' << l.cards << '\n';
        }
        return {};
    }
    if (cmd == "texts") {
        long long gameId = e.state.readInt(field::GameId);
        const bool named = !e.state.read(field::GameId).empty();
        if (argc < 1 || argc > 2 ||
            (argc == 2 && (!integer(w[2], gameId) || gameId < 0 || gameId > 9999)))
            return usage("a pile-text file and a game id 0-9999");
        if (argc == 1 && !named) return fail("no game id: run with --game or give one");
        // The file is optional: one that cannot be read leaves the made texts.
        if (pileTexts_.load(std::string(w[1]), static_cast<int>(gameId)))
            out_ << pileTexts_.size() << " entries\n";
        else
            out_ << "no file\n";
        return {};
    }
    if (cmd == "won") {
        if (argc != 0) return usage("no arguments");
        out_ << yesNo(e.flags.test(StateFlag::Won)) << '\n';
        return {};
    }
    return fail("unknown command \"" + std::string(cmd) + "\"");
}

void ScriptRunner::layOut() {
    const CardSize size = cardSizeOf(cardSize_);
    setCardSpacing(engine_, size.letter);
    LayoutInput in;
    in.cardWidth = size.width;
    in.cardHeight = size.height;
    in.tableWidth = in.screenWidth = tableWidth_;
    in.windowHeight = in.clientHeight = in.screenHeight = tableHeight_;
    in.statusAllowance = 20;
    in.usableHeight = tableHeight_ - in.statusAllowance;
    in.topOffset = 28;
    layoutTable(engine_, in);
}

ScriptResult ScriptRunner::run(std::istream& in) {
    std::string line;
    for (int n = 1; std::getline(in, line); ++n) {
        ScriptResult r = runLine(line, n);
        if (!r.ok) return r;
    }
    if (in.bad()) return {false, "the script could not be read"};
    return {};
}

} // namespace vellamor::cli
