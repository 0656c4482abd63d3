// zrx set on real files: every setting by the names and values zrx show
// prints, the bytes it leaves, the round trip through show in each language,
// and refusals that leave the file as it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <vector>

#include "cli_support.h"

using namespace zrx;

namespace {

struct Row {
    const char* name;
    const char* value; // English, as typed
    std::size_t offset;
    std::vector<int> bytes; // what a new image holds there afterwards
};

std::vector<int> code(std::vector<int> bytes) {
    bytes.resize(16, 0xFF);
    return bytes;
}

// From a new image (0x3C0 FF, 0x3C1 05, 0x3C2 05, 0x3C3 02, 0x3C4 03, 0x3C5 E1,
// 0x3C6 00, 0x3C7 11, 0x3C8 22, 0x3C9 04, 0x3CA 07, 0x3CB 07, the rest FF).
const std::vector<Row> kRows = {
    {"model", "zrx412", 0x3E0, {0x00}},
    {"Frequency range", "400-470mhz", 0x3E1, {0x00}},
    {"tot (s)", "600", 0x3C3, {0x14}},
    {"POWER", "low", 0x3C5, {0xC1}},
    {"beep", "OFF", 0x3C0, {0xFE}},
    {"Scan", "Off", 0x3C0, {0xFB}},
    {"Kill Tone", "180 Phase Shift", 0x3C5, {0xE2}},
    {"PriorityCH", "16", 0x3C6, {0x10}},
    {"Squelch Level", "9", 0x3C1, {0x09}},
    {"Battery Saver", "Off", 0x3C0, {0xFD}},
    {"PTT ID", "Both", 0x3C5, {0xED}},
    {"Vox", "On", 0x3C5, {0xF1}},
    {"Vox Gain Level", "9", 0x3C2, {0x09}},
    {"Vox Delay Time", "3.0", 0x3C4, {0x06}},
    {"Voice Annunciation", "English", 0x3C0, {0xDF}},
    {"Refuse Emergency Alert", "On", 0x3C0, {0xF7}},
    {"Emergency Call Switch", "local alert", 0x3C0, {0x7F}},
    {"First Digit Delay Time (ms)", "4500", 0x3C9, {0x5A}},
    {"Digit Interval Time (ms)", "6400", 0x3CA, {0xFF}},
    {"Digit Delay Time (MS)", "25", 0x3CB, {0x00}},
    {"Side Tone", "Off", 0x3C5, {0xA1}},
    {"PTT ID Code", "12a#*", 0x3D0, code({0x01, 0x02, 0x0A, 0x0F, 0x0E})},
    {"Side Key 1 Short", "Reverse Frequency", 0x3C7, {0x41}},
    {"side key 1 long", "none", 0x3C7, {0x10}},
    {"Side Key 2 Short", "Priority Scan", 0x3C8, {0x32}},
    {"Side Key 2 Long", "Monitor", 0x3C8, {0x21}},
    {"pcba", "ab12", 0x3B0, code({0x41, 0x42, 0x31, 0x32})},
};

// The settings a `zrx show` listing prints, as NAME=VALUE arguments: every
// line after the channel table that reads "label: value".
std::vector<std::string> shownSettings(const std::string& listing) {
    std::vector<std::string> settings;
    std::istringstream in(listing.substr(listing.find("\n\n")));
    for (std::string line; std::getline(in, line);) {
        const std::size_t colon = line.find(':');
        if (colon == std::string::npos) {
            continue;
        }
        std::string value = line.substr(colon + 1);
        value.erase(0, value.find_first_not_of(' '));
        value.erase(std::min(value.find(" (byte"), value.size())); // Model, Frequency Range
        settings.push_back(line.substr(0, colon) + "=" + value);
    }
    return settings;
}

using CliSet = Cli;

} // namespace

TEST_F(CliSet, EverySettingStoresExactlyItsBytesAndRoundTripsThroughShowInEachLanguage) {
    const std::string changed = path("changed.sin");
    std::vector<std::string> all = {"set", changed};
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.name);
        const std::string one = path("one.sin");
        writeFile(one, newImageBytes());
        const std::string setting = std::string(row.name) + "=" + row.value;
        const ProgramRun set = runProgram(zrxProgram(), {"set", one, setting});
        ASSERT_EQ(set.exitStatus, 0) << set.err;
        EXPECT_EQ(set.out + set.err, "");
        std::string expected = newImageBytes();
        for (std::size_t i = 0; i < row.bytes.size(); ++i) {
            expected[row.offset + i] = static_cast<char>(row.bytes[i]);
        }
        EXPECT_EQ(readFile(one), expected);
        all.push_back(setting);
    }
    writeFile(changed, newImageBytes());
    ASSERT_EQ(runProgram(zrxProgram(), all).exitStatus, 0);

    // What show prints in any language, given back to set, rebuilds every
    // setting on a new image.
    for (const char* language : {"eng", "chs", "cht"}) {
        SCOPED_TRACE(language);
        const ProgramRun shown = runProgram(zrxProgram(), {"show", changed, "--lang", language});
        ASSERT_EQ(shown.exitStatus, 0) << shown.err;
        std::vector<std::string> arguments = {"set", path("rebuilt.sin")};
        const std::vector<std::string> settings = shownSettings(shown.out);
        EXPECT_EQ(settings.size(), kRows.size());
        arguments.insert(arguments.end(), settings.begin(), settings.end());
        writeFile(path("rebuilt.sin"), newImageBytes());
        const ProgramRun rebuilt = runProgram(zrxProgram(), arguments);
        ASSERT_EQ(rebuilt.exitStatus, 0) << rebuilt.err;
        EXPECT_EQ(readFile(path("rebuilt.sin")), readFile(changed));
    }
}

TEST_F(CliSet, ABadArgumentIsNamedWithWhatIsAllowedAndNothingIsWritten) {
    const struct {
        std::vector<std::string> settings;
        std::vector<std::string> named; // in the one line on stderr
    } kCases[] = {
        {{"Beep=Off", "Bleep=On"}, {"\"Bleep\"", "TOT (s), Power, Beep"}},
        {{"TOT (s)=61"}, {"TOT (s)", "\"61\"", "Off, 30, 60 ... 600"}},
        {{"Beep=Yes"}, {"Beep", "\"Yes\"", "On, Off"}},
        {{"Side Key 1 Short=Reverse"}, {"\"Reverse\"", "Reverse Frequency"}},
        {{"PTT ID Code=12E"}, {"\"12E\"", "0-9, A-D, * and #"}},
        {{"PTT ID Code=12345678901234567"}, {"up to 16"}},
        {{"PCBA=ab-12"}, {"\"ab-12\"", "letters A-Z and digits 0-9"}},
        {{"PCBA=ABCDEFGHIJKLMNOPQ"}, {"up to 16"}},
        {{"Beep"}, {"\"Beep\" is not NAME=VALUE"}},
        {{"=On"}, {"no setting \"\""}},
    };
    writeFile(path("radio.sin"), newImageBytes());
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.settings.front());
        std::vector<std::string> arguments = {"set", path("radio.sin")};
        arguments.insert(arguments.end(), c.settings.begin(), c.settings.end());
        const ProgramRun run = runProgram(zrxProgram(), arguments);
        EXPECT_EQ(run.exitStatus, 1);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        for (const std::string& fragment : c.named) {
            EXPECT_NE(run.err.find(fragment), std::string::npos) << run.err;
        }
        EXPECT_EQ(readFile(path("radio.sin")), newImageBytes());
    }

    // A missing file is not created; the refusal of a value comes in the
    // language asked for.
    const ProgramRun missing = runProgram(zrxProgram(), {"set", path("none.sin"), "Beep=Off"});
    EXPECT_EQ(missing.exitStatus, 1);
    EXPECT_NE(missing.err.find("no such file"), std::string::npos) << missing.err;
    EXPECT_FALSE(std::filesystem::exists(path("none.sin")));
    const ProgramRun chinese =
        runProgram(zrxProgram(), {"set", path("radio.sin"), "Beep=Yes", "--lang", "cht"});
    EXPECT_NE(chinese.err.find("按鍵提示音: no value \"Yes\"; the values are 開, 關"),
              std::string::npos)
        << chinese.err;
}
