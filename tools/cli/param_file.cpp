#include "cli/param_file.h"

#include <charconv>
#include <fstream>
#include <limits>
#include <string_view>

namespace vellamor::cli {

namespace {

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

// Reads one integer token and advances past it; false when the token is not an integer.
bool readInt(std::string_view& s, long long& value) {
    s = trim(s);
    std::size_t end = 0;
    while (end < s.size() && s[end] != ' ' && s[end] != '\t') ++end;
    const std::string_view token = s.substr(0, end);
    auto [ptr, ec] = std::from_chars(token.data(), token.data() + token.size(), value);
    if (token.empty() || ec != std::errc() || ptr != token.data() + token.size()) return false;
    s.remove_prefix(end);
    return true;
}

ParamFileResult fail(int line, const std::string& what) {
    return {false, "line " + std::to_string(line) + ": " + what};
}

} // namespace

ParamFileResult readParams(std::istream& in, RuleParams& params) {
    RuleParams read;
    std::string raw;
    for (int line = 1; std::getline(in, raw); ++line) {
        std::string_view s = raw;
        if (const auto hash = s.find('#'); hash != std::string_view::npos) s = s.substr(0, hash);
        s = trim(s);
        if (s.empty()) continue;
        long long index = 0, value = 0;
        if (!readInt(s, index) || !readInt(s, value) || !trim(s).empty())
            return fail(line, "expected two integers, an index and a value: \"" + raw + "\"");
        if (index < 0 || index >= RuleParams::kSize)
            return fail(line, "index " + std::to_string(index) + " is outside 0-502");
        if (value < std::numeric_limits<std::int16_t>::min() ||
            value > std::numeric_limits<std::int16_t>::max())
            return fail(line, "value " + std::to_string(value) + " does not fit in 16 bits");
        read.set(static_cast<int>(index), static_cast<int>(value));
    }
    if (in.bad()) return {false, "the file could not be read"};
    params = read;
    params.saveRanges();
    return {true, {}};
}

ParamFileResult readParamFile(const std::string& path, RuleParams& params) {
    std::ifstream in(path);
    if (!in) return {false, "cannot open parameter file " + path};
    ParamFileResult r = readParams(in, params);
    if (!r.ok && r.error.starts_with("line ")) r.error = path + ": " + r.error;
    return r;
}

} // namespace vellamor::cli
