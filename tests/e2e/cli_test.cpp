#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "cli_support.h"
#include "image/channel_headings.h"
#include "image/settings_labels.h"
#include "settings/program_version.h"

using namespace zrx;

namespace {

std::vector<std::string> words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> result;
    for (std::string word; in >> word;) {
        result.push_back(word);
    }
    return result;
}

std::vector<std::string> lines(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> result;
    for (std::string line; std::getline(in, line);) {
        result.push_back(line);
    }
    return result;
}

struct LanguageCase {
    const char* option;
    Language language;
    const char* off;
    const char* no;
    const char* yes;
    const char* narrow;
    const char* wide;
    const char* add;
    const char* del;
};
constexpr LanguageCase kLanguages[] = {
    {"eng", Language::English, "Off", "No", "Yes", "Narrow", "Wide", "Add", "Del"},
    {"chs", Language::SimplifiedChinese, "关", "否", "是", "窄", "宽", "添加", "删除"},
    {"cht", Language::TraditionalChinese, "關", "否", "是", "窄", "寬", "添加", "刪除"},
};

// A full table of 16 channels in the language, as the grid would show it.
std::string fullTable(const LanguageCase& l) {
    std::string csv;
    for (int c = 0; c < kChannelTableColumnCount; ++c) {
        csv += (c > 0 ? "," : "") +
               std::string(kChannelHeadings[static_cast<std::size_t>(c)].in(l.language));
    }
    csv += "\r\n";
    csv += "1,462.56250,467.56250,67.0,D023N," + std::string(l.no) + "," + l.wide + "," + l.add +
           "\r\n";
    csv += "2,446.00625,0.00000," + std::string(l.off) + ",D754I," + l.yes + "," + l.narrow + "," +
           l.del + "\r\n";
    for (int channel = 3; channel <= 15; ++channel) {
        csv += std::to_string(channel) + ",,,,,,,\r\n";
    }
    csv += "16,400.00000,470.00000,254.1," + std::string(l.off) + "," + l.yes + "," + l.wide + "," +
           l.add + "\r\n";
    return csv;
}

} // namespace

TEST_F(Cli, NewWritesExactlyTheNewImage) {
    const ProgramRun run = runZrx({"new", path("new.sin")});
    EXPECT_EQ(run.exitStatus, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(readFile(path("new.sin")), newImageBytes());
}

// What is already there, a file or a link whose target is gone, is
// replaced only with --force; without it zrx says so and touches nothing.
TEST_F(Cli, NewReplacesOnlyWithForce) {
    struct Case {
        const char* name;
        std::vector<std::string> options;
        bool danglingLink;
        const char* refusal; // nullptr: replaced
    };
    const Case cases[] = {
        {"a file",
         {},
         false,
         "radio.sin already exists; zrx new replaces a file only with --force"},
        {"a file, in Chinese", {"--lang", "cht"}, false, "radio.sin 已存在；只有加上 --force"},
        {"a dangling link", {}, true, "radio.sin already exists"},
        {"a file, with --force", {"--force"}, false, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(m_dir / "radio.sin");
        if (c.danglingLink) {
            std::error_code ec;
            std::filesystem::create_symlink(m_dir / "gone.sin", m_dir / "radio.sin", ec);
            if (ec) {
                continue; // a system that makes no links for this user
            }
        } else {
            writeFile(path("radio.sin"), "my own channels");
        }
        std::vector<std::string> arguments = {"new"};
        arguments.insert(arguments.end(), c.options.begin(), c.options.end());
        arguments.push_back(path("radio.sin"));
        const ProgramRun run = runZrx(arguments);
        if (c.refusal == nullptr) {
            EXPECT_EQ(run.exitStatus, 0) << run.err;
            EXPECT_EQ(readFile(path("radio.sin")), newImageBytes());
            continue;
        }
        expectFailure(run, c.refusal);
        if (c.danglingLink) {
            EXPECT_TRUE(std::filesystem::is_symlink(m_dir / "radio.sin"));
            EXPECT_FALSE(std::filesystem::exists(m_dir / "gone.sin"));
        } else {
            EXPECT_EQ(readFile(path("radio.sin")), "my own channels");
        }
    }
}

TEST_F(Cli, ImportThenExportAndShowReproduceTheTableInEachLanguage) {
    for (const LanguageCase& l : kLanguages) {
        SCOPED_TRACE(l.option);
        const std::string table = fullTable(l);
        writeFile(path("table.csv"), table);
        const std::string sin = path(std::string("made-") + l.option + ".sin");
        const ProgramRun imported = runZrx({"import", path("table.csv"), sin});
        ASSERT_EQ(imported.exitStatus, 0) << imported.err;
        EXPECT_EQ(readFile(sin).size(), 1024u);

        const ProgramRun exported = runZrx({"export", sin, "--lang", l.option});
        EXPECT_EQ(exported.exitStatus, 0) << exported.err;
        EXPECT_EQ(exported.out, table);

        const ProgramRun shown = runZrx({"show", sin, "--lang", l.option});
        EXPECT_EQ(shown.exitStatus, 0) << shown.err;
        const std::vector<std::string> shownLines = lines(shown.out);
        const std::vector<std::string> tableLines = lines(table);
        ASSERT_GE(shownLines.size(), 17u);
        for (std::size_t i = 0; i < 17; ++i) {
            std::string cells = tableLines[i];
            cells.pop_back(); // the CR
            std::replace(cells.begin(), cells.end(), ',', ' ');
            EXPECT_EQ(words(shownLines[i]), words(cells)) << shownLines[i];
        }
        EXPECT_NE(shown.out.find(std::string(kModelLabel.in(l.language)) + ": ZRX412 (byte 0xFF)"),
                  std::string::npos);
        EXPECT_NE(shown.out.find(std::string(kFrequencyRangeLabel.in(l.language)) +
                                 ": 400-470MHz (byte 0xFF)"),
                  std::string::npos);
    }
}

TEST_F(Cli, ImportIntoAnExistingFileKeepsUnlistedChannelsAndSettings) {
    ASSERT_EQ(runZrx({"new", path("radio.sin")}).exitStatus, 0);
    writeFile(path("one.csv"), "CH,Rx Freq,Tx Freq\r\n5,462.0125,462.0125\r\n");
    ASSERT_EQ(runZrx({"import", path("one.csv"), path("radio.sin")}).exitStatus, 0);
    // A spreadsheet's variant: byte-order mark, semicolons, Chinese headings.
    writeFile(path("two.csv"), "\xEF\xBB\xBF信道;接收频率;繁忙锁定\r\n9;450.5;否\r\n");
    const ProgramRun run = runZrx({"import", path("two.csv"), path("radio.sin")});
    ASSERT_EQ(run.exitStatus, 0) << run.err;

    // Channel 5 from the first table; channel 9 from the second. Both were
    // empty, so the cells a table leaves out get the grid's new-channel
    // values: Tx = Rx, both tones off (FF FF), lock off, wide, in the scan
    // list (flags FB); bytes 13-15 as they were.
    std::string expected = newImageBytes();
    expected.replace(0x50, 16,
                     std::string("\x50\x12\x20\x46\x50\x12\x20\x46\xFF\xFF\xFF\xFF"
                                 "\xFB\xFF\xFF\xFF",
                                 16));
    expected.replace(0x90, 16,
                     std::string("\x00\x00\x05\x45\x00\x00\x05\x45\xFF\xFF\xFF\xFF"
                                 "\xFB\xFF\xFF\xFF",
                                 16));
    EXPECT_EQ(readFile(path("radio.sin")), expected);

    const ProgramRun shown = runZrx({"show", path("radio.sin")});
    EXPECT_NE(shown.out.find("TOT (s):"), std::string::npos);
    EXPECT_NE(shown.out.find("Side Key 1 Short: Monitor"), std::string::npos);
}

// A value the grid would not store is stored as the grid would store it, and
// every such change is printed, after the file is written.
TEST_F(Cli, ImportPrintsEveryValueItStoresOtherwiseThanWritten) {
    ASSERT_EQ(runZrx({"new", path("radio.sin")}).exitStatus, 0);
    const std::string table = path("typo.csv");
    writeFile(table, "CH,Rx Freq,Tx Freq\r\n1,4625625,462.563\r\n2,446.00625,\r\n");
    const ProgramRun run = runZrx({"import", table, path("radio.sin")});
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, table +
                           ", line 2: CH 1, Rx Freq: \"4625625\" is outside 400-470 MHz; "
                           "stored as 470.00000\n" +
                           table +
                           ", line 2: CH 1, Tx Freq: \"462.563\" is off the 5 and "
                           "6.25 kHz raster; stored as 462.56250\n");
    const std::vector<std::string> exported = lines(runZrx({"export", path("radio.sin")}).out);
    ASSERT_GE(exported.size(), 3u);
    EXPECT_EQ(exported[1], "1,470.00000,462.56250,Off,Off,No,Wide,Add\r");
    EXPECT_EQ(exported[2], "2,446.00625,446.00625,Off,Off,No,Wide,Add\r");
}

// The settings read as the Option Function and Side Key dialogs show them:
// their labels and entries in the language, fallbacks for values out of
// range, and the codes up to their ends.
TEST_F(Cli, ShowListsTheSettingsAsTheDialogsShowThem) {
    std::string image(1024, '\xFF');
    image.replace(0x3B0, 4, "AB12");
    image.replace(0x3D0, 4, std::string("\x01\x02\x0A\x0F", 4));
    writeFile(path("ff.sin"), image);

    struct Expected {
        const char* option;
        std::vector<std::string> lines;
    };
    const Expected cases[] = {
        {"eng",
         {"Option Function",
          "TOT (s): Off",
          "Power: High",
          "Beep: On",
          "Scan: On",
          "Kill Tone: Off",
          "Priority CH: None",
          "Squelch Level: 0",
          "Battery Saver: On",
          "PTT ID: Both",
          "Vox: On",
          "Vox Gain Level: 1",
          "Vox Delay Time (s): 0.5",
          "Voice Annunication: Chinese",
          "Refuse Emergency Alert: Off",
          "Emergency Call Switch: Tx Alert",
          "First Digit Delay Time (ms): (no selection)",
          "Digit Interval Time (ms): 6400",
          "Digit Delay Time (ms): 6400",
          "Side Tone: On",
          "PTT ID Code: 12A#",
          "",
          "Side Key",
          "Side Key 1 Short: None",
          "Side Key 1 Long: None",
          "Side Key 2 Short: None",
          "Side Key 2 Long: None",
          "",
          "PCBA: AB12"}},
        {"chs",
         {"功能选项",
          "发射限时 (秒): 关",
          "功率: 高",
          "按键提示音: 开",
          "扫描: 开",
          "尾音消除: 关",
          "优先信道: 无",
          "静噪等级: 0",
          "省电模式: 开",
          "PTT ID: 两者",
          "声控: 开",
          "声控灵敏度: 1",
          "声控延时 (秒): 0.5",
          "语音提示: 中文",
          "拒绝紧急报警: 关",
          "紧急呼叫开关: 发射报警",
          "首码延时 (毫秒): (no selection)",
          "码间隔时间 (毫秒): 6400",
          "码延时 (毫秒): 6400",
          "侧音: 开",
          "PTT ID 码: 12A#",
          "",
          "侧键",
          "侧键 1 短按: 无",
          "侧键 1 长按: 无",
          "侧键 2 短按: 无",
          "侧键 2 长按: 无",
          "",
          "PCBA 码: AB12"}},
        {"cht",
         {"功能選項",
          "發射限時 (秒): 關",
          "功率: 高",
          "按鍵提示音: 開",
          "掃描: 開",
          "尾音消除: 關",
          "優先信道: 無",
          "靜噪等級: 0",
          "省電模式: 開",
          "PTT ID: 兩者",
          "聲控: 開",
          "聲控靈敏度: 1",
          "聲控延時 (秒): 0.5",
          "語音提示: 中文",
          "拒絕緊急報警: 關",
          "緊急呼叫開關: 發射報警",
          "首碼延時 (毫秒): (no selection)",
          "碼間隔時間 (毫秒): 6400",
          "碼延時 (毫秒): 6400",
          "側音: 開",
          "PTT ID 碼: 12A#",
          "",
          "側鍵",
          "側鍵 1 短按: 無",
          "側鍵 1 長按: 無",
          "側鍵 2 短按: 無",
          "側鍵 2 長按: 無",
          "",
          "PCBA 碼: AB12"}},
    };
    for (const Expected& expected : cases) {
        SCOPED_TRACE(expected.option);
        const ProgramRun shown = runZrx({"show", path("ff.sin"), "--lang", expected.option});
        ASSERT_EQ(shown.exitStatus, 0) << shown.err;
        const std::vector<std::string> all = lines(shown.out);
        const auto first = std::find(all.begin(), all.end(), expected.lines.front());
        ASSERT_NE(first, all.end()) << shown.out;
        ASSERT_EQ(static_cast<std::size_t>(all.end() - first), expected.lines.size()) << shown.out;
        for (std::size_t i = 0; i < expected.lines.size(); ++i) {
            EXPECT_EQ(words(first[static_cast<std::ptrdiff_t>(i)]), words(expected.lines[i]));
        }
    }
}

TEST_F(Cli, BadFilesGiveOneClearLineAndChangeNothing) {
    writeFile(path("short.sin"), std::string(100, '\x11'));
    std::filesystem::create_directory(m_dir / "folder.sin");
    writeFile(path("table.csv"), "CH,Rx Freq\r\n1,462.5\r\n");
    for (const char* command : {"show", "export"}) {
        SCOPED_TRACE(command);
        expectFailure(runZrx({command, path("short.sin")}), "shorter than 1024 bytes");
        expectFailure(runZrx({command, path("folder.sin")}), "not a regular file");
        expectFailure(runZrx({command, path("missing.sin")}), "no such file");
    }
    expectFailure(runZrx({"import", path("table.csv"), path("short.sin")}),
                  "shorter than 1024 bytes");
    expectFailure(runZrx({"import", path("table.csv"), path("folder.sin")}), "not a regular file");
    expectFailure(runZrx({"import", path("missing.csv"), path("new.sin")}),
                  "missing.csv: no such file");
    expectFailure(runZrx({"new", path("folder.sin")}), "not a regular file");
    expectFailure(runZrx({"import", path("table.csv"), path("table.csv")}), "the same file");

    EXPECT_EQ(readFile(path("short.sin")), std::string(100, '\x11'));
    EXPECT_TRUE(std::filesystem::is_empty(m_dir / "folder.sin"));
    EXPECT_FALSE(std::filesystem::exists(m_dir / "new.sin"));
    EXPECT_FALSE(std::filesystem::exists(m_dir / "missing.sin"));
    EXPECT_EQ(readFile(path("table.csv")), "CH,Rx Freq\r\n1,462.5\r\n");
}

TEST_F(Cli, MalformedTableNamesTheLineAndLeavesTheFile) {
    ASSERT_EQ(runZrx({"new", path("radio.sin")}).exitStatus, 0);
    const std::pair<const char*, const char*> tables[] = {
        {"CH,Rx Freq,Colour\r\n1,462.5,red\r\n", "line 1: unknown heading \"Colour\""},
        {"CH,Rx Freq\r\n1,462.5\r\n17,462.5\r\n", "line 3: channel \"17\""},
        {"CH,Rx Freq\r\n4,462.5\r\n4,462.5\r\n", "line 3: channel 4 is listed twice"},
        {"CH,Rx Freq\r\n1,462.5\r\n2,\"462.5\r\n", "line 3: a quoted cell is never closed"},
        // A value that cannot be read, named by its channel and column.
        {"CH,Rx Freq\r\n3,462.5\r\n4,46x.5\r\n",
         "line 3: CH 4, Rx Freq: \"46x.5\" is not a frequency in MHz; "},
        {"CH,Rx Freq,Rx Tone\r\n3,462.5,67.1\r\n", "line 2: CH 3, Rx Tone: \"67.1\" is not a tone"},
        {"CH,Rx Freq,Busy Lock\r\n3,462.5,Maybe\r\n",
         "line 2: CH 3, Busy Lock: \"Maybe\" is not one of"},
    };
    for (const auto& [table, says] : tables) {
        writeFile(path("bad.csv"), table);
        expectFailure(runZrx({"import", path("bad.csv"), path("radio.sin")}), says);
        EXPECT_EQ(readFile(path("radio.sin")), newImageBytes()) << table;
        // Nor is a missing image created from a bad table.
        expectFailure(runZrx({"import", path("bad.csv"), path("none.sin")}), "bad.csv");
        EXPECT_FALSE(std::filesystem::exists(m_dir / "none.sin"));
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_dir.path()),
                            std::filesystem::directory_iterator()),
              2); // radio.sin and bad.csv: no temporary files left behind
}

TEST_F(Cli, EveryCommandHasHelpAndUsageErrorsFail) {
    for (const char* command : {"new", "show", "diff", "set", "export", "import"}) {
        const ProgramRun help = runZrx({command, "--help"});
        EXPECT_EQ(help.exitStatus, 0) << command;
        EXPECT_NE(help.out.find("Usage"), std::string::npos) << command;
    }
    ASSERT_EQ(runZrx({"new", path("radio.sin")}).exitStatus, 0);
    expectFailure(runZrx({"show", path("radio.sin"), "--lang", "fr"}), "--lang");
    expectFailure(runZrx({"show"}), "FILE");
    expectFailure(runZrx({}), "subcommand");
    expectFailure(runZrx({"frobnicate"}), "zrx: unknown command: frobnicate");
    const ProgramRun version = runZrx({"--version"});
    EXPECT_EQ(version.exitStatus, 0);
    EXPECT_EQ(version.out, "zrx " + std::string(zrx::programVersion()) + "\n");
}

// What a shell hands over arrives unchanged on every system: a file named in
// Chinese, a path that begins with "/" (which CLI11 would take for a
// Windows-style option), and a table on standard output with "\r\n" line
// ends (a Windows program's text-mode output would make them "\r\r\n").
TEST_F(Cli, NamesAndOutputPassThroughUnchanged) {
    const std::filesystem::path file = m_dir.path() / std::u8string(u8"频道 表.sin");
    const ProgramRun made = runZrx({"new", utf8(file)});
    ASSERT_EQ(made.exitStatus, 0) << made.err;
    EXPECT_EQ(readFile(file), newImageBytes());

    const ProgramRun exported = runZrx({"export", utf8(file)});
    ASSERT_EQ(exported.exitStatus, 0) << exported.err;
    EXPECT_EQ(std::count(exported.out.begin(), exported.out.end(), '\n'), 17);
    EXPECT_EQ(std::count(exported.out.begin(), exported.out.end(), '\r'), 17);
    EXPECT_EQ(exported.out.find("\r\r"), std::string::npos);

    const ProgramRun shown = runZrx({"show", utf8(file), "--lang", "chs"});
    EXPECT_EQ(shown.exitStatus, 0) << shown.err;
    EXPECT_NE(shown.out.find(kChannelHeadings[1].in(Language::SimplifiedChinese)),
              std::string::npos)
        << shown.out;

    expectFailure(runZrx({"show", "/zrx-no-such-folder/radio.sin"}),
                  "/zrx-no-such-folder/radio.sin: no such file");
}
