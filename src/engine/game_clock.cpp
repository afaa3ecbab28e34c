#include "engine/game_clock.h"

#include <charconv>
#include <cstdio>
#include <ctime>

namespace vellamor {

long long elapsedBetween(int startOfDay, int nowOfDay) {
    if (nowOfDay >= startOfDay) return nowOfDay - startOfDay;
    return (kSecondsPerDay - 1 - startOfDay) + nowOfDay;
}

std::string formatElapsed(long long seconds, char separator) {
    if (seconds < 0) seconds = 0;
    char buf[32];
    std::snprintf(buf, sizeof buf, "%lld%c%02lld%c%02lld", seconds / 3600, separator,
                  seconds / 60 % 60, separator, seconds % 60);
    return buf;
}

long long parseElapsed(std::string_view text, char separator) {
    long long parts[3] = {0, 0, 0};
    for (int i = 0; i < 3; ++i) {
        const std::size_t end = i < 2 ? text.find(separator) : text.size();
        if (end == std::string_view::npos || end == 0) return 0;
        const std::string_view field = text.substr(0, end);
        auto [ptr, ec] = std::from_chars(field.data(), field.data() + field.size(), parts[i]);
        if (ec != std::errc() || ptr != field.data() + field.size() || parts[i] < 0) return 0;
        text.remove_prefix(i < 2 ? end + 1 : end);
    }
    if (parts[1] > 59 || parts[2] > 59) return 0;
    return parts[0] * 3600 + parts[1] * 60 + parts[2];
}

int secondsOfDay(long long epochSeconds) {
    const std::time_t t = static_cast<std::time_t>(epochSeconds);
    std::tm local{};
    localtime_r(&t, &local);
    return local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec;
}

} // namespace vellamor
