// The catalogue for the driver's commands: GAMES.DAT beside the program, or
// the file given with --catalogue. Messages of the catalogue are collected so
// that the command can print them as its own errors.
#pragma once

#include "catalogue/catalogue.h"
#include "cli/commands.h"
#include "engine/engine.h"

#include <ostream>
#include <string>
#include <vector>

namespace vellamor::cli {

class CollectingHost final : public EngineHost {
public:
    void message(std::string_view text) override { messages.emplace_back(text); }
    void beep() override {}
    void sound(std::string_view) override {}
    void scoreChanged(long long) override {}
    std::vector<std::string> messages;
};

inline std::string cataloguePath(const std::string& given) {
    return given.empty() ? catalogue::Catalogue::pathIn(programFolder()) : given;
}

// A game id as the driver takes it: decimal digits only.
inline bool parseGameId(const std::string& text, int& id) {
    if (text.empty() || text.size() > 4) return false;
    id = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        id = id * 10 + (c - '0');
    }
    return true;
}

// Loads the rule parameters of catalogue game `idText` into `engine.params`
// and names the game in the state record, for `--game ID [--catalogue FILE]`.
// On failure the reason goes to `err` as "vellamor-cli COMMAND: ..." lines and
// the result is false; nothing may be dealt then.
inline bool loadCatalogueGame(Engine& engine, const std::string& idText,
                              const std::string& cataloguePathGiven, const char* command,
                              std::ostream& err) {
    int id = 0;
    if (!parseGameId(idText, id)) {
        err << "vellamor-cli " << command << ": the game id \"" << idText
            << "\" must be a number\n";
        return false;
    }
    CollectingHost catalogueHost;
    catalogue::Catalogue cat(cataloguePath(cataloguePathGiven), engine.game, catalogueHost);
    if (!cat.loadGameList() || !cat.loadRuleParams(engine.params, id)) {
        for (const std::string& m : catalogueHost.messages)
            err << "vellamor-cli " << command << ": " << m << '\n';
        return false;
    }
    engine.state.writeInt(field::GameId, id);
    engine.state.write(field::GameName, cat.name(id));
    return true;
}

} // namespace vellamor::cli
