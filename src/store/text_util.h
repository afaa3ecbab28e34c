// Character helpers of the store's file formats (ASCII only: names in the files
// are plain ASCII; other bytes compare as themselves).
#pragma once

#include <string_view>

namespace vellamor::store {

inline char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

inline bool equalNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lowerAscii(a[i]) != lowerAscii(b[i])) return false;
    return true;
}

inline bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

inline std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

inline std::string_view trimRightBlanks(std::string_view s) {
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

inline bool hasLineBreak(std::string_view s) {
    return s.find_first_of("\r\n") != std::string_view::npos;
}

} // namespace vellamor::store
