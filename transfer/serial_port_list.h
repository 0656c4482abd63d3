#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "image/language.h"
#include "link/simulator_link.h"

// A serial port this computer has, as the Port menu offers it.
struct DetectedPort {
    // What the port name becomes when the user picks it: the device path on
    // POSIX systems ("/dev/ttyUSB0"), the port's own name on Windows ("COM3").
    QString portName;
    // What the menu shows: "ttyUSB0 — USB serial (CH340)".
    QString label;
    bool usb = false;
};

// What the system says about one port, before it is put into words.
struct PortFacts {
    QString name;        // "ttyUSB0", "COM3"
    QString location;    // "/dev/ttyUSB0", "\\.\COM3"
    QString description; // the driver's or the device's own description, may be empty
    QString manufacturer;
    std::optional<std::uint16_t> vendorId;
    std::optional<std::uint16_t> productId;
};

// The chip of a USB serial cable that radio owners meet ("CH340", "FT232R",
// "PL2303", "CP210x"), or an empty text for one this list does not know.
[[nodiscard]] QString UsbSerialChip(std::uint16_t vendorId, std::uint16_t productId);

// The menu entry for one port.
[[nodiscard]] DetectedPort DescribePort(const PortFacts& facts, zrx::Language language);

// The entries for `ports`, USB adapters first (the cable of a radio is
// almost always one), then by name.
[[nodiscard]] std::vector<DetectedPort> DescribePorts(const std::vector<PortFacts>& ports,
                                                      zrx::Language language);

// The entries for running radio simulators: "Simulated radio (zrx-sim)",
// each picking its link.
[[nodiscard]] std::vector<DetectedPort>
DescribeSimulatedRadios(const std::vector<zrx::SimulatedRadio>& radios, zrx::Language language);

// The serial ports the system reports now, described in `language`, then
// the radio simulators running now.
[[nodiscard]] std::vector<DetectedPort> DetectSerialPorts(zrx::Language language);
