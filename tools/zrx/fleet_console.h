#pragma once

#include <iosfwd>
#include <mutex>
#include <string>
#include <vector>

#include "image/language.h"
#include "safety/fleet_log.h"
#include "safety/fleet_plan.h"

namespace zrx::cli {

// A fleet run as the command line shows it. One line per radio on stdout
// ("radio 3 (/dev/ttyUSB1): ok (4.3 s, PCBA A1)"), or with JSON the radio
// kept for the document at the end, and its entry in the log the moment it
// ends. On stderr one line per port:
// redrawn in place on a terminal, with progress; otherwise a plain line
// whenever a port's state changes.
//
// The run's threads call the observer; the command's own thread calls
// show(), which is the only one that prints.
class FleetConsole final : public FleetObserver {
public:
    struct Options {
        Language language = Language::English;
        bool live = false;        // redraw the ports' lines in place
        int columns = 80;         // the terminal's width, for live lines
        bool jsonResults = false; // the radios kept for one JSON document, not printed
    };

    FleetConsole(const Options& options, std::ostream& results, std::ostream& display,
                 FleetLog* log);

    void portChanged(std::size_t index, const FleetPortStatus& status) override;
    void radioDone(const FleetRadio& radio) override;

    // Prints the radios that ended since the last call and shows `ports`,
    // with `footer` below them (live) or once when it changes (plain).
    void show(const std::vector<FleetPortStatus>& ports, const std::string& footer);

    // The first reason the log could not be written; empty while it could.
    [[nodiscard]] std::string logError() const;

    // With jsonResults: every radio that has ended, in the order they ended.
    [[nodiscard]] std::vector<FleetRadio> endedRadios() const;

private:
    [[nodiscard]] std::string portLine(const FleetPortStatus& status) const;
    [[nodiscard]] std::string plainPortLine(const FleetPortStatus& status) const;
    [[nodiscard]] std::string resultLine(const FleetRadio& radio) const;
    void redraw(const std::vector<std::string>& lines);

    Options m_options;
    std::ostream& m_results;
    std::ostream& m_display;
    FleetLog* m_log;

    mutable std::mutex m_mutex;
    std::vector<std::string> m_endedRadios; // result lines not yet printed
    std::vector<std::string> m_changes;     // plain port lines not yet printed
    std::vector<std::string> m_lastChange;  // per port, its last plain line
    std::string m_logError;
    std::vector<FleetRadio> m_radios; // with jsonResults

    // The main thread's own.
    std::vector<std::string> m_drawn; // the live lines on the screen now
    std::string m_lastFooter;
};

} // namespace zrx::cli
