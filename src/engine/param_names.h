// Names of the rule parameters: one table shared by the engine, the catalogue
// compiler and the tools. A name stands for one index, or for a group of
// per-pile entries (foundations, tableau piles, reserves) starting at an index.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vellamor {

struct ParamName {
    std::string_view name; // lower case words joined by '-': "tableau-cards"
    int index;             // the parameter, or the entry of pile 1 of a group
    int count;             // 1 for a single parameter, else the number of piles
    int min, max;          // values a catalogue may give it
    std::string_view meaning;

    bool isGroup() const { return count > 1; }
};

// Every named parameter, in index order.
std::span<const ParamName> paramNames();

// The entry of that name (exact, lower case), or nullptr.
const ParamName* findParamName(std::string_view name);

// The entry that covers the index, or nullptr for an unnamed index.
const ParamName* paramNameOfIndex(int index);

// A readable label of an index: "passes", "tableau-cards 3", or "#491" when
// the index has no name.
std::string paramLabel(int index);

} // namespace vellamor
