// Channel data files on POSIX systems only: devices, pipes, permissions and
// symbolic links.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <fstream>

#include "file_bytes.h"
#include "image/channel_data_file.h"
#include "image/new_image.h"
#include "random_image.h"
#include "temp_dir.h"

using namespace zrx;
namespace fs = std::filesystem;

namespace {

bool runningAsRoot() {
    return ::geteuid() == 0;
}

} // namespace

TEST(ChannelDataFile, DevicesAndPipesAreRefusedWithoutBlocking) {
    TempDir dir;
    ASSERT_EQ(::mkfifo((dir / "pipe.sin").c_str(), 0600), 0);
    RadioImage image;
    EXPECT_EQ(loadChannelDataFile(dir / "pipe.sin", image).error, FileError::NotRegularFile);
    EXPECT_EQ(loadChannelDataFile("/dev/null", image).error, FileError::NotRegularFile);
    EXPECT_EQ(saveChannelDataFile("/dev/null", image).error, FileError::NotRegularFile);
}

TEST(ChannelDataFile, UnreadableAndUnwritablePlacesReportPermission) {
    if (runningAsRoot()) {
        GTEST_SKIP() << "root reads and writes everything";
    }
    TempDir dir;
    const RadioImage image = randomImage(1);
    ASSERT_TRUE(saveChannelDataFile(dir / "locked.sin", image));
    fs::permissions(dir / "locked.sin", fs::perms::none);
    RadioImage loaded;
    EXPECT_EQ(loadChannelDataFile(dir / "locked.sin", loaded).error, FileError::PermissionDenied);
    fs::create_directory(dir / "ro");
    fs::permissions(dir / "ro", fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(saveChannelDataFile(dir / "ro" / "x.sin", image).error, FileError::PermissionDenied);
}

TEST(ChannelDataFile, SaveKeepsPermissionsAndFollowsSymlinks) {
    TempDir dir;
    ASSERT_TRUE(saveChannelDataFile(dir / "real.sin", makeNewImage()));
    fs::permissions(dir / "real.sin",
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink(dir / "real.sin", dir / "link.sin");
    const RadioImage image = randomImage(9);
    ASSERT_TRUE(saveChannelDataFile(dir / "link.sin", image));
    EXPECT_TRUE(fs::is_symlink(dir / "link.sin"));
    RadioImage loaded;
    ASSERT_TRUE(loadChannelDataFile(dir / "real.sin", loaded));
    EXPECT_EQ(loaded, image);
    EXPECT_EQ(fs::status(dir / "real.sin").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}
