#include "catalogue/catalogue.h"

#include "catalogue/catalogue_file.h"
#include "catalogue/shift.h"
#include "engine/engine.h"
#include "engine/param_names.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>

namespace vellamor::catalogue {

namespace {

constexpr std::size_t kFieldWidth = 10;
constexpr std::size_t kFieldStep = 11;
constexpr std::size_t kFirstField = 16; // 0-based start of game index 0's field

std::string_view trimRight(std::string_view s) {
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}
std::string_view trimLeft(std::string_view s) {
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    return s;
}

std::optional<long> parseInt(std::string_view s) {
    s = trimLeft(trimRight(s));
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    long v = 0;
    const auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (s.empty() || ec != std::errc() || ptr != s.data() + s.size()) return std::nullopt;
    return v;
}

std::string lowerTrimmed(std::string_view s) {
    std::string out(trimRight(s));
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

enum class FieldError { None, Short, NotNumber, TooLarge };

// The value of game index g in a [Sect2] line.
FieldError readField(std::string_view line, int g, int& value) {
    const std::size_t start = kFirstField + static_cast<std::size_t>(g) * kFieldStep;
    if (g < 0 || line.size() < start + kFieldWidth) return FieldError::Short;
    char text[kFieldWidth];
    for (std::size_t i = 0; i < kFieldWidth; ++i)
        text[i] = unshiftChar(line[start + i]);
    const auto v = parseInt(std::string_view(text, kFieldWidth));
    if (!v) return FieldError::NotNumber;
    if (*v < std::numeric_limits<std::int16_t>::min() ||
        *v > std::numeric_limits<std::int16_t>::max())
        return FieldError::TooLarge;
    value = static_cast<int>(*v);
    return FieldError::None;
}

std::string zeroPadded(int v) {
    std::string digits = std::to_string(v < 0 ? -static_cast<long>(v) : v);
    const std::size_t width = v < 0 ? 9 : 10;
    if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
    return (v < 0 ? "-" : "") + digits;
}

} // namespace

// --- entries ------------------------------------------------------------------

int Entry::category(std::string_view entry) {
    const auto v = parseInt(entry.substr(0, 3));
    return v ? static_cast<int>(*v) : -1;
}

int Entry::id(std::string_view entry) {
    if (entry.size() < 7) return -1;
    const auto v = parseInt(entry.substr(4, 3));
    return v && *v >= 0 ? static_cast<int>(*v) : -1;
}

std::string Entry::name(std::string_view entry) {
    if (entry.size() <= 10) return {};
    return std::string(trimRight(entry.substr(10, 50)));
}

std::string missingFileMessage(const std::string& path) {
    return "Cannot find file:\n" + path + "\n" +
           "Copy the file into the directory that above is specified" + "\n" +
           "or reinstall the program.";
}

// --- the catalogue --------------------------------------------------------------

Catalogue::Catalogue(std::string path, TMainGame& game, EngineHost& host,
                     const CustomGameSource* custom)
    : path_(std::move(path)), game_(game), host_(host), custom_(custom) {}

std::string Catalogue::pathIn(std::string_view programFolder) {
    std::string path(programFolder);
    if (!path.empty() && path.back() != '/') path += '/';
    return path + std::string(kFileName);
}

bool Catalogue::loadGameList() {
    const auto file = CatalogueFile::read(path_);
    if (!file) {
        host_.message(missingFileMessage(path_));
        return false;
    }
    game_.gameList.clear();
    file->forEachBodyLine(kSect1, [&](std::string_view stored) {
        std::string entry = unshift(stored);
        if (!Entry::skipped(entry)) game_.gameList.push_back(std::move(entry));
    });
    return true;
}

int Catalogue::checkedCurrentGame(int id) const {
    if (id >= 0 && name(id).empty()) return -1;
    return id;
}

int Catalogue::gameIndex(int id) const {
    if (id < 0 || id >= kFirstCustomId) return -1;
    const auto& list = game_.gameList;
    if (static_cast<std::size_t>(id) < list.size() && Entry::id(list[id]) == id) return id;
    for (std::size_t i = 0; i < list.size(); ++i)
        if (Entry::id(list[i]) == id) return static_cast<int>(i);
    return -1;
}

const std::string* Catalogue::entryOf(int id) const {
    const int g = gameIndex(id);
    return g < 0 ? nullptr : &game_.gameList[g];
}

std::string Catalogue::name(int id) const {
    if (id >= kFirstCustomId) {
        if (!custom_) return {};
        const auto game = custom_->find(id);
        return game ? std::string(trimRight(game->name)) : std::string{};
    }
    const std::string* entry = entryOf(id);
    return entry ? Entry::name(*entry) : std::string{};
}

int Catalogue::idOfName(std::string_view wanted) const {
    const std::string key = lowerTrimmed(wanted);
    for (const std::string& entry : game_.gameList)
        if (lowerTrimmed(Entry::name(entry)) == key) return Entry::id(entry);
    return custom_ ? custom_->idOfName(key) : -1;
}

int Catalogue::category(int id) const {
    if (id < 0) return -1;
    if (id >= kFirstCustomId) return 800;
    const std::string* entry = entryOf(id);
    return entry ? Entry::category(*entry) : -1;
}

bool Catalogue::isNewGame(int id) const {
    const std::string* entry = entryOf(id);
    return entry && Entry::isNew(*entry);
}

std::vector<int> Catalogue::readParams(int id, std::span<const int> indexes) const {
    std::vector<int> values(indexes.size(), 0);
    const int g = gameIndex(id);
    std::optional<CatalogueFile> file;
    if (g >= 0) file = CatalogueFile::read(path_);
    std::vector<std::string_view> lines;
    if (file) lines = file->body(kSect2);
    for (std::size_t i = 0; i < indexes.size(); ++i) {
        const int k = indexes[i];
        if (k == -1) {
            values[i] = kNoParam;
            continue;
        }
        // Line k (counted from 1) of [Sect2] holds parameter k.
        if (k >= 1 && static_cast<std::size_t>(k) <= lines.size()) {
            int v = 0;
            if (readField(lines[k - 1], g, v) == FieldError::None) values[i] = v;
        }
    }
    return values;
}

std::vector<std::string> Catalogue::parameterPairs(int a, int b) const {
    const auto file = CatalogueFile::read(path_);
    std::vector<std::string_view> lines;
    if (file) lines = file->body(kSect2);
    auto value = [&](int k, int g) {
        int v = 0;
        if (k >= 1 && static_cast<std::size_t>(k) <= lines.size()) readField(lines[k - 1], g, v);
        return v;
    };
    std::vector<std::string> pairs;
    pairs.reserve(game_.gameList.size());
    for (std::size_t g = 0; g < game_.gameList.size(); ++g)
        pairs.push_back(zeroPadded(value(a, static_cast<int>(g))) +
                        zeroPadded(value(b, static_cast<int>(g))));
    return pairs;
}

std::vector<std::string> Catalogue::sortedNames() const {
    std::vector<std::string> names;
    for (const std::string& entry : game_.gameList)
        names.push_back(Entry::name(entry));
    if (custom_)
        for (const std::string& n : custom_->names())
            names.emplace_back(trimRight(n));
    std::stable_sort(names.begin(), names.end(), [](const std::string& x, const std::string& y) {
        return lowerTrimmed(x) < lowerTrimmed(y);
    });
    return names;
}

std::vector<int> Catalogue::idList(std::string_view header) const {
    std::vector<int> ids;
    const auto file = CatalogueFile::read(path_);
    if (!file) return ids;
    file->forEachBodyLine(header, [&](std::string_view stored) {
        if (const auto v = parseInt(unshift(stored)); v && *v >= 0 && *v < kFirstCustomId)
            ids.push_back(static_cast<int>(*v));
    });
    return ids;
}

std::vector<int> Catalogue::popularIds() const {
    return idList(kSectPopular);
}
std::vector<int> Catalogue::originalIds() const {
    return idList(kSectOriginal);
}
std::vector<int> Catalogue::childrenIds() const {
    return idList(kSectChildren);
}

bool Catalogue::screenCheck(int id, int screenWidth) const {
    if (screenWidth >= kNarrowScreen) return true;
    std::string shownName = name(id);
    int entryId = id;
    if (id >= kFirstCustomId) {
        const auto game = custom_ ? custom_->find(id) : std::nullopt;
        if (!game) return true;
        entryId = game->baseId;
    }
    const std::string* entry = entryOf(entryId);
    if (!entry || !Entry::wideOnly(*entry)) return true;
    host_.message("Your video card's display is 640x480 pixels.\nYou can't play: " + shownName +
                  "\n" + "Please set your screen resolution to 800x600 pixels or higher.");
    return false;
}

bool Catalogue::refuse(RuleParams& params, const std::string& text) const {
    params.clear();
    params.saveRanges();
    host_.message(text);
    return false;
}

bool Catalogue::loadRuleParams(RuleParams& params, int id) const {
    std::optional<CustomGame> customGame;
    int baseId = id;
    if (id >= kFirstCustomId) {
        if (custom_) customGame = custom_->find(id);
        if (!customGame)
            return refuse(params, "The custom game " + std::to_string(id) +
                                      " cannot be found, so it cannot be played.");
        baseId = customGame->baseId;
    }
    const int g = gameIndex(baseId);
    if (g < 0) {
        if (customGame)
            return refuse(params, "The custom game \"" + customGame->name + "\" is based on game " +
                                      std::to_string(baseId) +
                                      ", which is not in the catalogue, so it cannot be played.");
        return refuse(params, "The game " + std::to_string(id) +
                                  " is not in the catalogue, so it cannot be played.");
    }

    const auto file = CatalogueFile::read(path_);
    if (!file) return refuse(params, missingFileMessage(path_));

    RuleParams loaded;
    std::string damage;
    int lineNumber = 0;
    file->forEachBodyLine(kSect2, [&](std::string_view line) {
        ++lineNumber;
        if (!damage.empty()) return;
        const auto k = parseInt(line.substr(0, 4));
        if (!k || *k < 0 || *k >= RuleParams::kSize) {
            damage = "parameter line " + std::to_string(lineNumber) + " has no valid index";
            return;
        }
        int v = 0;
        switch (readField(line, g, v)) {
        case FieldError::None: loaded.set(static_cast<int>(*k), v); break;
        case FieldError::Short:
            damage = "parameter line " + std::to_string(lineNumber) + " has no column for it";
            break;
        case FieldError::NotNumber:
        case FieldError::TooLarge:
            damage = "the value of " + paramLabel(static_cast<int>(*k)) + " is not a valid number";
            break;
        }
    });
    if (!damage.empty() || lineNumber == 0) {
        const std::string what =
            lineNumber == 0 ? "the catalogue holds no rule parameters" : damage;
        return refuse(params, "The rules of \"" + name(baseId) + "\" cannot be read (" + what +
                                  ") in " + path_ + ", so it cannot be played.");
    }

    if (customGame) custom_->overlay(loaded, *customGame);
    loaded.saveRanges();
    params = loaded;
    return true;
}

bool Catalogue::loadCurrentGame(Engine& engine) const {
    const auto id = parseInt(engine.state.read(field::GameId));
    if (!id) return refuse(engine.params, "No game has been chosen.");
    return loadRuleParams(engine.params, static_cast<int>(*id));
}

void Catalogue::install(Engine& engine) const {
    engine.loadCurrentGame = [this](Engine& e) { return loadCurrentGame(e); };
}

// --- autoplay preference ---------------------------------------------------------

std::string customAutoplayKey(int id) {
    std::string digits = std::to_string(id);
    if (digits.size() < 4) digits.insert(0, 4 - digits.size(), '0');
    return "Cust_" + digits;
}

bool autoplayPreference(const AutoplaySettings& settings, int id) {
    if (id < 0) return true;
    if (id >= kFirstCustomId) {
        const auto v = settings.read(customAutoplayKey(id));
        return !(v && *v == "N");
    }
    const auto games = settings.read("Games");
    if (!games || static_cast<std::size_t>(id) >= games->size()) return true;
    return (*games)[id] != 'N';
}

void setAutoplayChar(std::string& games, int id, bool on) {
    if (id < 0) return;
    const std::size_t pos = static_cast<std::size_t>(id);
    if (pos + 1 >= games.size()) games.resize(pos + 10, 'Y');
    games[pos] = on ? 'Y' : 'N';
}

void storeAutoplayPreference(AutoplaySettings& settings, int id, bool on) {
    if (id < 0) return;
    if (id >= kFirstCustomId) {
        settings.write(customAutoplayKey(id), on ? "Y" : "N");
        return;
    }
    std::string games = settings.read("Games").value_or(std::string{});
    setAutoplayChar(games, id, on);
    settings.write("Games", games);
}

} // namespace vellamor::catalogue
