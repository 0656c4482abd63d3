// zrx set on real files: every setting by the names and values zrx show
// prints, in each language, and the bytes it leaves; refusals that leave the
// file as it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "core/temp_dir.h"
#include "image/form_lists.h"
#include "image/new_image.h"
#include "image/settings_labels.h"
#include "image/settings_lists.h"
#include "run_program.h"

using namespace zrx;
using F = SettingsField;

namespace {

enum class Kind { List, Model, Range, PttIdCode, Pcba };

struct Row {
    Kind kind;
    F field; // List only
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
    {Kind::Model, F::Beep, "model", "zrx412", 0x3E0, {0x00}},
    {Kind::Range, F::Beep, "Frequency range", "400-470mhz", 0x3E1, {0x00}},
    {Kind::List, F::TimeOutTimer, "tot (s)", "600", 0x3C3, {0x14}},
    {Kind::List, F::Power, "POWER", "low", 0x3C5, {0xC1}},
    {Kind::List, F::Beep, "beep", "OFF", 0x3C0, {0xFE}},
    {Kind::List, F::Scan, "Scan", "Off", 0x3C0, {0xFB}},
    {Kind::List, F::KillTone, "Kill Tone", "180 Phase Shift", 0x3C5, {0xE2}},
    {Kind::List, F::PriorityChannel, "PriorityCH", "16", 0x3C6, {0x10}},
    {Kind::List, F::SquelchLevel, "Squelch Level", "9", 0x3C1, {0x09}},
    {Kind::List, F::BatterySaver, "Battery Saver", "Off", 0x3C0, {0xFD}},
    {Kind::List, F::PttId, "PTT ID", "Both", 0x3C5, {0xED}},
    {Kind::List, F::Vox, "Vox", "On", 0x3C5, {0xF1}},
    {Kind::List, F::VoxGainLevel, "Vox Gain Level", "9", 0x3C2, {0x09}},
    {Kind::List, F::VoxDelayTime, "Vox Delay Time", "3.0", 0x3C4, {0x06}},
    {Kind::List, F::VoiceAnnunciation, "Voice Annunciation", "English", 0x3C0, {0xDF}},
    {Kind::List, F::RefuseEmergencyAlert, "Refuse Emergency Alert", "On", 0x3C0, {0xF7}},
    {Kind::List, F::EmergencyCallSwitch, "Emergency Call Switch", "local alert", 0x3C0, {0x7F}},
    {Kind::List, F::FirstDigitDelayTime, "First Digit Delay Time (ms)", "4500", 0x3C9, {0x5A}},
    {Kind::List, F::DigitIntervalTime, "Digit Interval Time (ms)", "6400", 0x3CA, {0xFF}},
    {Kind::List, F::DigitDelayTime, "Digit Delay Time (MS)", "25", 0x3CB, {0x00}},
    {Kind::List, F::SideTone, "Side Tone", "Off", 0x3C5, {0xA1}},
    {Kind::PttIdCode, F::Beep, "PTT ID Code", "12a#*", 0x3D0, code({0x01, 0x02, 0x0A, 0x0F, 0x0E})},
    {Kind::List, F::SideKey1Short, "Side Key 1 Short", "Reverse Frequency", 0x3C7, {0x41}},
    {Kind::List, F::SideKey1Long, "side key 1 long", "none", 0x3C7, {0x10}},
    {Kind::List, F::SideKey2Short, "Side Key 2 Short", "Priority Scan", 0x3C8, {0x32}},
    {Kind::List, F::SideKey2Long, "Side Key 2 Long", "Monitor", 0x3C8, {0x21}},
    {Kind::Pcba, F::Beep, "pcba", "ab12", 0x3B0, code({0x41, 0x42, 0x31, 0x32})},
};

const LocalText& labelOf(const Row& row) {
    switch (row.kind) {
    case Kind::Model:
        return kModelLabel;
    case Kind::Range:
        return kFrequencyRangeLabel;
    case Kind::PttIdCode:
        return kPttIdCodeLabel;
    case Kind::Pcba:
        return kPcbaLabel;
    case Kind::List:
        break;
    }
    return fieldLabel(row.field);
}

// The row's value as `language` words it.
std::string valueIn(const Row& row, Language language) {
    if (row.kind != Kind::List) {
        return row.value;
    }
    std::string lower = row.value;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const std::vector<std::string> english = entries(row.field, Language::English);
    for (std::size_t i = 0; i < english.size(); ++i) {
        std::string entry = english[i];
        std::transform(entry.begin(), entry.end(), entry.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        if (entry == lower) {
            return zrx::entry(row.field, static_cast<int>(i), language);
        }
    }
    ADD_FAILURE() << "no English entry " << row.value;
    return {};
}

// What zrx show prints for the setting once it holds the row's value.
std::string shownAs(const Row& row, Language language) {
    switch (row.kind) {
    case Kind::Model:
        return "ZRX412 (byte 0x00)";
    case Kind::Range:
        return "400-470MHz (byte 0x00)";
    case Kind::PttIdCode:
        return "12A#*";
    case Kind::Pcba:
        return "AB12";
    case Kind::List:
        break;
    }
    return valueIn(row, language);
}

// The line of `shown` that starts with `label:`, its value without the padding.
std::string shownValue(const std::string& shown, std::string_view label) {
    std::size_t at = 0;
    while (at < shown.size()) {
        const std::size_t end = std::min(shown.find('\n', at), shown.size());
        std::string_view line(shown.data() + at, end - at);
        line.remove_prefix(std::min(line.find_first_not_of(' '), line.size()));
        if (line.substr(0, label.size()) == label && line.substr(label.size(), 1) == ":") {
            line.remove_prefix(label.size() + 1);
            line.remove_prefix(std::min(line.find_first_not_of(' '), line.size()));
            return std::string(line);
        }
        at = end + 1;
    }
    return "(missing)";
}

std::string newImageBytes() {
    const RadioImage image = makeNewImage();
    return {image.bytes().begin(), image.bytes().end()};
}

class CliSet : public ::testing::Test {
protected:
    TempDir m_dir;
    std::string path(const std::string& name) const { return (m_dir / name).string(); }
};

} // namespace

TEST_F(CliSet, EverySettingByItsNameAndValueInEachLanguageStoresItsBytesAndShowsBack) {
    constexpr struct {
        const char* option;
        Language language;
    } kLanguages[] = {{"eng", Language::English},
                      {"chs", Language::SimplifiedChinese},
                      {"cht", Language::TraditionalChinese}};
    for (const Row& row : kRows) {
        for (const auto& l : kLanguages) {
            SCOPED_TRACE(std::string(row.name) + " in " + l.option);
            const std::string file = path(std::string("set-") + l.option + ".sin");
            writeFile(file, newImageBytes());
            const std::string name = l.language == Language::English
                                         ? std::string(row.name)
                                         : std::string(labelOf(row).in(l.language));
            // English as typed (any case); Chinese as zrx show words it.
            const std::string value =
                l.language == Language::English ? std::string(row.value) : valueIn(row, l.language);
            const ProgramRun set = runProgram(zrxProgram(), {"set", file, name + "=" + value});
            ASSERT_EQ(set.exitStatus, 0) << set.err;
            EXPECT_EQ(set.out + set.err, "");

            // Exactly the setting's bytes changed.
            std::string expected = newImageBytes();
            for (std::size_t i = 0; i < row.bytes.size(); ++i) {
                expected[row.offset + i] = static_cast<char>(row.bytes[i]);
            }
            EXPECT_EQ(readFile(file), expected);

            const ProgramRun shown = runProgram(zrxProgram(), {"show", file, "--lang", l.option});
            ASSERT_EQ(shown.exitStatus, 0) << shown.err;
            EXPECT_EQ(shownValue(shown.out, labelOf(row).in(l.language)), shownAs(row, l.language));
        }
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
