#include "serial_port_list.h"
#include "shell/qt_text.h"

#include <algorithm>

#include "link/port_name.h"
#include "link/usb_serial_chips.h"
#include "safety/serial_port_inventory.h"

namespace {

const QString kDash = QStringLiteral(" \u2014 ");

constexpr zrx::LocalText kUsbSerial{"USB serial", "USB 串口", "USB 串口"};
constexpr zrx::LocalText kSerialPort{"serial port", "串口", "串口"};

} // namespace

QString UsbSerialChip(std::uint16_t vendorId, std::uint16_t productId) {
    const std::string_view chip = zrx::usbSerialChip(vendorId, productId);
    return QString::fromLatin1(chip.data(), static_cast<qsizetype>(chip.size()));
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
        what = toQString(kUsbSerial, language);
        if (!chip.isEmpty()) {
            what += QStringLiteral(" (%1)").arg(chip);
        }
    } else {
        what = !facts.description.isEmpty() ? facts.description : toQString(kSerialPort, language);
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
    std::stable_sort(
        described.begin(), described.end(), [](const DetectedPort& a, const DetectedPort& b) {
            if (a.usb != b.usb) {
                return a.usb;
            }
            return zrx::portNameBefore(a.portName.toStdString(), b.portName.toStdString());
        });
    return described;
}

std::vector<DetectedPort> DescribeSimulatedRadios(const std::vector<zrx::SimulatedRadio>& radios,
                                                  zrx::Language language) {
    std::vector<DetectedPort> described;
    for (const zrx::SimulatedRadio& radio : radios) {
        DetectedPort port;
        port.portName = QString::fromStdU16String(radio.link.u16string());
        port.label = toQString(zrx::kSimulatedRadioLabel, language)
                         .arg(QString::fromStdU16String(radio.link.filename().u16string()));
        described.push_back(port);
    }
    return described;
}

// The ports as zrx ports lists them: the kernel's serial devices on Linux,
// the ports device class on Windows; then the radio simulators running now.
std::vector<DetectedPort> DetectSerialPorts(zrx::Language language) {
    std::vector<PortFacts> ports;
    for (const zrx::SystemSerialPort& port : zrx::listSystemSerialPorts()) {
        PortFacts facts;
        facts.name = QString::fromStdString(port.name);
#ifdef Q_OS_WIN
        facts.location = QStringLiteral("\\\\.\\") + facts.name;
#else
        facts.location = QString::fromStdString(port.device);
#endif
        facts.description = QString::fromStdString(port.product);
        facts.manufacturer = QString::fromStdString(port.manufacturer);
        facts.vendorId = port.vendorId;
        facts.productId = port.productId;
        ports.push_back(facts);
    }
    std::vector<DetectedPort> described = DescribePorts(ports, language);
    for (DetectedPort& simulator : DescribeSimulatedRadios(zrx::listSimulatedRadios(), language)) {
        described.push_back(std::move(simulator));
    }
    return described;
}
