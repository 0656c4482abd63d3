#include "serial_port_inventory.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <system_error>

#include "link/port_name.h"
#include "link/usb_serial_chips.h"

namespace zrx {

namespace fs = std::filesystem;

namespace {

constexpr LocalText kUsbSerial{"USB serial", "USB 串口", "USB 串口"};
constexpr LocalText kSerialPort{"serial port", "串口", "串口"};

// The first line of a small sysfs file, without its line end.
std::string firstLine(const fs::path& file) {
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r' || line.back() == ' ')) {
        line.pop_back();
    }
    return line;
}

std::optional<std::uint16_t> hexId(const fs::path& file) {
    const std::string text = firstLine(file);
    if (text.empty() || text.size() > 4) {
        return std::nullopt;
    }
    unsigned value = 0;
    for (const char c : text) {
        const int digit = (c >= '0' && c <= '9')   ? c - '0'
                          : (c >= 'a' && c <= 'f') ? c - 'a' + 10
                          : (c >= 'A' && c <= 'F') ? c - 'A' + 10
                                                   : -1;
        if (digit < 0) {
            return std::nullopt;
        }
        value = value * 16 + static_cast<unsigned>(digit);
    }
    return static_cast<std::uint16_t>(value);
}

// The USB device a tty hangs from: the nearest folder above it that has
// idVendor, at most a few levels up (interface, then device).
void addUsbFacts(const fs::path& deviceFolder, SystemSerialPort& port) {
    fs::path folder = deviceFolder;
    for (int level = 0; level < 4 && !folder.empty(); ++level) {
        std::error_code ec;
        if (fs::exists(folder / "idVendor", ec)) {
            port.vendorId = hexId(folder / "idVendor");
            port.productId = hexId(folder / "idProduct");
            port.manufacturer = firstLine(folder / "manufacturer");
            port.product = firstLine(folder / "product");
            if (!port.vendorId) {
                port.productId.reset();
            }
            return;
        }
        if (folder == folder.parent_path()) {
            return;
        }
        folder = folder.parent_path();
    }
}

bool builtInUartWithoutHardware(const fs::path& ttyFolder) {
    std::error_code ec;
    // The 8250 driver lists every possible UART; "type" 0 is one that is not there.
    return fs::exists(ttyFolder / "type", ec) && firstLine(ttyFolder / "type") == "0";
}

} // namespace

std::vector<SystemSerialPort> listSerialPorts(const fs::path& classFolder,
                                              const fs::path& deviceFolder) {
    std::vector<SystemSerialPort> ports;
    std::error_code ec;
    for (fs::directory_iterator it(classFolder, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path ttyFolder = it->path();
        std::error_code inner;
        // Consoles and pseudo-terminals have no device behind them.
        const fs::path device = fs::canonical(ttyFolder / "device", inner);
        if (inner || builtInUartWithoutHardware(ttyFolder)) {
            continue;
        }
        SystemSerialPort port;
        port.name = ttyFolder.filename().string();
        port.device = (deviceFolder / port.name).string();
        const fs::path driver = fs::canonical(device / "driver", inner);
        if (!inner) {
            port.driver = driver.filename().string();
        }
        addUsbFacts(device, port);
        ports.push_back(std::move(port));
    }
    std::sort(ports.begin(), ports.end(), listedBefore);
    return ports;
}

bool listedBefore(const SystemSerialPort& a, const SystemSerialPort& b) {
    if (a.usb() != b.usb()) {
        return a.usb();
    }
    return portNameBefore(a.name, b.name);
}

#ifndef _WIN32
std::vector<SystemSerialPort> listSystemSerialPorts() {
    return listSerialPorts();
}
#endif

std::string describeSerialPort(const SystemSerialPort& port, Language language) {
    if (!port.usb()) {
        return std::string(kSerialPort.in(language));
    }
    std::string text(kUsbSerial.in(language));
    const std::string_view chip = usbSerialChip(*port.vendorId, port.productId.value_or(0));
    if (!chip.empty()) {
        text += " (" + std::string(chip) + ")";
    } else if (!port.driver.empty()) {
        text += " (" + port.driver + ")";
    }
    char ids[16];
    std::snprintf(ids, sizeof ids, " %04x:%04x", unsigned{*port.vendorId},
                  unsigned{port.productId.value_or(0)});
    text += ids;
    for (const std::string* words : {&port.manufacturer, &port.product}) {
        if (!words->empty()) {
            text += " " + *words;
        }
    }
    return text;
}

} // namespace zrx
