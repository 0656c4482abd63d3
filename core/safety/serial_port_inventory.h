#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "image/language.h"

namespace zrx {

// A serial port this computer has, as the system describes it.
struct SystemSerialPort {
    std::string name;   // "ttyUSB0"; "COM3" on Windows
    std::string device; // "/dev/ttyUSB0"; "COM3" on Windows
    std::string driver; // "ch341-uart", "ftdi_sio", "serial8250"...; empty on Windows
    std::optional<std::uint16_t> vendorId;
    std::optional<std::uint16_t> productId;
    std::string manufacturer; // the USB device's own words, may be empty
    std::string product;
    [[nodiscard]] bool usb() const { return vendorId.has_value(); }
};

// The order ports are listed in: USB adapters first (the cable of a radio
// is almost always one), then by name, COM2 before COM10.
[[nodiscard]] bool listedBefore(const SystemSerialPort& a, const SystemSerialPort& b);

// The serial ports under `classFolder` (the kernel's /sys/class/tty): every
// terminal backed by a device, USB adapters with their ids and strings from
// the USB device above them. Built-in UARTs that the kernel lists without
// hardware behind them (type 0) are left out, and so are virtual consoles
// and pseudo-terminals. USB adapters first, then by name. Empty on systems
// without such a folder.
[[nodiscard]] std::vector<SystemSerialPort>
listSerialPorts(const std::filesystem::path& classFolder = "/sys/class/tty",
                const std::filesystem::path& deviceFolder = "/dev");

// The serial ports this computer has now: listSerialPorts() on Linux, the
// ports device class (COM and LPT ports, COM only kept) on Windows, where
// `product` is the device's friendly name without its "(COMn)". USB
// adapters first, then by name.
[[nodiscard]] std::vector<SystemSerialPort> listSystemSerialPorts();

// What a port is, in words: "USB serial (CH340) 1a86:7523 QinHeng USB Serial".
[[nodiscard]] std::string describeSerialPort(const SystemSerialPort& port, Language language);

} // namespace zrx
