#include <CLI/CLI.hpp>

#include <iostream>
#include <optional>
#include <set>

#include "command_failed.h"
#include "commands.h"
#include "fleet_console.h"
#include "image/text_fill.h"
#include "input_files.h"
#include "json_output.h"
#include "language_option.h"
#include "radio_link.h"
#include "safety/fleet_log.h"
#include "safety/fleet_ports.h"
#include "safety/fleet_run.h"
#include "stop_signals.h"
#include "terminal.h"
#include "write_checks.h"

namespace zrx::cli {

namespace {

constexpr LocalText kSummary{"%1 radios: %2 ok, %3 failed", "共 %1 台电台：%2 台成功，%3 台失败",
                             "共 %1 台電台：%2 台成功，%3 台失敗"};
constexpr LocalText kSomeFailed{"%3 of %1 radios failed", "%1 台电台中有 %3 台失败",
                                "%1 台電台中有 %3 台失敗"};
constexpr LocalText kLogFailed{"the log could not be written: ", "无法写入日志：",
                               "無法寫入日誌："};
constexpr LocalText kNoPorts{"no USB serial ports found (zrx ports lists the ports there are)",
                             "未找到 USB 串口（zrx ports 可列出现有串口）",
                             "未找到 USB 串口（zrx ports 可列出現有串口）"};
constexpr LocalText kTwice{"the port %1 is named twice", "串口 %1 指定了两次",
                           "串口 %1 指定了兩次"};
constexpr LocalText kRunning{"Ctrl+C stops: no new radios, those in progress finish",
                             "按 Ctrl+C 停止：不再开始新电台，进行中的电台会完成",
                             "按 Ctrl+C 停止：不再開始新電台，進行中的電台會完成"};
constexpr LocalText kStopping{"stopping: no new radios; %1 in progress will finish",
                              "正在停止：不再开始新电台；进行中的 %1 台会完成",
                              "正在停止：不再開始新電台；進行中的 %1 台會完成"};
constexpr LocalText kOlderLog{"zrx: %1 has the columns of an older log; its new rows keep to them",
                              "zrx：%1 是旧版日志，新行沿用其原有的列",
                              "zrx：%1 是舊版日誌，新列沿用其原有的欄"};

// How often the command looks at the run: the live lines' refresh rate.
constexpr std::chrono::milliseconds kTick{100};

struct FleetOptions {
    std::string templateFile;
    std::vector<std::string> ports;
    bool allPorts = false;
    std::string log;
    std::string trace;
    bool json = false;
    bool backup = false;
    bool force = false;
    bool verify = false;
    int count = 0;
};

std::vector<std::string> portsToProgram(const FleetOptions& options, Language language) {
    std::vector<std::string> ports =
        options.allPorts ? fleetPortsPresent(listSystemSerialPorts()) : options.ports;
    if (ports.empty()) {
        throw CommandFailed(std::string(kNoPorts.in(language)));
    }
    std::set<std::string> seen;
    for (const std::string& port : ports) {
        if (!seen.insert(port).second) {
            throw CommandFailed(fillText(kTwice.in(language), {port}));
        }
    }
    return ports;
}

std::string footer(const FleetRun& run, Language language) {
    if (!run.stopping()) {
        return std::string(kRunning.in(language));
    }
    const int inProgress = run.radiosInProgress();
    return inProgress > 0 ? fillText(kStopping.in(language), {std::to_string(inProgress)})
                          : std::string();
}

void programFleet(Language language, const FleetOptions& options) {
    FleetPlan plan;
    plan.templateImage = loadImageOrFail(argumentPath(options.templateFile));
    // Every radio gets the template: its checks come before the first one.
    checkBeforeWrite(plan.templateImage, options.force, language, std::cerr);
    plan.ports = portsToProgram(options, language);
    plan.language = language;
    plan.backup = options.backup;
    plan.readTwice = options.verify;
    // One trace for all the ports, each line naming its port: one file to
    // send, and `grep PORT` takes one port's lines out of it.
    const auto trace =
        openTraceOrFail(options.trace, "fleet on " + std::to_string(plan.ports.size()) + " ports");
    plan.trace = trace.get();
    if (options.count > 0) {
        plan.count = options.count;
    }
    std::optional<FleetLog> log;
    if (!options.log.empty()) {
        log.emplace();
        const auto path = argumentPath(options.log);
        const auto format = options.json ? FleetLogFormat::JsonLines : FleetLogFormat::Csv;
        if (std::string error; !log->open(path, format, language, error)) {
            throw CommandFailed(displayName(path) + ": " + error);
        }
        if (log->olderColumns()) {
            std::cerr << fillText(kOlderLog.in(language), {displayName(path)}) << '\n';
        }
    }
    FleetConsole::Options shown;
    shown.language = language;
    shown.live = standardErrorRedraws();
    shown.columns = shown.live ? standardErrorColumns() : 80;
    shown.jsonResults = options.json;
    FleetConsole console(shown, std::cout, std::cerr, log ? &*log : nullptr);

    const StopSignals signals;
    FleetRun run(std::move(plan), console);
    run.start();
    bool stopAsked = false;
    while (!run.wait(kTick)) {
        if (!stopAsked && (signals.count() > 0 || !console.logError().empty())) {
            run.stop();
            stopAsked = true;
        }
        console.show(run.ports(), footer(run, language));
    }
    console.show(run.ports(), footer(run, language));

    const FleetSummary summary = run.summary();
    const std::string total = std::to_string(summary.programmed + summary.failed);
    const std::string programmed = std::to_string(summary.programmed);
    const std::string failed = std::to_string(summary.failed);
    // With JSON, stdout holds the document alone.
    std::ostream& summaryOut = shown.jsonResults ? std::cerr : std::cout;
    summaryOut << fillText(kSummary.in(language), {total, programmed, failed}) << '\n'
               << std::flush;
    warnIfTraceFailed(trace.get(), language);
    std::optional<CommandFailed> failure;
    if (!console.logError().empty()) {
        failure.emplace(std::string(kLogFailed.in(language)) + console.logError());
    } else if (summary.failed > 0) {
        failure.emplace(fillText(kSomeFailed.in(language), {total, programmed, failed}));
    }
    if (options.json) {
        JsonWriter json;
        json.beginObject().field("ok", !failure);
        if (failure) {
            json.field("error", failure->what());
        }
        json.field("programmed", summary.programmed).field("failed", summary.failed);
        json.key("radios").beginArray();
        for (const FleetRadio& radio : console.endedRadios()) {
            writeFleetRadio(json, radio);
        }
        json.endArray().endObject();
        if (!failure) {
            printJson(json);
            return;
        }
        failure->jsonDocument = json.text();
    }
    if (failure) {
        throw *failure;
    }
}

} // namespace

void addFleetCommand(CLI::App& app) {
    auto* command = app.add_subcommand(
        "fleet", "Program radio after radio from one template on one or many ports at once, each "
                 "write verified; each port waits for its next radio by itself; Ctrl+C stops "
                 "once the radios in progress are done");
    auto options = std::make_shared<FleetOptions>();
    command->add_option("TEMPLATE", options->templateFile, "Channel data file to program")
        ->required();
    auto* ports = command->add_option("--port", options->ports,
                                      "Serial port: COM1..COM8 or a device path; give it once "
                                      "for each cable");
    auto* all = command->add_flag("--all-ports", options->allPorts,
                                  "Every USB serial port present (see zrx ports)");
    ports->excludes(all);
    command->add_option("--log", options->log,
                        "File to append one entry per radio to: CSV (created with a heading "
                        "row), or JSON lines with --json");
    command->add_flag("--json", options->json,
                      "Print one JSON document with every radio when the run ends (see README); "
                      "the log, if any, is JSON lines");
    command
        ->add_option("--count", options->count,
                     "Stop after this many radios are programmed, over all ports (never more)")
        ->check(CLI::PositiveNumber);
    command->add_flag("--backup", options->backup,
                      "Read each radio first and keep its memory as a backup (see zrx backups)");
    command->add_flag("--force", options->force,
                      "Program the template even when the checks find a memory the radio cannot "
                      "use");
    command->add_flag("--verify", options->verify,
                      "Read each radio twice wherever it is read (the backup, the read-back) and "
                      "compare the reads; a third read settles a difference");
    command->add_option("--trace", options->trace,
                        "Write every byte exchanged on every port to this file, each line naming "
                        "its port, for support");
    const auto language = addLanguageOption(*command);
    command->callback([options, language, ports, all] {
        if (ports->count() == 0 && all->count() == 0) {
            throw CLI::RequiredError("--port or --all-ports");
        }
        programFleet(language(), *options);
    });
}

} // namespace zrx::cli
