// Writing GAMES.DAT: the catalogue compiler's output and the test fixtures'.
#pragma once

#include "engine/rule_params.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace vellamor::catalogue {

struct CatalogueGame {
    int id = 0;
    int category = 0;
    std::string name;      // printable ASCII, at most 50 characters
    bool wideOnly = false; // cannot be played below 650 pixels
    bool isNew = false;    // listed among the new games
    bool skipped = false;  // written with listing mark 9: not in the game list
    std::array<std::int16_t, RuleParams::kSize> params{};
};

struct CatalogueLists {
    std::vector<int> popular, original, children;
};

// The file text: [Sect1] entries in the given order, [Sect2] with one line per
// parameter 1-502 and one column per game in the same order, then the id lists.
// Lines end in CR LF.
std::string writeCatalogue(std::span<const CatalogueGame> games, const CatalogueLists& lists);

// One [Sect1] entry before the shift ("005 0000  Klondike…", 60 characters).
std::string entryText(const CatalogueGame& game);

} // namespace vellamor::catalogue
