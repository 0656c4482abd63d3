// The status bar's note when a port may not be opened: Linux names the
// device behind a COM name and the group that opens serial ports.
#include <gtest/gtest.h>

#include "transfer/port_problem.h"

namespace {

TEST(SerialPortList, PermissionProblemNamesTheDevice) {
    EXPECT_EQ(PermissionProblemText("COM3", zrx::Language::English),
              "/dev/ttyS2: permission denied: add your user to the dialout group");
    EXPECT_EQ(PermissionProblemText("/dev/ttyUSB0", zrx::Language::SimplifiedChinese),
              QString::fromUtf8("/dev/ttyUSB0：权限不足：请把您的用户加入 dialout 组"));
}

} // namespace
