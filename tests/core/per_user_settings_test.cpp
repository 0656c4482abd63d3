#include <gtest/gtest.h>

#include "file_bytes.h"
#include "settings/per_user_settings.h"
#include "temp_dir.h"

using namespace zrx;
namespace fs = std::filesystem;

namespace {

// How a settings file the program starts afresh ends its lines.
#ifdef _WIN32
const std::string kNewline = "\r\n";
#else
const std::string kNewline = "\n";
#endif

// A program folder with its Program.ini and a home folder where a per-user
// copy may go; written as a user or an administrator leaves them.
struct Places {
    TempDir dir;
    fs::path programFile = dir / "program" / "Program.ini";
    fs::path perUserFile = dir / "home" / ".config" / "zrx-pc-encoder" / "Program.ini";
    std::string programText = "; shipped with the program\r\n[Setup]\r\nLanguage=Eng\r\n"
                              "COM=COM1\r\n\r\n[Other]\r\nkept=yes\r\n";
    Places() {
        fs::create_directories(programFile.parent_path());
        writeBytes(programFile, programText);
    }
};

} // namespace

TEST(PerUserSettings, WritableProgramFolderIsReadAndWrittenAloneAsItAlwaysWas) {
    Places places;
    fs::create_directories(places.perUserFile.parent_path());
    writeBytes(places.perUserFile, "[Setup]\nLanguage=Cht\nCOM=COM8\n");
    const PerUserSettings settings(places.programFile, places.perUserFile, true);

    EXPECT_EQ(settings.read("Setup", "Language"), "Eng"); // a copy elsewhere is not looked at
    ASSERT_TRUE(settings.write("Setup", "COM", "COM4"));
    EXPECT_EQ(readBytes(places.programFile),
              "; shipped with the program\r\n[Setup]\r\nLanguage=Eng\r\nCOM=COM4\r\n\r\n"
              "[Other]\r\nkept=yes\r\n");
    EXPECT_EQ(readBytes(places.perUserFile), "[Setup]\nLanguage=Cht\nCOM=COM8\n");
}

TEST(PerUserSettings, ReadOnlyProgramFolderKeepsChangesInAPerUserCopyReadFirst) {
    Places places;
    const PerUserSettings settings(places.programFile, places.perUserFile, false);

    // Before any change: the program folder's file, and no copy made by reading.
    EXPECT_EQ(settings.read("Setup", "Language"), "Eng");
    EXPECT_EQ(settings.read("Setup", "COM"), "COM1");
    EXPECT_FALSE(fs::exists(places.perUserFile.parent_path().parent_path()));

    // The first change creates the folders and the copy, every other line kept.
    ASSERT_TRUE(settings.write("Setup", "COM", "/dev/ttyUSB0"));
    EXPECT_EQ(readBytes(places.perUserFile),
              "; shipped with the program\r\n[Setup]\r\nLanguage=Eng\r\nCOM=/dev/ttyUSB0\r\n\r\n"
              "[Other]\r\nkept=yes\r\n");
    ASSERT_TRUE(settings.write("Setup", "Language", "Chs"));
    EXPECT_EQ(readBytes(places.programFile), places.programText);

    // Later reads, also by the next run, take the copy.
    const PerUserSettings nextRun(places.programFile, places.perUserFile, false);
    EXPECT_EQ(nextRun.read("Setup", "Language"), "Chs");
    EXPECT_EQ(nextRun.read("Setup", "COM"), "/dev/ttyUSB0");
    EXPECT_EQ(nextRun.read("Other", "kept"), "yes");

    // A key taken out of the copy by hand comes from the program folder
    // again; an empty value in the copy is the copy's value.
    writeBytes(places.perUserFile, "[Setup]\nCOM=\n");
    EXPECT_EQ(nextRun.read("Setup", "Language"), "Eng");
    EXPECT_EQ(nextRun.read("Setup", "COM"), "");
    EXPECT_EQ(nextRun.read("Setup", "Missing"), "");
    // The copy's values are cut to 255 characters like any other.
    writeBytes(places.perUserFile, "[Setup]\nCOM=" + std::string(300, 'x') + "\n");
    EXPECT_EQ(nextRun.read("Setup", "COM"), std::string(255, 'x'));
}

TEST(PerUserSettings, ReadOnlyProgramFolderWithoutAPlaceForTheCopyWritesNothing) {
    Places places;
    // An entry that would break the file's lines leaves no trace, not even folders.
    EXPECT_FALSE(PerUserSettings(places.programFile, places.perUserFile, false)
                     .write("Setup", "COM", "COM2\n[Evil]"));
    EXPECT_FALSE(fs::exists(places.dir / "home"));
    // No configuration folder at all.
    EXPECT_FALSE(PerUserSettings(places.programFile, {}, false).write("Setup", "COM", "COM2"));
    // A file standing where the copy's folder would go.
    writeBytes(places.dir / "home", "not a folder");
    EXPECT_FALSE(PerUserSettings(places.programFile, places.perUserFile, false)
                     .write("Setup", "COM", "COM2"));
    EXPECT_EQ(readBytes(places.programFile), places.programText);

    // A program folder's file that cannot be read gives no copy at all
    // rather than one that has lost the language.
    const fs::path copy = places.dir / "copy" / "Program.ini";
    const fs::path folderAsFile = places.dir / "program" / "Folder.ini";
    fs::create_directory(folderAsFile);
    EXPECT_FALSE(PerUserSettings(folderAsFile, copy, false).write("Setup", "COM", "COM2"));
    EXPECT_FALSE(fs::exists(copy));

    // With no Program.ini in the program folder the copy holds just the key.
    EXPECT_TRUE(PerUserSettings(places.dir / "program" / "None.ini", copy, false)
                    .write("Setup", "COM", "COM2"));
    EXPECT_EQ(readBytes(copy), "[Setup]" + kNewline + "COM=COM2" + kNewline);
}

TEST(PerUserSettings, WritableFolderIsAFolderTheUserMayCreateFilesIn) {
    // A folder without write rights for a user is checked end to end by
    // scripts/check-package.sh, which runs the unpacked package as nobody.
    TempDir dir;
    EXPECT_TRUE(isWritableFolder(dir.path()));
    EXPECT_FALSE(isWritableFolder(dir / "missing"));
    writeBytes(dir / "file", "x");
    EXPECT_FALSE(isWritableFolder(dir / "file"));
}
