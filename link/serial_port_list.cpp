#include "serial_port_list.h"

#include <QSerialPortInfo>
#include <algorithm>
#include <array>

namespace {

struct KnownChip {
    std::uint16_t vendorId;
    std::uint16_t productId;
    const char* name;
};

// The adapters inside the programming cables sold for such radios.
constexpr std::array<KnownChip, 11> kKnownChips{{
    {0x1a86, 0x7523, "CH340"},
    {0x1a86, 0x5523, "CH341"},
    {0x1a86, 0x55d4, "CH9102"},
    {0x0403, 0x6001, "FT232R"},
    {0x0403, 0x6015, "FT231X"},
    {0x0403, 0x6010, "FT2232"},
    {0x0403, 0x6014, "FT232H"},
    {0x067b, 0x2303, "PL2303"},
    {0x067b, 0x23a3, "PL2303GS"},
    {0x10c4, 0xea60, "CP210x"},
    {0x10c4, 0xea70, "CP2105"},
}};

const QString kDash = QStringLiteral(" \u2014 ");

constexpr zrx::LocalText kUsbSerial{"USB serial", "USB 串口", "USB 串口"};
constexpr zrx::LocalText kSerialPort{"serial port", "串口", "串口"};

QString text(const zrx::LocalText& local, zrx::Language language) {
    const std::string_view chosen = local.in(language);
    return QString::fromUtf8(chosen.data(), static_cast<qsizetype>(chosen.size()));
}

} // namespace

QString UsbSerialChip(std::uint16_t vendorId, std::uint16_t productId) {
    for (const KnownChip& chip : kKnownChips) {
        if (chip.vendorId == vendorId && chip.productId == productId) {
            return QString::fromLatin1(chip.name);
        }
    }
    return {};
}

DetectedPort DescribePort(const PortFacts& facts, zrx::Language language) {
    DetectedPort port;
#ifdef Q_OS_WIN
    port.portName = facts.name;
#else
    port.portName = facts.location.isEmpty() ? facts.name : facts.location;
#endif
    port.usb = facts.vendorId.has_value();
    QString what;
    if (port.usb) {
        QString chip = UsbSerialChip(*facts.vendorId, facts.productId.value_or(0));
        if (chip.isEmpty()) {
            chip = !facts.description.isEmpty() ? facts.description : facts.manufacturer;
        }
        what = text(kUsbSerial, language);
        if (!chip.isEmpty()) {
            what += QStringLiteral(" (%1)").arg(chip);
        }
    } else {
        what = !facts.description.isEmpty() ? facts.description : text(kSerialPort, language);
    }
    port.label = facts.name + kDash + what;
    return port;
}

std::vector<DetectedPort> DescribePorts(const std::vector<PortFacts>& ports,
                                        zrx::Language language) {
    std::vector<DetectedPort> described;
    described.reserve(ports.size());
    for (const PortFacts& facts : ports) {
        described.push_back(DescribePort(facts, language));
    }
    std::stable_sort(described.begin(), described.end(),
                     [](const DetectedPort& a, const DetectedPort& b) {
                         if (a.usb != b.usb) {
                             return a.usb;
                         }
                         return a.portName < b.portName;
                     });
    return described;
}

std::vector<DetectedPort> DetectSerialPorts(zrx::Language language) {
    std::vector<PortFacts> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        PortFacts facts;
        facts.name = info.portName();
        facts.location = info.systemLocation();
        facts.description = info.description();
        facts.manufacturer = info.manufacturer();
        if (info.hasVendorIdentifier()) {
            facts.vendorId = info.vendorIdentifier();
            facts.productId = info.hasProductIdentifier()
                                  ? std::optional<std::uint16_t>(info.productIdentifier())
                                  : std::nullopt;
        }
        ports.push_back(facts);
    }
    return DescribePorts(ports, language);
}
