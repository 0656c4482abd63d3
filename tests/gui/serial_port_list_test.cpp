#include <gtest/gtest.h>

#include "transfer/serial_port_list.h"

namespace {

// What picking a port sets as the port name: its device path, or on Windows
// the port's own name.
QString picked(const char* name) {
#ifdef Q_OS_WIN
    return QString::fromLatin1(name);
#else
    return QStringLiteral("/dev/") + QLatin1String(name);
#endif
}

// How the Port menu names the ports a computer has: the chip of a known
// cable, whatever the system says otherwise, USB adapters first, and ttyS2
// before ttyS10.
TEST(SerialPortList, NamesKnownCablesAndPutsUsbFirst) {
    const std::vector<PortFacts> facts = {
        {"ttyS0", "/dev/ttyS0", "", "", std::nullopt, std::nullopt},
        {"ttyUSB1", "/dev/ttyUSB1", "FT232R USB UART", "FTDI", 0x0403, 0x6001},
        {"ttyACM0", "/dev/ttyACM0", "", "Acme", 0x1234, 0x5678},
        {"ttyS1", "/dev/ttyS1", "16550A", "", std::nullopt, std::nullopt},
        {"ttyUSB0", "/dev/ttyUSB0", "USB2.0-Serial", "", 0x1a86, 0x7523},
        {"ttyUSB2", "/dev/ttyUSB2", "", "", 0x9999, std::nullopt},
        {"ttyS10", "/dev/ttyS10", "", "", std::nullopt, std::nullopt},
        {"ttyS2", "/dev/ttyS2", "", "", std::nullopt, std::nullopt},
    };
    const std::vector<std::pair<QString, QString>> expected = {
        {picked("ttyACM0"), "ttyACM0 \u2014 USB serial (Acme)"},
        {picked("ttyUSB0"), "ttyUSB0 \u2014 USB serial (CH340)"},
        {picked("ttyUSB1"), "ttyUSB1 \u2014 USB serial (FT232R)"},
        {picked("ttyUSB2"), "ttyUSB2 \u2014 USB serial"},
        {picked("ttyS0"), "ttyS0 \u2014 serial port"},
        {picked("ttyS1"), "ttyS1 \u2014 16550A"},
        {picked("ttyS2"), "ttyS2 \u2014 serial port"},
        {picked("ttyS10"), "ttyS10 \u2014 serial port"},
    };
    const std::vector<DetectedPort> ports = DescribePorts(facts, zrx::Language::English);
    ASSERT_EQ(ports.size(), expected.size());
    for (std::size_t i = 0; i < ports.size(); ++i) {
        EXPECT_EQ(ports[i].portName, expected[i].first);
        EXPECT_EQ(ports[i].label, expected[i].second);
    }
    const auto chinese = DescribePorts(facts, zrx::Language::TraditionalChinese);
    EXPECT_EQ(chinese[1].label, QString::fromUtf8("ttyUSB0 \u2014 USB 串口 (CH340)"));
    EXPECT_EQ(chinese[4].label, QString::fromUtf8("ttyS0 \u2014 串口"));
}

} // namespace
