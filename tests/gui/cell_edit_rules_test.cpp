// The window-free rules of in-place editing: frequency clamp and snap, what
// a commit writes into a channel row, range texts, and key decisions.
#include <gtest/gtest.h>

#include "editor/cell_edit_rules.h"
#include "grid/twips.h"

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

TEST(FrequencyKeys, OnlyDigitsPointAndEditingKeysGetThrough) {
    using A = FrequencyKeyAction;
    EXPECT_EQ(frequencyKeyAction({Key::Enter, false, false}), A::Commit);
    EXPECT_EQ(frequencyKeyAction({Key::Digit, false, false}), A::Pass);
    EXPECT_EQ(frequencyKeyAction({Key::Point, false, false}), A::Pass);
    EXPECT_EQ(frequencyKeyAction({Key::Digit, false, true}), A::Swallow);
    EXPECT_EQ(frequencyKeyAction({Key::Point, false, true}), A::Swallow);
    EXPECT_EQ(frequencyKeyAction({Key::Digit, true, false}), A::Pass);
    EXPECT_EQ(frequencyKeyAction({Key::Point, true, false}), A::Pass);
    for (Key key : {Key::Delete, Key::Backspace, Key::Left, Key::Right}) {
        EXPECT_EQ(frequencyKeyAction({key, false, false}), A::Pass);
    }
    for (Key key : {Key::Up, Key::Down, Key::Home, Key::End, Key::Other}) {
        EXPECT_EQ(frequencyKeyAction({key, false, false}), A::Swallow);
    }
}

TEST(GridArrows, WrapBetweenRowsButNotPastTheFirstOrLastChannel) {
    EXPECT_EQ(gridArrowWrap(Key::Right, 5, 7, 17, 8), GridWrap::ToNextRowStart);
    EXPECT_EQ(gridArrowWrap(Key::Right, 16, 7, 17, 8), GridWrap::None);
    EXPECT_EQ(gridArrowWrap(Key::Right, 5, 6, 17, 8), GridWrap::None);
    EXPECT_EQ(gridArrowWrap(Key::Left, 6, 1, 17, 8), GridWrap::ToPreviousRowEnd);
    EXPECT_EQ(gridArrowWrap(Key::Left, 1, 1, 17, 8), GridWrap::None);
    EXPECT_EQ(gridArrowWrap(Key::Left, 6, 2, 17, 8), GridWrap::None);
    EXPECT_EQ(gridArrowWrap(Key::Down, 5, 7, 17, 8), GridWrap::None);
}

TEST(EditorGeometry, CoversTheCellInsideFrameAndGridLine) {
    for (int dpi : {72, 96, 100, 110, 120, 144, 192}) {
        for (long px = 0; px < 2000; ++px) {
            ASSERT_EQ(twips::toPixels(twips::fromPixels(px, dpi), dpi), px) << dpi;
        }
    }
    // 96 dpi: 15 twips per pixel. A cell at (70, 18) px, 70 x 17 px.
    const EditorRect rect = cellEditorRect(70 * 15, 18 * 15, 70 * 15, 17 * 15, 96, 96, 20, 100);
    EXPECT_EQ(rect.left, 20 + 70 + 2);
    EXPECT_EQ(rect.top, 100 + 18 + 2);
    EXPECT_EQ(rect.right - rect.left, 70);
    EXPECT_EQ(rect.bottom - rect.top, 17);
    // 100 dpi does not divide 1440: a 7-pixel offset is 101 twips, and
    // must come back as 7 pixels, not 101 / 14 = 7.2 -> 7 by luck, 70 px as
    // 1008 twips -> 72 px by whole twips per pixel.
    const EditorRect odd = cellEditorRect(1008, 101, 1008, 252, 100, 100, 0, 0);
    EXPECT_EQ(odd.left, 70 + 2);
    EXPECT_EQ(odd.top, 7 + 2);
    EXPECT_EQ(odd.right - odd.left, 70);
    EXPECT_EQ(odd.bottom - odd.top, 18);
    // A screen finer than 1440 dpi is no problem either.
    const EditorRect fine = cellEditorRect(720, 720, 720, 720, 2880, 2880, 0, 0);
    EXPECT_EQ(fine.left, 1440 + 2);
}
