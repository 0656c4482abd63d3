#include "line_pacer.h"

#include <algorithm>
#include <thread>

#include "link/protocol_frames.h"

namespace zrx::sim {

LinePacer::LinePacer(unsigned baud) {
    if (baud != 0) {
        m_byteTime = std::chrono::duration_cast<Clock::duration>(
            std::chrono::nanoseconds(1'000'000'000ULL * protocol::kBitsPerByte / baud));
    }
}

void LinePacer::awaitReceived(Clock::time_point arrival) {
    if (m_byteTime == Clock::duration::zero()) {
        return;
    }
    m_lineFree = std::max(arrival, m_lineFree) + m_byteTime;
    sleepUntil(m_lineFree);
}

void LinePacer::awaitSent() {
    if (m_byteTime == Clock::duration::zero()) {
        return;
    }
    m_lineFree = std::max(Clock::now() - m_byteTime, m_lineFree) + m_byteTime;
    sleepUntil(m_lineFree);
}

void LinePacer::sleepUntil(Clock::time_point when) const {
    std::this_thread::sleep_until(when);
}

} // namespace zrx::sim
