// Card codes: one integer per physical card of up to four decks plus four jokers.
//
//   1-52 deck 1, 53-104 deck 2, 105-156 deck 3, 157-208 deck 4, 209-212 jokers.
//   Within a deck: hearts, diamonds, clubs, spades, each Ace (1) to King (13).
//   0 is a hole: a place in a pile that holds no card.
#pragma once

#include <cstdint>
#include <string>

namespace vellamor {

using CardCode = std::uint8_t;

inline constexpr int kHole = 0;
inline constexpr int kMaxCard = 212;
inline constexpr int kFirstJoker = 209;
inline constexpr int kJokerRank = 100;
inline constexpr int kAce = 1;
inline constexpr int kJack = 11;
inline constexpr int kQueen = 12;
inline constexpr int kKing = 13;

enum Suit : int { kNoSuit = -1, kHearts = 0, kDiamonds = 1, kClubs = 2, kSpades = 3 };

constexpr bool isJoker(int code) { return code >= kFirstJoker && code <= kMaxCard; }
constexpr bool isCard(int code) { return code >= 1 && code <= kMaxCard; }

// Position of the card inside its own deck, 1-52.
constexpr int deckPosition(int code) { return ((code - 1) % 52) + 1; }

// Rank 1 (Ace) to 13 (King); a joker has rank 100 and a hole rank 0.
constexpr int rank(int code) {
    if (isJoker(code)) return kJokerRank;
    return isCard(code) ? ((deckPosition(code) - 1) % 13) + 1 : 0;
}
// Suit index 0-3 (hearts, diamonds, clubs, spades); -1 for a joker or a hole.
constexpr int suitIndex(int code) {
    if (!isCard(code) || isJoker(code)) return kNoSuit;
    return (deckPosition(code) - 1) / 13;
}
constexpr bool isRed(int code) {
    const int s = suitIndex(code);
    return s == kHearts || s == kDiamonds;
}
constexpr bool isBlack(int code) {
    const int s = suitIndex(code);
    return s == kClubs || s == kSpades;
}
constexpr bool isCourt(int code) {
    const int r = rank(code);
    return r >= kJack && r <= kKing;
}
// Ranks wrap around: a King is followed by an Ace and an Ace preceded by a King.
constexpr int nextRank(int r) { return r >= kKing ? kAce : r + 1; }
constexpr int prevRank(int r) { return r <= kAce ? kKing : r - 1; }

// Code of the card of the given suit index (0-3), rank (1-13) and deck (0-3).
constexpr int cardCode(int suit, int r, int deck = 0) { return deck * 52 + suit * 13 + r; }

// The card's resource name: "CUORI_A", "QUADR_10", "PICCH_K", "JOKER".
std::string cardResourceName(int code);

// The card's 20-character record: resource name padded to 15, suit digit,
// three-digit code, face flag ("CUORI_A        10011").
std::string cardRecordText(int code, bool faceUp);

// Three-digit text of a code ("001" … "212", "000" for a hole).
std::string codeText(int code);

} // namespace vellamor
