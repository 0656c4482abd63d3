#pragma once

#include <chrono>

namespace zrx::sim {

// Keeps time as a serial line at a given speed would: a byte needs 10 bit
// times to cross, and a reply cannot start before the request has finished
// arriving. Deadlines are absolute, so a late wake-up delays one byte and
// does not add up over a transfer. A speed of 0 means no pacing at all.
class LinePacer {
public:
    using Clock = std::chrono::steady_clock;

    explicit LinePacer(unsigned baud);

    // A byte that reached us at `arrival` is complete on the line at the
    // returned time; waits until then.
    void awaitReceived(Clock::time_point arrival);
    // Waits until the next reply byte would have crossed the line.
    void awaitSent();

private:
    void sleepUntil(Clock::time_point when) const;

    Clock::duration m_byteTime{};
    Clock::time_point m_lineFree{};
};

} // namespace zrx::sim
