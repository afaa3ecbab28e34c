#include "engine/pile.h"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace vellamor {

int Pile::cardCount() const {
    return static_cast<int>(std::count_if(begin(), end(), [](CardCode c) { return c != kHole; }));
}

int Pile::find(int code) const {
    const CardCode* p = std::find(begin(), end(), static_cast<CardCode>(code));
    return p == end() ? -1 : static_cast<int>(p - begin());
}

bool Pile::push(int code) {
    if (size_ >= kCapacity || code < 0 || code > kMaxCard) return false;
    cards_[size_++] = static_cast<CardCode>(code);
    return true;
}

bool Pile::insert(int index, int code) {
    if (size_ >= kCapacity || code < 0 || code > kMaxCard || index < 0 || index > size_)
        return false;
    std::memmove(&cards_[index + 1], &cards_[index], size_ - index);
    cards_[index] = static_cast<CardCode>(code);
    ++size_;
    return true;
}

void Pile::erase(int index) {
    if (index < 0 || index >= size_) return;
    std::memmove(&cards_[index], &cards_[index + 1], size_ - index - 1);
    --size_;
}

std::string Pile::text() const {
    std::string out;
    out.reserve(size_ * 3);
    for (CardCode c : *this) out += codeText(c);
    return out;
}

bool Pile::setText(std::string_view text) {
    if (text.size() % 3 != 0 || text.size() / 3 > kCapacity) return false;
    Pile parsed;
    for (std::size_t i = 0; i < text.size(); i += 3) {
        int code = 0;
        auto [ptr, ec] = std::from_chars(text.data() + i, text.data() + i + 3, code);
        if (ec != std::errc() || ptr != text.data() + i + 3 || !parsed.push(code)) return false;
    }
    *this = parsed;
    return true;
}

bool operator==(const Pile& a, const Pile& b) {
    return a.size_ == b.size_ && std::equal(a.begin(), a.end(), b.begin());
}

std::string pileName(PileId id) {
    switch (id.kind) {
    case PileKind::Stock: return "Mazzo";
    case PileKind::Waste: return "Mazzo_Vis";
    case PileKind::SecondWaste: return "Mazzo_Waste";
    case PileKind::Tableau: return "Fila" + std::to_string(id.index + 1);
    case PileKind::Foundation: return "Dest" + std::to_string(id.index + 1);
    case PileKind::Reserve: return "Appogg" + std::to_string(id.index + 1);
    }
    return {};
}

namespace {
// The pile number is read from (up to) two characters after the prefix.
std::optional<PileId> numbered(std::string_view digits, PileKind kind, int count) {
    digits = digits.substr(0, 2);
    int n = 0;
    auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
    if (digits.empty() || ec != std::errc() || ptr != digits.data() + digits.size()) return {};
    if (n < 1 || n > count) return {};
    return PileId{kind, n - 1};
}
} // namespace

std::optional<PileId> parsePileName(std::string_view name) {
    if (name == "Mazzo") return kStock;
    if (name == "Mazzo_Vis") return kWaste;
    if (name == "Mazzo_Waste") return kSecondWaste;
    if (name.starts_with("Fila")) return numbered(name.substr(4), PileKind::Tableau, kTableauCount);
    if (name.starts_with("Dest"))
        return numbered(name.substr(4), PileKind::Foundation, kFoundationCount);
    if (name.starts_with("Appogg"))
        return numbered(name.substr(6), PileKind::Reserve, kReserveCount);
    return {};
}

int snapshotLine(PileId id) {
    switch (id.kind) {
    case PileKind::Stock: return 0;
    case PileKind::Waste: return 1;
    case PileKind::SecondWaste: return 2;
    case PileKind::Foundation: return 3 + id.index;
    case PileKind::Tableau: return 3 + kFoundationCount + id.index;
    case PileKind::Reserve: return 3 + kFoundationCount + kTableauCount + id.index;
    }
    return -1;
}

PileId pileOfLine(int line) {
    if (line == 0) return kStock;
    if (line == 1) return kWaste;
    if (line == 2) return kSecondWaste;
    line -= 3;
    if (line < kFoundationCount) return foundation(line);
    line -= kFoundationCount;
    if (line < kTableauCount) return tableau(line);
    return reserve(line - kTableauCount);
}

int firstFreeSlot(const CardCode* codes, int count, int start, bool forwards) {
    if (count <= 0) return -1;
    start = std::clamp(start, 0, count - 1);
    if (forwards) {
        for (int i = start; i < count; ++i)
            if (codes[i] == kHole) return i;
    } else {
        for (int i = start; i >= 0; --i)
            if (codes[i] == kHole) return i;
    }
    for (int i = 0; i < count; ++i)
        if (codes[i] == kHole) return i;
    return -1;
}

} // namespace vellamor
