// Port names as the user types them, and the devices they stand for on
// each system.

#include <gtest/gtest.h>

#include <string>
#include <vector>

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

// Lists of ports sort as people count: a sort by text alone puts COM10
// before COM2.
TEST(PortName, PortsSortByTheirNumberAsANumber) {
    const std::vector<std::string> sorted = {"COM1",    "COM2",     "COM9",    "COM10",
                                             "COM100",  "ttyS",     "ttyS2",   "ttyS10",
                                             "ttyUSB0", "ttyUSB02", "ttyUSB10"};
    for (std::size_t i = 0; i < sorted.size(); ++i) {
        for (std::size_t j = 0; j < sorted.size(); ++j) {
            EXPECT_EQ(portNameBefore(sorted[i], sorted[j]), i < j) << sorted[i] << " " << sorted[j];
        }
    }
}

} // namespace
