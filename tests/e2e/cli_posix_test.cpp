// The command line on POSIX systems only: file permissions.
#include <gtest/gtest.h>

#include <unistd.h>

#include "cli_support.h"

TEST_F(Cli, UnreadableFileIsRefused) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "root reads every file";
    }
    ASSERT_EQ(runZrx({"new", path("locked.sin")}).exitStatus, 0);
    std::filesystem::permissions(m_dir / "locked.sin", std::filesystem::perms::none);
    expectFailure(runZrx({"show", path("locked.sin")}), "permission denied");
    writeFile(path("table.csv"), "CH,Rx Freq\r\n1,462.5\r\n");
    expectFailure(runZrx({"import", path("table.csv"), path("locked.sin")}), "permission denied");
    std::filesystem::permissions(m_dir / "locked.sin", std::filesystem::perms::owner_read);
    EXPECT_EQ(readFile(path("locked.sin")), newImageBytes());
}
