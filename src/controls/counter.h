// C_TCounter: a start value on the monotonic high-resolution clock and the
// microseconds elapsed since; and the program's waits, all in milliseconds.
#pragma once

#include <chrono>
#include <cstdint>

namespace vellamor::controls {

class C_TCounter {
public:
    using Clock = std::chrono::steady_clock;

    // Reads the counter now.
    void start() { start_ = Clock::now(); }
    // Microseconds since start(), rounded to the nearest whole number.
    std::int64_t elapsed() const;
    // Counts per second of the counter.
    static std::int64_t frequency();

private:
    Clock::time_point start_ = Clock::now();
};

// Loops on the counter until `ms` milliseconds have passed; the event loop does
// not run. The card flights use it.
void busyWait(int ms);
// Loops on the clock and lets pending events run on every pass (the pauses of
// 100 ms and more).
void waitWithInput(int ms);
// Like waitWithInput, on the high-resolution counter.
void fineWaitWithInput(int ms);

} // namespace vellamor::controls
