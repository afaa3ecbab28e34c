// Game source files (data/games/*.game): one readable file per game.
//
//   id = 0
//   name = Klondike
//   category = 5
//   time = medium            difficulty, skill, chance: words, see below
//   rules =
//       Indented paragraphs of the rules text; a blank line starts a new one.
//   cards = 52
//   tableau-cards 1-7 = 1..7 one value per pile, or one value for all of them
//   param 491 = 1            a parameter without a name, by its index
//
// `extends = other` takes the parameters, category, marks and figures of the
// game in other.game; the lines that follow change them. '#' starts a comment
// (not inside the rules text).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vellamor::gamec {

struct Diagnostic {
    std::string file;
    int line = 0; // 0 when the message concerns the whole file
    std::string message;
    std::string text() const;
};

// One "key [piles] = value" line.
struct Statement {
    int line = 0;
    std::string key;
    std::optional<std::pair<int, int>> piles; // 1-based first and last pile
    std::string value;                        // trimmed; the rules text for "rules"
};

struct SourceFile {
    std::string path;
    std::string stem; // file name without folder and ".game": what `extends` names
    std::vector<Statement> statements;
};

// Splits a source into statements; syntax errors are appended to `errors`.
SourceFile parseSource(std::string_view text, const std::string& path,
                       std::vector<Diagnostic>& errors);

std::string stemOf(const std::string& path);

} // namespace vellamor::gamec
