#include "engine/state_record.h"

#include <charconv>

namespace vellamor {

namespace {
constexpr int kPartLength = 250;

// First 1-based position held by each of the three strings.
constexpr int kPartStart[3] = {1, 250, 500};

int partOf(int pos) { return pos >= kPartStart[2] ? 2 : pos >= kPartStart[1] ? 1 : 0; }
} // namespace

void StateRecord::reset() {
    for (auto& p : parts_) p.assign(kPartLength, ' ');
    write(field::SettingsFile, "Cfg.dat");
}

std::string& StateRecord::part(int pos, int& offset) {
    const int k = partOf(pos);
    offset = pos - kPartStart[k];
    return parts_[k];
}

const std::string* StateRecord::part(int pos, int& offset) const {
    const int k = partOf(pos);
    offset = pos - kPartStart[k];
    return &parts_[k];
}

void StateRecord::write(int pos, int width, std::string_view value) {
    if (pos < 1 || width <= 0) return;
    // A field never straddles two strings in practice; write character by
    // character so that even one that did would land in the right places.
    for (int i = 0; i < width; ++i) {
        int offset = 0;
        std::string& s = part(pos + i, offset);
        if (static_cast<int>(s.size()) <= offset) s.resize(offset + 1, ' ');
        s[offset] = i < static_cast<int>(value.size()) ? value[i] : ' ';
    }
}

std::string StateRecord::read(int pos, int width) const {
    std::string out;
    if (pos < 1 || width <= 0) return out;
    out.reserve(width);
    for (int i = 0; i < width; ++i) {
        int offset = 0;
        const std::string* s = part(pos + i, offset);
        out += offset < static_cast<int>(s->size()) ? (*s)[offset] : ' ';
    }
    const auto last = out.find_last_not_of(' ');
    out.erase(last == std::string::npos ? 0 : last + 1);
    return out;
}

void StateRecord::writeInt(StateField f, long long value) { write(f, std::to_string(value)); }

long long StateRecord::readInt(StateField f) const {
    const std::string text = read(f);
    std::string_view v = text;
    while (!v.empty() && v.front() == ' ') v.remove_prefix(1);
    long long n = 0;
    auto [ptr, ec] = std::from_chars(v.data(), v.data() + v.size(), n);
    return ec == std::errc() && ptr == v.data() + v.size() ? n : 0;
}

} // namespace vellamor
