#include "store/file_util.h"

#include "store/text_util.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vellamor::store {

namespace {

int openNoInterrupt(const char* path, int flags, mode_t mode = 0) {
    int fd;
    do {
        fd = ::open(path, flags | O_CLOEXEC, mode);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

void fsyncFolder(const std::string& folder) {
    int fd = openNoInterrupt(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

bool fileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool folderExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string folderOf(std::string_view path) {
    std::size_t slash = path.rfind('/');
    if (slash == std::string_view::npos) return {};
    return std::string(path.substr(0, slash + 1));
}

std::string withSlash(std::string folder) {
    if (!folder.empty() && folder.back() != '/') folder += '/';
    return folder;
}

bool createFolders(const std::string& folder) {
    if (folder.empty()) return false;
    if (folderExists(folder)) return true;
    std::string part;
    part.reserve(folder.size());
    for (std::size_t i = 0; i < folder.size(); ++i) {
        part += folder[i];
        if ((folder[i] == '/' && i > 0) || i + 1 == folder.size()) {
            if (::mkdir(part.c_str(), 0777) != 0 && errno != EEXIST) return false;
        }
    }
    return folderExists(folder);
}

std::optional<std::string> findNoCase(const std::string& folder, std::string_view name) {
    std::string exact = folder + std::string(name);
    struct stat st {};
    if (::stat(exact.c_str(), &st) == 0) return exact;
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!dir) return std::nullopt;
    std::optional<std::string> found;
    while (dirent* e = ::readdir(dir)) {
        if (equalNoCase(e->d_name, name)) {
            found = folder + e->d_name;
            break;
        }
    }
    ::closedir(dir);
    return found;
}

std::string lastErrorText() {
    return std::strerror(errno);
}

ReadStatus readWholeFile(const std::string& path, std::string& out) {
    out.clear();
    int fd = openNoInterrupt(path.c_str(), O_RDONLY);
    if (fd < 0)
        return errno == ENOENT || errno == ENOTDIR ? ReadStatus::Missing : ReadStatus::Unreadable;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        ::close(fd);
        return ReadStatus::Unreadable;
    }
    if (st.st_size > 0) out.reserve(static_cast<std::size_t>(st.st_size));
    char buf[8192];
    for (;;) {
        ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            ::close(fd);
            out.clear();
            return ReadStatus::Unreadable;
        }
        if (n == 0) break;
        out.append(buf, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return ReadStatus::Ok;
}

bool writeAllAt(int fd, std::string_view bytes, std::int64_t offset) {
    while (!bytes.empty()) {
        ssize_t n = ::pwrite(fd, bytes.data(), bytes.size(), offset);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = EIO;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
        offset += n;
    }
    return true;
}

long readAt(int fd, char* buf, std::size_t size, std::int64_t offset) {
    std::size_t got = 0;
    while (got < size) {
        ssize_t n = ::pread(fd, buf + got, size - got, offset + static_cast<std::int64_t>(got));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return -1;
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    return static_cast<long>(got);
}

bool ReplacementFile::create(const std::string& target) {
    discard();
    target_ = target;
    failed_ = false;
    written_ = 0;
    error_.clear();
    std::string folder = folderOf(target);
    temp_ = (folder.empty() ? std::string("./") : folder) + "rplXXXXXX";
    fd_ = ::mkostemp(temp_.data(), O_CLOEXEC);
    if (fd_ < 0) {
        error_ = lastErrorText();
        temp_.clear();
        return false;
    }
    return true;
}

bool ReplacementFile::write(std::string_view bytes) {
    if (fd_ < 0 || failed_) return false;
    if (!writeAllAt(fd_, bytes, written_)) {
        failed_ = true;
        error_ = lastErrorText();
        return false;
    }
    written_ += static_cast<std::int64_t>(bytes.size());
    return true;
}

bool ReplacementFile::copyRange(int fd, std::int64_t from, std::int64_t to) {
    char buf[8192];
    while (from < to) {
        std::size_t want = static_cast<std::size_t>(std::min<std::int64_t>(to - from, sizeof buf));
        long n = readAt(fd, buf, want, from);
        if (n <= 0) {
            failed_ = true;
            error_ = n < 0 ? lastErrorText() : "the file became shorter while it was copied";
            return false;
        }
        if (!write(std::string_view(buf, static_cast<std::size_t>(n)))) return false;
        from += n;
    }
    return true;
}

ReplacementFile::Result ReplacementFile::commit() {
    if (fd_ < 0) return Result::CreateFailed;
    if (failed_ || ::fsync(fd_) != 0) {
        if (!failed_) error_ = lastErrorText();
        discard();
        return Result::WriteFailed;
    }
    // The new file keeps the permissions of the one it replaces.
    struct stat st {};
    mode_t mode = 0666;
    if (::stat(target_.c_str(), &st) == 0) {
        mode = st.st_mode & 07777;
    } else {
        mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    ::fchmod(fd_, mode);
    if (::close(fd_) != 0) {
        fd_ = -1;
        error_ = lastErrorText();
        discard();
        return Result::WriteFailed;
    }
    fd_ = -1;
    if (::rename(temp_.c_str(), target_.c_str()) != 0) {
        error_ = lastErrorText();
        discard();
        return Result::RenameFailed;
    }
    temp_.clear();
    fsyncFolder(folderOf(target_));
    return Result::Ok;
}

void ReplacementFile::discard() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!temp_.empty()) {
        ::unlink(temp_.c_str());
        temp_.clear();
    }
}

ReplacementFile::Result replaceFileContent(const std::string& path, std::string_view content,
                                           std::string* tempPath, std::string* error) {
    ReplacementFile file;
    if (!file.create(path)) {
        if (error) *error = file.error();
        return ReplacementFile::Result::CreateFailed;
    }
    if (tempPath) *tempPath = file.path();
    file.write(content);
    ReplacementFile::Result r = file.commit();
    if (error) *error = file.error();
    return r;
}

} // namespace vellamor::store
