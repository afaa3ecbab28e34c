#include "gamec/source.h"

#include <charconv>

namespace vellamor::gamec {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

std::string_view withoutComment(std::string_view s) {
    const auto hash = s.find('#');
    return hash == std::string_view::npos ? s : s.substr(0, hash);
}

bool parsePile(std::string_view s, int& v) {
    const auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    return !s.empty() && ec == std::errc() && p == s.data() + s.size() && v >= 1;
}

// "tableau-cards 1-7" → key and piles; false when the pile part is malformed.
bool splitKey(std::string_view left, Statement& st) {
    const auto space = left.find_first_of(" \t");
    st.key = std::string(left.substr(0, space));
    if (space == std::string_view::npos) return true;
    const std::string_view pileText = trim(left.substr(space));
    const auto dash = pileText.find('-');
    int first = 0, last = 0;
    if (dash == std::string_view::npos) {
        if (!parsePile(pileText, first)) return false;
        last = first;
    } else if (!parsePile(trim(pileText.substr(0, dash)), first) ||
               !parsePile(trim(pileText.substr(dash + 1)), last) || last < first) {
        return false;
    }
    st.piles = std::make_pair(first, last);
    return true;
}

} // namespace

std::string Diagnostic::text() const {
    return line > 0 ? file + ":" + std::to_string(line) + ": " + message : file + ": " + message;
}

std::string stemOf(const std::string& path) {
    std::string name = path.substr(path.find_last_of('/') + 1);
    if (name.ends_with(".game")) name.resize(name.size() - 5);
    return name;
}

SourceFile parseSource(std::string_view text, const std::string& path,
                       std::vector<Diagnostic>& errors) {
    SourceFile src{path, stemOf(path), {}};
    std::vector<std::string_view> lines;
    for (std::size_t pos = 0; pos <= text.size();) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        lines.push_back(text.substr(pos, end - pos));
        pos = end + 1;
    }
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int lineNo = static_cast<int>(i) + 1;
        const std::string_view raw = lines[i];
        const std::string_view s = trim(withoutComment(raw));
        if (s.empty()) continue;
        if (isBlank(raw.front())) {
            errors.push_back({path, lineNo, "indented text outside a rules block"});
            continue;
        }
        const auto eq = s.find('=');
        if (eq == std::string_view::npos) {
            errors.push_back({path, lineNo, "expected \"name = value\""});
            continue;
        }
        Statement st;
        st.line = lineNo;
        if (!splitKey(trim(s.substr(0, eq)), st) || st.key.empty()) {
            errors.push_back({path, lineNo,
                              "malformed name or piles: \"" + std::string(trim(s.substr(0, eq))) +
                                  "\" (piles are written 3 or 1-7)"});
            continue;
        }
        if (st.key != "rules") {
            st.value = std::string(trim(s.substr(eq + 1)));
            src.statements.push_back(std::move(st));
            continue;
        }
        // The rules text: the rest of this line, then every indented or blank
        // line; a blank line ends a paragraph. '#' is text here.
        const std::string_view first = trim(raw.substr(raw.find('=') + 1));
        std::string rules(first);
        bool paragraphOpen = !rules.empty();
        std::size_t j = i + 1;
        for (; j < lines.size(); ++j) {
            const std::string_view l = lines[j];
            const std::string_view t = trim(l);
            if (!t.empty() && !isBlank(l.front())) break;
            if (t.empty()) {
                paragraphOpen = false;
                continue;
            }
            if (paragraphOpen)
                rules += ' ';
            else if (!rules.empty())
                rules += "\n\n";
            rules += t;
            paragraphOpen = true;
        }
        i = j - 1;
        st.value = std::move(rules);
        src.statements.push_back(std::move(st));
    }
    return src;
}

} // namespace vellamor::gamec
