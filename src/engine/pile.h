// One pile: its cards from the bottom (first placed) to the top (played next).
//
// Piles have a fixed capacity and never allocate, so that dealing, move tests and
// the hint search stay allocation-free.
#pragma once

#include "engine/card.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vellamor {

class Pile {
public:
    // Every card of four decks and the jokers, with room for the holes of grid games.
    static constexpr int kCapacity = 320;

    int size() const { return size_; }
    bool empty() const { return size_ == 0; }
    int operator[](int i) const { return cards_[i]; }
    const CardCode* begin() const { return cards_.data(); }
    const CardCode* end() const { return cards_.data() + size_; }

    // Top card (played next) and base card (placed first); 0 when the pile is empty.
    int top() const { return size_ ? cards_[size_ - 1] : kHole; }
    int base() const { return size_ ? cards_[0] : kHole; }
    // Number of real cards, holes not counted.
    int cardCount() const;
    // Index of the code in the pile, -1 when absent.
    int find(int code) const;
    bool contains(int code) const { return find(code) >= 0; }

    // Appends on top; returns false (and changes nothing) when the pile is full
    // or the code is not a card or a hole.
    bool push(int code);
    bool insert(int index, int code);
    void pop() { if (size_) --size_; }
    void erase(int index);
    void set(int index, int code) { cards_[index] = static_cast<CardCode>(code); }
    void clear() { size_ = 0; }
    void truncate(int n) { if (n < size_) size_ = static_cast<std::uint16_t>(n < 0 ? 0 : n); }

    // The pile string: three-digit codes, bottom first ("014027040001").
    std::string text() const;
    // Replaces the pile from a pile string; false when it is malformed (pile unchanged).
    bool setText(std::string_view text);

    friend bool operator==(const Pile& a, const Pile& b);

private:
    std::uint16_t size_ = 0;
    std::array<CardCode, kCapacity> cards_{};
};

enum class PileKind : std::uint8_t {
    Stock = 1,       // Mazzo
    Waste = 2,       // Mazzo_Vis
    SecondWaste = 3, // Mazzo_Waste
    Tableau = 4,     // Fila1-Fila40
    Foundation = 5,  // Dest1-Dest16
    Reserve = 6,     // Appogg1-Appogg12
};

// What the find-and-take-out search returns when the card is on no pile.
inline constexpr int kNotFound = 255;

inline constexpr int kFoundationCount = 16;
inline constexpr int kTableauCount = 40;
inline constexpr int kReserveCount = 12;
inline constexpr int kPileLines = 3 + kFoundationCount + kTableauCount + kReserveCount; // 71

// A pile by kind and 0-based index within its container. The stock group uses
// kind Stock/Waste/SecondWaste with index 0.
struct PileId {
    PileKind kind = PileKind::Stock;
    int index = 0;
    friend bool operator==(const PileId&, const PileId&) = default;
};

inline constexpr PileId kStock{PileKind::Stock, 0};
inline constexpr PileId kWaste{PileKind::Waste, 0};
inline constexpr PileId kSecondWaste{PileKind::SecondWaste, 0};
constexpr PileId foundation(int i) { return {PileKind::Foundation, i}; }
constexpr PileId tableau(int i) { return {PileKind::Tableau, i}; }
constexpr PileId reserve(int i) { return {PileKind::Reserve, i}; }

// "Mazzo", "Mazzo_Vis", "Mazzo_Waste", "Fila3", "Dest12", "Appogg1".
std::string pileName(PileId id);
// Reads a pile name by its prefix, taking the number from the two characters that
// follow ("Dest1" and "Dest01" are the same pile). Unknown names and numbers out
// of range give nullopt.
std::optional<PileId> parsePileName(std::string_view name);

// Index of the pile's line in the position snapshot (0-70): stock group,
// foundations, tableau, reserves.
int snapshotLine(PileId id);
PileId pileOfLine(int line);

// First "000" in a list of codes: from start forwards (or backwards down to 0),
// then from index 0 upwards; -1 when there is none.
int firstFreeSlot(const CardCode* codes, int count, int start, bool forwards);

} // namespace vellamor
