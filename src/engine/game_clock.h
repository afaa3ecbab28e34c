// The game clock: the elapsed time of the game in play, shown as "h:nn:ss".
#pragma once

#include <string>
#include <string_view>

namespace vellamor {

inline constexpr int kSecondsPerDay = 24 * 3600;

// Seconds from the start to now, both given as seconds since midnight. When
// the time of day is earlier than the start, the game went past midnight: the
// time to 23:59:59 and the time since 00:00:00 are added.
long long elapsedBetween(int startOfDay, int nowOfDay);

// "h:nn:ss" with the locale's time separator.
std::string formatElapsed(long long seconds, char separator = ':');

// Reads a shown time back as hours × 3600 + minutes × 60 + seconds; 0 when the
// text cannot be read.
long long parseElapsed(std::string_view text, char separator = ':');

// Seconds since local midnight of a time given as seconds since the epoch.
int secondsOfDay(long long epochSeconds);

} // namespace vellamor
