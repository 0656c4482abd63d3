#include <gtest/gtest.h>

#include <fstream>
#include <random>

#include "file_bytes.h"
#include "image/channel_data_file.h"
#include "image/new_image.h"
#include "random_image.h"
#include "temp_dir.h"

using namespace zrx;
namespace fs = std::filesystem;

TEST(ChannelDataFile, SaveThenLoadGivesBackEveryByte) {
    TempDir dir;
    const RadioImage original = randomImage(7);
    ASSERT_TRUE(saveChannelDataFile(dir / "radio.sin", original));
    EXPECT_EQ(fs::file_size(dir / "radio.sin"), 1024u);
    RadioImage loaded = makeNewImage();
    ASSERT_TRUE(loadChannelDataFile(dir / "radio.sin", loaded));
    EXPECT_EQ(loaded, original);
}

TEST(ChannelDataFile, FileIsTheImageByteForByte) {
    TempDir dir;
    const RadioImage image = randomImage(11);
    ASSERT_TRUE(saveChannelDataFile(dir / "radio.sin", image));
    const std::string bytes = readBytes(dir / "radio.sin");
    ASSERT_EQ(bytes.size(), 1024u);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        ASSERT_EQ(static_cast<std::uint8_t>(bytes[i]), image.byte(i)) << i;
    }
}

TEST(ChannelDataFile, BytesPastTheImageAreIgnored) {
    TempDir dir;
    const RadioImage image = randomImage(3);
    std::string bytes(image.bytes().begin(), image.bytes().end());
    writeBytes(dir / "long.sin", bytes + "EXTRA!");
    RadioImage loaded;
    ASSERT_TRUE(loadChannelDataFile(dir / "long.sin", loaded));
    EXPECT_EQ(loaded, image);
}

TEST(ChannelDataFile, FailedLoadsLeaveTheImageAlone) {
    TempDir dir;
    writeBytes(dir / "short.sin", std::string(1023, '\x00'));
    writeBytes(dir / "empty.sin", "");
    fs::create_directory(dir / "folder.sin");

    const RadioImage before = randomImage(5);
    struct Case {
        fs::path path;
        FileError expected;
    };
    for (const Case& c : {Case{dir / "short.sin", FileError::TooShort},
                          Case{dir / "empty.sin", FileError::TooShort},
                          Case{dir / "folder.sin", FileError::NotRegularFile},
                          Case{dir / "absent.sin", FileError::Missing},
                          Case{dir / "absent" / "x.sin", FileError::Missing},
                          Case{fs::path(), FileError::Missing}}) {
        RadioImage image = before;
        const FileResult result = loadChannelDataFile(c.path, image);
        EXPECT_EQ(result.error, c.expected) << c.path;
        EXPECT_EQ(image, before) << c.path;
        EXPECT_FALSE(describe(result, c.path).empty());
    }
}

TEST(ChannelDataFile, FailedSaveLeavesTheOldFileAndNoLitter) {
    TempDir dir;
    const RadioImage old = randomImage(2);
    ASSERT_TRUE(saveChannelDataFile(dir / "radio.sin", old));
    // A save into a folder that does not exist fails before anything is written.
    EXPECT_EQ(saveChannelDataFile(dir / "nowhere" / "radio.sin", randomImage(4)).error,
              FileError::Missing);
    // A save over a folder is refused and the folder stays.
    fs::create_directory(dir / "folder.sin");
    EXPECT_EQ(saveChannelDataFile(dir / "folder.sin", randomImage(4)).error,
              FileError::NotRegularFile);
    EXPECT_TRUE(fs::is_directory(dir / "folder.sin"));
    RadioImage loaded;
    ASSERT_TRUE(loadChannelDataFile(dir / "radio.sin", loaded));
    EXPECT_EQ(loaded, old);
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir.path())) {
        ++entries;
    }
    EXPECT_EQ(entries, 2) << "only radio.sin and folder.sin: no temporary file left behind";
}
