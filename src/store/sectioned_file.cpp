#include "store/sectioned_file.h"

#include "store/file_util.h"
#include "store/messages.h"
#include "store/text_util.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vellamor::store {

namespace {

constexpr std::size_t kBlock = 8192;

int openFile(const std::string& path, int flags) {
    int fd;
    do {
        fd = ::open(path.c_str(), flags | O_CLOEXEC, 0666);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

std::int64_t fileSize(int fd, const std::string& path) {
    struct stat st {};
    if (::fstat(fd, &st) != 0) throw StoreError(msg::cannotOpen(path));
    return st.st_size;
}

// One line of a body: [begin, begin + length) without its line end; `next` is
// where the following line begins.
struct LineSpan {
    std::size_t begin, length, next;
    bool crlf; // ended by CR LF
};

bool nextLine(std::string_view text, std::size_t pos, LineSpan& out) {
    if (pos >= text.size()) return false;
    std::size_t nl = text.find('\n', pos);
    std::size_t end = nl == std::string_view::npos ? text.size() : nl;
    out.begin = pos;
    out.next = nl == std::string_view::npos ? text.size() : nl + 1;
    out.crlf = nl != std::string_view::npos && end > pos && text[end - 1] == '\r';
    out.length = end - pos - (end > pos && text[end - 1] == '\r' ? 1 : 0);
    return true;
}

// Whether `line` is `key` followed by "=" (or, when `spaced`, by blanks and "=").
bool isKeyLine(std::string_view line, std::string_view key, bool spaced) {
    if (line.size() <= key.size() || line.compare(0, key.size(), key) != 0) return false;
    std::size_t i = key.size();
    if (spaced)
        while (i < line.size() && line[i] == ' ')
            ++i;
    return i < line.size() && line[i] == '=';
}

// memmem is much faster than a search that starts from each "\n".
std::size_t findBytes(std::string_view hay, std::string_view needle, std::size_t from) {
    if (from > hay.size()) return std::string_view::npos;
    const void* hit = ::memmem(hay.data() + from, hay.size() - from, needle.data(), needle.size());
    return hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - hay.data())
               : std::string_view::npos;
}

bool hasBracketedText(std::string_view s) {
    std::size_t open = s.find('[');
    return open != std::string_view::npos && s.find(']', open + 1) != std::string_view::npos;
}

void appendLine(std::string& out, std::string_view key, std::string_view value) {
    out.append(key);
    out += '=';
    out.append(value);
    out += "\r\n";
}

struct BusyGuard {
    StoreHost& host;
    explicit BusyGuard(StoreHost& h) : host(h) { host.busy(true); }
    ~BusyGuard() { host.busy(false); }
};

} // namespace

// The file for the duration of one call: the held-open handle when it allows
// the access, else a handle of its own that is closed at the end.
class SectionedFile::Access {
public:
    Access(SectionedFile& f, bool write) : file_(f) {
        if (f.fd_ >= 0 && (!write || f.heldForWriting_)) {
            fd = f.fd_;
            return;
        }
        fd = openFile(f.path_, write ? O_RDWR | O_CREAT : O_RDONLY);
        if (fd < 0) {
            if (!write && (errno == ENOENT || errno == ENOTDIR)) return; // missing: defaults
            throw StoreError(msg::cannotOpen(f.path_));
        }
        owned_ = true;
    }
    ~Access() {
        if (owned_) ::close(fd);
    }
    Access(const Access&) = delete;
    Access& operator=(const Access&) = delete;

    // After the file was replaced, a handle of our own points at the old file.
    void replaced() {
        if (owned_) {
            ::close(fd);
            owned_ = false;
            fd = -1;
        }
        file_.reopenAfterReplace();
        if (file_.fd_ >= 0) fd = file_.fd_;
    }

    int fd = -1;

private:
    SectionedFile& file_;
    bool owned_ = false;
};

SectionedFile::SectionedFile(std::string path, StoreHost& host)
    : path_(std::move(path)), host_(host) {}

SectionedFile::~SectionedFile() {
    close();
}

void SectionedFile::open(bool forWriting) {
    close();
    fd_ = openFile(path_, forWriting ? O_RDWR | O_CREAT : O_RDONLY);
    if (fd_ < 0) throw StoreError(msg::cannotOpen(path_));
    heldForWriting_ = forWriting;
}

void SectionedFile::close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

void SectionedFile::reopenAfterReplace() {
    if (fd_ < 0) return;
    ::close(fd_);
    fd_ = openFile(path_, heldForWriting_ ? O_RDWR : O_RDONLY);
    if (fd_ < 0) throw StoreError(msg::cannotOpen(path_));
}

bool SectionedFile::fail(std::string text) {
    host_.message(text);
    return false;
}

std::optional<SectionedFile::Location> SectionedFile::locate(int fd, std::string_view section) {
    if (fd < 0) return std::nullopt;
    // The header must open a line: search "\n[name]" in a buffer that starts
    // with a virtual "\n" before offset 0, and check what follows the "]".
    pattern_.assign("\n[");
    pattern_.append(section);
    pattern_ += ']';
    const std::size_t plen = pattern_.size();
    // The scan buffer is the body buffer's storage, reused between calls.
    std::string& buf = body_;
    buf.resize(kBlock + plen + 2);
    buf[0] = '\n';
    std::size_t carry = 1;
    std::int64_t bufStart = -1; // file offset of buf[0]
    std::int64_t pos = 0;       // file offset of the next block
    for (;;) {
        long n = readAt(fd, buf.data() + carry, kBlock, pos);
        if (n < 0) throw StoreError(msg::cannotOpen(path_));
        const std::size_t len = carry + static_cast<std::size_t>(n);
        const bool eof = static_cast<std::size_t>(n) < kBlock;
        std::string_view v(buf.data(), len);
        for (std::size_t i = findBytes(v, pattern_, 0); i != std::string_view::npos;
             i = findBytes(v, pattern_, i + 1)) {
            const std::size_t after = i + plen;
            Location at;
            at.start = bufStart + static_cast<std::int64_t>(i) + 1;
            const std::int64_t afterAbs = bufStart + static_cast<std::int64_t>(after);
            if (after < len) {
                char c = v[after];
                if (c == '\n') {
                    at.bodyStart = afterAbs + 1;
                    return at;
                }
                if (c == '\r') {
                    char next = 0;
                    if (after + 1 < len)
                        next = v[after + 1];
                    else
                        readAt(fd, &next, 1, afterAbs + 1);
                    at.bodyStart = afterAbs + (next == '\n' ? 2 : 1);
                    return at;
                }
            } else if (eof) {
                at.bodyStart = afterAbs;
                at.headerEnded = false;
                return at;
            }
        }
        if (eof) return std::nullopt;
        // Keep the last bytes: a header that straddles two blocks is found
        // together with the next block.
        const std::size_t keep = std::min(len, plen);
        std::memmove(buf.data(), buf.data() + len - keep, keep);
        bufStart += static_cast<std::int64_t>(len - keep);
        carry = keep;
        pos += n;
    }
}

std::int64_t SectionedFile::readBody(int fd, std::int64_t bodyStart) {
    body_.clear();
    std::int64_t pos = bodyStart;
    std::size_t searched = 0;
    for (;;) {
        const std::size_t old = body_.size();
        body_.resize(old + kBlock);
        long n = readAt(fd, body_.data() + old, kBlock, pos);
        if (n < 0) throw StoreError(msg::cannotOpen(path_));
        body_.resize(old + static_cast<std::size_t>(n));
        pos += n;
        // The body ends where a line begins with "[" (also right at its start).
        if (!body_.empty() && body_[0] == '[') {
            body_.clear();
            return bodyStart;
        }
        std::size_t end = body_.find("\n[", searched == 0 ? 0 : searched - 1);
        if (end != std::string::npos) {
            body_.resize(end + 1);
            return bodyStart + static_cast<std::int64_t>(end + 1);
        }
        searched = body_.size();
        if (static_cast<std::size_t>(n) < kBlock)
            return bodyStart + static_cast<std::int64_t>(body_.size());
    }
}

std::optional<std::int64_t> SectionedFile::findSection(std::string_view section) {
    Access file(*this, false);
    std::optional<Location> at = locate(file.fd, section);
    if (!at) return std::nullopt;
    return at->start;
}

KeyRead SectionedFile::readKey(std::string_view section, std::string_view key,
                               std::string_view def) {
    Access file(*this, false);
    std::optional<Location> at = locate(file.fd, section);
    if (!at || key.empty()) return {false, std::string(def)};
    readBody(file.fd, at->bodyStart);
    std::string_view body = body_;
    for (std::size_t i = body.find(key); i != std::string_view::npos; i = body.find(key, i + 1)) {
        const std::size_t eq = i + key.size();
        if ((i == 0 || body[i - 1] == '\n') && eq < body.size() && body[eq] == '=') {
            std::size_t end = body.find('\n', eq + 1);
            std::string_view value = body.substr(
                eq + 1, end == std::string_view::npos ? std::string_view::npos : end - eq - 1);
            if (!value.empty() && value.back() == '\r') value.remove_suffix(1);
            return {true, std::string(trimRightBlanks(value))};
        }
    }
    return {false, std::string(def)};
}

KeysRead SectionedFile::readKeys(std::string_view section, const std::vector<std::string>& keys,
                                 const std::vector<std::string>& defaults) {
    KeysRead out;
    out.values = defaults;
    out.values.resize(keys.size());
    Access file(*this, false);
    std::optional<Location> at = locate(file.fd, section);
    if (!at) return out;
    readBody(file.fd, at->bodyStart);
    std::vector<bool> found(keys.size(), false);
    std::size_t left = keys.size();
    std::string_view body = body_;
    LineSpan l{};
    for (std::size_t pos = 0; left > 0 && nextLine(body, pos, l); pos = l.next) {
        std::string_view line = body.substr(l.begin, l.length);
        for (std::size_t k = 0; k < keys.size(); ++k) {
            if (found[k] || keys[k].empty() || !isKeyLine(line, keys[k], true)) continue;
            out.values[k] = std::string(line.substr(line.find('=') + 1));
            found[k] = true;
            --left;
        }
    }
    out.allFound = left == 0;
    return out;
}

std::vector<std::string> SectionedFile::listSections() {
    std::vector<std::string> out;
    Access file(*this, false);
    if (file.fd < 0) return out;
    std::string text;
    if (readWholeFile(path_, text) == ReadStatus::Unreadable)
        throw StoreError(msg::cannotOpen(path_));
    LineSpan l{};
    for (std::size_t pos = 0; nextLine(text, pos, l); pos = l.next) {
        std::string_view line = std::string_view(text).substr(l.begin, l.length);
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']')
            out.emplace_back(line.substr(1, line.size() - 2));
    }
    return out;
}

std::vector<std::string> SectionedFile::listKeys(std::string_view section) {
    std::vector<std::string> out;
    Access file(*this, false);
    std::optional<Location> at = locate(file.fd, section);
    if (!at) return out;
    readBody(file.fd, at->bodyStart);
    std::string_view body = body_;
    LineSpan l{};
    for (std::size_t pos = 0; nextLine(body, pos, l); pos = l.next) {
        std::string_view line = body.substr(l.begin, l.length);
        std::size_t eq = line.find('=');
        if (eq == std::string_view::npos) continue;
        std::string_view name = trimBlanks(line.substr(0, eq));
        if (!name.empty()) out.emplace_back(name);
    }
    return out;
}

bool SectionedFile::checkSection(std::string_view section) {
    if (section.empty() || hasLineBreak(section) ||
        section.find_first_of("[]") != std::string_view::npos)
        return fail("Cannot write to file " + path_ + ": the section name \"" +
                    std::string(section) + "\" is empty or holds a bracket or a line break.");
    return true;
}

bool SectionedFile::checkLines(std::string_view section, const std::vector<std::string>& keys,
                               const std::vector<std::string>& values) {
    if (!checkSection(section)) return false;
    if (keys.size() != values.size())
        return fail("Cannot write to file " + path_ + ": section [" + std::string(section) +
                    "] was given " + std::to_string(keys.size()) + " keys but " +
                    std::to_string(values.size()) + " values.");
    for (std::size_t i = 0; i < keys.size(); ++i)
        if (!checkLine(section, keys[i], values[i])) return false;
    return true;
}

bool SectionedFile::checkLine(std::string_view section, std::string_view k,
                              std::string_view value) {
    if (k.empty() || trimBlanks(k) != k || k.find('=') != std::string_view::npos ||
        hasLineBreak(k) || k.front() == '[' || hasBracketedText(k))
        return fail("Cannot write to file " + path_ + ": the key \"" + std::string(k) +
                    "\" of section [" + std::string(section) +
                    "] is empty, has blanks around it, or holds \"=\", a bracketed text or a "
                    "line break.");
    if (hasLineBreak(value) || hasBracketedText(value))
        return fail("Cannot write to file " + path_ + ": the value of key " + std::string(k) +
                    " in section [" + std::string(section) +
                    "] holds a line break or a bracketed text that would read as a section "
                    "header.");
    return true;
}

bool SectionedFile::reportReplace(int result, const std::string& temp, const std::string& why) {
    switch (static_cast<ReplacementFile::Result>(result)) {
    case ReplacementFile::Result::Ok: return true;
    case ReplacementFile::Result::CreateFailed:
        return fail(std::string(msg::kErrorCreatingTemp) + "\n" + folderOf(path_) + " (" + why +
                    ")");
    case ReplacementFile::Result::WriteFailed:
        return fail(std::string(msg::kWriteError) + "\n" + path_ + " (" + why + ")");
    case ReplacementFile::Result::RenameFailed: return fail(msg::errorRenaming(temp, path_));
    }
    return false;
}

bool SectionedFile::rewriteBody(int fd, const Location& at, std::int64_t tail,
                                std::string_view newBody) {
    ReplacementFile out;
    if (!out.create(path_))
        return reportReplace(static_cast<int>(ReplacementFile::Result::CreateFailed), "",
                             out.error());
    const std::string temp = out.path();
    const std::int64_t size = fileSize(fd, path_);
    out.copyRange(fd, 0, at.bodyStart);
    if (!at.headerEnded) out.write("\r\n");
    out.write(newBody);
    out.copyRange(fd, tail, size);
    ReplacementFile::Result r = out.commit();
    return reportReplace(static_cast<int>(r), temp, out.error());
}

bool SectionedFile::appendAt(int fd, std::string_view section, const std::vector<std::string>& keys,
                             const std::vector<std::string>& values) {
    const std::int64_t size = fileSize(fd, path_);
    std::string text;
    if (size > 0) text = "\r\n";
    text += '[';
    text.append(section);
    text += "]\r\n";
    for (std::size_t i = 0; i < keys.size(); ++i)
        appendLine(text, keys[i], values[i]);
    if (!writeAllAt(fd, text, size)) {
        std::string why = lastErrorText();
        // Take back what got written, so that no half section stays behind.
        if (::ftruncate(fd, size) != 0) {
        }
        return fail(std::string(msg::kWriteError) + "\n" + path_ + " (" + why + ")");
    }
    return true;
}

bool SectionedFile::appendSection(std::string_view section, const std::vector<std::string>& keys,
                                  const std::vector<std::string>& values) {
    if (!checkLines(section, keys, values)) return false;
    Access file(*this, true);
    if (locate(file.fd, section))
        return fail("Cannot write to file " + path_ + ": section [" + std::string(section) +
                    "] exists already.");
    return appendAt(file.fd, section, keys, values);
}

bool SectionedFile::rewriteSection(std::string_view section, const std::vector<std::string>& keys,
                                   const std::vector<std::string>& values) {
    if (!checkLines(section, keys, values)) return false;
    Access file(*this, true);
    std::optional<Location> at = locate(file.fd, section);
    if (!at) return appendAt(file.fd, section, keys, values);
    const std::int64_t tail = readBody(file.fd, at->bodyStart);
    std::string body;
    for (std::size_t i = 0; i < keys.size(); ++i)
        appendLine(body, keys[i], values[i]);
    body += "\r\n";
    if (!rewriteBody(file.fd, *at, tail, body)) return false;
    file.replaced();
    return true;
}

bool SectionedFile::writeKey(std::string_view section, std::string_view key,
                             std::string_view value) {
    if (!checkSection(section) || !checkLine(section, key, value)) return false;
    Access file(*this, true);
    std::optional<Location> at = locate(file.fd, section);
    if (!at) return appendAt(file.fd, section, {std::string(key)}, {std::string(value)});
    const std::int64_t tail = readBody(file.fd, at->bodyStart);
    std::string_view body = body_;
    LineSpan l{};
    std::size_t match = std::string_view::npos; // body offset of the key's line
    for (std::size_t pos = 0; nextLine(body, pos, l); pos = l.next) {
        std::string_view line = body.substr(l.begin, l.length);
        if (isKeyLine(line, key, false)) {
            const std::size_t oldWidth = l.length - key.size() - 1;
            if (oldWidth == value.size()) {
                // Same width: only the value's bytes change.
                const std::int64_t where =
                    at->bodyStart + static_cast<std::int64_t>(l.begin + key.size() + 1);
                if (!writeAllAt(file.fd, value, where))
                    return fail(std::string(msg::kWriteError) + "\n" + path_ + " (" +
                                lastErrorText() + ")");
                return true;
            }
            match = l.begin;
            break;
        }
        if (isKeyLine(line, key, true)) {
            match = l.begin;
            break;
        }
    }
    // Rebuild the body: the non-empty lines, the key's line with its new value
    // (or the key added last), then one empty line.
    std::string newBody;
    newBody.reserve(body.size() + key.size() + value.size() + 8);
    bool placed = false;
    for (std::size_t pos = 0; nextLine(body, pos, l); pos = l.next) {
        std::string_view line = body.substr(l.begin, l.length);
        if (trimBlanks(line).empty()) continue;
        if (l.begin == match) {
            appendLine(newBody, key, value);
            placed = true;
            continue;
        }
        // Every other line stays as it is: values keep their width, so later
        // same-width writes still go in place.
        newBody.append(line);
        newBody += "\r\n";
    }
    if (!placed) appendLine(newBody, key, value);
    newBody += "\r\n";
    if (!rewriteBody(file.fd, *at, tail, newBody)) return false;
    file.replaced();
    return true;
}

bool SectionedFile::overwriteSectionLines(std::string_view section,
                                          const std::vector<std::string>& keys,
                                          const std::vector<std::string>& values) {
    if (!checkLines(section, keys, values)) return false;
    Access file(*this, true);
    std::optional<Location> at = locate(file.fd, section);
    if (!at) return appendAt(file.fd, section, keys, values);
    const std::int64_t tail = readBody(file.fd, at->bodyStart);
    std::string_view body = body_;
    std::string lines;
    for (std::size_t i = 0; i < keys.size(); ++i)
        appendLine(lines, keys[i], values[i]);

    // In place when every new line covers exactly one old CR LF line of the same length.
    bool inPlace = true;
    std::size_t pos = 0;
    LineSpan l{};
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (!nextLine(body, pos, l) || !l.crlf ||
            l.length != keys[i].size() + 1 + values[i].size()) {
            inPlace = false;
            break;
        }
        pos = l.next;
    }
    if (inPlace) {
        if (!writeAllAt(file.fd, lines, at->bodyStart))
            return fail(std::string(msg::kWriteError) + "\n" + path_ + " (" + lastErrorText() +
                        ")");
        return true;
    }
    // Otherwise the new lines take the place of as many old lines, and the
    // rest of the body follows; the section keeps one empty line at its end.
    std::string newBody = lines;
    pos = 0;
    for (std::size_t i = 0; i < keys.size() && nextLine(body, pos, l); ++i)
        pos = l.next;
    std::string_view rest = body.substr(std::min(pos, body.size()));
    newBody.append(rest);
    if (!rest.empty() && rest.back() != '\n') newBody += "\r\n";
    auto endsWith = [&](std::string_view end) {
        return newBody.size() >= end.size() &&
               newBody.compare(newBody.size() - end.size(), end.size(), end) == 0;
    };
    if (!endsWith("\r\n\r\n") && !endsWith("\n\n")) newBody += "\r\n";
    if (!rewriteBody(file.fd, *at, tail, newBody)) return false;
    file.replaced();
    return true;
}

bool SectionedFile::replaceAtColumn(int column, std::string_view oldText, std::string_view newText,
                                    const std::function<void(long)>& progress) {
    if (column < 1 || oldText.empty() || hasLineBreak(oldText) || hasLineBreak(newText))
        return fail("Cannot change file " + path_ +
                    ": the column must be 1 or more, the old text not empty, and neither text may "
                    "hold a line break.");
    Access file(*this, false);
    if (file.fd < 0) return true; // no file, nothing to change
    BusyGuard busy(host_);
    ReplacementFile out;
    if (!out.create(path_))
        return reportReplace(static_cast<int>(ReplacementFile::Result::CreateFailed), "",
                             out.error());
    const std::string temp = out.path();
    const std::size_t col = static_cast<std::size_t>(column - 1);
    std::string pending; // the start of a line that continues in the next block
    std::string changed;
    char buf[kBlock];
    std::int64_t pos = 0;
    long lines = 0;
    bool anyChange = false;
    auto emit = [&](std::string_view line, std::string_view end) {
        if (line.size() >= col + oldText.size() &&
            line.compare(col, oldText.size(), oldText) == 0) {
            changed.assign(line.substr(0, col));
            changed.append(newText);
            changed.append(line.substr(col + oldText.size()));
            out.write(changed);
            anyChange = true;
        } else {
            out.write(line);
        }
        out.write(end);
        ++lines;
        if (progress && lines % 10 == 0) progress(lines);
    };
    for (;;) {
        long n = readAt(file.fd, buf, sizeof buf, pos);
        if (n < 0) throw StoreError(msg::cannotOpen(path_));
        if (n == 0) break;
        pos += n;
        std::string_view chunk(buf, static_cast<std::size_t>(n));
        std::size_t start = 0;
        for (std::size_t nl = chunk.find('\n'); nl != std::string_view::npos;
             nl = chunk.find('\n', start)) {
            pending.append(chunk.substr(start, nl - start));
            std::string_view line = pending;
            bool cr = !line.empty() && line.back() == '\r';
            if (cr) line.remove_suffix(1);
            emit(line, cr ? "\r\n" : "\n");
            pending.clear();
            start = nl + 1;
        }
        pending.append(chunk.substr(start));
    }
    if (!pending.empty()) emit(pending, "");
    if (!anyChange) return true; // nothing to replace: the file stays as it is
    ReplacementFile::Result r = out.commit();
    if (!reportReplace(static_cast<int>(r), temp, out.error())) return false;
    file.replaced();
    return true;
}

bool ensureStatisticsFiles(const DataFolder& folder, std::string_view player, StoreHost& host) {
    struct NewFile {
        std::string_view name, content;
    };
    static constexpr NewFile files[] = {
        {file::kStat, "[Version]\r\nVersion=0300\r\n"},
        {file::kStatScr, "[Version]\r\nVersion=0300\r\n"},
        {file::kSeriesScr, "[Version]\r\nVersion=0300\r\n"},
        {file::kStatGlo, "[Version]\r\nVOvS=0300\r\n"},
    };
    auto create = [&](const std::string& path, std::string_view content) {
        int fd = openFile(path, O_WRONLY | O_CREAT | O_EXCL);
        if (fd < 0) {
            if (errno == EEXIST) return true;
            host.message("Cannot create the file " + path + " (" + lastErrorText() + ")");
            return false;
        }
        bool ok = writeAllAt(fd, content, 0) && ::fsync(fd) == 0;
        std::string why = ok ? std::string() : lastErrorText();
        ok = ::close(fd) == 0 && ok;
        if (!ok) {
            ::unlink(path.c_str());
            host.message(std::string(msg::kWriteError) + "\n" + path + " (" + why + ")");
        }
        return ok;
    };
    bool ok = true;
    for (const NewFile& f : files)
        if (!folder.has(f.name))
            ok = create(folder.folder() + std::string(f.name), f.content) && ok;
    if (!player.empty()) {
        std::optional<std::string> progression = folder.progression(player);
        if (!progression) {
            host.message("The player name \"" + std::string(player) +
                         "\" cannot be used in a file name, so no progression is kept for it.");
            return false;
        }
        if (!fileExists(*progression)) ok = create(*progression, "") && ok;
    }
    return ok;
}

} // namespace vellamor::store
