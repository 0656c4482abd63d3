#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "fleet_plan.h"
#include "fleet_tally.h"
#include "link/serial_port.h"

namespace zrx {

// The loop one port of a fleet run goes round on its own thread: look for a
// radio, claim it from the tally, program it, report it, wait for it to be
// taken away. Everything it knows of the other ports is the tally.
class FleetPortLoop {
public:
    FleetPortLoop(const FleetPlan& plan, std::size_t index, FleetTally& tally,
                  FleetObserver& reports);

    // Returns once the run is over and no radio of this port is in progress.
    void run();

private:
    using Clock = std::chrono::steady_clock;
    struct Look {
        enum class Found { Radio, NoRadio, NoPort } found = Found::NoRadio;
        std::string detail;                       // what answered instead, or why no port
        std::vector<std::uint8_t> identification; // the radio's, when one answered
    };

    // Asks once who is on the line, never touching a radio's memory.
    Look look();
    // Looks until a radio answers; nothing once the run is over.
    std::optional<std::vector<std::uint8_t>> awaitRadio();
    void program(int unit, std::vector<std::uint8_t> identification);
    // Looks until the radio has stayed away `goneAfterLooks` looks in a row.
    void awaitTakeAway();
    // Waits until the next look is due, or the run is over.
    void awaitNextLook();
    void show(FleetPortState state, std::string detail = {});

    const FleetPlan& m_plan;
    const std::string& m_portName;
    FleetTally& m_tally;
    FleetObserver& m_reports;
    std::size_t m_index;
    std::unique_ptr<SerialPort> m_port;
    FleetPortStatus m_status;
    Clock::time_point m_lastLook{};
};

} // namespace zrx
