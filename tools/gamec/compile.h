// From game sources to catalogue columns: resolving `extends`, checking every
// value, and the card count of the deal.
#pragma once

#include "catalogue/catalogue_writer.h"
#include "gamec/source.h"

#include <string>
#include <vector>

namespace vellamor::gamec {

struct CompiledGame {
    catalogue::CatalogueGame entry; // id, category, name, marks and all parameters
    std::string rules;              // paragraphs separated by a blank line
    std::vector<std::string> lists; // "popular", "original", "children"
    std::string path;               // the source file
    std::string extends;            // the stem it derives from, or empty
};

struct CompileResult {
    std::vector<CompiledGame> games; // by id: games[n] has id n
    catalogue::CatalogueLists lists;
    std::vector<Diagnostic> errors;
    bool ok() const { return errors.empty(); }
};

struct SourceText {
    std::string path;
    std::string text;
};

CompileResult compile(const std::vector<SourceText>& sources);
// Every *.game file of the folder, in name order.
CompileResult compileFolder(const std::string& folder);

// The cards the distribution of the deal takes, and the cards of the prepared
// deck; they must be equal (except for dealing styles that deal the rest).
struct CardCount {
    int deck = 0;
    int dealt = 0;
    bool styleDealsRest = false;
};
CardCount countCards(const catalogue::CatalogueGame& game);

// Words the sources may use for the figures.
inline constexpr const char* kTimeWords[] = {"long", "medium", "quick"};
inline constexpr const char* kDifficultyWords[] = {"easy", "medium", "hard"};
inline constexpr const char* kSkillWords[] = {"difficult", "mostly-skill", "moderate",
                                              "mostly-chance", "chance-only"};
inline constexpr const char* kChanceWords[] = {"very-high", "high", "medium", "low", "very-low"};

} // namespace vellamor::gamec
