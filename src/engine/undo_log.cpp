#include "engine/undo_log.h"

#include <algorithm>
#include <array>

namespace vellamor {

namespace {
constexpr std::string_view kSections[5] = {"[UNDO - Stock]", "[UNDO - Foundations]",
                                           "[UNDO - Piles]", "[UNDO - Reserves]", "[UNDO - Log]"};
// First snapshot line and number of lines of each container.
constexpr int kFirst[4] = {0, 3, 3 + kFoundationCount, 3 + kFoundationCount + kTableauCount};
constexpr int kLines[4] = {3, kFoundationCount, kTableauCount, kReserveCount};
constexpr int kFoundation1Line = 3;
} // namespace

UndoLog::Step UndoLog::encode(const Table& table, const CardRecords& cards, bool emptyFoundation1) {
    std::size_t bytes = 0;
    for (int line = 0; line < kPileLines; ++line) bytes += 2 + 2 * table.line(line).size();
    Step step;
    step.data.reserve(bytes);
    for (int line = 0; line < kPileLines; ++line) {
        const Pile& pile = table.line(line);
        const int n = emptyFoundation1 && line == kFoundation1Line ? 0 : pile.size();
        step.data.push_back(static_cast<std::uint8_t>(n & 0xff));
        step.data.push_back(static_cast<std::uint8_t>(n >> 8));
        for (int i = 0; i < n; ++i) {
            step.data.push_back(static_cast<std::uint8_t>(pile[i]));
            step.data.push_back(pile[i] != kHole && cards.faceUp(pile[i]) ? 1 : 0);
        }
    }
    return step;
}

void UndoLog::decode(const Step& step, Table& table, CardRecords& cards) {
    // Where each pile's record starts in the step.
    std::array<std::size_t, kPileLines> at{};
    std::size_t pos = 0;
    for (int line = 0; line < kPileLines; ++line) {
        at[line] = pos;
        const int n = step.data[pos] | (step.data[pos + 1] << 8);
        pos += 2 + 2 * static_cast<std::size_t>(n);
    }
    auto restore = [&](int line) {
        Pile& pile = table.line(line);
        pile.clear();
        std::size_t p = at[line];
        const int n = step.data[p] | (step.data[p + 1] << 8);
        p += 2;
        for (int i = 0; i < n; ++i, p += 2) {
            const int code = step.data[p];
            pile.push(code);
            if (code != kHole) cards.setFaceUp(code, step.data[p + 1] != 0);
        }
    };
    // Second waste, waste, stock, then each container from its last pile to its first.
    for (int line = 2; line >= 0; --line) restore(line);
    for (int c = 1; c < 4; ++c)
        for (int i = kLines[c] - 1; i >= 0; --i) restore(kFirst[c] + i);
}

std::vector<std::string> UndoLog::lines(const Step& step) {
    std::vector<std::string> out;
    out.reserve(kPileLines);
    std::size_t p = 0;
    for (int line = 0; line < kPileLines; ++line) {
        const int n = step.data[p] | (step.data[p + 1] << 8);
        p += 2;
        std::string text;
        text.reserve(4 * n);
        for (int i = 0; i < n; ++i, p += 2) {
            const int code = step.data[p];
            if (code == kHole) {
                text += "0000";
            } else {
                text += codeText(code);
                text += step.data[p + 1] ? '1' : '0';
            }
        }
        out.push_back(std::move(text));
    }
    return out;
}

void UndoLog::push(const Table& table, const CardRecords& cards, bool emptyFoundation1) {
    steps_.push_back(encode(table, cards, emptyFoundation1));
}

std::string UndoLog::pop(Table& table, CardRecords& cards) {
    if (steps_.empty()) return {};
    Step step = std::move(steps_.back());
    steps_.pop_back();
    decode(step, table, cards);
    return step.effects;
}

void UndoLog::mergeEffects(std::string& into, const std::string& from) {
    for (std::size_t i = 0; i + 3 <= from.size(); i += 3) {
        const std::string_view code(from.data() + i, 3);
        bool present = false;
        for (std::size_t j = 0; j + 3 <= into.size(); j += 3)
            present = present || std::string_view(into.data() + j, 3) == code;
        if (!present) into.append(code);
    }
}

void UndoLog::withdraw() {
    if (!steps_.empty()) steps_.pop_back();
}

void UndoLog::dropNewest(int n) {
    n = std::min(n, size() - 1);
    if (n <= 0) return;
    std::string effects = steps_[steps_.size() - n - 1].effects;
    for (int i = 0; i < n; ++i) mergeEffects(effects, steps_[steps_.size() - n + i].effects);
    steps_.resize(steps_.size() - n);
    steps_.back().effects = std::move(effects);
}

void UndoLog::dropBeforeNewest(int n) {
    n = std::min(n, size() - 1);
    if (n <= 0) return;
    const auto first = steps_.end() - 1 - n;
    std::string effects;
    for (auto it = first; it != steps_.end(); ++it) mergeEffects(effects, it->effects);
    steps_.erase(first, steps_.end() - 1);
    steps_.back().effects = std::move(effects);
}

void UndoLog::record(std::string_view code) {
    if (steps_.empty() || code.size() != 3) return;
    mergeEffects(steps_.back().effects, std::string(code));
}

const std::string& UndoLog::newestEffects() const {
    static const std::string none;
    return steps_.empty() ? none : steps_.back().effects;
}

void UndoLog::setNewestEffects(std::string effects) {
    if (!steps_.empty()) steps_.back().effects = std::move(effects);
}

int UndoLog::count(std::string_view code) const {
    int n = 0;
    for (const Step& s : steps_)
        for (std::size_t i = 0; i + 3 <= s.effects.size(); i += 3)
            n += std::string_view(s.effects.data() + i, 3) == code;
    return n;
}

std::string UndoLog::effectsText() const {
    std::string text;
    for (const Step& s : steps_) {
        text += s.effects;
        text += ',';
    }
    return text;
}

std::vector<std::string> UndoLog::exportSections() const {
    std::vector<std::vector<std::string>> all;
    all.reserve(steps_.size());
    for (const Step& s : steps_) all.push_back(lines(s));
    std::vector<std::string> out;
    out.reserve(5 + steps_.size() * kPileLines + 1);
    for (int c = 0; c < 4; ++c) {
        out.emplace_back(kSections[c]);
        for (const auto& step : all)
            for (int i = 0; i < kLines[c]; ++i) out.push_back(step[kFirst[c] + i]);
    }
    out.emplace_back(kSections[4]);
    out.push_back(effectsText());
    return out;
}

bool UndoLog::importSections(std::span<const std::string> input) {
    // Split the input at the five headers, which must come in their order.
    std::array<std::vector<std::string_view>, 5> parts;
    int current = -1;
    for (const std::string& raw : input) {
        std::string_view line = raw;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (current + 1 < 5 && line == kSections[current + 1]) {
            ++current;
            continue;
        }
        if (current < 0) {
            if (line.empty()) continue;
            return false;
        }
        parts[current].push_back(line);
    }
    if (current < 3) return false;

    const std::size_t steps = parts[0].size() / 3;
    for (int c = 0; c < 4; ++c)
        if (parts[c].size() != steps * kLines[c]) return false;
    std::vector<std::string> effects;
    if (current == 4) {
        std::string_view text;
        for (std::string_view l : parts[4])
            if (!l.empty()) text = l;
        while (!text.empty()) {
            const std::size_t comma = text.find(',');
            const std::string_view entry = text.substr(0, comma);
            if (entry.size() % 3 != 0) return false;
            effects.emplace_back(entry);
            if (comma == std::string_view::npos) break;
            text.remove_prefix(comma + 1);
        }
    }
    if (effects.size() > steps) return false;
    effects.resize(steps);

    std::vector<Step> parsed;
    parsed.reserve(steps);
    for (std::size_t k = 0; k < steps; ++k) {
        Table table;
        CardRecords cards;
        std::array<bool, kMaxCard + 1> seen{};
        for (int c = 0; c < 4; ++c)
            for (int i = 0; i < kLines[c]; ++i) {
                Pile& pile = table.line(kFirst[c] + i);
                if (!restoreLine(pile, cards, parts[c][k * kLines[c] + i])) return false;
                for (CardCode code : pile) {
                    if (code == kHole) continue;
                    if (seen[code]) return false; // a card in two places
                    seen[code] = true;
                }
            }
        Step step = encode(table, cards, false);
        step.effects = effects[k];
        parsed.push_back(std::move(step));
    }
    steps_ = std::move(parsed);
    return true;
}

} // namespace vellamor
