#include "fleet_log.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <system_error>

#include "local_time.h"
#include "table/csv_writer.h"

namespace zrx {

namespace fs = std::filesystem;

std::vector<std::string> fleetLogHeading() {
    return {"unit", "start", "seconds", "result", "reason", "pcba"};
}

std::vector<std::string> fleetLogRow(const FleetRadio& radio) {
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "%.1f", radio.seconds);
    return {std::to_string(radio.unit),
            formatLocalTime(radio.started, "%Y-%m-%dT%H:%M:%S%z"),
            seconds,
            radio.ok ? "ok" : "failed",
            radio.reason,
            radio.pcbaCode};
}

bool FleetLog::open(const fs::path& path, std::string& error) {
    std::error_code ec;
    if (fs::is_directory(path, ec)) {
        error = std::strerror(EISDIR);
        return false;
    }
    const bool fresh = !fs::exists(path, ec) || fs::file_size(path, ec) == 0;
    errno = 0;
    m_file.open(path, std::ios::binary | std::ios::app);
    if (!m_file) {
        error = std::strerror(errno != 0 ? errno : EIO);
        return false;
    }
    return !fresh || writeRow(fleetLogHeading(), error);
}

bool FleetLog::append(const FleetRadio& radio, std::string& error) {
    return writeRow(fleetLogRow(radio), error);
}

bool FleetLog::writeRow(const std::vector<std::string>& row, std::string& error) {
    errno = 0;
    m_file << writeCsv({row});
    m_file.flush();
    if (!m_file) {
        error = std::strerror(errno != 0 ? errno : EIO);
        return false;
    }
    return true;
}

} // namespace zrx
