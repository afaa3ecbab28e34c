// The sectioned data files of the statistics and hi-scores (Stat.dat,
// Stat_uni.dat, Stat_glo.dat, Stat_scr.dat, Series_scr.dat). They look like
// INI files but hold thousands of lines of mostly fixed-width values, so they
// are worked on by byte offset:
//
//   [Version]\r\n
//   Version=0300\r\n
//   \r\n
//   [Section]\r\n          <- section start: offset of the "["
//   Key=Value\r\n          <- body start: the line after the header
//   \r\n
//   [Next]\r\n             <- the body ends where a line begins with "["
//
// A value of unchanged width is overwritten where it stands; anything that
// changes the number or length of lines rewrites the file through a temporary
// "rpl" file in the same folder that is flushed and renamed over the old file,
// so the old file stays whole until the new one is complete. Sections are found
// by reading 8192-byte blocks, so a lookup reads only up to the section.
//
// Readers accept files with LF line ends and a missing final line end.
//
// Errors: a file that exists but cannot be opened or read throws StoreError
// with "Cannot open file <path>" (the operation in progress is abandoned). A
// write that fails, or input that would break the format (a line break in a
// name or value, a key with "=", a bracketed text in a value, ...), is shown
// through the host and the routine returns false; the file is left unchanged.
#pragma once

#include "store/data_folder.h"
#include "store/store_host.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vellamor::store {

struct KeyRead {
    bool found = false;
    std::string value; // the default when not found
};

struct KeysRead {
    std::vector<std::string> values; // the defaults, with each key found replaced
    bool allFound = false;
};

class SectionedFile {
public:
    SectionedFile(std::string path, StoreHost& host);
    SectionedFile(const SectionedFile&) = delete;
    SectionedFile& operator=(const SectionedFile&) = delete;
    ~SectionedFile();

    const std::string& path() const { return path_; }

    // Keeps the file open across calls, as for a run of reads and writes of
    // one statistics operation; without it each call opens and closes the
    // file. Throws StoreError when the file cannot be opened (a missing file
    // is created when `forWriting`).
    void open(bool forWriting);
    void close();
    bool isOpen() const { return fd_ >= 0; }

    // Offset of the "[" that opens the section; nullopt when it is missing.
    std::optional<std::int64_t> findSection(std::string_view section);
    // The key's value with trailing blanks removed, or the default.
    KeyRead readKey(std::string_view section, std::string_view key, std::string_view def);
    // Several keys of one section at once; also accepts "key =" lines and keeps
    // the values untrimmed.
    KeysRead readKeys(std::string_view section, const std::vector<std::string>& keys,
                      const std::vector<std::string>& defaults);
    std::vector<std::string> listSections();
    std::vector<std::string> listKeys(std::string_view section);

    // Sets one value: in place when the key exists with a value of the same
    // width, else by rewriting the section (the new key last); a missing
    // section is appended.
    bool writeKey(std::string_view section, std::string_view key, std::string_view value);
    // Replaces the body of the section with these lines and one empty line;
    // the rest of the file stays byte for byte. A missing section is appended.
    bool rewriteSection(std::string_view section, const std::vector<std::string>& keys,
                        const std::vector<std::string>& values);
    // Writes key=value lines from the body start over the lines that are there:
    // in place when each new line is as long as the line it covers, otherwise
    // through a rewrite of the section (the covered lines replaced, the rest
    // kept). A missing section is appended.
    bool overwriteSectionLines(std::string_view section, const std::vector<std::string>& keys,
                               const std::vector<std::string>& values);
    // Adds the section at the end of the file (after an empty line); refused
    // when the section exists already. Creates a missing file.
    bool appendSection(std::string_view section, const std::vector<std::string>& keys,
                       const std::vector<std::string>& values);
    // In every line whose text at the 1-based column equals `oldText`, puts
    // `newText` in its place (the rest of the line moves when the lengths
    // differ). `progress` receives the count of lines done at every tenth line.
    // Does nothing (and returns true) when the file does not exist.
    bool replaceAtColumn(int column, std::string_view oldText, std::string_view newText,
                         const std::function<void(long)>& progress = {});

private:
    struct Location {
        std::int64_t start = 0;     // the "[" of the header
        std::int64_t bodyStart = 0; // after the header's line end
        bool headerEnded = true;    // the header line has a line end
    };
    class Access; // opens the file for one call unless it is held open

    std::optional<Location> locate(int fd, std::string_view section);
    // Reads the body into body_ and returns the offset where the tail begins
    // (the "[" of the next section, or the end of the file).
    std::int64_t readBody(int fd, std::int64_t bodyStart);
    bool rewriteBody(int fd, const Location& at, std::int64_t tail, std::string_view newBody);
    bool appendAt(int fd, std::string_view section, const std::vector<std::string>& keys,
                  const std::vector<std::string>& values);
    bool checkSection(std::string_view section);
    bool checkLine(std::string_view section, std::string_view key, std::string_view value);
    bool checkLines(std::string_view section, const std::vector<std::string>& keys,
                    const std::vector<std::string>& values);
    bool fail(std::string text);
    bool reportReplace(int result, const std::string& temp, const std::string& why);
    void reopenAfterReplace();

    std::string path_;
    StoreHost& host_;
    int fd_ = -1;
    bool heldForWriting_ = false;
    std::string body_;    // reused buffer of the last body read
    std::string pattern_; // reused buffer of the searched header text
};

// Creates each missing statistics file in the data folder: Stat.dat,
// Stat_scr.dat and Series_scr.dat with "[Version]" and "Version=0300",
// Stat_glo.dat with "[Version]" and "VOvS=0300", and an empty progression file
// of the current player (none when `player` is empty). Every statistics
// operation calls it first. False when a file could not be created (reported).
bool ensureStatisticsFiles(const DataFolder& folder, std::string_view player, StoreHost& host);

} // namespace vellamor::store
