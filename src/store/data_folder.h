// The data folder: where everything a user creates is kept (settings,
// statistics, hi-scores, series, the held game). Which folder that is comes from
// the one-line pointer file `sol_fold.dat` in the program folder; by default it
// is the per-user application-data location. Folders always end in "/".
#pragma once

#include "store/store_host.h"

#include <optional>
#include <string>
#include <string_view>

namespace vellamor::store {

// The file names of the data folder (as written; looked up without regard to
// case, so files copied from a case-insensitive system are found).
namespace file {
inline constexpr std::string_view kPointer = "sol_fold.dat"; // in the program folder
inline constexpr std::string_view kSettings = "Cfg.dat";
inline constexpr std::string_view kStat = "Stat.dat";
inline constexpr std::string_view kStatUni = "Stat_uni.dat";
inline constexpr std::string_view kStatGlo = "Stat_glo.dat";
inline constexpr std::string_view kStatScr = "Stat_scr.dat";
inline constexpr std::string_view kSeriesScr = "Series_scr.dat";
inline constexpr std::string_view kStatLog = "Stat_log.dat";
inline constexpr std::string_view kSeries = "Series.dat";
inline constexpr std::string_view kSeriesE01 = "Series_e01.dat";
inline constexpr std::string_view kStatE01 = "Stat_e01.dat";
inline constexpr std::string_view kCustomGames = "GAM_CUST.DAT";
} // namespace file

// The marker line of the pointer file that selects the default data folder.
inline constexpr std::string_view kDefaultFolderMarker = "[Default Data Folder]";
// The program's own folder below the application-data location.
inline constexpr std::string_view kDataFolderName = "Vellamor/";

// What the user's environment says about per-user folders. Taken from the
// process environment in the program; tests fill it by hand.
struct Environment {
    std::string home;          // $HOME
    std::string xdgDataHome;   // $XDG_DATA_HOME
    std::string xdgConfigHome; // $XDG_CONFIG_HOME
    std::string xdgDocuments;  // $XDG_DOCUMENTS_DIR

    static Environment current();
};

// The per-user application-data folder ($XDG_DATA_HOME, else
// $HOME/.local/share/), ending in "/"; empty when the environment names none.
std::string applicationDataFolder(const Environment& env);
// Application data + "Vellamor/"; the program folder + "Data/" when there is
// no application-data folder.
std::string defaultDataFolder(const std::string& programFolder, const Environment& env);
// The user's documents folder (the XDG documents folder, else ~/Documents when
// it exists, else the home folder); nullopt when none can be found, and then
// the caller shows msg::kNoDocumentsFolder.
std::optional<std::string> personalDocumentsFolder(const Environment& env);
// The same, showing "Cannont find personal documents folder" through the host
// and returning an empty text when there is none.
std::string personalDocumentsFolder(const Environment& env, StoreHost& host);

// Decides the data folder from the pointer file in `programFolder` (which ends
// in "/"), creating the pointer file on the first start. A pointer file that
// cannot be written is reported through the host once and the default is used.
// A relative folder in the pointer file is taken relative to the program folder.
std::string resolveDataFolder(const std::string& programFolder, StoreHost& host,
                              const Environment& env = Environment::current());

// Rewrites the pointer file with one line: `folder`, or the default marker when
// `folder` is empty. Failures show "Error saving the file: ..." and return false.
bool saveDataFolderPointer(const std::string& programFolder, std::string_view folder,
                           StoreHost& host);

// The resolved data folder and the paths of its files.
class DataFolder {
public:
    explicit DataFolder(std::string folder);

    const std::string& folder() const { return folder_; }
    // Folder + name, or the existing file whose name differs only in case.
    std::string file(std::string_view name) const;
    // Whether a file of that name (in any letter case) exists.
    bool has(std::string_view name) const;

    std::string settings() const { return file(file::kSettings); }
    std::string stat() const { return file(file::kStat); }
    std::string statUni() const { return file(file::kStatUni); }
    std::string statGlo() const { return file(file::kStatGlo); }
    std::string statScr() const { return file(file::kStatScr); }
    std::string seriesScr() const { return file(file::kSeriesScr); }
    std::string statLog() const { return file(file::kStatLog); }
    std::string series() const { return file(file::kSeries); }
    std::string seriesInProgress() const { return file(file::kSeriesE01); }
    std::string heldGame() const { return file(file::kStatE01); }
    std::string customGames() const { return file(file::kCustomGames); }
    // "Stat_prg_<player>.dat"; nullopt when the name cannot be part of a file
    // name (empty, ".", "..", or holding "/" or a NUL byte).
    std::optional<std::string> progression(std::string_view player) const;

private:
    std::string folder_;
};

// Start-up: resolves the data folder and creates it with all missing parents
// (a failure to create is not reported here; the first file operation does).
DataFolder openDataFolder(const std::string& programFolder, StoreHost& host,
                          const Environment& env = Environment::current());

} // namespace vellamor::store
