#include "fleet_console.h"

#include <cstdio>
#include <ostream>

#include "image/text_fill.h"
#include "safety/fleet_ports.h"
#include "terminal.h"

namespace zrx::cli {

namespace {

constexpr LocalText kRadio{"radio %1", "电台 %1", "電台 %1"};
constexpr LocalText kOk{"ok", "成功", "成功"};
constexpr LocalText kFailed{"FAILED", "失败", "失敗"};
constexpr LocalText kCounts{"%1 ok, %2 failed", "%1 台成功，%2 台失败", "%1 台成功，%2 台失敗"};
constexpr LocalText kLogFailed{"the log could not be written: ", "无法写入日志：",
                               "無法寫入日誌："};

constexpr int kBarWidth = 20;

std::string bar(int done, int total) {
    const int filled = total > 0 ? done * kBarWidth / total : 0;
    return "[" + std::string(static_cast<std::size_t>(filled), '#') +
           std::string(static_cast<std::size_t>(kBarWidth - filled), '.') + "] " +
           std::to_string(total > 0 ? done * 100 / total : 0) + "%";
}

bool radioInProgress(FleetPortState state) {
    return state == FleetPortState::BackingUp || state == FleetPortState::Writing ||
           state == FleetPortState::Verifying;
}

} // namespace

FleetConsole::FleetConsole(const Options& options, std::ostream& results, std::ostream& display,
                           FleetLog* log)
    : m_options(options), m_results(results), m_display(display), m_log(log) {}

void FleetConsole::portChanged(std::size_t index, const FleetPortStatus& status) {
    if (m_options.live) {
        return; // show() draws from the run's own picture of the ports
    }
    std::string line = plainPortLine(status);
    const std::lock_guard lock(m_mutex);
    if (m_lastChange.size() <= index) {
        m_lastChange.resize(index + 1);
    }
    if (m_lastChange[index] != line) {
        m_lastChange[index] = line;
        m_changes.push_back(std::move(line));
    }
}

void FleetConsole::radioDone(const FleetRadio& radio) {
    std::string error;
    const bool logged = m_log == nullptr || m_log->append(radio, error);
    const std::lock_guard lock(m_mutex);
    if (m_options.jsonResults) {
        m_radios.push_back(radio);
    } else {
        m_endedRadios.push_back(resultLine(radio));
    }
    if (!logged && m_logError.empty()) {
        m_logError = error;
        m_changes.push_back("zrx: " + std::string(kLogFailed.in(m_options.language)) + error);
    }
}

std::vector<FleetRadio> FleetConsole::endedRadios() const {
    const std::lock_guard lock(m_mutex);
    return m_radios;
}

std::string FleetConsole::logError() const {
    const std::lock_guard lock(m_mutex);
    return m_logError;
}

void FleetConsole::show(const std::vector<FleetPortStatus>& ports, const std::string& footer) {
    std::vector<std::string> ended;
    std::vector<std::string> changes;
    {
        const std::lock_guard lock(m_mutex);
        ended.swap(m_endedRadios);
        changes.swap(m_changes);
    }
    if (!m_options.live) {
        for (const std::string& line : changes) {
            m_display << line << '\n';
        }
        if (!footer.empty() && footer != m_lastFooter) {
            m_display << footer << '\n';
        }
        m_lastFooter = footer;
        m_display << std::flush;
        for (const std::string& line : ended) {
            m_results << line << '\n';
        }
        m_results << std::flush;
        return;
    }
    std::vector<std::string> lines;
    for (const FleetPortStatus& status : ports) {
        lines.push_back(fitColumns(portLine(status), m_options.columns - 1));
    }
    if (!footer.empty()) {
        lines.push_back(fitColumns(footer, m_options.columns - 1));
    }
    if (!ended.empty() || !changes.empty()) {
        // Lines that stay go above the live ones: clear those, print, draw
        // them again below.
        redraw({});
        for (const std::string& line : changes) {
            m_display << line << '\n';
        }
        m_display << std::flush;
        for (const std::string& line : ended) {
            m_results << line << '\n';
        }
        m_results << std::flush;
    }
    if (lines != m_drawn) {
        redraw(lines);
    }
}

void FleetConsole::redraw(const std::vector<std::string>& lines) {
    std::string out;
    if (!m_drawn.empty()) {
        out += "\x1b[" + std::to_string(m_drawn.size()) + "A";
    }
    out += "\r";
    for (const std::string& line : lines) {
        out += "\x1b[2K" + line + "\n";
    }
    // Below the lines: whatever the terminal echoed there (^C) goes.
    out += "\x1b[J";
    m_display << out << std::flush;
    m_drawn = lines;
}

std::string FleetConsole::portLine(const FleetPortStatus& status) const {
    const Language language = m_options.language;
    std::string line = status.port + ": " + std::string(fleetPortStateText(status.state, language));
    if (status.progressTotal > 0) {
        line += " " + bar(status.progress, status.progressTotal);
    }
    line += "  [" +
            fillText(kCounts.in(language),
                     {std::to_string(status.programmed), std::to_string(status.failed)}) +
            "]";
    if (!status.detail.empty()) {
        line += " - " + status.detail;
    }
    return line;
}

std::string FleetConsole::plainPortLine(const FleetPortStatus& status) const {
    const Language language = m_options.language;
    std::string line = status.port + ": " + std::string(fleetPortStateText(status.state, language));
    if (radioInProgress(status.state)) {
        line += " - " + fillText(kRadio.in(language), {std::to_string(status.unit)});
    }
    if (!status.detail.empty()) {
        line += " - " + status.detail;
    }
    return line;
}

std::string FleetConsole::resultLine(const FleetRadio& radio) const {
    const Language language = m_options.language;
    std::string line =
        fillText(kRadio.in(language), {std::to_string(radio.unit)}) + " (" + radio.port + "): ";
    line += radio.ok ? std::string(kOk.in(language)) : std::string(kFailed.in(language));
    if (!radio.ok) {
        line += " - " + radio.reason;
    }
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "%.1f s", radio.seconds);
    line += " (" + std::string(seconds);
    if (!radio.pcbaCode.empty()) {
        line += ", PCBA " + radio.pcbaCode;
    }
    return line + ")";
}

} // namespace zrx::cli
