#include <CLI/CLI.hpp>

#include <iostream>

#include "command_failed.h"
#include "commands.h"
#include "language_option.h"
#include "link/serial_port.h"
#include "safety/connection_doctor.h"

namespace zrx::cli {

namespace {

constexpr LocalText kPassed{"yes", "是", "是"};
constexpr LocalText kFailed{"NO", "否", "否"};
constexpr LocalText kNoRadio{"no radio answered on %1", "%1 上没有电台应答", "%1 上沒有電台應答"};

void examinePort(Language language, const std::string& portName) {
    const auto port = makeSystemSerialPort();
    const DoctorReport report = runDoctor(*port, portName, language);
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
        std::string text(kNoRadio.in(language));
        text.replace(text.find("%1"), 2, portName);
        throw CommandFailed(text);
    }
}

} // namespace

void addDoctorCommand(CLI::App& app) {
    auto* command = app.add_subcommand(
        "doctor", "Check a port, one line a step, and find out whether a radio answers on it "
                  "(its memory is neither read nor written)");
    auto portName = std::make_shared<std::string>();
    command->add_option("--port", *portName, "Serial port: COM1..COM8 or a device path")
        ->required();
    const auto language = addLanguageOption(*command);
    command->callback([portName, language] { examinePort(language(), *portName); });
}

} // namespace zrx::cli
