#include "catalogue/pile_info.h"

#include "engine/engine.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <fstream>

namespace vellamor::catalogue {

namespace {

// The scrambling key of the pile-text file: 15 bytes, each 1 to 4.
constexpr std::array<unsigned char, 15> kScrambleKey{2, 4, 1, 3, 3, 1, 4, 2, 2, 3, 1, 4, 4, 1, 3};

// Every key is the game id (4 digits), the kind letter and three characters.
constexpr std::size_t kKeyLength = 8;

constexpr std::string_view kTopCardToPlay =
    "The top card is available for play to the foundations or to the tableau";

// Examples of the building sentence by suit rule (0-3) and direction (0 down,
// 1 up, 2 up or down).
constexpr std::string_view kMethods[4] = {" in suit", " by the same color", " regardless of suit",
                                          " in alternating colors"};
constexpr std::string_view kExamples[4][3] = {
    {"(ex. 10 [s] on Jack [s])", "(ex. 2 [h] on Ace [h])", "(ex. 10 [d] on 9 [d] or on Jack [d])"},
    {"(ex. 10 [h] on Jack [h][d])", "(ex. 2 [h] on Ace [h][d])",
     "(ex. 10 [d] on 9 [d][h] or on Jack [d][h])"},
    {"(ex. 10 [d] on Jack [h][c][d][s])", "(ex. 2 [h] on Ace [h][c][d][s])",
     "(ex. 10 [c] on any 9 or on any Jack)"},
    {"(ex. 10 [d] on Jack [c][s])", "(ex. 2 [s] on Ace [h][d])",
     "(ex. 10 [h] on 9 [c][s] or on Jack [c][s])"},
};
constexpr std::string_view kDirections[3] = {"down", "up", "up or down"};

std::string_view kindName(PileKind kind) {
    switch (kind) {
    case PileKind::Stock: return "Stock";
    case PileKind::Waste:
    case PileKind::SecondWaste: return "Waste";
    case PileKind::Foundation: return "Foundation";
    case PileKind::Tableau: return "Tableau";
    case PileKind::Reserve: return "Reserve";
    }
    return {};
}

std::string pilesOfKind(const Engine& e, PileKind kind) {
    switch (kind) {
    case PileKind::Foundation: return std::to_string(e.foundationCount());
    case PileKind::Tableau: return std::to_string(e.tableauCount());
    case PileKind::Reserve: return std::to_string(e.reserveCount());
    default: return "1";
    }
}

// A key of the pile-text file: id, kind letter, then `tail` (3 characters).
using Key = std::array<char, kKeyLength>;
Key makeKey(int id, char kind, char a, char b, char c) {
    Key k{};
    k[0] = static_cast<char>('0' + id / 1000 % 10);
    k[1] = static_cast<char>('0' + id / 100 % 10);
    k[2] = static_cast<char>('0' + id / 10 % 10);
    k[3] = static_cast<char>('0' + id % 10);
    k[4] = kind;
    k[5] = a;
    k[6] = b;
    k[7] = c;
    return k;
}
char digit(int n) {
    return static_cast<char>('0' + n % 10);
}

// The stock deals its cards to the tableau or the reserves when some pile of
// the game takes cards from it.
bool stockDealsTo(const Engine& e, int base, int count) {
    for (int i = 0; i < count; ++i)
        if (e.params[base + i] > 0) return true;
    return false;
}

} // namespace

// ---- the building sentence ----------------------------------------------------------

std::string buildingSentence(int suitRule, int direction, int override) {
    const int rule = override == -1 ? suitRule : override;
    if (rule == 4) return "The top card is available for play to the foundations ";
    if (rule < 0 || rule > 3 || direction < 0 || direction > 2) return " ";
    const auto r = static_cast<std::size_t>(rule), d = static_cast<std::size_t>(direction);
    std::string s;
    s.reserve(80);
    s += "Build ";
    s += kDirections[d];
    s += kMethods[r];
    s += ' ';
    s += kExamples[r][d];
    return s;
}

// ---- the pile-text file -----------------------------------------------------------------

std::string scramble(std::string_view plain) {
    std::string out(plain);
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = static_cast<char>(static_cast<unsigned char>(out[i]) +
                                   kScrambleKey[i % kScrambleKey.size()]);
    return out;
}

std::string unscramble(std::string_view stored) {
    std::string out(stored);
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = static_cast<char>(static_cast<unsigned char>(out[i]) -
                                   kScrambleKey[i % kScrambleKey.size()]);
    return out;
}

std::string scrambledEntry(std::string_view key, std::string_view value) {
    return scramble(key) + '=' + scramble(value);
}

char pileTextKind(PileKind kind) {
    switch (kind) {
    case PileKind::Stock: return 'S';
    case PileKind::Waste:
    case PileKind::SecondWaste: return 'W';
    case PileKind::Foundation: return 'F';
    case PileKind::Tableau: return 'T';
    case PileKind::Reserve: return 'R';
    }
    return '?';
}

int pileTextNumber(PileId pile) {
    switch (pile.kind) {
    case PileKind::Stock:
    case PileKind::Waste: return 1;
    case PileKind::SecondWaste: return 2;
    default: return pile.index + 1;
    }
}

bool PileTexts::load(const std::string& path, int id) {
    clear();
    if (id < 0 || id > 9999) return false;
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    id_ = id;
    const Key prefix = makeKey(id, ' ', ' ', ' ', ' ');
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        // A line of this program's form: an 8-character key, '=', the value.
        if (line.size() <= kKeyLength || line[kKeyLength] != '=') continue;
        std::string key = unscramble(std::string_view(line).substr(0, kKeyLength));
        if (!std::equal(prefix.begin(), prefix.begin() + 4, key.begin())) continue;
        entries_.emplace_back(std::move(key),
                              unscramble(std::string_view(line).substr(kKeyLength + 1)));
    }
    return !in.bad();
}

void PileTexts::clear() {
    id_ = -1;
    entries_.clear();
}

void PileTexts::add(std::string key, std::string value) {
    if (key.size() >= 4) id_ = std::atoi(key.substr(0, 4).c_str());
    entries_.emplace_back(std::move(key), std::move(value));
}

const std::string* PileTexts::find(std::string_view key) const {
    for (const auto& [k, v] : entries_)
        if (k == key) return &v;
    return nullptr;
}

const std::string* PileTexts::sentence(PileId pile) const {
    if (entries_.empty()) return nullptr;
    const char kind = pileTextKind(pile.kind);
    const int n = pileTextNumber(pile);
    const Key own = makeKey(id_, kind, digit(n / 100), digit(n / 10), digit(n));
    if (const std::string* s = find(std::string_view(own.data(), own.size()))) return s;
    const Key all = makeKey(id_, kind, '0', '0', '0');
    return find(std::string_view(all.data(), all.size()));
}

const std::string* PileTexts::naming(PileId pile) const {
    if (entries_.empty()) return nullptr;
    const int n = pileTextNumber(pile);
    const Key k = makeKey(id_, pileTextKind(pile.kind), 'D', digit(n / 10), digit(n));
    return find(std::string_view(k.data(), k.size()));
}

// ---- pile information ---------------------------------------------------------------------

std::string cardCountText(int n) {
    if (n == 1) return "1 card";
    return std::to_string(n) + " cards";
}

int pileCardCount(const Engine& e, PileId pile) {
    // Holes keep the places of a grid tableau (styles 8 and 12); only the
    // places that hold a card count, on any pile.
    return e.table.pile(pile).cardCount();
}

std::string pileRuleText(const Engine& e, PileId pile) {
    const RuleParams& p = e.params;
    switch (pile.kind) {
    case PileKind::Stock: {
        if (e.table.stock().empty()) {
            const int passes = p[prm::Passes];
            if (passes == -1 || e.game.passNumber < passes) return "Click to redeal";
            return {};
        }
        if (p[prm::WasteInPlay] == 1) {
            const int n = p[prm::StockTurnCount];
            if (n == 1) return "Click to turn up one card at a time to the waste";
            if (n >= 2)
                return "Click to turn up " + std::to_string(n) + " cards at a time to the waste";
            return {};
        }
        if (stockDealsTo(e, prm::TableauStockDeal, std::max(e.tableauCount(), 1)))
            return "Click to deal a new row of cards to the tableau";
        if (stockDealsTo(e, prm::ReserveStockDeal, std::max(e.reserveCount(), 1)))
            return "Click to deal a new row of cards to the reserve";
        return {};
    }
    case PileKind::Waste:
    case PileKind::Reserve: return std::string(kTopCardToPlay);
    case PileKind::SecondWaste: return {};
    case PileKind::Foundation:
        return buildingSentence(p[prm::FoundationSuitRule + pile.index],
                                p[prm::FoundationDirection + pile.index],
                                p[prm::FoundationRuleNamed]);
    case PileKind::Tableau:
        return buildingSentence(p[prm::TableauSuitRule + pile.index],
                                p[prm::TableauDirection + pile.index], p[prm::TableauRuleNamed]);
    }
    return {};
}

std::string redealText(const Engine& e) {
    const int passes = e.params[prm::Passes];
    if (passes == -1) return "Unlimited redeals";
    if (passes <= 0) return "No redeal";
    return std::to_string(e.game.passNumber - 1) + "/" + std::to_string(passes - 1) + " redeals";
}

std::string redealsLeftText(const Engine& e) {
    const int passes = e.params[prm::Passes];
    if (passes == -1) return "Unlimited";
    if (passes <= 0) return "none";
    return std::to_string(e.game.passNumber - 1) + "/" + std::to_string(passes - 1);
}

namespace {
// The "D" entry laid over the name and the piles text: the name before the
// comma and the two characters after it. Without a comma the name is empty
// and the piles text stays as made.
void applyNaming(const std::string& naming, std::string& name, std::string* piles) {
    const std::size_t comma = naming.find(',');
    if (comma == std::string::npos) {
        name.clear();
        return;
    }
    name.assign(naming, 0, comma);
    if (piles) piles->assign(naming, comma + 1, 2);
}
} // namespace

PileStatus pileStatus(const Engine& e, PileId pile, const PileTexts* texts) {
    PileStatus s;
    s.name = kindName(pile.kind);
    s.piles = pilesOfKind(e, pile.kind);
    s.cards = cardCountText(pileCardCount(e, pile));
    const std::string* sentence = texts ? texts->sentence(pile) : nullptr;
    s.rule = sentence ? *sentence : pileRuleText(e, pile);
    s.redeals = redealText(e);
    if (const std::string* naming = texts ? texts->naming(pile) : nullptr)
        applyNaming(*naming, s.name, &s.piles);
    return s;
}

PointerPanelTexts pointerPanelTexts(const Engine& e, PileId pile, const PileTexts* texts) {
    PointerPanelTexts t;
    std::string name(kindName(pile.kind));
    std::string piles = pilesOfKind(e, pile.kind);
    if (const std::string* naming = texts ? texts->naming(pile) : nullptr)
        applyNaming(*naming, name, &piles);
    t.heading = name + " (" + piles + ")";
    t.cards = cardCountText(pileCardCount(e, pile));
    t.showRedeals = pile.kind == PileKind::Stock;
    if (t.showRedeals) {
        t.redealsCaption = "Redeals:";
        t.redeals = redealsLeftText(e);
    }
    return t;
}

PileLabel pileLabel(const Engine& e, PileId pile, int cardWidth, const PileTexts* texts) {
    PileLabel l{pile, std::string(kindName(pile.kind)), cardCountText(pileCardCount(e, pile))};
    if (const std::string* naming = texts ? texts->naming(pile) : nullptr)
        applyNaming(*naming, l.name, nullptr);
    if (l.name == "Foundation")
        l.name = "Found.";
    else if (cardWidth <= 70 && l.name == "Tableau")
        l.name = "Tabl.";
    else if (cardWidth <= 70 && l.name == "Reserve")
        l.name = "Res.";
    return l;
}

std::vector<PileId> labelledPiles(const Engine& e) {
    const TMainGame& g = e.game;
    std::vector<PileId> out;
    out.reserve(
        static_cast<std::size_t>(3 + e.tableauCount() + e.reserveCount() + e.foundationCount()));
    for (int i = 0; i < e.tableauCount(); ++i)
        if (!TMainGame::hidden(g.tableauX(i))) out.push_back(tableau(i));
    for (int i = 0; i < e.reserveCount(); ++i)
        if (!TMainGame::hidden(g.reserveX(i))) out.push_back(reserve(i));
    for (int i = 0; i < e.foundationCount(); ++i)
        if (!TMainGame::hidden(g.foundationX(i))) out.push_back(foundation(i));
    const PileId stockGroup[3] = {kStock, kWaste, kSecondWaste};
    for (int i = 0; i < 3; ++i)
        if (!TMainGame::hidden(g.stockX(i))) out.push_back(stockGroup[i]);
    return out;
}

} // namespace vellamor::catalogue
