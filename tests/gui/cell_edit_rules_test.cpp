// The window-free rules of the in-place editors themselves: what each key
// does and where an editor goes over its cell.
#include <gtest/gtest.h>

#include "editor/cell_edit_rules.h"
#include "grid/twips.h"

using namespace zrx::editing;

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
