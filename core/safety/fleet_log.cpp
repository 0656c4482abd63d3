#include "fleet_log.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <system_error>

#include "hex_bytes.h"
#include "local_time.h"
#include "table/csv_writer.h"
#include "table/json_writer.h"

namespace zrx {

namespace fs = std::filesystem;

namespace {

// The columns of logs written before a run could have several ports.
constexpr std::size_t kOlderColumns = 6;

constexpr LocalText kNotALog{
    "not a fleet log (its first line is neither a fleet log's heading nor JSON); name a new "
    "file or an earlier fleet log",
    "不是批量写频日志（第一行既不是日志的标题行，也不是 JSON）；请指定新文件或以前的批量写频日志",
    "不是批次寫頻日誌（第一行既不是日誌的標題列，也不是 JSON）；請指定新檔案或以前的批次寫頻日誌"};

std::string localTime(std::chrono::system_clock::time_point when) {
    return formatLocalTime(when, "%Y-%m-%dT%H:%M:%S%z");
}

std::string firstLineOf(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::string line;
    std::getline(in, line);
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return line;
}

std::string systemError() {
    return std::strerror(errno != 0 ? errno : EIO);
}

} // namespace

std::string_view fleetVerifyTag(FleetVerify verify) {
    switch (verify) {
    case FleetVerify::Verified:
        return "verified";
    case FleetVerify::Mismatch:
        return "mismatch";
    case FleetVerify::ReadBackFailed:
        return "read-back-failed";
    case FleetVerify::NotWritten:
        break;
    }
    return "not-written";
}

std::vector<FleetLogField> fleetLogFields(const FleetRadio& radio) {
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "%.1f", radio.seconds);
    const std::u8string backup = radio.backup.u8string();
    return {
        {"unit", std::to_string(radio.unit), true},
        {"start", localTime(radio.started)},
        {"seconds", seconds, true},
        {"result", radio.ok ? "ok" : "failed"},
        {"reason", radio.reason},
        {"pcba", radio.pcbaCode},
        {"port", radio.port},
        {"end", localTime(radio.ended)},
        {"verify", std::string(fleetVerifyTag(radio.verify))},
        {"identification", hexBytes(radio.identification)},
        {"backup", std::string(backup.begin(), backup.end())},
    };
}

std::vector<std::string> fleetLogHeading() {
    std::vector<std::string> names;
    for (const FleetLogField& field : fleetLogFields(FleetRadio{})) {
        names.emplace_back(field.name);
    }
    return names;
}

std::vector<std::string> fleetLogRow(const FleetRadio& radio) {
    std::vector<std::string> row;
    for (FleetLogField& field : fleetLogFields(radio)) {
        row.push_back(std::move(field.text));
    }
    return row;
}

void writeFleetRadio(JsonWriter& json, const FleetRadio& radio) {
    json.beginObject();
    for (const FleetLogField& field : fleetLogFields(radio)) {
        json.key(field.name);
        if (field.number) {
            json.number(field.text);
        } else {
            json.string(field.text);
        }
    }
    json.endObject();
}

std::string fleetLogJson(const FleetRadio& radio) {
    JsonWriter json(JsonWriter::Layout::OneLine);
    writeFleetRadio(json, radio);
    return json.text();
}

bool FleetLog::open(const fs::path& path, FleetLogFormat format, Language language,
                    std::string& error) {
    std::error_code ec;
    if (fs::is_directory(path, ec)) {
        error = std::strerror(EISDIR);
        return false;
    }
    m_format = format;
    const std::vector<std::string> heading = fleetLogHeading();
    m_columns = heading.size();
    const bool fresh = !fs::exists(path, ec) || fs::file_size(path, ec) == 0;
    if (!fresh) {
        const std::string first = firstLineOf(path) + "\r\n";
        const std::vector<std::string> older(heading.begin(), heading.begin() + kOlderColumns);
        if (format == FleetLogFormat::Csv && first == writeCsv({older})) {
            m_columns = kOlderColumns;
        } else if (format == FleetLogFormat::Csv ? first != writeCsv({heading})
                                                 : !first.starts_with("{")) {
            error = kNotALog.in(language);
            return false;
        }
    }
    errno = 0;
    m_file.open(path, std::ios::binary | std::ios::app);
    if (!m_file) {
        error = systemError();
        return false;
    }
    return !fresh || format != FleetLogFormat::Csv || writeText(writeCsv({heading}), error);
}

bool FleetLog::append(const FleetRadio& radio, std::string& error) {
    if (m_format == FleetLogFormat::JsonLines) {
        return writeText(fleetLogJson(radio) + "\n", error);
    }
    std::vector<std::string> row = fleetLogRow(radio);
    row.resize(m_columns);
    return writeText(writeCsv({row}), error);
}

bool FleetLog::writeText(const std::string& text, std::string& error) {
    errno = 0;
    m_file << text;
    m_file.flush();
    if (!m_file) {
        error = systemError();
        return false;
    }
    return true;
}

} // namespace zrx
