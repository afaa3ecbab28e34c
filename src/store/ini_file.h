// A small INI file reader and writer for the settings file. Section and key
// names match without regard to letter case; values are kept exactly as
// written; the file is written with CR LF line ends and stays readable as a
// Windows INI file. Lines it does not understand (comments, garbage) are kept
// as they are. Nothing is cached between objects: each one reads the file when
// it is made, and its writes reach the disk at commit() in one atomic replace.
#pragma once

#include "store/store_host.h"

#include <string>
#include <string_view>
#include <vector>

namespace vellamor::store {

class IniFile {
public:
    // Reads `path`. A missing or unreadable file is not an error: every read
    // then returns its default.
    explicit IniFile(std::string path, StoreHost* host = nullptr);
    IniFile(const IniFile&) = delete;
    IniFile& operator=(const IniFile&) = delete;
    // Commits pending writes; a failure is reported through the host.
    virtual ~IniFile();

    const std::string& path() const { return path_; }

    std::string readString(std::string_view section, std::string_view key,
                           std::string_view def) const;
    // Decimal text (blanks around it allowed, a sign, leading zeros); text that
    // is not a number gives `def`.
    long long readInteger(std::string_view section, std::string_view key, long long def) const;
    // Stored as "1"/"0"; any number other than 0 is true.
    bool readBool(std::string_view section, std::string_view key, bool def) const;

    bool sectionExists(std::string_view section) const;
    bool keyExists(std::string_view section, std::string_view key) const;
    std::vector<std::string> sections() const;
    // The key names of a section in file order, as spelled in the file.
    std::vector<std::string> keys(std::string_view section) const;

    // Creates the section and key as needed and replaces the old value; an
    // existing key keeps its spelling. Returns false (and reports) when the
    // name or value would break the file: a section name holding "]", a key
    // holding "=", names with leading or trailing blanks or starting with "["
    // or ";", a line break anywhere.
    bool writeString(std::string_view section, std::string_view key, std::string_view value);
    bool writeInteger(std::string_view section, std::string_view key, long long value);
    bool writeBool(std::string_view section, std::string_view key, bool value);
    void deleteKey(std::string_view section, std::string_view key);
    void eraseSection(std::string_view section);

    bool dirty() const { return dirty_; }
    // Writes the file when something changed (temporary file in the same
    // folder, flushed, renamed over the old one). On failure the old file stays
    // as it was, the failure is reported through the host and false returned;
    // the changes stay pending. A file that exists but could not be read is
    // never overwritten.
    bool commit();
    // The reason of the last refused write or failed commit.
    const std::string& error() const { return error_; }

protected:
    StoreHost* host() const { return host_; }

private:
    struct Line {
        std::string text;
        enum Kind { Other, Header, Entry } kind = Other;
        // Header: the name; Entry: the key (both trimmed).
        std::size_t nameBegin = 0, nameLen = 0;
        std::size_t valueBegin = 0; // Entry: first character after "="
        std::string_view name() const { return std::string_view(text).substr(nameBegin, nameLen); }
    };
    static Line parseLine(std::string text);
    // Index of the header line of the section, or npos.
    std::size_t findSection(std::string_view section) const;
    // Index of the key's line in the section starting at `header`, or npos.
    std::size_t findKey(std::size_t header, std::string_view key) const;
    // One past the last line of the section starting at `header`.
    std::size_t sectionEnd(std::size_t header) const;
    bool refuse(std::string reason);

    std::string path_;
    StoreHost* host_;
    std::vector<Line> lines_;
    bool dirty_ = false;
    bool unreadable_ = false;
    std::string error_;
};

} // namespace vellamor::store
