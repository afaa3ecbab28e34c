#include "engine/table.h"

#include <charconv>

namespace vellamor {

void CardRecords::setTopFaces(const Pile& pile, int n, bool up) {
    for (int i = std::max(0, pile.size() - n); i < pile.size(); ++i) setFaceUp(pile[i], up);
}

void CardRecords::setFacesByPattern(const Pile& pile, int pattern) {
    for (int i = 0; i < pile.size(); ++i) {
        bool up = false;
        switch (pattern) {
        case -1: up = i % 2 == 0; break;
        case -2: up = i % 2 == 1; break;
        case -3: up = i == 0; break;
        default: return;
        }
        setFaceUp(pile[i], up);
    }
}

Pile& Table::pile(PileId id) {
    return const_cast<Pile&>(static_cast<const Table&>(*this).pile(id));
}

const Pile& Table::pile(PileId id) const {
    switch (id.kind) {
    case PileKind::Stock: return stockGroup[0];
    case PileKind::Waste: return stockGroup[1];
    case PileKind::SecondWaste: return stockGroup[2];
    case PileKind::Foundation: return foundations[id.index];
    case PileKind::Tableau: return tableau[id.index];
    case PileKind::Reserve: return reserves[id.index];
    }
    return stockGroup[0];
}

void Table::clear() {
    for (auto& p : stockGroup) p.clear();
    for (auto& p : foundations) p.clear();
    for (auto& p : tableau) p.clear();
    for (auto& p : reserves) p.clear();
}

std::optional<PileId> Table::locate(int code, int tableauCount) const {
    if (!isCard(code)) return {};
    if (waste().contains(code)) return kWaste;
    for (int i = 0; i < std::min(tableauCount, kTableauCount); ++i)
        if (tableau[i].contains(code)) return vellamor::tableau(i);
    for (int i = 0; i < kFoundationCount; ++i)
        if (foundations[i].contains(code)) return foundation(i);
    if (stock().contains(code)) return kStock;
    if (secondWaste().contains(code)) return kSecondWaste;
    for (int i = 0; i < kReserveCount; ++i)
        if (reserves[i].contains(code)) return reserve(i);
    return {};
}

int Table::takeOut(int code, TakeOutMode mode, int tableauCount) {
    const auto where = locate(code, tableauCount);
    if (!where) return kNotFound;
    Pile& p = pile(*where);
    const int i = p.find(code);
    switch (mode) {
    case TakeOutMode::Delete: p.erase(i); break;
    case TakeOutMode::LeaveHole: p.set(i, kHole); break;
    case TakeOutMode::DeleteWithHole:
        p.erase(i);
        {
            const int below = i > 0 ? i - 1 : 0;
            if (below < p.size() && p[below] == kHole) p.erase(below);
        }
        break;
    }
    return static_cast<int>(where->kind);
}

std::string snapshotLineText(const Pile& pile, const CardRecords& cards) {
    std::string out;
    out.reserve(pile.size() * 4);
    for (CardCode c : pile) {
        if (c < 1) {
            out += "0000";
        } else {
            out += codeText(c);
            out += cards.faceUp(c) ? '1' : '0';
        }
    }
    return out;
}

Snapshot makeSnapshot(const Table& table, const CardRecords& cards) {
    Snapshot s;
    for (int i = 0; i < kPileLines; ++i) s[i] = snapshotLineText(table.line(i), cards);
    return s;
}

namespace {
bool parseLine(std::string_view line, Pile& pile, CardRecords& cards) {
    if (line.size() % 4 != 0) return false;
    pile.clear();
    for (std::size_t i = 0; i < line.size(); i += 4) {
        int code = 0;
        const char* first = line.data() + i;
        auto [ptr, ec] = std::from_chars(first, first + 3, code);
        const char face = line[i + 3];
        if (ec != std::errc() || ptr != first + 3 || (face != '0' && face != '1')) return false;
        if (!pile.push(code)) return false;
        if (code != kHole) cards.setFaceUp(code, face == '1');
    }
    return true;
}
} // namespace

bool restoreLine(Pile& pile, CardRecords& cards, std::string_view line) {
    Pile parsed;
    CardRecords faces = cards;
    if (!parseLine(line, parsed, faces)) return false;
    pile = parsed;
    cards = faces;
    return true;
}

bool restoreSnapshot(Table& table, CardRecords& cards, std::span<const std::string> lines) {
    if (lines.size() != kPileLines) return false;
    Table parsed;
    CardRecords faces = cards;
    for (int i = 0; i < kPileLines; ++i)
        if (!parseLine(lines[i], parsed.line(i), faces)) return false;
    table = parsed;
    cards = faces;
    return true;
}

} // namespace vellamor
