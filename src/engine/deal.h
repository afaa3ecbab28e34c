// Dealing by game number: the same game with the same number always deals the
// same cards. No random generator is involved in turning a number into a deal.
#pragma once

#include "engine/card.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vellamor {

class Engine;

using GameDigits = std::array<std::uint8_t, 13>;

// The 13 digits of a game number text: blanks around it removed, leading zeros
// added, and only the last 13 digits kept. nullopt when the text holds anything
// but digits or is empty.
std::optional<GameDigits> gameNumberDigits(std::string_view text);
std::string gameNumberText(const GameDigits& digits);

// The order of all the cards of one game, with fixed capacity; 0 marks an
// empty slot while it is being built. Cards are taken from the front.
class DealArray {
public:
    static constexpr int kCapacity = kMaxCard + 4;

    int size() const { return size_ - head_; }
    bool empty() const { return size() == 0; }
    int operator[](int i) const { return slots_[head_ + i]; }
    void set(int i, int code) { slots_[head_ + i] = static_cast<CardCode>(code); }
    const CardCode* data() const { return slots_.data() + head_; }

    void assignHoles(int n);
    void push(int code);
    // Removes and returns the front card; 0 when the array is empty.
    int takeFront();
    void erase(int i);
    int find(int code) const;
    // Keeps the entries for which keep(code) is true, in order.
    template <class Keep> void keepIf(Keep keep) {
        int out = head_;
        for (int i = head_; i < size_; ++i)
            if (keep(static_cast<int>(slots_[i]))) slots_[out++] = slots_[i];
        size_ = static_cast<std::uint16_t>(out);
    }

private:
    std::uint16_t head_ = 0, size_ = 0;
    std::array<CardCode, kCapacity> slots_{};
};

// Builds the deal array of the current game number (state record) and rule
// parameters, short deck included. An unsupported card count reports
// "Error 01 - fnGameNumberCardsArray" and leaves the array empty-slotted.
DealArray buildDealArray(Engine& engine);
DealArray buildDealArray(Engine& engine, const GameDigits& digits);

// Removes the cards that the game's deck preparation (parameter 36) leaves out.
void prepareDeck(Engine& engine, DealArray& deck);

// Builds the deal array, prepares it and distributes it over the piles with
// the face of every card. The table should be empty.
void deal(Engine& engine);

// Draws a random game number (never used by the deal itself) and stores it.
void chooseRandomGameNumber(Engine& engine);
// Stores `number` (0 to 13 digits) as the game number, written with 13 digits.
void setGameNumber(Engine& engine, long long number);

// New game, engine side: resets the descriptor and the logs, restores the
// loaded foundation bases and fill codes, and deals.
struct NewGameOptions {
    bool dealAnew = true;       // false: a position has just been restored
    bool randomNumber = false;  // draw a random number first (number mode 2)
};
// False, with nothing dealt, when no game could be loaded.
bool newGame(Engine& engine, const NewGameOptions& options = {});

} // namespace vellamor
