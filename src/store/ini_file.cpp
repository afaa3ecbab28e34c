#include "store/ini_file.h"

#include "store/file_util.h"
#include "store/text_util.h"

#include <charconv>

namespace vellamor::store {

IniFile::IniFile(std::string path, StoreHost* host) : path_(std::move(path)), host_(host) {
    std::string content;
    ReadStatus status = readWholeFile(path_, content);
    unreadable_ = status == ReadStatus::Unreadable;
    if (status != ReadStatus::Ok) return;
    std::size_t pos = 0;
    while (pos < content.size()) {
        std::size_t end = content.find('\n', pos);
        if (end == std::string::npos) end = content.size();
        std::size_t len = end - pos;
        if (len > 0 && content[pos + len - 1] == '\r') --len;
        lines_.push_back(parseLine(content.substr(pos, len)));
        pos = end + 1;
    }
}

IniFile::~IniFile() {
    if (dirty_) commit();
}

IniFile::Line IniFile::parseLine(std::string text) {
    Line line;
    line.text = std::move(text);
    std::string_view t = line.text;
    std::size_t first = 0;
    while (first < t.size() && isBlank(t[first]))
        ++first;
    if (first < t.size() && t[first] == '[') {
        std::size_t close = t.find(']', first + 1);
        if (close != std::string_view::npos) {
            std::string_view raw = t.substr(first + 1, close - first - 1);
            std::string_view name = trimBlanks(raw);
            line.kind = Line::Header;
            line.nameBegin =
                name.empty() ? first + 1 : static_cast<std::size_t>(name.data() - t.data());
            line.nameLen = name.size();
            return line;
        }
    }
    if (first < t.size() && t[first] == ';') return line; // comment
    std::size_t eq = t.find('=');
    if (eq == std::string_view::npos) return line;
    std::string_view key = trimBlanks(t.substr(0, eq));
    if (key.empty()) return line;
    line.kind = Line::Entry;
    line.nameBegin = static_cast<std::size_t>(key.data() - t.data());
    line.nameLen = key.size();
    line.valueBegin = eq + 1;
    return line;
}

std::size_t IniFile::findSection(std::string_view section) const {
    section = trimBlanks(section);
    for (std::size_t i = 0; i < lines_.size(); ++i)
        if (lines_[i].kind == Line::Header && equalNoCase(lines_[i].name(), section)) return i;
    return std::string::npos;
}

std::size_t IniFile::sectionEnd(std::size_t header) const {
    std::size_t i = header + 1;
    while (i < lines_.size() && lines_[i].kind != Line::Header)
        ++i;
    return i;
}

std::size_t IniFile::findKey(std::size_t header, std::string_view key) const {
    key = trimBlanks(key);
    for (std::size_t i = header + 1; i < lines_.size() && lines_[i].kind != Line::Header; ++i)
        if (lines_[i].kind == Line::Entry && equalNoCase(lines_[i].name(), key)) return i;
    return std::string::npos;
}

std::string IniFile::readString(std::string_view section, std::string_view key,
                                std::string_view def) const {
    std::size_t header = findSection(section);
    if (header == std::string::npos) return std::string(def);
    std::size_t line = findKey(header, key);
    if (line == std::string::npos) return std::string(def);
    return lines_[line].text.substr(lines_[line].valueBegin);
}

long long IniFile::readInteger(std::string_view section, std::string_view key,
                               long long def) const {
    std::string text = readString(section, key, "");
    std::string_view t = trimBlanks(text);
    if (!t.empty() && t.front() == '+') t.remove_prefix(1);
    if (t.empty()) return def;
    long long value = 0;
    auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), value);
    if (ec != std::errc() || end != t.data() + t.size()) return def;
    return value;
}

bool IniFile::readBool(std::string_view section, std::string_view key, bool def) const {
    return readInteger(section, key, def ? 1 : 0) != 0;
}

bool IniFile::sectionExists(std::string_view section) const {
    return findSection(section) != std::string::npos;
}

bool IniFile::keyExists(std::string_view section, std::string_view key) const {
    std::size_t header = findSection(section);
    return header != std::string::npos && findKey(header, key) != std::string::npos;
}

std::vector<std::string> IniFile::sections() const {
    std::vector<std::string> out;
    for (const Line& l : lines_)
        if (l.kind == Line::Header) out.emplace_back(l.name());
    return out;
}

std::vector<std::string> IniFile::keys(std::string_view section) const {
    std::vector<std::string> out;
    std::size_t header = findSection(section);
    if (header == std::string::npos) return out;
    for (std::size_t i = header + 1; i < sectionEnd(header); ++i)
        if (lines_[i].kind == Line::Entry) out.emplace_back(lines_[i].name());
    return out;
}

bool IniFile::refuse(std::string reason) {
    error_ = std::move(reason);
    if (host_) host_->message(error_);
    return false;
}

bool IniFile::writeString(std::string_view section, std::string_view key, std::string_view value) {
    auto bad = [&](std::string_view why) {
        return refuse("Cannot store the setting [" + std::string(section) + "] " +
                      std::string(key) + " in " + path_ + ": " + std::string(why) + ".");
    };
    if (section.empty() || trimBlanks(section) != section || hasLineBreak(section) ||
        section.find(']') != std::string_view::npos)
        return bad("the section name is empty, has blanks around it, a \"]\" or a line break");
    if (key.empty() || trimBlanks(key) != key || hasLineBreak(key) ||
        key.find('=') != std::string_view::npos || key.front() == '[' || key.front() == ';')
        return bad("the key name is empty, has blanks around it, an \"=\", a line break, or "
                   "starts with \"[\" or \";\"");
    if (hasLineBreak(value)) return bad("the value holds a line break");

    std::size_t header = findSection(section);
    if (header == std::string::npos) {
        if (!lines_.empty() && !lines_.back().text.empty()) lines_.push_back(parseLine(""));
        lines_.push_back(parseLine("[" + std::string(section) + "]"));
        lines_.push_back(parseLine(std::string(key) + "=" + std::string(value)));
    } else if (std::size_t line = findKey(header, key); line != std::string::npos) {
        Line& l = lines_[line];
        if (std::string_view(l.text).substr(l.valueBegin) == value) return true;
        l = parseLine(std::string(l.name()) + "=" + std::string(value));
    } else {
        // After the last non-empty line of the section, so that the empty line
        // before the next section stays where it is.
        std::size_t at = sectionEnd(header);
        while (at > header + 1 && trimBlanks(lines_[at - 1].text).empty())
            --at;
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at),
                      parseLine(std::string(key) + "=" + std::string(value)));
    }
    dirty_ = true;
    return true;
}

bool IniFile::writeInteger(std::string_view section, std::string_view key, long long value) {
    return writeString(section, key, std::to_string(value));
}

bool IniFile::writeBool(std::string_view section, std::string_view key, bool value) {
    return writeString(section, key, value ? "1" : "0");
}

void IniFile::deleteKey(std::string_view section, std::string_view key) {
    std::size_t header = findSection(section);
    if (header == std::string::npos) return;
    std::size_t line = findKey(header, key);
    if (line == std::string::npos) return;
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(line));
    dirty_ = true;
}

void IniFile::eraseSection(std::string_view section) {
    std::size_t header = findSection(section);
    if (header == std::string::npos) return;
    std::size_t end = sectionEnd(header);
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(header),
                 lines_.begin() + static_cast<std::ptrdiff_t>(end));
    dirty_ = true;
}

bool IniFile::commit() {
    if (!dirty_) return true;
    if (unreadable_)
        return refuse("The file " + path_ +
                      " exists but could not be read; it is left as it is and the settings "
                      "are not saved.");
    std::string content;
    std::size_t total = 0;
    for (const Line& l : lines_)
        total += l.text.size() + 2;
    content.reserve(total);
    for (const Line& l : lines_) {
        content += l.text;
        content += "\r\n";
    }
    std::string why;
    if (replaceFileContent(path_, content, nullptr, &why) != ReplacementFile::Result::Ok)
        return refuse("Cannot save the settings file " + path_ + ": " + why + ".");
    dirty_ = false;
    return true;
}

} // namespace vellamor::store
