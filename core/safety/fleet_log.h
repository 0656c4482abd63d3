#pragma once

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "fleet_run.h"

namespace zrx {

// The log's columns: unit, start (local time with its offset from UTC,
// "2024-05-01T14:03:22+0200"), seconds, result (ok or failed), reason,
// pcba (the PCBA code read back).
[[nodiscard]] std::vector<std::string> fleetLogHeading();
[[nodiscard]] std::vector<std::string> fleetLogRow(const FleetRadio& radio);

// A CSV file that a fleet run appends one row per radio to, each row on
// disk before the next radio starts. A file it creates (or finds empty)
// gets the heading row first; an existing log keeps what it holds.
class FleetLog {
public:
    // False, with the system's reason, when the file cannot be opened for
    // appending (a folder, no permission...).
    [[nodiscard]] bool open(const std::filesystem::path& path, std::string& error);
    [[nodiscard]] bool append(const FleetRadio& radio, std::string& error);

private:
    [[nodiscard]] bool writeRow(const std::vector<std::string>& row, std::string& error);

    std::ofstream m_file;
};

} // namespace zrx
