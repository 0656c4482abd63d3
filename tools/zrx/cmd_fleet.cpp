#include <CLI/CLI.hpp>

#include <cstdio>
#include <iostream>
#include <optional>

#include "command_failed.h"
#include "commands.h"
#include "input_files.h"
#include "language_option.h"
#include "link/serial_port.h"
#include "safety/fleet_log.h"
#include "safety/fleet_run.h"
#include "transfer_progress.h"

namespace zrx::cli {

namespace {

constexpr LocalText kPrompt{"Radio %1: connect it, switch it on and press Enter (q to finish) ",
                            "电台 %1：请连接并开机，然后按回车键（输入 q 结束）",
                            "電台 %1：請連接並開機，然後按 Enter 鍵（輸入 q 結束）"};
constexpr LocalText kRadio{"radio %1", "电台 %1", "電台 %1"};
constexpr LocalText kOk{"ok", "成功", "成功"};
constexpr LocalText kFailed{"FAILED", "失败", "失敗"};
constexpr LocalText kSummary{"%1 radios: %2 ok, %3 failed", "共 %1 台电台：%2 台成功，%3 台失败",
                             "共 %1 台電台：%2 台成功，%3 台失敗"};
constexpr LocalText kSomeFailed{"%3 of %1 radios failed", "%1 台电台中有 %3 台失败",
                                "%1 台電台中有 %3 台失敗"};
constexpr LocalText kLogFailed{"the log could not be written: ", "无法写入日志：",
                               "無法寫入日誌："};

std::string fill(std::string_view format, std::initializer_list<std::string> values) {
    std::string text(format);
    int number = 1;
    for (const std::string& value : values) {
        const std::string marker = "%" + std::to_string(number++);
        for (auto at = text.find(marker); at != std::string::npos; at = text.find(marker, at)) {
            text.replace(at, marker.size(), value);
            at += value.size();
        }
    }
    return text;
}

struct FleetOptions {
    std::string templateFile;
    std::string port;
    std::string log;
    int count = 0;
};

// The bench as the terminal gives it: Enter for the next radio, q or the
// end of the input to finish; one line per radio on stdout, one row per
// radio in the log.
class TerminalStation final : public FleetStation {
public:
    TerminalStation(Language language, FleetLog* log)
        : m_language(language), m_log(log), m_progress(std::cerr) {}

    bool nextRadio(int unit) override {
        std::cerr << fill(kPrompt.in(m_language), {std::to_string(unit)}) << std::flush;
        std::string line;
        if (!std::getline(std::cin, line)) {
            std::cerr << '\n';
            return false;
        }
        const auto first = line.find_first_not_of(" \t\r");
        return first == std::string::npos || (line[first] != 'q' && line[first] != 'Q');
    }

    TransferObserver& transferObserver() override { return m_progress; }

    void radioDone(const FleetRadio& radio) override {
        char seconds[32];
        std::snprintf(seconds, sizeof seconds, "%.1f s", radio.seconds);
        std::string line = fill(kRadio.in(m_language), {std::to_string(radio.unit)}) + ": ";
        line += radio.ok ? std::string(kOk.in(m_language)) : std::string(kFailed.in(m_language));
        if (!radio.ok) {
            line += " - " + radio.reason;
        }
        line += " (" + std::string(seconds);
        if (!radio.pcbaCode.empty()) {
            line += ", PCBA " + radio.pcbaCode;
        }
        std::cout << line << ")\n" << std::flush;
        std::string error;
        if (m_log != nullptr && !m_log->append(radio, error) && m_logError.empty()) {
            m_logError = error;
            std::cerr << "zrx: " << kLogFailed.in(m_language) << error << '\n';
        }
    }

    [[nodiscard]] const std::string& logError() const { return m_logError; }

private:
    Language m_language;
    FleetLog* m_log;
    TransferProgress m_progress;
    std::string m_logError;
};

void programFleet(Language language, const FleetOptions& options) {
    FleetPlan plan;
    plan.templateImage = loadImageOrFail(argumentPath(options.templateFile));
    plan.portName = options.port;
    plan.language = language;
    if (options.count > 0) {
        plan.count = options.count;
    }
    std::optional<FleetLog> log;
    if (!options.log.empty()) {
        log.emplace();
        const auto path = argumentPath(options.log);
        if (std::string error; !log->open(path, error)) {
            throw CommandFailed(displayName(path) + ": " + error);
        }
    }
    TerminalStation station(language, log ? &*log : nullptr);
    const auto port = makeSystemSerialPort();
    const FleetSummary summary = runFleet(plan, *port, station);
    const std::string total = std::to_string(summary.programmed + summary.failed);
    std::cout << fill(kSummary.in(language),
                      {total, std::to_string(summary.programmed), std::to_string(summary.failed)})
              << '\n'
              << std::flush;
    if (summary.failed > 0) {
        throw CommandFailed(
            fill(kSomeFailed.in(language),
                 {total, std::to_string(summary.programmed), std::to_string(summary.failed)}));
    }
    if (!station.logError().empty()) {
        throw CommandFailed(std::string(kLogFailed.in(language)) + station.logError());
    }
}

} // namespace

void addFleetCommand(CLI::App& app) {
    auto* command = app.add_subcommand(
        "fleet", "Program radio after radio from one template, each write verified; Enter for "
                 "the next radio, q or end of input to finish");
    auto options = std::make_shared<FleetOptions>();
    command->add_option("TEMPLATE", options->templateFile, "Channel data file to program")
        ->required();
    command->add_option("--port", options->port, "Serial port: COM1..COM8 or a device path")
        ->required();
    command->add_option("--log", options->log,
                        "CSV file to append one row per radio to (created with a heading row)");
    command->add_option("--count", options->count, "Stop after this many radios")
        ->check(CLI::PositiveNumber);
    const auto language = addLanguageOption(*command);
    command->callback([options, language] { programFleet(language(), *options); });
}

} // namespace zrx::cli
