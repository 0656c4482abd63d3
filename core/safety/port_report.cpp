#include "port_report.h"

#include "device_access.h"
#include "image/text_fill.h"

namespace zrx {

namespace {

constexpr LocalText kNone{"no serial ports found", "未找到串口", "未找到串口"};
constexpr LocalText kMayOpen{"you may open it", "您有权打开", "您有權開啟"};
constexpr LocalText kMayNotOpen{"you may not open it (zrx doctor --port %1 says why)",
                                "您无权打开（zrx doctor --port %1 可查明原因）",
                                "您無權開啟（zrx doctor --port %1 可查明原因）"};

} // namespace

std::vector<std::string> serialPortReport(const std::vector<SystemSerialPort>& ports,
                                          Language language) {
    if (ports.empty()) {
        return {std::string(kNone.in(language))};
    }
    std::vector<std::string> lines;
    for (const SystemSerialPort& port : ports) {
        const std::string access = mayOpenDevice(port.device)
                                       ? std::string(kMayOpen.in(language))
                                       : fillText(kMayNotOpen.in(language), {port.device});
        lines.push_back(port.device + "  " + describeSerialPort(port, language) + "  " + access);
    }
    return lines;
}

std::vector<std::string> portListing(const std::vector<SystemSerialPort>& ports,
                                     const std::vector<SimulatedRadio>& simulators,
                                     Language language) {
    std::vector<std::string> lines;
    if (!ports.empty() || simulators.empty()) {
        lines = serialPortReport(ports, language);
    }
    for (const SimulatedRadio& simulator : simulators) {
        std::string label(kSimulatedRadioLabel.in(language));
        label.replace(label.find("%1"), 2, simulator.link.filename().string());
        lines.push_back(simulator.link.string() + "  " + label + " -> " +
                        simulator.device.string());
    }
    return lines;
}

} // namespace zrx
