#include "controls/counter.h"

#include <QCoreApplication>
#include <QEventLoop>

namespace vellamor::controls {

std::int64_t C_TCounter::elapsed() const {
    const auto counts = (Clock::now() - start_).count();
    const auto freq = frequency();
    // 1,000,000 × counts / frequency, rounded half up.
    const long double us = 1'000'000.0L * static_cast<long double>(counts) / static_cast<long double>(freq);
    return static_cast<std::int64_t>(us + 0.5L);
}

std::int64_t C_TCounter::frequency() {
    return static_cast<std::int64_t>(Clock::period::den / Clock::period::num);
}

void busyWait(int ms) {
    if (ms <= 0) return;
    C_TCounter c;
    c.start();
    const std::int64_t until = static_cast<std::int64_t>(ms) * 1000;
    while (c.elapsed() < until) {
    }
}

namespace {
void waitRunningEvents(int ms) {
    if (ms <= 0) return;
    C_TCounter c;
    c.start();
    const std::int64_t until = static_cast<std::int64_t>(ms) * 1000;
    while (c.elapsed() < until) {
        const auto left = static_cast<int>((until - c.elapsed()) / 1000);
        if (QCoreApplication::instance())
            QCoreApplication::processEvents(QEventLoop::AllEvents, left > 0 ? left : 1);
    }
}
} // namespace

void waitWithInput(int ms) { waitRunningEvents(ms); }
void fineWaitWithInput(int ms) { waitRunningEvents(ms); }

} // namespace vellamor::controls
