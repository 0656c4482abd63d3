#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "checks/finding_texts.h"
#include "checks/plan_checks.h"
#include "image/channel_codec.h"
#include "image/image_layout.h"
#include "image/new_image.h"
#include "image/settings_field.h"

using namespace zrx;
using namespace zrx::checks;

namespace {

using Texts = ChannelTexts;
constexpr editing::BandLimits kWholeBand{40000000, 47000000};

// A new image (Power High, Scan On, side key 2 Scan On/Off) with `channels`
// as the grid would enter them: {number, Rx, Tx, W/N, Add Scan}.
struct Entry {
    int number;
    const char* rx;
    const char* tx;
    const char* bandwidth = "Narrow";
    const char* scan = "Add";
    const char* rxTone = "Off";
};
RadioImage document(std::initializer_list<Entry> channels) {
    RadioImage image = makeNewImage();
    for (const Entry& c : channels) {
        encodeChannel(image, c.number,
                      Texts{c.rx, c.tx, c.rxTone, "Off", "No", c.bandwidth, c.scan});
    }
    return image;
}

void lowPower(RadioImage& image) {
    encodeSelection(image, SettingsField::Power, 1);
}

// Scanning cannot start: Scan Off and no side key that starts it.
void noScanning(RadioImage& image) {
    encodeSelection(image, SettingsField::Scan, 1);
    for (const SettingsField key : kSideKeyFields) {
        encodeSelection(image, key, 1); // Monitor
    }
}

struct Expected {
    FindingKind kind;
    Severity severity;
    std::vector<int> channels;
    FrequencyCount frequency = 0; // the band findings
};

struct Case {
    const char* name;
    std::function<RadioImage()> make;
    std::vector<Expected> expected;
    editing::BandLimits range = kWholeBand;
};

} // namespace

TEST(PlanChecks, EachCheckFindsItsFaultAndNothingElse) {
    using K = FindingKind;
    constexpr Severity E = Severity::Error;
    constexpr Severity W = Severity::Warning;
    const std::vector<Case> cases = {
        {"clean: three channels in a row, scanning on, high power, no PMR446",
         [] {
             return document({{1, "450", "450"}, {2, "451", "455"}, {3, "469.9875", "400"}});
         },
         {}},
        {"an empty document", [] { return makeNewImage(); }, {}},
        {"Rx above the band, Tx below it, and a Tx of 0 (an empty Tx cell)",
         [] {
             RadioImage image =
                 document({{2, "480", "450"}, {5, "450", "399.99375"}, {6, "450.5", ""}});
             noScanning(image);
             return image;
         },
         {{K::OutsideRadioBand, E, {2}, 48000000},
          {K::OutsideRadioBand, E, {5}, 39999375},
          {K::OutsideRadioBand, E, {6}, 0}}},
        {"a damaged record: BCD nibbles above 9 read as a frequency far above the band",
         [] {
             RadioImage image = document({{1, "450", "450"}});
             image.setByte(layout::channelOffset(1) + 3, 0x5F); // reads as 65
             return image;
         },
         {{K::OutsideRadioBand, E, {1}, 65000000}}},
        {"Tx outside a narrower chosen range; Rx outside it is no finding; a Tx outside the "
         "radio's band is an error only",
         [] {
             return document({{1, "440", "449.99375"},
                              {2, "460", "450"},
                              {3, "450", "455"},
                              {4, "450", "471"}});
         },
         {{K::OutsideRadioBand, E, {4}, 47100000}, {K::TxOutsideRange, W, {3}, 45500000}},
         {40000000, 45000000}},
        {"duplicates: one group of three, one pair; a tone or a Tx apart is no duplicate; W/N "
         "and Add Scan do not count",
         [] {
             return document({{1, "450", "450"},
                              {2, "450", "450", "Narrow", "Add", "67.0"},
                              {3, "450", "450", "Wide", "Del"},
                              {4, "450", "450.0125"},
                              {5, "450", "450"},
                              {6, "450", "450", "Narrow", "Add", "67.0"}});
         },
         {{K::Duplicate, W, {1, 3, 5}}, {K::Duplicate, W, {2, 6}}}},
        {"PMR446 at Low power: Wide, split by Tx, split by Rx, and frequencies next to the band",
         [] {
             RadioImage image = document({{1, "446.00625", "446.00625", "Wide"},
                                          {2, "446.01875", "446.03125"},
                                          {3, "450", "446.19375"},
                                          {4, "446.00000", "446.00000", "Wide"},
                                          {5, "446.20625", "446.20625", "Wide"},
                                          {6, "446.10000", "446.10000", "Wide"}});
             lowPower(image);
             return image;
         },
         {{K::Pmr446Wide, W, {1}}, {K::Pmr446Split, W, {2}}, {K::Pmr446Split, W, {3}}}},
        {"PMR446 channels at High power: one finding for all of them",
         [] {
             return document(
                 {{1, "446.00625", "446.00625"}, {2, "450", "450"}, {3, "446.19375", "446.19375"}});
         },
         {{K::Pmr446HighPower, W, {1, 3}}}},
        {"empty channels between used ones while the Scan option is On; none after the last",
         [] {
             RadioImage image = document(
                 {{2, "450", "450"}, {3, "451", "451"}, {6, "452", "452", "Narrow", "Del"}});
             noScanning(image);
             encodeSelection(image, SettingsField::Scan, 0);
             return image;
         },
         {{K::GapInScan, W, {4, 5}}}},
        {"the same gap with only a side key that starts a priority scan",
         [] {
             RadioImage image = document({{1, "450", "450"}, {3, "451", "451"}});
             noScanning(image);
             encodeSelection(image, SettingsField::SideKey1Long, 3);
             return image;
         },
         {{K::GapInScan, W, {2}}}},
        {"no gap finding when the radio cannot scan",
         [] {
             RadioImage image = document({{1, "450", "450"}, {3, "451", "451"}});
             noScanning(image);
             return image;
         },
         {}},
        {"no gap finding when no channel is in the scan list",
         [] {
             return document(
                 {{1, "450", "450", "Narrow", "Del"}, {3, "451", "451", "Narrow", "Del"}});
         },
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const RadioImage image = c.make();
        const std::vector<Finding> findings = checkPlan(image, c.range);
        ASSERT_EQ(findings.size(), c.expected.size());
        for (std::size_t i = 0; i < findings.size(); ++i) {
            SCOPED_TRACE(findingLine(findings[i], Language::English));
            EXPECT_EQ(findings[i].kind, c.expected[i].kind);
            EXPECT_EQ(findings[i].severity, c.expected[i].severity);
            EXPECT_EQ(findings[i].channels, c.expected[i].channels);
            if (c.expected[i].kind == K::OutsideRadioBand ||
                c.expected[i].kind == K::TxOutsideRange) {
                EXPECT_EQ(findings[i].frequency, c.expected[i].frequency);
            }
        }
        EXPECT_EQ(hasError(findings), !c.expected.empty() && c.expected.front().severity == E);
    }
}

TEST(PlanChecks, EveryFindingReadsAsOneFilledLineInEachLanguage) {
    RadioImage image =
        document({{1, "480", "446.00625", "Wide"}, {2, "450", "450"}, {4, "450", "450"}});
    // Every kind of finding, on channel 1 (four), 2 and 4 (a duplicate, Tx
    // outside the range) and 3 (the gap).
    const std::vector<Finding> findings = checkPlan(image, {40000000, 44000000});
    std::set<FindingKind> kinds;
    for (const Finding& f : findings) {
        kinds.insert(f.kind);
    }
    EXPECT_EQ(kinds.size(), 7u);
    EXPECT_EQ(findingLine(findings.front(), Language::English),
              "error: CH 1: Rx Freq 480.00000 MHz is outside the radio's 400-470 MHz band: the "
              "radio cannot use it");
    EXPECT_EQ(findingLine(findings.front(), Language::TraditionalChinese),
              "錯誤：信道 1：接收頻率 480.00000 MHz 超出電台的 400-470 MHz 頻段：電台無法使用");
    Finding gaps;
    gaps.channels = {1, 2, 4, 5, 6, 9, 10, 11, 12, 16};
    EXPECT_EQ(channelsText(gaps, Language::SimplifiedChinese), "信道 1, 2, 4-6, 9-12, 16");
    for (const Finding& f : findings) {
        std::vector<std::string> lines;
        for (const Language l :
             {Language::English, Language::SimplifiedChinese, Language::TraditionalChinese}) {
            const std::string line = findingLine(f, l);
            EXPECT_EQ(line.find('%'), std::string::npos) << line;
            EXPECT_EQ(line.find('\n'), std::string::npos) << line;
            lines.push_back(line);
        }
        EXPECT_NE(lines[0], lines[1]);
        EXPECT_NE(lines[1], lines[2]);
    }
}
