#include <gtest/gtest.h>

#include <fstream>

#include "core/temp_dir.h"
#include "image/channel_codec.h"
#include "image/image_layout.h"
#include "plans/plan_library.h"
#include "plans/plan_loading.h"

using namespace zrx;
using namespace zrx::plans;
namespace fs = std::filesystem;

namespace {

const fs::path kShippedPlans = fs::u8path(ZRX_SHIPPED_PLANS);

void write(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

std::uint8_t bcd(unsigned number) {
    return static_cast<std::uint8_t>((number / 10) * 16 + number % 10);
}

const char* const kHeadings = "CH,Rx Freq,Tx Freq,Rx Tone,Tx Tone,Busy Lock,W/N,Add Scan\r\n";

} // namespace

// The radio's memory written out by hand: a new document's bytes, then
// channel n at 446.00625 + (n - 1) x 0.0125 MHz, tones off, lock off,
// narrow, in the scan list.
TEST(Plans, Pmr446GivesTheSixteenChannelsByteForByte) {
    RadioImage::Bytes expected;
    expected.fill(0xFF);
    const std::uint8_t settings[] = {0xFF, 0x05, 0x05, 0x02, 0x03, 0xE1,
                                     0x00, 0x11, 0x22, 0x04, 0x07, 0x07};
    std::copy(std::begin(settings), std::end(settings), expected.begin() + 0x3C0);
    for (unsigned n = 1; n <= 16; ++n) {
        const unsigned tensOfHertz = 44600625 + (n - 1) * 1250;
        for (unsigned k = 0, rest = tensOfHertz; k < 4; ++k, rest /= 100) {
            expected[16 * n + k] = bcd(rest % 100);     // Rx
            expected[16 * n + 4 + k] = bcd(rest % 100); // Tx
        }
        // Bytes 8-11 Off (FF FF), byte 12: lock off (bit 0), narrow (bit 2)
        // and scan (bit 4) set, the bits the tool does not use as they were.
    }
    const PlanLoad load = loadPlan(kShippedPlans / "PMR446.csv");
    ASSERT_TRUE(load) << describe(*load.error, "PMR446", Language::English);
    EXPECT_EQ(load.image.bytes(), expected);

    const PlanNote note = loadPlanNote(kShippedPlans / "PMR446.csv");
    for (const Language language :
         {Language::English, Language::SimplifiedChinese, Language::TraditionalChinese}) {
        EXPECT_NE(note.in(language).find("0.5 W ERP"), std::string::npos) << note.in(language);
    }
    EXPECT_NE(note.in(Language::English).find("may not qualify"), std::string::npos);
    EXPECT_NE(note.in(Language::SimplifiedChinese), note.in(Language::TraditionalChinese));
}

TEST(Plans, APlanIsUsedAsWrittenOrRefusedNeverClamped) {
    struct Case {
        std::string rows;
        std::optional<PlanProblem> problem;
        std::size_t line = 0;
        int channel = 0;
        ChannelColumn column = ChannelColumn::RxFrequency;
    };
    using P = PlanProblem;
    using C = ChannelColumn;
    const std::vector<Case> cases = {
        {"1,400,470,67.0,D023N,Yes,Wide,Del\r\n16,,,,,,,\r\n", std::nullopt},
        {"2,446.00625,,,,,,\r\n", std::nullopt}, // the new-channel values for the rest
        {"1,450,450,Off,Off,No,Narrow,Add\r\n3,480,480,Off,Off,No,Narrow,Add\r\n", P::OutsideBand,
         3, 3, C::RxFrequency},
        {"5,450,399.99375,Off,Off,No,Narrow,Add\r\n", P::OutsideBand, 2, 5, C::TxFrequency},
        {"5,0,,,,,,\r\n", P::OutsideBand, 2, 5, C::RxFrequency},
        {"5,450,0,,,,,\r\n", P::OutsideBand, 2, 5, C::TxFrequency},
        {"7,446.001,,,,,,\r\n", P::OffRaster, 2, 7, C::RxFrequency},
        {"7,,,67.0,,,,\r\n", P::NoRxFrequency, 2, 7, C::RxTone},
        {"7,450,,68.0,,,,\r\n", P::NotATable, 2},
        {"17,450,,,,,,\r\n", P::NotATable, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rows);
        const PlanLoad load = planFromText(kHeadings + c.rows, "plan.csv");
        ASSERT_EQ(load.error.has_value(), c.problem.has_value());
        if (!c.problem) {
            continue;
        }
        EXPECT_EQ(load.error->problem, *c.problem);
        EXPECT_EQ(load.error->line, c.line);
        if (*c.problem != P::NotATable) {
            EXPECT_EQ(load.error->channel, c.channel);
            EXPECT_EQ(load.error->column, c.column);
        }
    }
    const PlanLoad ok = planFromText(std::string(kHeadings) + "2,446.00625,,,,,,\r\n", "plan.csv");
    EXPECT_EQ(decodeChannel(ok.image, 2, Language::English),
              (ChannelTexts{"446.00625", "446.00625", "Off", "Off", "No", "Wide", "Add"}));

    const PlanLoad outside =
        planFromText(std::string(kHeadings) + "3,480.5,450,,,,,\r\n", "/p/Wide.csv");
    ASSERT_FALSE(outside);
    EXPECT_EQ(describe(*outside.error, "Wide", Language::English),
              "the plan \"Wide\" cannot be used: /p/Wide.csv, line 2: CH 3, Rx Freq \"480.5\" is "
              "outside the radio's 400-470 MHz band");
    EXPECT_EQ(describe(*outside.error, "Wide", Language::SimplifiedChinese),
              "无法使用方案“Wide”：/p/Wide.csv，第 2 行：信道 3，接收频率“480.5”超出电台的 "
              "400-470 MHz 频段");

    TempDir dir;
    for (const auto& [path, problem] :
         {std::pair{dir / "missing.csv", P::FileMissing}, std::pair{dir.path(), P::NotAFile}}) {
        const PlanLoad load = loadPlan(path);
        ASSERT_FALSE(load);
        EXPECT_EQ(load.error->problem, problem);
    }
    write(dir / "huge.csv", std::string(kHeadings) + std::string(2 << 20, '\n'));
    EXPECT_EQ(loadPlan(dir / "huge.csv").error->problem, P::TooLarge);
}

TEST(Plans, NotesComeInTheAskedLanguageWithFallbacks) {
    struct Case {
        std::string text;
        std::array<std::string, 3> note; // English, Simplified, Traditional
    };
    const std::vector<Case> cases = {
        {"eng: One.\nchs: 一。\ncht: 壹。\n", {"One.", "一。", "壹。"}},
        {"\xEF\xBB\xBF"
         "ENG : Two\r\n  lines.\r\n\r\nCHT：貳。",
         {"Two", "lines.", "貳。"}},
        {"Just a note\nover two lines.\n",
         {"Just a note over two lines.", "Just a note over two lines.",
          "Just a note over two lines."}},
        {"eng: Only English.\n", {"Only English.", "Only English.", "Only English."}},
        {"eng: First\neng: second.\nEnglish: not a tag\n",
         {"First second.", "English: not a tag", "English: not a tag"}},
        {"eng: bad \xFF byte\n", {"", "", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const PlanNote note = readPlanNote(c.text);
        EXPECT_EQ(note.texts[0], c.note[0]);
        EXPECT_EQ(note.texts[1], c.note[1]);
        EXPECT_EQ(note.texts[2], c.note[2]);
    }
}

TEST(Plans, ListedFromBothFoldersByNameAndTheUsersPlanIsTheOneANameMeans) {
    TempDir dir;
    const fs::path shipped = dir / "program" / "plans";
    const fs::path data = dir / "data";
    const fs::path user = data / "zrx-pc-encoder" / "plans";
    write(shipped / "PMR446.csv", kHeadings);
    write(shipped / "PMR446.txt", "eng: shipped note\n");
    write(shipped / "zone.CSV", kHeadings);
    write(shipped / "readme.txt", "not a plan");
    write(shipped / ".hidden.csv", kHeadings);
    fs::create_directories(shipped / "folder.csv");
    write(user / "pmr446.csv", kHeadings);
    write(user / "Alpha.csv", kHeadings);

    const auto environment = [&](std::string_view name) -> std::optional<std::string> {
        if (name == "XDG_DATA_HOME" || name == "LOCALAPPDATA") {
            return data.string();
        }
        return std::nullopt;
    };
    const std::vector<PlanFolder> folders = planFolders(dir / "program", environment);
    ASSERT_EQ(folders.size(), 2u);
    EXPECT_EQ(folders[1].path, user);

    const std::vector<PlanEntry> plans = listPlans(folders);
    std::vector<std::string> listed;
    for (const PlanEntry& plan : plans) {
        listed.push_back(plan.name + " " + originText(plan.origin, Language::English) + " " +
                         plan.note.in(Language::SimplifiedChinese));
    }
    EXPECT_EQ(listed, (std::vector<std::string>{"Alpha user ", "PMR446 shipped shipped note",
                                                "pmr446 user ", "zone shipped "}));

    EXPECT_EQ(findPlan(plans, "PMR446")->origin, PlanOrigin::Shipped); // exact name first
    EXPECT_EQ(findPlan(plans, "Pmr446")->origin, PlanOrigin::User);    // then the user's
    EXPECT_EQ(findPlan(plans, "ZONE")->path, shipped / "zone.CSV");
    EXPECT_EQ(findPlan(plans, "zone.csv"), nullptr);
    EXPECT_TRUE(listPlans({{dir / "nowhere", PlanOrigin::User}}).empty());
}
