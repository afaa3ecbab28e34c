// The position on the table: the four pile containers and the face flags of
// every card. The face state travels with the card, not with its pile.
#pragma once

#include "engine/pile.h"

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace vellamor {

// Face flags of the 212 cards (the last character of each card record).
class CardRecords {
public:
    CardRecords() { faceUp_.fill(1); }

    bool faceUp(int code) const { return isCard(code) && faceUp_[code] != 0; }
    void setFaceUp(int code, bool up) {
        if (isCard(code)) faceUp_[code] = up ? 1 : 0;
    }
    // The card's 20-character record text.
    std::string record(int code) const { return cardRecordText(code, faceUp(code)); }

    // Face flag of the last n cards of the pile (n at least 1).
    void setTopFaces(const Pile& pile, int n, bool up);
    // Pattern -1: cards at odd positions (1st, 3rd, …) up, even positions down;
    // -2 the opposite; -3 the first card up and all others down.
    void setFacesByPattern(const Pile& pile, int pattern);
    void setAllFaces(const Pile& pile, bool up) { setTopFaces(pile, pile.size(), up); }

    friend bool operator==(const CardRecords&, const CardRecords&) = default;

private:
    std::array<std::uint8_t, kMaxCard + 1> faceUp_{};
};

// Modes of Table::takeOut.
enum class TakeOutMode {
    Delete = 1,           // remove the code from the pile
    LeaveHole = 2,        // replace it by a hole
    DeleteWithHole = 3,   // remove it, and the hole just below it (or the first unit) too
};

class Table {
public:
    std::array<Pile, 3> stockGroup;   // Mazzo, Mazzo_Vis, Mazzo_Waste
    std::array<Pile, kFoundationCount> foundations;
    std::array<Pile, kTableauCount> tableau;
    std::array<Pile, kReserveCount> reserves;

    Pile& stock() { return stockGroup[0]; }
    Pile& waste() { return stockGroup[1]; }
    Pile& secondWaste() { return stockGroup[2]; }
    const Pile& stock() const { return stockGroup[0]; }
    const Pile& waste() const { return stockGroup[1]; }
    const Pile& secondWaste() const { return stockGroup[2]; }

    Pile& pile(PileId id);
    const Pile& pile(PileId id) const;
    Pile& line(int i) { return pile(pileOfLine(i)); }
    const Pile& line(int i) const { return pile(pileOfLine(i)); }

    void clear();

    // Finds the card and takes it out. The search runs through the waste, tableau
    // piles 1 to tableauCount, foundations, stock, second waste and reserves, and
    // stops at the first pile holding the code. Returns the kind code of that pile
    // (1-6), or kNotFound.
    int takeOut(int code, TakeOutMode mode, int tableauCount);

    // Where the card lies, searched in the same order; nullopt when nowhere.
    std::optional<PileId> locate(int code, int tableauCount = kTableauCount) const;

    friend bool operator==(const Table&, const Table&) = default;
};

// The whole position as 71 lines of four-character units: code and face flag.
using Snapshot = std::array<std::string, kPileLines>;

std::string snapshotLineText(const Pile& pile, const CardRecords& cards);
Snapshot makeSnapshot(const Table& table, const CardRecords& cards);
// Restores one pile from its snapshot line; false when the line is malformed
// (the pile and the records are left unchanged).
bool restoreLine(Pile& pile, CardRecords& cards, std::string_view line);
// Restores the whole position; false (and nothing changed) when a line is malformed.
bool restoreSnapshot(Table& table, CardRecords& cards, std::span<const std::string> lines);

} // namespace vellamor
