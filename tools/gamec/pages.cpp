#include "gamec/pages.h"

#include "catalogue/categories.h"
#include "engine/rule_params.h"

namespace vellamor::gamec {

namespace {

std::string escaped(std::string_view s) {
    std::string out;
    for (char c : s) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

int param(const CompiledGame& g, int index) {
    return g.entry.params[static_cast<std::size_t>(index)];
}

std::string redeals(const CompiledGame& g) {
    const int passes = param(g, prm::Passes);
    if (passes == -1) return "unlimited";
    return std::to_string(passes > 0 ? passes - 1 : 0);
}

std::string row(const char* label, const std::string& value) {
    return "<tr><th>" + std::string(label) + "</th><td>" + escaped(value) + "</td></tr>\n";
}

} // namespace

std::string rulesPageName(const CompiledGame& game) {
    return std::to_string(game.entry.id + kRulesTopicBase) + ".html";
}

std::string rulesPage(const CompiledGame& g) {
    std::string page =
        "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>" +
        escaped(g.entry.name) + "</title>\n</head>\n<body>\n<h1>" + escaped(g.entry.name) +
        "</h1>\n<p class=\"category\">" + escaped(catalogue::categoryText(g.entry.category)) +
        "</p>\n";
    std::size_t pos = 0;
    while (pos < g.rules.size()) {
        std::size_t end = g.rules.find("\n\n", pos);
        if (end == std::string::npos) end = g.rules.size();
        page += "<p>" + escaped(g.rules.substr(pos, end - pos)) + "</p>\n";
        pos = end + 2;
    }
    const int decks = param(g, prm::Cards) / 52;
    page += "<table class=\"facts\">\n";
    page += row("Decks", std::to_string(decks));
    page += row("Foundations", std::to_string(param(g, prm::Foundations)));
    page += row("Tableau piles", std::to_string(param(g, prm::Tableaus)));
    if (param(g, prm::Reserves) > 0)
        page += row("Reserves", std::to_string(param(g, prm::Reserves)));
    if (param(g, prm::StockInPlay) == 1) {
        if (param(g, prm::WasteInPlay) == 1)
            page += row("Cards per click", std::to_string(param(g, prm::StockTurnCount)));
        page += row("Redeals", redeals(g));
    }
    page += row("Game time", kTimeWords[param(g, 497)]);
    page += row("Difficulty", kDifficultyWords[param(g, 498)]);
    page += row("Skill or chance", kSkillWords[param(g, 499)]);
    page += row("Chance of winning", kChanceWords[param(g, 500)]);
    page += "</table>\n</body>\n</html>\n";
    return page;
}

std::string gamesMarkdown(const std::vector<CompiledGame>& games) {
    std::string md = "# Games of the catalogue\n\n"
                     "Generated from `data/games/` by the catalogue compiler "
                     "(`cmake --build build --target games-doc`); do not edit by hand.\n\n"
                     "| Id | Name | Type | Decks | Source |\n|---:|---|---|---:|---|\n";
    for (const CompiledGame& g : games) {
        const std::string file = g.path.substr(g.path.find_last_of('/') + 1);
        md += "| " + std::to_string(g.entry.id) + " | " + g.entry.name + " | " +
              std::string(catalogue::categoryText(g.entry.category)) + " | " +
              std::to_string(param(g, prm::Cards) / 52) + " | `" + file + "` |\n";
    }
    md += "\n" + std::to_string(games.size()) + " games.\n";
    return md;
}

} // namespace vellamor::gamec
