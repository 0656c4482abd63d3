#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "file_bytes.h"
#include "settings/profile_file.h"
#include "settings/profile_text.h"
#include "settings/utf_text.h"
#include "temp_dir.h"

using namespace zrx;
namespace fs = std::filesystem;

TEST(ProfileRead, MissingFileSectionOrKeyReadsEmpty) {
    TempDir dir;
    EXPECT_EQ(readProfileString(dir / "Program.ini", "Setup", "Language"), "");
    writeBytes(dir / "Program.ini", "[Other]\nLanguage=Chs\n[Setup]\nCOM=COM3\n");
    EXPECT_EQ(readProfileString(dir / "Program.ini", "Setup", "Language"), "");
    EXPECT_EQ(readProfileString(dir / "Program.ini", "Nowhere", "COM"), "");
    EXPECT_EQ(readProfileString(dir / "Program.ini", "Setup", "COM"), "COM3");
    // A folder where the file should be reads as empty too.
    fs::create_directory(dir / "Folder.ini");
    EXPECT_EQ(readProfileString(dir / "Folder.ini", "Setup", "COM"), "");
}

TEST(ProfileRead, NamesIgnoreCaseAndSurroundingSpaces) {
    const std::string text = "; settings\n[ setup ]\r\n  language =  chs  \r\ncom=\"COM2\"\r\n";
    EXPECT_EQ(findProfileValue(text, "Setup", "Language"), "chs");
    EXPECT_EQ(findProfileValue(text, "SETUP", "COM"), "COM2"); // one pair of quotes goes
    EXPECT_EQ(findProfileValue("[A]\nk='x\"\n", "A", "k"), "'x\"");
}

TEST(ProfileRead, FirstSectionAndFirstKeyWin) {
    const std::string text = "[Setup]\nCOM=COM1\nCOM=COM2\n[Setup]\nCOM=COM3\nLanguage=Cht\n";
    EXPECT_EQ(findProfileValue(text, "Setup", "COM"), "COM1");
    // The key of a later section of the same name is not seen.
    EXPECT_EQ(findProfileValue(text, "Setup", "Language"), std::nullopt);
}

TEST(ProfileRead, CommentsKeysWithoutValueAndKeysBeforeAnySection) {
    const std::string text = "COM=COM9\n[Setup]\n;COM=COM4\nCOM\nLanguage=Eng\n";
    EXPECT_EQ(findProfileValue(text, "Setup", "COM"), ""); // the bare key, not the comment
    EXPECT_EQ(findProfileValue(text, "Setup", ";COM"), std::nullopt);
    EXPECT_EQ(findProfileValue(text, "", "COM"), std::nullopt);
}

TEST(ProfileRead, ValuesAreCutAt255Utf16Units) {
    TempDir dir;
    const std::string longValue(300, 'x');
    writeBytes(dir / "a.ini", "[Setup]\nCOM=" + longValue + "\n");
    EXPECT_EQ(readProfileString(dir / "a.ini", "Setup", "COM"), std::string(255, 'x'));
    EXPECT_EQ(readProfileString(dir / "a.ini", "Setup", "COM", 5), "xxxx");

    // Chinese characters are one unit each; a character outside the basic
    // plane needs two and is not split.
    std::string chinese;
    for (int i = 0; i < 300; ++i) {
        chinese += "语";
    }
    EXPECT_EQ(truncateToUtf16Units(chinese, 255).size(), 255u * 3u);
    EXPECT_EQ(truncateToUtf16Units("ab\xF0\x9F\x98\x80", 3), "ab");
    EXPECT_EQ(truncateToUtf16Units("ab\xF0\x9F\x98\x80", 4), "ab\xF0\x9F\x98\x80");
    EXPECT_EQ(truncateToUtf16Units("a\xFF\xFE"
                                   "b",
                                   3),
              "a\xFF\xFE"); // stray bytes count once
}

TEST(ProfileRead, Utf16FileWithByteOrderMark) {
    TempDir dir;
    const std::string text = "[Setup]\r\nLanguage=Cht\r\nCOM=COM\xE4\xB8\x80\r\n";
    writeBytes(dir / "w.ini", "\xFF\xFE" + utf8ToUtf16le(text));
    EXPECT_EQ(readProfileString(dir / "w.ini", "Setup", "Language"), "Cht");
    EXPECT_EQ(readProfileString(dir / "w.ini", "Setup", "COM"), "COM\xE4\xB8\x80");

    ASSERT_TRUE(writeProfileString(dir / "w.ini", "Setup", "COM", "COM5"));
    const std::string bytes = readBytes(dir / "w.ini");
    ASSERT_EQ(bytes.substr(0, 2), "\xFF\xFE");
    EXPECT_EQ(utf16leToUtf8(bytes.substr(2)), "[Setup]\r\nLanguage=Cht\r\nCOM=COM5\r\n");
}

TEST(ProfileWrite, ReplacesOneLineAndKeepsEverythingElse) {
    TempDir dir;
    const std::string before = "; written by hand\r\n[Printer]\r\nName = Office\r\n\r\n"
                               "[SETUP]\r\n  com = COM2 ; old\r\nLanguage=Eng\r\n\r\n[Tail]\r\nx=1";
    writeBytes(dir / "Program.ini", before);
    ASSERT_TRUE(writeProfileString(dir / "Program.ini", "Setup", "COM", "COM7"));
    EXPECT_EQ(readBytes(dir / "Program.ini"),
              "; written by hand\r\n[Printer]\r\nName = Office\r\n\r\n"
              "[SETUP]\r\nCOM=COM7\r\nLanguage=Eng\r\n\r\n[Tail]\r\nx=1");
}

TEST(ProfileWrite, NewKeyJoinsTheEndOfItsSection) {
    const std::string text = "[Setup]\nCOM=COM1\n\n[Other]\nk=v\n";
    EXPECT_EQ(withProfileValue(text, "setup", "Language", "Chs", "\n"),
              "[Setup]\nCOM=COM1\nLanguage=Chs\n\n[Other]\nk=v\n");
    // The last section of a file without a final line break.
    EXPECT_EQ(withProfileValue("[Setup]\nCOM=COM1", "Setup", "Language", "Cht", "\r\n"),
              "[Setup]\nCOM=COM1\r\nLanguage=Cht");
}

TEST(ProfileWrite, MissingFileOrSectionIsCreated) {
    TempDir dir;
    ASSERT_TRUE(writeProfileString(dir / "new.ini", "Setup", "COM", "COM1"));
    ASSERT_TRUE(writeProfileString(dir / "new.ini", "Setup", "Language", "Chs"));
    EXPECT_EQ(readProfileString(dir / "new.ini", "Setup", "COM"), "COM1");
    EXPECT_EQ(readProfileString(dir / "new.ini", "Setup", "Language"), "Chs");

    EXPECT_EQ(withProfileValue("; only a comment", "Setup", "COM", "COM2", "\n"),
              "; only a comment\n\n[Setup]\nCOM=COM2\n");
    EXPECT_EQ(withProfileValue("", "Setup", "COM", "COM2", "\n"), "[Setup]\nCOM=COM2\n");
}

TEST(ProfileWrite, RefusesWhatWouldBreakTheFile) {
    TempDir dir;
    const fs::path path = dir / "Program.ini";
    writeBytes(path, "[Setup]\nLanguage=Eng\n");
    EXPECT_FALSE(writeProfileString(path, "Setup", "", "x"));
    EXPECT_FALSE(writeProfileString(path, "", "COM", "x"));
    EXPECT_FALSE(writeProfileString(path, "Setup", "COM", "COM1\n[Evil]"));
    EXPECT_FALSE(writeProfileString(path, "Setup", "a=b", "x"));
    EXPECT_FALSE(writeProfileString(path, "Setup", ";COM", "x"));
    EXPECT_EQ(readBytes(path), "[Setup]\nLanguage=Eng\n");
    // A folder in the file's place, or a missing folder, cannot be written.
    fs::create_directory(dir / "Folder.ini");
    EXPECT_FALSE(writeProfileString(dir / "Folder.ini", "Setup", "COM", "COM1"));
    EXPECT_FALSE(writeProfileString(dir / "no" / "such.ini", "Setup", "COM", "COM1"));
}
