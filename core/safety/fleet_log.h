#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "fleet_plan.h"
#include "image/language.h"

namespace zrx {

class JsonWriter;

// One field of a radio's log entry: its column name and its text. Numbers
// are marked so JSON writes them as numbers.
struct FleetLogField {
    std::string_view name;
    std::string text;
    bool number = false;
};

// A radio's log entry, in the log's column order (see README):
//   unit, start, seconds, result, reason, pcba    (the columns of older logs)
//   port, end, verify, identification, backup     (added with several ports)
// Times are local, with their offset from UTC: "2024-05-01T14:03:22+0200".
// result is ok or failed; verify is verified, mismatch, read-back-failed
// or not-written; identification is the radio's bytes in hex ("5A 52 ...");
// backup is the backup file's path, empty without one.
[[nodiscard]] std::vector<FleetLogField> fleetLogFields(const FleetRadio& radio);
[[nodiscard]] std::string_view fleetVerifyTag(FleetVerify verify);

[[nodiscard]] std::vector<std::string> fleetLogHeading();
[[nodiscard]] std::vector<std::string> fleetLogRow(const FleetRadio& radio);
// One JSON object with the same fields, on one line, without its line end.
[[nodiscard]] std::string fleetLogJson(const FleetRadio& radio);
// The same object as the next value of `json`.
void writeFleetRadio(JsonWriter& json, const FleetRadio& radio);

enum class FleetLogFormat { Csv, JsonLines };

// A log file that a fleet run appends one entry per radio to, each entry on
// disk before its port goes on. A CSV file it creates (or finds empty) gets
// the heading row first. An existing file keeps what it holds, and must be
// a log of the same kind: a CSV log with this heading, or with the heading
// of older logs (whose rows then keep to those columns: olderColumns()), or
// JSON lines; anything else is refused rather than written into.
class FleetLog {
public:
    // False, with the reason in `language`, when the file cannot be opened
    // for appending (a folder, no permission...) or is not such a log.
    [[nodiscard]] bool open(const std::filesystem::path& path, FleetLogFormat format,
                            Language language, std::string& error);
    [[nodiscard]] bool append(const FleetRadio& radio, std::string& error);
    [[nodiscard]] bool olderColumns() const { return m_columns < fleetLogHeading().size(); }

private:
    [[nodiscard]] bool writeText(const std::string& text, std::string& error);

    std::ofstream m_file;
    FleetLogFormat m_format = FleetLogFormat::Csv;
    std::size_t m_columns = 0;
};

} // namespace zrx
