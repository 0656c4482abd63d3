#include <CLI/CLI.hpp>

#include <iostream>

#include "command_failed.h"
#include "commands.h"
#include "image/text_fill.h"
#include "json_output.h"
#include "language_option.h"
#include "radio_link.h"
#include "safety/connection_doctor.h"
#include "safety/hex_bytes.h"

namespace zrx::cli {

namespace {

constexpr LocalText kPassed{"yes", "是", "是"};
constexpr LocalText kFailed{"NO", "否", "否"};
constexpr LocalText kNoRadio{"no radio answered on %1", "%1 上没有电台应答", "%1 上沒有電台應答"};

struct DoctorOptions {
    std::string port;
    std::string trace;
    bool json = false;
};

std::string_view checkKey(DoctorCheck check) {
    switch (check) {
    case DoctorCheck::PortExists:
        return "port_exists";
    case DoctorCheck::SerialDevice:
        return "serial_device";
    case DoctorCheck::MayOpen:
        return "may_open";
    case DoctorCheck::NotInUse:
        return "not_in_use";
    case DoctorCheck::Radio:
        break;
    }
    return "radio";
}

std::string_view verdictTag(LineVerdict verdict) {
    switch (verdict) {
    case LineVerdict::NoReply:
        return "no-reply";
    case LineVerdict::Echo:
        return "echo";
    case LineVerdict::Noise:
        return "noise";
    case LineVerdict::Radio:
        return "radio";
    case LineVerdict::HandshakeOnly:
        break;
    }
    return "handshake-only";
}

std::string reportJson(const DoctorReport& report, const std::string& portName, Language language) {
    JsonWriter json;
    json.beginObject().field("ok", report.radioAnswered).field("port", portName);
    json.field("radio_answered", report.radioAnswered);
    json.key("checks").beginArray();
    for (const DoctorFinding& finding : report.findings) {
        json.beginObject();
        json.field("check", checkKey(finding.check));
        json.field("label", doctorCheckLabel(finding.check, language));
        json.field("passed", finding.passed);
        json.field("detail", finding.detail);
        json.endObject();
    }
    json.endArray();
    json.key("line");
    if (report.portOpened) {
        json.beginObject().field("verdict", verdictTag(report.probe.verdict));
        json.field("identification", hexBytes(report.probe.identification));
        json.endObject();
    } else {
        json.null();
    }
    return json.endObject().text();
}

void examinePort(Language language, const DoctorOptions& options) {
    RadioLink link(options.trace, "doctor on " + options.port);
    const DoctorReport report = runDoctor(link.port(), options.port, language);
    link.note(report.radioAnswered ? "ended: a radio answered" : "ended: no radio answered");
    link.warnIfTraceFailed(language);
    if (options.json) {
        const std::string document = reportJson(report, options.port, language);
        if (!report.radioAnswered) {
            CommandFailed failed(fillText(kNoRadio.in(language), {options.port}));
            failed.jsonDocument = document;
            throw failed;
        }
        std::cout << document << '\n' << std::flush;
        return;
    }
    // A full-width colon reads naturally after Chinese.
    const std::string colon = language == Language::English ? ": " : "：";
    for (const DoctorFinding& finding : report.findings) {
        std::string line =
            std::string(doctorCheckLabel(finding.check, language)) + colon +
            std::string(finding.passed ? kPassed.in(language) : kFailed.in(language));
        if (!finding.detail.empty()) {
            line += " - " + finding.detail;
        }
        std::cout << line << '\n';
    }
    std::cout << std::flush;
    if (!report.radioAnswered) {
        throw CommandFailed(fillText(kNoRadio.in(language), {options.port}));
    }
}

} // namespace

void addDoctorCommand(CLI::App& app) {
    auto* command = app.add_subcommand(
        "doctor", "Check a port, one line a step, and find out whether a radio answers on it "
                  "(its memory is neither read nor written)");
    auto options = std::make_shared<DoctorOptions>();
    command->add_option("--port", options->port, "Serial port: COM1..COM8 or a device path")
        ->required();
    command->add_option("--trace", options->trace,
                        "Write every byte exchanged on the line to this file, for support");
    command->add_flag("--json", options->json, "Print one JSON document instead (see README)");
    const auto language = addLanguageOption(*command);
    command->callback([options, language] { examinePort(language(), *options); });
}

} // namespace zrx::cli
