#include "store/data_folder.h"

#include "store/file_util.h"
#include "store/messages.h"

#include <cstdlib>

namespace vellamor::store {

namespace {

std::string envOr(const char* name) {
    const char* v = std::getenv(name);
    return v ? std::string(v) : std::string();
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string trimRight(std::string s) {
    while (!s.empty() && isBlank(s.back()))
        s.pop_back();
    return s;
}

// The first line of a text file, without its line end and trailing blanks.
std::string firstLine(const std::string& content) {
    std::size_t end = content.find('\n');
    return trimRight(content.substr(0, end));
}

// XDG_DOCUMENTS_DIR from the user-dirs file of the configuration folder.
std::string documentsFromUserDirs(const Environment& env) {
    std::string config =
        !env.xdgConfigHome.empty() && env.xdgConfigHome[0] == '/'
            ? withSlash(env.xdgConfigHome)
            : (env.home.empty() ? std::string() : withSlash(env.home) + ".config/");
    if (config.empty()) return {};
    std::string text;
    if (readWholeFile(config + "user-dirs.dirs", text) != ReadStatus::Ok) return {};
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string::npos) end = text.size();
        std::string_view line(text.data() + pos, end - pos);
        pos = end + 1;
        constexpr std::string_view kKey = "XDG_DOCUMENTS_DIR=";
        if (line.substr(0, kKey.size()) != kKey) continue;
        std::string value(line.substr(kKey.size()));
        value = trimRight(value);
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        if (value.rfind("$HOME", 0) == 0) {
            if (env.home.empty()) return {};
            std::string home = trimRight(env.home);
            while (home.size() > 1 && home.back() == '/')
                home.pop_back();
            value = home + value.substr(5);
        }
        if (!value.empty() && value[0] == '/') return value;
    }
    return {};
}

} // namespace

Environment Environment::current() {
    return Environment{envOr("HOME"), envOr("XDG_DATA_HOME"), envOr("XDG_CONFIG_HOME"),
                       envOr("XDG_DOCUMENTS_DIR")};
}

std::string applicationDataFolder(const Environment& env) {
    // Relative values are to be ignored, as the XDG rules say.
    if (!env.xdgDataHome.empty() && env.xdgDataHome[0] == '/') return withSlash(env.xdgDataHome);
    if (!env.home.empty() && env.home[0] == '/') return withSlash(env.home) + ".local/share/";
    return {};
}

std::string defaultDataFolder(const std::string& programFolder, const Environment& env) {
    std::string appData = applicationDataFolder(env);
    if (appData.empty()) return withSlash(programFolder) + "Data/";
    return appData + std::string(kDataFolderName);
}

std::optional<std::string> personalDocumentsFolder(const Environment& env) {
    if (!env.xdgDocuments.empty() && env.xdgDocuments[0] == '/') return withSlash(env.xdgDocuments);
    std::string fromFile = documentsFromUserDirs(env);
    if (!fromFile.empty()) return withSlash(fromFile);
    if (env.home.empty() || env.home[0] != '/') return std::nullopt;
    std::string documents = withSlash(env.home) + "Documents/";
    if (folderExists(documents)) return documents;
    return withSlash(env.home);
}

std::string personalDocumentsFolder(const Environment& env, StoreHost& host) {
    std::optional<std::string> folder = personalDocumentsFolder(env);
    if (!folder) {
        host.message(msg::kNoDocumentsFolder);
        return {};
    }
    return *folder;
}

bool saveDataFolderPointer(const std::string& programFolder, std::string_view folder,
                           StoreHost& host) {
    std::string path = withSlash(programFolder) + std::string(file::kPointer);
    std::string line = folder.empty() ? std::string(kDefaultFolderMarker) : std::string(folder);
    line += "\r\n";
    if (replaceFileContent(path, line) != ReplacementFile::Result::Ok) {
        host.message(msg::errorSavingFile(path));
        return false;
    }
    return true;
}

std::string resolveDataFolder(const std::string& programFolderIn, StoreHost& host,
                              const Environment& env) {
    const std::string programFolder = withSlash(programFolderIn);
    std::string pointer = programFolder + std::string(file::kPointer);
    std::optional<std::string> existing = findNoCase(programFolder, file::kPointer);
    std::string result;
    if (!existing) {
        // An installation that already keeps its data beside the program goes on using it.
        std::string first;
        if (std::optional<std::string> data = findNoCase(programFolder, "data")) {
            if (folderExists(*data) && findNoCase(withSlash(*data), "cfg.dat"))
                first = withSlash(*data);
        }
        saveDataFolderPointer(programFolder, first, host);
        result = first;
    } else {
        std::string content;
        // An unreadable pointer file counts as an empty one: the default folder.
        if (readWholeFile(*existing, content) == ReadStatus::Ok)
            result = withSlash(firstLine(content));
    }
    if (result.empty() || result.compare(0, kDefaultFolderMarker.size(), kDefaultFolderMarker) == 0)
        return defaultDataFolder(programFolder, env);
    if (result[0] != '/') result = programFolder + result;
    return result;
}

DataFolder::DataFolder(std::string folder) : folder_(withSlash(std::move(folder))) {}

std::string DataFolder::file(std::string_view name) const {
    if (std::optional<std::string> found = findNoCase(folder_, name)) return *found;
    return folder_ + std::string(name);
}

bool DataFolder::has(std::string_view name) const {
    return findNoCase(folder_, name).has_value();
}

std::optional<std::string> DataFolder::progression(std::string_view player) const {
    if (player.empty() || player == "." || player == ".." ||
        player.find_first_of(std::string_view("/\0", 2)) != std::string_view::npos)
        return std::nullopt;
    return file("Stat_prg_" + std::string(player) + ".dat");
}

DataFolder openDataFolder(const std::string& programFolder, StoreHost& host,
                          const Environment& env) {
    DataFolder folder(resolveDataFolder(programFolder, host, env));
    createFolders(folder.folder());
    return folder;
}

} // namespace vellamor::store
