// The game-type groups of the catalogue: number, group text and icon name.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace vellamor::catalogue {

struct Category {
    int number;
    std::string_view text; // the group text of the open-game dialog
    std::string_view icon; // bitmap name in the image pack
};

inline constexpr int kCustomCategory = 800;

std::span<const Category> categories();
const Category* findCategory(int number);

// Empty for a number without a group.
std::string_view categoryText(int number);
std::string_view categoryIconName(int number);

// Suffixes of the icon for the won, not-won and never-played marks.
inline constexpr std::string_view kIconWon = "_WIN";
inline constexpr std::string_view kIconNotWon = "_NOWIN";
inline constexpr std::string_view kIconNotPlayed = "_NOPLAYED";

} // namespace vellamor::catalogue
