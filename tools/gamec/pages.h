// Pages made from the compiled games: one HTML rules page per game for the help
// window (topic id + 3000), and the Markdown list of the games for docs/.
#pragma once

#include "gamec/compile.h"

#include <string>
#include <vector>

namespace vellamor::gamec {

inline constexpr int kRulesTopicBase = 3000;

std::string rulesPageName(const CompiledGame& game); // "3018.html"
std::string rulesPage(const CompiledGame& game);
std::string gamesMarkdown(const std::vector<CompiledGame>& games);

} // namespace vellamor::gamec
