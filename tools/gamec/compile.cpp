#include "gamec/compile.h"

#include "catalogue/categories.h"
#include "engine/param_names.h"
#include "engine/rule_params.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

namespace vellamor::gamec {

namespace {

using catalogue::CatalogueGame;

constexpr int kTime = 497, kDifficulty = 498, kSkill = 499, kChance = 500, kWon = 501,
              kPlayed = 502;

std::optional<int> toInt(std::string_view s) {
    int v = 0;
    const auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (s.empty() || ec != std::errc() || p != s.data() + s.size()) return std::nullopt;
    return v;
}

std::vector<std::string> words(std::string_view s, std::string_view separators = " \t") {
    std::vector<std::string> out;
    std::size_t pos = 0;
    while (pos < s.size()) {
        const std::size_t start = s.find_first_not_of(separators, pos);
        if (start == std::string_view::npos) break;
        std::size_t end = s.find_first_of(separators, start);
        if (end == std::string_view::npos) end = s.size();
        out.emplace_back(s.substr(start, end - start));
        pos = end;
    }
    return out;
}

std::string lower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

template <std::size_t N>
std::optional<int> wordIndex(const char* const (&table)[N], const std::string& w) {
    for (std::size_t i = 0; i < N; ++i)
        if (w == table[i]) return static_cast<int>(i);
    return std::nullopt;
}

template <std::size_t N> std::string wordList(const char* const (&table)[N]) {
    std::string s;
    for (std::size_t i = 0; i < N; ++i)
        s += (i ? ", " : "") + std::string(table[i]);
    return s;
}

// Words that a parameter value may be written as.
std::optional<int> valueWord(const ParamName& p, const std::string& w) {
    const std::string_view name = p.name;
    if (p.min == 0 && p.max == 1) {
        if (w == "yes") return 1;
        if (w == "no") return 0;
    }
    if (w == "unlimited" && (name == "passes" || name == "tableau-max")) return -1;
    if (name.ends_with("-suit-rule")) {
        static const std::map<std::string, int> rules = {
            {"in-suit", 0},           {"same-colour", 1}, {"any-suit", 2},
            {"alternate-colours", 3}, {"no-building", 4}, {"other-suit", 21}};
        if (const auto it = rules.find(w); it != rules.end()) return it->second;
    }
    if (name.ends_with("-direction")) {
        if (w == "down") return 0;
        if (w == "up") return 1;
        if (w == "either") return 2;
    }
    if (name == "tableau-fill" || name == "foundation-base") {
        if (w == "any") return -1;
        if (w == "none") return 0;
        if (w == "ace") return 1;
        if (w == "king") return 13;
    }
    return std::nullopt;
}

struct Resolved {
    CompiledGame game;
    bool haveId = false, haveName = false, haveCategory = false;
    std::array<bool, 4> haveFigure{};
};

class Compiler {
public:
    explicit Compiler(const std::vector<SourceText>& sources) {
        for (const SourceText& s : sources) {
            SourceFile f = parseSource(s.text, s.path, errors);
            if (files_.count(f.stem)) {
                errors.push_back({s.path, 0, "a second source named \"" + f.stem + "\""});
                continue;
            }
            order_.push_back(f.stem);
            files_.emplace(f.stem, std::move(f));
        }
    }

    CompileResult run() {
        std::vector<CompiledGame> games;
        for (const std::string& stem : order_) {
            const Resolved* r = resolve(stem);
            if (!r) continue;
            if (checkComplete(*r)) games.push_back(r->game);
        }
        CompileResult result;
        checkCatalogue(games);
        for (const CompiledGame& g : games)
            checkGame(g);
        std::sort(games.begin(), games.end(), [](const CompiledGame& a, const CompiledGame& b) {
            return a.entry.id < b.entry.id;
        });
        for (const CompiledGame& g : games)
            for (const std::string& list : g.lists) {
                if (list == "popular") result.lists.popular.push_back(g.entry.id);
                if (list == "original") result.lists.original.push_back(g.entry.id);
                if (list == "children") result.lists.children.push_back(g.entry.id);
            }
        result.games = std::move(games);
        result.errors = std::move(errors);
        return result;
    }

    std::vector<Diagnostic> errors;

private:
    void error(const SourceFile& f, int line, std::string message) {
        errors.push_back({f.path, line, std::move(message)});
    }

    const Resolved* resolve(const std::string& stem) {
        if (const auto it = done_.find(stem); it != done_.end())
            return it->second ? &*it->second : nullptr;
        const SourceFile& f = files_.at(stem);
        if (inProgress_.count(stem)) {
            error(f, 0, "\"extends\" goes round in a circle through " + stem);
            return nullptr;
        }
        inProgress_.insert(stem);
        Resolved r;
        r.game.path = f.path;
        bool ok = true;
        for (const Statement& st : f.statements) {
            if (st.key != "extends") continue;
            if (!r.game.extends.empty()) {
                error(f, st.line, "a game extends one other game only");
                ok = false;
                continue;
            }
            const auto parent = files_.find(st.value);
            if (parent == files_.end()) {
                error(f, st.line, "\"extends\" names no source: " + st.value + ".game");
                ok = false;
                continue;
            }
            const Resolved* base = resolve(st.value);
            if (!base) {
                ok = false;
                continue;
            }
            // What a variant takes over: everything but its identity, text and lists.
            r.game.entry = base->game.entry;
            r.game.entry.id = 0;
            r.game.entry.name.clear();
            r.game.entry.params[kWon] = r.game.entry.params[kPlayed] = 0;
            r.haveCategory = base->haveCategory;
            r.haveFigure = base->haveFigure;
            r.game.extends = st.value;
        }
        for (const Statement& st : f.statements)
            if (st.key != "extends" && !apply(f, st, r)) ok = false;
        inProgress_.erase(stem);
        auto& slot = done_[stem];
        if (ok) slot = std::move(r);
        return slot ? &*slot : nullptr;
    }

    bool apply(const SourceFile& f, const Statement& st, Resolved& r) {
        CatalogueGame& e = r.game.entry;
        auto fail = [&](std::string message) {
            error(f, st.line, std::move(message));
            return false;
        };
        auto noPiles = [&]() {
            return !st.piles || fail("\"" + st.key + "\" takes no pile numbers");
        };
        auto yesNo = [&](bool& out) {
            if (st.value != "yes" && st.value != "no")
                return fail("\"" + st.key + "\" is yes or no, not \"" + st.value + "\"");
            out = st.value == "yes";
            return true;
        };
        auto figure = [&](int index, int slot, const auto& table) {
            const auto v = wordIndex(table, st.value);
            if (!v)
                return fail("\"" + st.key + "\" is one of " + wordList(table) + ", not \"" +
                            st.value + "\"");
            e.params[index] = static_cast<std::int16_t>(*v);
            r.haveFigure[slot] = true;
            return true;
        };

        if (st.key == "id") {
            if (!noPiles()) return false;
            const auto v = toInt(st.value);
            if (!v || *v < 0 || *v > 999)
                return fail("the id is a number from 0 to 999, not \"" + st.value + "\"");
            e.id = *v;
            r.haveId = true;
            return true;
        }
        if (st.key == "name") {
            if (!noPiles()) return false;
            if (st.value.empty() || st.value.size() > 50)
                return fail("the name has 1 to 50 characters");
            for (char c : st.value)
                if (static_cast<unsigned char>(c) < 32 || static_cast<unsigned char>(c) > 126)
                    return fail("the name may hold plain printable characters only");
            e.name = st.value;
            r.haveName = true;
            return true;
        }
        if (st.key == "category") {
            if (!noPiles()) return false;
            const auto v = toInt(st.value);
            if (!v || !catalogue::findCategory(*v) || *v == catalogue::kCustomCategory)
                return fail("unknown category \"" + st.value + "\"");
            e.category = *v;
            r.haveCategory = true;
            return true;
        }
        if (st.key == "new") return noPiles() && yesNo(e.isNew);
        if (st.key == "needs-wide-screen") return noPiles() && yesNo(e.wideOnly);
        if (st.key == "lists") {
            if (!noPiles()) return false;
            r.game.lists.clear();
            for (const std::string& w : words(st.value, " \t,")) {
                if (w != "popular" && w != "original" && w != "children")
                    return fail("unknown list \"" + w + "\" (popular, original, children)");
                if (std::find(r.game.lists.begin(), r.game.lists.end(), w) == r.game.lists.end())
                    r.game.lists.push_back(w);
            }
            return true;
        }
        if (st.key == "time") return noPiles() && figure(kTime, 0, kTimeWords);
        if (st.key == "difficulty") return noPiles() && figure(kDifficulty, 1, kDifficultyWords);
        if (st.key == "skill") return noPiles() && figure(kSkill, 2, kSkillWords);
        if (st.key == "chance") return noPiles() && figure(kChance, 3, kChanceWords);
        if (st.key == "tested") {
            if (!noPiles()) return false;
            const auto w = words(st.value);
            int won = -1, played = -1;
            if (w.size() == 3 && w[1] == "of") {
                won = toInt(w[0]).value_or(-1);
                played = toInt(w[2]).value_or(-1);
            }
            if (won < 0 || played < won || played > 32767)
                return fail("\"tested\" is written \"WON of PLAYED\"");
            e.params[kWon] = static_cast<std::int16_t>(won);
            e.params[kPlayed] = static_cast<std::int16_t>(played);
            return true;
        }
        if (st.key == "rules") {
            if (!noPiles()) return false;
            r.game.rules = st.value;
            return true;
        }
        if (st.key == "param") {
            if (!st.piles || st.piles->first != st.piles->second)
                return fail("\"param\" is followed by one index: param 491 = 1");
            const int index = st.piles->first;
            if (index >= RuleParams::kSize)
                return fail("parameter index " + std::to_string(index) + " is outside 1-502");
            if (index >= kTime)
                return fail(
                    "the figures are given with time, difficulty, skill, chance and tested");
            const auto v = toInt(st.value);
            if (!v || *v < -32768 || *v > 32767)
                return fail("the value of parameter " + std::to_string(index) +
                            " is a 16-bit number, not \"" + st.value + "\"");
            e.params[index] = static_cast<std::int16_t>(*v);
            return true;
        }

        const ParamName* p = findParamName(st.key);
        if (!p) return fail("unknown parameter name \"" + st.key + "\"");
        if (p->index >= kTime)
            return fail("the figures are given with time, difficulty, skill, chance and tested");
        int first = 1, last = 1;
        if (p->isGroup()) {
            if (!st.piles)
                return fail("\"" + st.key + "\" needs pile numbers, for example " + st.key + " 1-" +
                            std::to_string(p->count));
            first = st.piles->first;
            last = st.piles->second;
            if (last > p->count)
                return fail("\"" + st.key + "\" has piles 1-" + std::to_string(p->count) + " only");
        } else if (!noPiles()) {
            return false;
        }
        const int piles = last - first + 1;
        std::vector<int> values;
        const std::vector<std::string> tokens = words(st.value);
        auto number = [&](const std::string& t) -> std::optional<int> {
            if (const auto v = toInt(t)) return v;
            return valueWord(*p, t);
        };
        if (tokens.size() == 1 && tokens[0].find("..") != std::string::npos &&
            tokens[0].find("..") > 0) {
            const auto dots = tokens[0].find("..");
            const auto a = toInt(tokens[0].substr(0, dots)), b = toInt(tokens[0].substr(dots + 2));
            if (!a || !b) return fail("a range of values is written 1..7");
            const int step = *b >= *a ? 1 : -1;
            for (int v = *a;; v += step) {
                values.push_back(v);
                if (v == *b) break;
            }
        } else {
            for (const std::string& t : tokens) {
                const auto v = number(t);
                if (!v) return fail("\"" + t + "\" is not a value of " + st.key);
                values.push_back(*v);
            }
        }
        if (values.empty()) return fail("\"" + st.key + "\" needs a value");
        if (values.size() == 1) values.resize(static_cast<std::size_t>(piles), values[0]);
        if (static_cast<int>(values.size()) != piles)
            return fail(std::to_string(values.size()) + " values for " + std::to_string(piles) +
                        " piles");
        for (int i = 0; i < piles; ++i) {
            const int v = values[static_cast<std::size_t>(i)];
            if (v < p->min || v > p->max)
                return fail("value " + std::to_string(v) + " of " + st.key + " is outside " +
                            std::to_string(p->min) + ".." + std::to_string(p->max));
            e.params[static_cast<std::size_t>(p->index + first - 1 + i)] =
                static_cast<std::int16_t>(v);
        }
        return true;
    }

    bool checkComplete(const Resolved& r) {
        const SourceFile& f = files_.at(stemOf(r.game.path));
        bool ok = true;
        auto need = [&](bool have, const char* what) {
            if (!have) {
                error(f, 0, std::string("no ") + what + " given");
                ok = false;
            }
        };
        need(r.haveId, "id");
        need(r.haveName, "name");
        need(r.haveCategory, "category");
        need(!r.game.rules.empty(), "rules text");
        need(r.haveFigure[0], "time");
        need(r.haveFigure[1], "difficulty");
        need(r.haveFigure[2], "skill");
        need(r.haveFigure[3], "chance");
        return ok;
    }

    void checkCatalogue(const std::vector<CompiledGame>& games) {
        std::map<int, const CompiledGame*> ids;
        std::map<std::string, const CompiledGame*> names;
        for (const CompiledGame& g : games) {
            const auto [it, fresh] = ids.emplace(g.entry.id, &g);
            if (!fresh)
                errors.push_back({g.path, 0,
                                  "id " + std::to_string(g.entry.id) + " is also the id of " +
                                      it->second->path});
            const auto [nit, nfresh] = names.emplace(lower(g.entry.name), &g);
            if (!nfresh)
                errors.push_back(
                    {g.path, 0,
                     "the name \"" + g.entry.name + "\" is also the name in " + nit->second->path});
        }
        // Game n sits at list position n, so lookups by id hit directly.
        int expected = 0;
        for (const auto& [id, g] : ids) {
            if (id != expected)
                errors.push_back({g->path, 0,
                                  "ids must run from 0 without gaps: no game has id " +
                                      std::to_string(expected)});
            expected = id + 1;
        }
    }

    void checkGame(const CompiledGame& g) {
        const auto& p = g.entry.params;
        auto fail = [&](std::string message) { errors.push_back({g.path, 0, std::move(message)}); };
        const int cards = p[prm::Cards];
        if (cards != 52 && cards != 104 && cards != 156 && cards != 208)
            fail("cards is 52, 104, 156 or 208, not " + std::to_string(cards));
        if (p[prm::UsesJokers] == 1 && p[prm::Jokers] < 1) fail("uses-jokers needs jokers 1-4");
        // Entries of piles the game does not have must stay empty.
        struct Group {
            const char* name;
            int count;
        };
        const Group groups[] = {{"tableau-cards", p[prm::Tableaus]},
                                {"tableau-face-up", p[prm::Tableaus]},
                                {"reserve-cards", p[prm::Reserves]},
                                {"reserve-face-up", p[prm::Reserves]},
                                {"foundation-base-card", p[prm::Foundations]}};
        for (const Group& grp : groups) {
            const ParamName* n = findParamName(grp.name);
            for (int i = grp.count; i < n->count; ++i)
                if (p[static_cast<std::size_t>(n->index + i)] != 0) {
                    fail(std::string(grp.name) + " " + std::to_string(i + 1) +
                         " is set, but the game has " + std::to_string(grp.count) + " such piles");
                    break;
                }
        }
        const CardCount c = countCards(g.entry);
        if (c.dealt > c.deck || (!c.styleDealsRest && c.dealt != c.deck))
            fail("the deal places " + std::to_string(c.dealt) + " cards, but the game has " +
                 std::to_string(c.deck));
    }

    std::map<std::string, SourceFile> files_;
    std::vector<std::string> order_;
    std::map<std::string, std::optional<Resolved>> done_;
    std::set<std::string> inProgress_;
};

} // namespace

CardCount countCards(const CatalogueGame& game) {
    const auto& p = game.params;
    auto at = [&](int i) { return static_cast<int>(p[static_cast<std::size_t>(i)]); };
    const int cards = at(prm::Cards);
    const int copies = std::max(cards / 13, 0); // cards of one rank
    const int tableaus = std::clamp(at(prm::Tableaus), 0, 40);
    const int foundations = std::clamp(at(prm::Foundations), 0, 16);
    const int jokers = at(prm::UsesJokers) == 1 ? std::clamp(at(prm::Jokers), 0, 4) : 0;

    CardCount c;
    int deck = cards;
    switch (at(prm::ShortDeck)) {
    case 1: deck -= 5 * copies; break;
    case 2: deck -= 6 * copies; break;
    default: break;
    }
    switch (at(prm::DealStyle)) {
    case 9: deck = tableaus; break;
    case 11: deck = std::min(tableaus, 13); break;
    case 12: deck = tableaus == 3 ? 12 : tableaus == 4 ? 24 : 40; break;
    case 14: deck = 9; break;
    case 16: deck -= 2 * copies; break;
    case 21: deck -= 3 * copies; break;
    case 2:
    case 4:
    case 5:
    case 6:
    case 17:
    case 18:
    case 19:
    case 22: c.styleDealsRest = true; break;
    case 13: c.dealt += foundations; break;
    default: break;
    }
    c.deck = deck + jokers;

    for (int k = 0; k < foundations; ++k) {
        const int code = at(prm::FoundationBaseCard + k);
        if ((code >= 1 && code <= 13) || (code >= 101 && code <= 312) ||
            (code >= 51 && code <= 63) || code == 20 || code == 21 || code == 22 || code == 91 ||
            code == 93 || code == 94 || (code == 95 && k < 8))
            ++c.dealt;
    }
    if (at(prm::FoundationBaseCard) == 97) c.dealt += 8;
    switch (at(prm::FoundationBaseStyle)) {
    case 1:
    case 4:
    case 6:
    case 7:
    case 8: c.dealt += 1; break;
    case 2: c.dealt += foundations; break;
    case 5: c.dealt += copies; break;
    default: break;
    }
    if (at(prm::SecondWasteCard) != 0) ++c.dealt;
    for (int i = 0; i < 40; ++i) {
        const int n = at(prm::TableauCards + i);
        if (n >= 1 && n <= 1000)
            c.dealt += n;
        else if (n > 1000)
            ++c.dealt;
    }
    c.dealt += at(prm::StockCards) + at(prm::WasteCards) + at(prm::SecondWasteCards);
    for (int r = 0; r < 12; ++r)
        c.dealt += at(prm::ReserveCards + r);
    if (at(prm::NextCardToFoundation) == 1) ++c.dealt;
    return c;
}

CompileResult compile(const std::vector<SourceText>& sources) {
    return Compiler(sources).run();
}

CompileResult compileFolder(const std::string& folder) {
    namespace fs = std::filesystem;
    std::vector<std::string> paths;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec))
        if (entry.is_regular_file() && entry.path().extension() == ".game")
            paths.push_back(entry.path().string());
    if (ec) {
        CompileResult r;
        r.errors.push_back({folder, 0, "cannot read the folder: " + ec.message()});
        return r;
    }
    std::sort(paths.begin(), paths.end());
    std::vector<SourceText> sources;
    std::vector<Diagnostic> readErrors;
    for (const std::string& path : paths) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        if (!in)
            readErrors.push_back({path, 0, "cannot read the file"});
        else
            sources.push_back({path, text.str()});
    }
    CompileResult r = compile(sources);
    if (sources.empty() && readErrors.empty())
        r.errors.push_back({folder, 0, "holds no .game sources"});
    r.errors.insert(r.errors.begin(), readErrors.begin(), readErrors.end());
    return r;
}

} // namespace vellamor::gamec
