// The serial ports a Linux kernel lists, from a /sys tree the test builds
// with symbolic links as the kernel has them.

#include <gtest/gtest.h>

#include "file_bytes.h"
#include "safety/serial_port_inventory.h"
#include "temp_dir.h"

using namespace zrx;
namespace fs = std::filesystem;

namespace {

// A kernel's /sys/class/tty as it looks with a CH340 cable, an unknown USB
// adapter, one real and one absent built-in UART and a console.
TEST(SerialPortInventory, ListsRealPortsWithTheirUsbFacts) {
    TempDir sys;
    const auto makeDevice = [&](const std::string& path, const std::string& driver) {
        fs::create_directories(sys / path);
        fs::create_directories(sys / ("drivers/" + driver));
        fs::create_directory_symlink(sys / ("drivers/" + driver), sys / path / "driver");
    };
    const auto makeTty = [&](const std::string& name, const std::string& devicePath) {
        fs::create_directories(sys / "class/tty" / name);
        if (!devicePath.empty()) {
            fs::create_directory_symlink(sys / devicePath, sys / "class/tty" / name / "device");
        }
    };
    const std::string usb = "devices/pci0000:00/usb1/1-2";
    fs::create_directories(sys / usb);
    writeBytes(sys / usb / "idVendor", "1a86\n");
    writeBytes(sys / usb / "idProduct", "7523\n");
    writeBytes(sys / usb / "product", "USB Serial\n");
    makeDevice(usb + "/1-2:1.0/ttyUSB1", "ch341-uart");
    makeTty("ttyUSB1", usb + "/1-2:1.0/ttyUSB1");
    const std::string other = "devices/pci0000:00/usb1/1-3";
    fs::create_directories(sys / other);
    writeBytes(sys / other / "idVendor", "abcd\n");
    writeBytes(sys / other / "idProduct", "0001\n");
    writeBytes(sys / other / "manufacturer", "Acme\n");
    makeDevice(other + "/1-3:1.0", "cdc_acm");
    makeTty("ttyACM0", other + "/1-3:1.0");
    makeDevice("devices/pnp0/00:05", "serial");
    makeTty("ttyS0", "devices/pnp0/00:05");
    writeBytes(sys / "class/tty/ttyS0/type", "4\n");
    makeDevice("devices/platform/serial8250", "serial8250");
    makeTty("ttyS3", "devices/platform/serial8250");
    writeBytes(sys / "class/tty/ttyS3/type", "0\n");
    makeTty("tty1", "");
    makeTty("console", "");

    const std::vector<SystemSerialPort> ports = listSerialPorts(sys / "class/tty", "/dev");
    ASSERT_EQ(ports.size(), 3u);
    EXPECT_EQ(ports[0].device, "/dev/ttyACM0");
    EXPECT_EQ(describeSerialPort(ports[0], Language::English),
              "USB serial (cdc_acm) abcd:0001 Acme");
    EXPECT_EQ(ports[1].device, "/dev/ttyUSB1");
    EXPECT_EQ(ports[1].driver, "ch341-uart");
    EXPECT_EQ(describeSerialPort(ports[1], Language::English),
              "USB serial (CH340) 1a86:7523 USB Serial");
    EXPECT_EQ(ports[2].device, "/dev/ttyS0");
    EXPECT_FALSE(ports[2].usb());
    EXPECT_EQ(describeSerialPort(ports[2], Language::SimplifiedChinese), "串口");

    EXPECT_TRUE(listSerialPorts(sys / "missing").empty());
}

} // namespace
