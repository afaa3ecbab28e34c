// The catalogue shift: every character of the game data in GAMES.DAT is stored
// 48 codes away from its value.
#pragma once

#include <string>
#include <string_view>

namespace vellamor::catalogue {

inline constexpr int kShift = 48;

// A stored byte of 80 or more reads as byte - 48, any other as byte + 48: a
// stored 'P' is a space, '`'..'i' the digits, ']' a minus sign.
constexpr char unshiftChar(char stored) {
    const int b = static_cast<unsigned char>(stored);
    return static_cast<char>(b >= 80 ? b - kShift : b + kShift);
}
// A printable character (32-127) is stored as its code + 48.
constexpr char shiftChar(char c) {
    return static_cast<char>(static_cast<unsigned char>(c) + kShift);
}

std::string unshift(std::string_view stored);
std::string shift(std::string_view text);

} // namespace vellamor::catalogue
