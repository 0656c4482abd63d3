#include <CLI/CLI.hpp>

#include <iostream>

#include "commands.h"
#include "language_option.h"
#include "link/simulator_link.h"
#include "safety/device_access.h"
#include "safety/serial_port_inventory.h"

namespace zrx::cli {

namespace {

constexpr LocalText kNone{"no serial ports found", "未找到串口", "未找到串口"};
constexpr LocalText kMayOpen{"you may open it", "您有权打开", "您有權開啟"};
constexpr LocalText kMayNotOpen{"you may not open it (zrx doctor --port %1 says why)",
                                "您无权打开（zrx doctor --port %1 可查明原因）",
                                "您無權開啟（zrx doctor --port %1 可查明原因）"};

void listPorts(Language language) {
    const std::vector<SystemSerialPort> ports = listSystemSerialPorts();
    const std::vector<SimulatedRadio> simulators = listSimulatedRadios();
    if (ports.empty() && simulators.empty()) {
        std::cout << kNone.in(language) << '\n';
        return;
    }
    for (const SystemSerialPort& port : ports) {
        std::string access(mayOpenDevice(port.device) ? kMayOpen.in(language)
                                                      : kMayNotOpen.in(language));
        if (const auto at = access.find("%1"); at != std::string::npos) {
            access.replace(at, 2, port.device);
        }
        std::cout << port.device << "  " << describeSerialPort(port, language) << "  " << access
                  << '\n';
    }
    for (const SimulatedRadio& simulator : simulators) {
        std::string label(kSimulatedRadioLabel.in(language));
        label.replace(label.find("%1"), 2, simulator.link.filename().string());
        std::cout << simulator.link.string() << "  " << label << " -> " << simulator.device.string()
                  << '\n';
    }
}

} // namespace

void addPortsCommand(CLI::App& app) {
    auto* command = app.add_subcommand(
        "ports", "List the serial ports of this computer, with USB ids, and whether you may "
                 "open each, and the simulated radios (zrx-sim) running now");
    const auto language = addLanguageOption(*command);
    command->callback([language] { listPorts(language()); });
}

} // namespace zrx::cli
