// Small POSIX file helpers shared by the store: existence tests, whole-file
// reads, folder creation and the replacement file that makes every rewrite of a
// data file atomic.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vellamor::store {

// A file exists but cannot be opened or read. The operation in progress is
// abandoned; what() is the text to show ("Cannot open file " + path).
class StoreError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

bool fileExists(const std::string& path);   // a regular file (following links)
bool folderExists(const std::string& path); // a directory

// The folder part of a path, ending in "/"; empty when the path has no folder.
std::string folderOf(std::string_view path);
// The folder text with a final "/" added when it lacks one (empty stays empty).
std::string withSlash(std::string folder);
// Creates the folder with all missing parents; true when it exists afterwards.
bool createFolders(const std::string& folder);
// The path of the entry of `folder` whose name equals `name` without regard to
// case (the exact spelling is tried first); nullopt when there is none.
std::optional<std::string> findNoCase(const std::string& folder, std::string_view name);

// The text of the last failed system call, for messages.
std::string lastErrorText();

enum class ReadStatus { Ok, Missing, Unreadable };
// Reads the whole file into `out` (cleared first).
ReadStatus readWholeFile(const std::string& path, std::string& out);

// Writes all bytes at `offset` (retrying short writes); false on failure.
bool writeAllAt(int fd, std::string_view bytes, std::int64_t offset);
// Reads up to `size` bytes at `offset`; returns the count or -1.
long readAt(int fd, char* buf, std::size_t size, std::int64_t offset);

// A new version of a file, written beside it under a unique "rpl" name and
// then renamed over it in one step: readers see either the old or the new
// file, never a half-written one, and a failure leaves the old file as it was.
class ReplacementFile {
public:
    enum class Result { Ok, CreateFailed, WriteFailed, RenameFailed };

    ReplacementFile() = default;
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;
    ~ReplacementFile() { discard(); }

    // Creates the temporary file in the folder of `target` (the current folder
    // when the target path has none).
    bool create(const std::string& target);
    // Appends bytes; a failure is remembered and reported by commit().
    bool write(std::string_view bytes);
    // Appends the bytes [from, to) of the open file `fd`, in 8192-byte blocks.
    bool copyRange(int fd, std::int64_t from, std::int64_t to);
    // Flushes to disk, gives the file the old file's permissions, renames it
    // over the target and flushes the folder. On failure the temporary file
    // is removed and the target is untouched.
    Result commit();
    // Closes and removes the temporary file (nothing when committed).
    void discard();

    const std::string& path() const { return temp_; }
    const std::string& target() const { return target_; }
    // errno text of the failure.
    const std::string& error() const { return error_; }

private:
    int fd_ = -1;
    bool failed_ = false;
    std::int64_t written_ = 0;
    std::string temp_, target_, error_;
};

// Writes `content` as the whole new content of `path` through a replacement
// file. Returns Ok or the failed step; `error` receives the system's reason.
ReplacementFile::Result replaceFileContent(const std::string& path, std::string_view content,
                                           std::string* tempPath = nullptr,
                                           std::string* error = nullptr);

} // namespace vellamor::store
