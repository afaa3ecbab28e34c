// Game numbers, the deal array and the deck preparations.
#include "engine/deal.h"
#include "engine/deal_tables.h"
#include "engine/engine.h"

#include <algorithm>
#include <random>

namespace vellamor {

std::optional<GameDigits> gameNumberDigits(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    if (text.empty()) return {};
    for (char c : text)
        if (c < '0' || c > '9') return {};
    GameDigits digits{};
    // Leading zeros are implied; of a longer text only the last 13 digits count.
    const std::size_t used = std::min<std::size_t>(text.size(), digits.size());
    const std::string_view tail = text.substr(text.size() - used);
    for (std::size_t i = 0; i < used; ++i)
        digits[digits.size() - used + i] = static_cast<std::uint8_t>(tail[i] - '0');
    return digits;
}

std::string gameNumberText(const GameDigits& digits) {
    std::string s(digits.size(), '0');
    for (std::size_t i = 0; i < digits.size(); ++i) s[i] = static_cast<char>('0' + digits[i]);
    return s;
}

void DealArray::assignHoles(int n) {
    head_ = 0;
    size_ = static_cast<std::uint16_t>(std::clamp(n, 0, kCapacity));
    std::fill_n(slots_.begin(), size_, CardCode{kHole});
}

void DealArray::push(int code) {
    if (size_ < kCapacity) slots_[size_++] = static_cast<CardCode>(code);
}

int DealArray::takeFront() { return head_ < size_ ? slots_[head_++] : kHole; }

void DealArray::erase(int i) {
    const int at = head_ + i;
    if (i < 0 || at >= size_) return;
    std::copy(slots_.begin() + at + 1, slots_.begin() + size_, slots_.begin() + at);
    --size_;
}

int DealArray::find(int code) const {
    const auto* first = slots_.data() + head_;
    const auto* last = slots_.data() + size_;
    const auto* p = std::find(first, last, static_cast<CardCode>(code));
    return p == last ? -1 : static_cast<int>(p - first);
}

namespace {

int wrapSlot(int y, int n) {
    if (y >= n) return y % n;
    return y < 0 ? 0 : y;
}

// Digit at 1-based position i.
int digitAt(const GameDigits& d, int i) { return d[i - 1]; }

int threeDigits(const GameDigits& d, int a, int b, int c) {
    return digitAt(d, a) * 100 + digitAt(d, b) * 10 + digitAt(d, c);
}

// The suit row of pass k: nine of the thirteen digits read as a number, mod 13.
int suitRowOf(const GameDigits& d, int k) {
    long long value = 0;
    auto add = [&](int i) { value = value * 10 + digitAt(d, i); };
    if (k <= 10) {
        for (int i = 1; i <= 13; ++i)
            if (i < k || i > k + 3) add(i);
    } else {
        for (int i = k - 8; i <= k; ++i) add(i);
    }
    return static_cast<int>(value % 13);
}

int copiesFor(int cards) {
    if (cards <= 52) return 4;
    switch (cards) {
    case 104: return 8;
    case 156: return 12;
    case 208: return 16;
    default: return 0;
    }
}

} // namespace

DealArray buildDealArray(Engine& engine) {
    const auto digits = gameNumberDigits(engine.state.read(field::GameNumber));
    return buildDealArray(engine, digits.value_or(GameDigits{}));
}

DealArray buildDealArray(Engine& engine, const GameDigits& d) {
    const RuleParams& p = engine.params;
    const bool jokers = p[prm::UsesJokers] == 1;
    const int jokerCount = jokers ? std::clamp(p[prm::Jokers], 0, 4) : 0;
    const int n = std::clamp(p[prm::Cards], 0, kMaxCard - 4) + jokerCount;

    DealArray deck;
    deck.assignHoles(n);
    const int copies = copiesFor(p[prm::Cards]);
    if (copies == 0) {
        engine.host().message("Error 01 - fnGameNumberCardsArray");
        return deck;
    }
    if (n == 0) return deck;

    auto slots = [&deck] { return const_cast<CardCode*>(deck.data()); };
    int Y = threeDigits(d, 2, 6, 12);

    // Jokers first, from a copy of the start offset.
    {
        const auto& steps = deal_tables::kSteps[digitAt(d, 1)];
        int y = Y;
        for (int i = 1; i <= jokerCount; ++i) {
            y = wrapSlot(y + steps[i - 1], n);
            const int slot = firstFreeSlot(slots(), n, y, true);
            if (slot >= 0) deck.set(slot, 208 + i);
        }
    }

    std::array<std::uint8_t, 13> ranks{};
    for (int i = 0; i < 13; ++i) ranks[i] = static_cast<std::uint8_t>(i + 1);
    int rankCount = 13;
    int p1 = 1, p2 = 7, p3 = 13;

    for (int k = 1; k <= 13; ++k) {
        const int digit = digitAt(d, k);
        const bool zeroFlag = digit == 0;
        const auto& suits = deal_tables::kSuits[suitRowOf(d, k)];

        int pick = threeDigits(d, p1, p2, p3) % 13;
        if (pick > rankCount - 1) pick = zeroFlag ? rankCount - 1 : 0;
        const int r = ranks[pick];
        std::copy(ranks.begin() + pick + 1, ranks.begin() + rankCount, ranks.begin() + pick);
        --rankCount;
        p1 = p1 % 13 + 1;
        p2 = p2 % 13 + 1;
        p3 = p3 % 13 + 1;

        Y -= digit;
        const auto& steps = deal_tables::kSteps[digit];
        for (int j = 1; j <= copies; ++j) {
            Y = wrapSlot(Y + steps[j - 1], n);
            const int code = (suits[j - 1] - 1) * 13 + r + 52 * ((j - 1) / 4);
            if (deck[Y] != kHole) {
                Y = firstFreeSlot(slots(), n, Y, zeroFlag);
                if (Y < 0) continue; // no room left: the card is dropped
            }
            deck.set(Y, code);
        }
    }

    const int shortDeck = p[prm::ShortDeck];
    if (shortDeck == 1 || shortDeck == 2) {
        deck.keepIf([shortDeck](int c) {
            if (!isCard(c) || isJoker(c)) return true;
            const int r = rank(c);
            return !((r >= 2 && r <= 6) || (shortDeck == 2 && r == kKing));
        });
    }
    return deck;
}

namespace {

// Deck preparation 12: the kept cards by the number of tableau piles.
bool keptBySet12(int code, int piles) {
    static constexpr int kThree[] = {1, 5, 15, 19, 29, 43, 53, 57, 67, 71, 81, 95};
    static constexpr int kFour[] = {9, 23, 33, 37, 47, 51, 61, 75, 85, 89, 99, 103};
    static constexpr int kMore[] = {2, 10, 16, 24, 30, 38, 44, 52, 54, 62, 68, 76, 82, 90, 96, 104};
    auto in = [code](const auto& list) {
        return std::find(std::begin(list), std::end(list), code) != std::end(list);
    };
    if (in(kThree)) return true;
    if (piles >= 4 && in(kFour)) return true;
    return piles > 4 && in(kMore);
}

bool keptBySet9(int code, int piles) {
    if (piles <= 13) return code >= 1 && code <= piles;
    return (code >= 1 && code <= 13) || (code >= 27 && code <= piles + 13);
}

// Keeps the first card of each rank that `wanted` accepts.
template <class Wanted> void keepFirstOfEachRank(DealArray& deck, Wanted wanted) {
    std::array<bool, kJokerRank + 1> seen{};
    deck.keepIf([&](int c) {
        if (c == kHole) return true;
        if (!wanted(c) || seen[rank(c)]) return false;
        seen[rank(c)] = true;
        return true;
    });
}

} // namespace

void prepareDeck(Engine& engine, DealArray& deck) {
    const int piles = engine.params[prm::Tableaus];
    auto keepCards = [&deck](auto keep) {
        deck.keepIf([&](int c) { return c == kHole || keep(c); });
    };
    switch (engine.params[prm::DealStyle]) {
    case 9: keepCards([piles](int c) { return keptBySet9(c, piles); }); break;
    case 11:
        keepFirstOfEachRank(deck, [piles](int c) { return rank(c) >= 1 && rank(c) <= piles; });
        break;
    case 12:
        // Three piles keep the first list, four piles add the second, more add the third.
        keepCards([piles](int c) {
            return piles == 3 ? keptBySet12(c, 3) : piles == 4 ? keptBySet12(c, 4)
                                                               : keptBySet12(c, 5);
        });
        break;
    case 14: {
        int suit = kNoSuit;
        for (int i = 0; i < deck.size() && suit == kNoSuit; ++i)
            if (isCard(deck[i])) suit = suitIndex(deck[i]);
        keepFirstOfEachRank(deck, [suit](int c) { return suitIndex(c) == suit && rank(c) <= 9; });
        break;
    }
    case 16: keepCards([](int c) { return rank(c) != kQueen && rank(c) != kKing; }); break;
    default: break;
    }
}

void chooseRandomGameNumber(Engine& engine) {
    std::uniform_int_distribution<long long> da(0, 9'999'998), db(0, 999'998);
    setGameNumber(engine, da(engine.rng) * db(engine.rng));
}

void setGameNumber(Engine& engine, long long number) {
    std::string text = std::to_string(number);
    text.insert(0, 13 - std::min<std::size_t>(13, text.size()), '0');
    engine.state.write(field::GameNumber, text);
}

} // namespace vellamor
