#include "fleet_run.h"

#include "fleet_port_loop.h"

namespace zrx {

FleetRun::FleetRun(FleetPlan plan, FleetObserver& observer)
    : m_plan(std::move(plan)), m_observer(observer), m_tally(m_plan.count) {
    for (const std::string& port : m_plan.ports) {
        FleetPortStatus status;
        status.port = port;
        m_statuses.push_back(std::move(status));
    }
}

FleetRun::~FleetRun() {
    stop();
    while (!wait(std::chrono::hours(1))) {
    }
}

void FleetRun::start() {
    const std::lock_guard lock(m_threadsMutex);
    if (!m_threads.empty()) {
        return;
    }
    for (std::size_t index = 0; index < m_plan.ports.size(); ++index) {
        ++m_loopsRunning;
        try {
            m_threads.emplace_back(&FleetRun::runPort, this, index);
        } catch (...) {
            --m_loopsRunning;
            m_tally.stop();
            throw;
        }
    }
}

void FleetRun::stop() {
    m_tally.stop();
}

bool FleetRun::wait(std::chrono::milliseconds timeout) {
    std::unique_lock lock(m_threadsMutex);
    if (!m_loopEnded.wait_for(lock, timeout, [this] { return m_loopsRunning == 0; })) {
        return false;
    }
    for (std::thread& thread : m_threads) {
        if (thread.joinable()) {
            thread.join();
        }
    }
    return true;
}

std::vector<FleetPortStatus> FleetRun::ports() const {
    const std::lock_guard lock(m_statusMutex);
    return m_statuses;
}

void FleetRun::portChanged(std::size_t index, const FleetPortStatus& status) {
    {
        const std::lock_guard lock(m_statusMutex);
        m_statuses[index] = status;
    }
    const std::lock_guard lock(m_observerMutex);
    m_observer.portChanged(index, status);
}

void FleetRun::radioDone(const FleetRadio& radio) {
    const std::lock_guard lock(m_observerMutex);
    m_observer.radioDone(radio);
}

void FleetRun::runPort(std::size_t index) {
    FleetPortLoop(m_plan, index, m_tally, *this).run();
    {
        const std::lock_guard lock(m_threadsMutex);
        --m_loopsRunning;
    }
    m_loopEnded.notify_all();
}

} // namespace zrx
