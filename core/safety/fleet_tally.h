#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>

namespace zrx {

struct FleetSummary {
    int programmed = 0; // radios written and verified
    int failed = 0;
    bool countReached = false; // the run ended because `count` radios were programmed
    bool stopped = false;      // stop() was asked for
};

// The radios of a fleet run over all its ports: which radio may start and
// when the run is over. Every port's thread asks it; all of it is locked.
//
// With a count, a radio starts only while the radios programmed plus the
// radios in progress are fewer than the count, so the run never programs
// more than the count: when the radios in progress would make it up, a
// port that finds a radio holds it, and starts it only if one of those
// fails. The run is over when the count is reached (then no radio is in
// progress) or stop() was asked for (radios in progress still finish).
class FleetTally {
public:
    explicit FleetTally(std::optional<int> count) : m_count(count) {}

    enum class Claim {
        Granted, // the radio starts; `unit` is its number in the run
        Held,    // the radios in progress may make up the count: hold it for now
        Over,    // the run is over: no radio starts any more
    };
    struct Grant {
        Claim claim = Claim::Over;
        int unit = 0;
        int seen = 0; // the tally's changes so far, for awaitChange
    };
    [[nodiscard]] Grant claim();
    // A granted radio has ended, programmed (`ok`) or not.
    void finish(bool ok);
    // No radio starts from now on; those in progress finish.
    void stop();

    [[nodiscard]] bool over() const;
    [[nodiscard]] int inProgress() const;
    [[nodiscard]] FleetSummary summary() const;

    // Waits until the tally has changed since `claim` was answered (a radio
    // ended, the run is over) or `timeout` passes.
    void awaitChange(const Grant& claim, std::chrono::milliseconds timeout);
    // Waits until the run is over or `timeout` passes; true when it is over.
    bool awaitOver(std::chrono::milliseconds timeout);

private:
    [[nodiscard]] bool overLocked() const { return m_summary.stopped || m_summary.countReached; }

    const std::optional<int> m_count;
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    FleetSummary m_summary;
    int m_inProgress = 0;
    int m_started = 0;
    int m_changes = 0; // counts every change, so a waiter sees one that came before it waited
};

} // namespace zrx
