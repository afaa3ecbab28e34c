// The game catalogue: the game list read from GAMES.DAT and every lookup the
// program makes in it, and the loading of a game's rule parameters.
//
// Only the [Sect1] entries are kept (in the game descriptor's game list); the
// operations that need the parameters or the id lists read the file afresh.
#pragma once

#include "engine/host.h"
#include "engine/main_game.h"
#include "engine/rule_params.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vellamor {
class Engine;
}

namespace vellamor::catalogue {

inline constexpr std::string_view kFileName = "GAMES.DAT";
inline constexpr int kFirstCustomId = 8000;
inline constexpr int kDefaultGameId = 18; // Spider
inline constexpr int kNarrowScreen = 650; // below this, wide games are refused
inline constexpr int kNoParam = -99;      // result for a skipped index

// A custom game as the custom-game file describes it.
struct CustomGame {
    int baseId = -1;
    std::string name;
    std::string rules; // the custom rule string laid over the base game's parameters
};

// The custom-game file, provided by the custom-games module.
class CustomGameSource {
public:
    virtual ~CustomGameSource() = default;
    virtual std::optional<CustomGame> find(int id) const = 0;
    // Id of the custom game with that name (trailing spaces removed, lower case), or -1.
    virtual int idOfName(std::string_view loweredName) const = 0;
    virtual std::vector<std::string> names() const = 0;
    virtual void overlay(RuleParams& params, const CustomGame& game) const = 0;
};

// Positions of a catalogue entry (after the shift is undone), 1-based.
struct Entry {
    static int category(std::string_view entry);
    static int id(std::string_view entry); // -1 when positions 5-7 are not a number
    static bool skipped(std::string_view entry) { return entry.size() >= 8 && entry[7] == '9'; }
    static bool wideOnly(std::string_view entry) { return entry.size() >= 9 && entry[8] == '1'; }
    static bool isNew(std::string_view entry) { return entry.size() >= 10 && entry[9] == '1'; }
    static std::string name(std::string_view entry); // positions 11-60, trailing spaces removed
};

class Catalogue {
public:
    // `path` is the catalogue file; messages go to `host`.
    Catalogue(std::string path, TMainGame& game, EngineHost& host,
              const CustomGameSource* custom = nullptr);

    // The catalogue file in a program folder ("…/bin/" → "…/bin/GAMES.DAT").
    static std::string pathIn(std::string_view programFolder);

    const std::string& path() const { return path_; }
    const std::vector<std::string>& gameList() const { return game_.gameList; }
    void setCustomGames(const CustomGameSource* custom) { custom_ = custom; }

    // Fills the game list from [Sect1]. A missing file shows "Cannot find file:…"
    // and returns false: the program cannot go on without its catalogue.
    bool loadGameList();
    // The current game id to keep after loading: -1 for a standard id that is not listed.
    int checkedCurrentGame(int id) const;

    // Lookups; each gives -1 or an empty text when nothing is found.
    int gameIndex(int id) const;
    std::string name(int id) const;
    int idOfName(std::string_view name) const;
    int category(int id) const;
    bool isNewGame(int id) const;

    // Values of up to nine parameters of a game; an index of -1 gives -99.
    std::vector<int> readParams(int id, std::span<const int> indexes) const;
    // For every listed game, the values of parameters a and b as one 20-character
    // text: two 10-character zero-padded numbers ("-000000001" for -1).
    std::vector<std::string> parameterPairs(int a, int b) const;
    // Names of all catalogue games and custom games, sorted without regard to case.
    std::vector<std::string> sortedNames() const;

    // The id lists; a missing file or section gives an empty list.
    std::vector<int> popularIds() const;
    std::vector<int> originalIds() const;
    std::vector<int> childrenIds() const;

    // False, after telling the player, when the game cannot be played on a
    // screen of that width.
    bool screenCheck(int id, int screenWidth) const;

    // Loads the game's rule parameters (a custom game: its base game's, with its
    // rule string laid over) and saves the restorable ranges. A game that is not
    // in the catalogue, or whose column is damaged, is refused with a message;
    // `params` is then cleared, so that nothing is dealt from it.
    bool loadRuleParams(RuleParams& params, int id) const;
    // The same for the game named by the state record's game id.
    bool loadCurrentGame(Engine& engine) const;
    // Makes the engine load its games from this catalogue. The catalogue must
    // outlive the engine's use of it.
    void install(Engine& engine) const;

private:
    const std::string* entryOf(int id) const;
    std::vector<int> idList(std::string_view header) const;
    bool refuse(RuleParams& params, const std::string& text) const;

    std::string path_;
    TMainGame& game_;
    EngineHost& host_;
    const CustomGameSource* custom_;
};

// The player's choice of automatic play per game, kept in the settings file
// (section "Autoplay"): key "Games" holds one 'Y' or 'N' per standard game at
// position id + 1, a custom game has its own key "Cust_" + four-digit id.
class AutoplaySettings {
public:
    virtual ~AutoplaySettings() = default;
    virtual std::optional<std::string> read(std::string_view key) const = 0;
    virtual void write(std::string_view key, std::string_view value) = 0;
};

std::string customAutoplayKey(int id);
// Missing characters and keys read as on.
bool autoplayPreference(const AutoplaySettings& settings, int id);
void storeAutoplayPreference(AutoplaySettings& settings, int id, bool on);
// The "Games" text with the game's character set; a text too short is first
// lengthened with 'Y' to id + 10 characters.
void setAutoplayChar(std::string& games, int id, bool on);

// The message shown when the catalogue file is missing.
std::string missingFileMessage(const std::string& path);

} // namespace vellamor::catalogue
