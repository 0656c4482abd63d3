#include "fleet_tally.h"

namespace zrx {

FleetTally::Grant FleetTally::claim() {
    const std::lock_guard lock(m_mutex);
    if (overLocked()) {
        return {Claim::Over, 0, m_changes};
    }
    if (m_count && m_summary.programmed + m_inProgress >= *m_count) {
        return {Claim::Held, 0, m_changes};
    }
    ++m_inProgress;
    return {Claim::Granted, ++m_started, m_changes};
}

void FleetTally::finish(bool ok) {
    {
        const std::lock_guard lock(m_mutex);
        --m_inProgress;
        (ok ? m_summary.programmed : m_summary.failed) += 1;
        if (m_count && m_summary.programmed >= *m_count) {
            m_summary.countReached = true;
        }
        ++m_changes;
    }
    m_changed.notify_all();
}

void FleetTally::stop() {
    {
        const std::lock_guard lock(m_mutex);
        m_summary.stopped = true;
        ++m_changes;
    }
    m_changed.notify_all();
}

bool FleetTally::over() const {
    const std::lock_guard lock(m_mutex);
    return overLocked();
}

int FleetTally::inProgress() const {
    const std::lock_guard lock(m_mutex);
    return m_inProgress;
}

FleetSummary FleetTally::summary() const {
    const std::lock_guard lock(m_mutex);
    return m_summary;
}

void FleetTally::awaitChange(const Grant& claim, std::chrono::milliseconds timeout) {
    std::unique_lock lock(m_mutex);
    m_changed.wait_for(lock, timeout, [&] { return m_changes != claim.seen || overLocked(); });
}

bool FleetTally::awaitOver(std::chrono::milliseconds timeout) {
    std::unique_lock lock(m_mutex);
    return m_changed.wait_for(lock, timeout, [&] { return overLocked(); });
}

} // namespace zrx
