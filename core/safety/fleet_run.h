#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <thread>
#include <vector>

#include "fleet_plan.h"
#include "fleet_tally.h"

namespace zrx {

// Programs one radio after another on every port of the plan at once, each
// port in a loop on its own thread: wait for a radio, back it up (when
// asked), write the template, read it back to verify, report it, wait for
// it to be taken away, and again. A port whose radio fails, whose radio
// does not answer or which does not open keeps to itself: the other ports
// go on.
//
// stop() ends the run cleanly: no radio starts after it, and a radio in
// progress (from its backup to its read-back) is finished and reported;
// a transfer is never cut off in the middle. The run also ends once
// `count` radios are programmed (see FleetTally: never more).
class FleetRun final : private FleetObserver {
public:
    FleetRun(FleetPlan plan, FleetObserver& observer);
    // Stops the run and waits for the radios in progress.
    ~FleetRun();
    FleetRun(const FleetRun&) = delete;
    FleetRun& operator=(const FleetRun&) = delete;

    // Starts a thread for every port; once only.
    void start();
    // From any thread, returns at once.
    void stop();
    // Waits until every port's loop has ended or `timeout` passes; true when
    // they have (then the threads are joined).
    [[nodiscard]] bool wait(std::chrono::milliseconds timeout);

    [[nodiscard]] bool stopping() const { return m_tally.over(); }
    [[nodiscard]] int radiosInProgress() const { return m_tally.inProgress(); }
    [[nodiscard]] FleetSummary summary() const { return m_tally.summary(); }
    // Every port's status as it is now.
    [[nodiscard]] std::vector<FleetPortStatus> ports() const;

private:
    // What the ports report, kept and passed on to the observer.
    void portChanged(std::size_t index, const FleetPortStatus& status) override;
    void radioDone(const FleetRadio& radio) override;
    void runPort(std::size_t index);

    const FleetPlan m_plan;
    FleetObserver& m_observer;
    FleetTally m_tally;
    mutable std::mutex m_statusMutex;
    std::vector<FleetPortStatus> m_statuses;
    std::mutex m_observerMutex;
    std::mutex m_threadsMutex;
    std::condition_variable m_loopEnded;
    int m_loopsRunning = 0;
    std::vector<std::thread> m_threads;
};

} // namespace zrx
