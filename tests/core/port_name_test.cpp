// Port names as the user types them, and the devices they stand for on
// each system.

#include <gtest/gtest.h>

#include "link/port_name.h"

using namespace zrx;

namespace {

TEST(PortName, ComPortsMapToTheSerialDevicesAsWineDoes) {
    EXPECT_EQ(posixDeviceForPortName("COM1"), "/dev/ttyS0");
    EXPECT_EQ(posixDeviceForPortName("COM8"), "/dev/ttyS7");
    EXPECT_EQ(posixDeviceForPortName("COM12"), "/dev/ttyS11");
    EXPECT_EQ(posixDeviceForPortName("com3"), "/dev/ttyS2");
    EXPECT_EQ(posixDeviceForPortName("\\\\.\\COM10"), "/dev/ttyS9");
}

TEST(PortName, OtherNamesAreDevicePathsAlready) {
    for (const char* name : {"/dev/ttyUSB0", "/dev/pts/3", "", "COM", "COM0", "COM1x", "COMA",
                             "COM01", "XCOM1", "COM1234"}) {
        EXPECT_EQ(posixDeviceForPortName(name), name);
    }
}

TEST(PortName, WindowsOpensBareDeviceNamesThroughTheDeviceNamespace) {
    // COM10 and above open only as "\\.\COM10"; a path stays as given.
    const struct {
        const char* name;
        const char* path;
    } cases[] = {
        {"COM1", R"(\\.\COM1)"},
        {"COM12", R"(\\.\COM12)"},
        {"com3", R"(\\.\com3)"},
        {"CNCA0", R"(\\.\CNCA0)"},
        {R"(\\.\COM12)", R"(\\.\COM12)"},
        {"/dev/ttyUSB0", "/dev/ttyUSB0"},
        {R"(C:\radio\port)", R"(C:\radio\port)"},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(win32DevicePathForPortName(c.name), c.path) << c.name;
    }
}

} // namespace
