// What an edit writes into a channel, the same for the grid's editors and
// for an imported table: frequency clamp and snap, what a commit writes
// into a channel row, list texts, range texts and what a table cell takes.
#include <gtest/gtest.h>

#include "editing/channel_edits.h"

using namespace zrx;
using namespace zrx::editing;

namespace {
constexpr FrequencyCount kLower = 40000000;
constexpr FrequencyCount kUpper = 47000000;

FrequencyCount snapped(std::string_view typed) {
    return clampAndSnap(frequencyFromText(typed), kLower, kUpper);
}

ChannelTexts programmedRow() {
    return {"462.56250", "467.56250", "67.0", "D023N", "Yes", "Narrow", "Del"};
}
} // namespace

TEST(FrequencyCommit, SnapsDownToTheNearerRasterPointTieGoesTo5k) {
    EXPECT_EQ(snapped("462.5625"), 46256250u);
    EXPECT_EQ(snapped("462.563"), 46256250u);  // remainders 300 and 50
    EXPECT_EQ(snapped("430.0055"), 43000500u); // 5 kHz point is nearer
    EXPECT_EQ(snapped("430.0070"), 43000625u);
    EXPECT_EQ(snapped("430.0031"), 43000000u); // equal remainders: 5 kHz wins
    EXPECT_EQ(snapped("446.00625"), 44600625u);
}

TEST(FrequencyCommit, ClampsToTheBandWithUnsignedComparisons) {
    EXPECT_EQ(snapped("480"), kUpper);
    EXPECT_EQ(snapped("399"), kLower);
    EXPECT_EQ(snapped("0"), 0u);
    EXPECT_EQ(snapped(""), 0u);
    // Far beyond 32 bits: the count saturates, then clamps to the top.
    EXPECT_EQ(snapped("99999999999999"), kUpper);
    EXPECT_EQ(snapped("42949.67296"), kUpper);
    // A band edge off the raster is snapped like any other value.
    EXPECT_EQ(clampAndSnap(50000000, 40000000, 46256300), 46256250u);
}

TEST(FrequencyCommit, RxOnEmptyChannelStartsItWithDefaultsInTheLanguage) {
    const ChannelTexts empty{};
    const ChannelTexts english =
        commitFrequency(empty, 1, "446.1", Language::English, kLower, kUpper);
    EXPECT_EQ(english, (ChannelTexts{"446.10000", "446.10000", "Off", "Off", "No", "Wide", "Add"}));
    const ChannelTexts simplified =
        commitFrequency(empty, 1, "446.1", Language::SimplifiedChinese, kLower, kUpper);
    EXPECT_EQ(simplified, (ChannelTexts{"446.10000", "446.10000", "关", "关", "否", "宽", "添加"}));
    const ChannelTexts traditional =
        commitFrequency(empty, 1, "446.1", Language::TraditionalChinese, kLower, kUpper);
    EXPECT_EQ(traditional,
              (ChannelTexts{"446.10000", "446.10000", "關", "關", "否", "寬", "添加"}));
}

TEST(FrequencyCommit, RxChangeKeepsTxAndClearingRxClearsTheChannel) {
    ChannelTexts row =
        commitFrequency(programmedRow(), 1, "450", Language::English, kLower, kUpper);
    ChannelTexts expected = programmedRow();
    expected[0] = "450.00000";
    EXPECT_EQ(row, expected);
    EXPECT_EQ(commitFrequency(programmedRow(), 1, "", Language::English, kLower, kUpper),
              ChannelTexts{});
    EXPECT_EQ(commitFrequency(programmedRow(), 1, "0.000", Language::English, kLower, kUpper),
              ChannelTexts{});
}

TEST(FrequencyCommit, TxIsEmptiedByAnEmptyTextAndStaysEmptyOnAnEmptyChannel) {
    ChannelTexts row = commitFrequency(programmedRow(), 2, "", Language::English, kLower, kUpper);
    ChannelTexts expected = programmedRow();
    expected[1] = "";
    EXPECT_EQ(row, expected);
    EXPECT_EQ(commitFrequency(ChannelTexts{}, 2, "450", Language::English, kLower, kUpper),
              ChannelTexts{});
}

TEST(ListCommit, WritesOnlyOnProgrammedChannels) {
    EXPECT_EQ(listCommitText("446.00625", "D023N"), "D023N");
    EXPECT_EQ(listCommitText("446.00625", ""), "");
    EXPECT_EQ(listCommitText("", "Narrow"), "");
}

TEST(RangeText, TwoDigitRunsInMegahertz) {
    const auto band = bandFromRangeText("400-470MHz");
    ASSERT_TRUE(band);
    EXPECT_EQ(band->lower, 40000000u);
    EXPECT_EQ(band->upper, 47000000u);
    const auto spaced = bandFromRangeText("136 to 174 MHz");
    ASSERT_TRUE(spaced);
    EXPECT_EQ(spaced->lower, 13600000u);
    EXPECT_EQ(spaced->upper, 17400000u);
}

TEST(RangeText, FewerThanTwoNumbersOrTooLargeGivesNothing) {
    EXPECT_FALSE(bandFromRangeText(""));
    EXPECT_FALSE(bandFromRangeText("UHF"));
    EXPECT_FALSE(bandFromRangeText("470MHz"));
    EXPECT_FALSE(bandFromRangeText("MHz 400-470")); // must start with digits
    EXPECT_FALSE(bandFromRangeText("400-99999"));   // beyond the 32-bit count
}

TEST(TableCells, AFrequencyIsDigitsWithOnePointAndAToneOneOfTheList) {
    const std::pair<const char*, std::optional<FrequencyCount>> frequencies[] = {
        {" 462.5625\t", 46256250u},  {".5", 50000u},
        {"462.", 46200000u},         {"0", 0u},
        {"4625625", 0xFFFFFFFFu}, // saturates: the clamp lands on the band's top
        {"", std::nullopt},          {".", std::nullopt},
        {"462.5.1", std::nullopt},   {"462,5", std::nullopt},
        {"-462", std::nullopt},      {"4.6e2", std::nullopt},
        {"462.5 MHz", std::nullopt},
    };
    for (const auto& [text, count] : frequencies) {
        EXPECT_EQ(readFrequencyText(text), count) << '"' << text << '"';
    }
    for (const char* tone : {"Off", "关", "關", "67.0", "254.1", "D023N", "D754I"}) {
        EXPECT_TRUE(isToneText(tone)) << tone;
    }
    for (const char* notTone : {"", "off", "67", "67.1", "0.0", "D023", "D024N", "d023n"}) {
        EXPECT_FALSE(isToneText(notTone)) << notTone;
    }
}
