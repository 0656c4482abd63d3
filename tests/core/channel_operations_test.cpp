// The whole-channel commands on the image, and channels on the clipboard:
// records move whole, a copied table pastes back to the same bytes, a
// spreadsheet's rows go through the rules of typed values, and a row that
// cannot be read leaves everything as it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "editing/channel_operations.h"
#include "image/channel_codec.h"
#include "image/image_layout.h"
#include "image/new_image.h"
#include "random_image.h"
#include "table/channel_clipboard.h"

using namespace zrx;

namespace {

constexpr editing::BandLimits kBand{40000000, 47000000};

// Channel n carries n in every byte of its record, so moves show where each went.
RadioImage numberedChannels() {
    RadioImage image = makeNewImage();
    for (int n = 1; n <= 16; ++n) {
        for (std::size_t i = 0; i < layout::kChannelRecordSize; ++i) {
            image.setByte(layout::channelOffset(n) + i, static_cast<std::uint8_t>(n));
        }
    }
    return image;
}

// Which original channel each position holds now (0 for an empty one).
std::vector<int> order(const RadioImage& image) {
    std::vector<int> where;
    for (int n = 1; n <= 16; ++n) {
        const std::uint8_t first = image.byte(layout::channelOffset(n));
        where.push_back(first == 0xFF ? 0 : first);
    }
    return where;
}

RadioImage withChannels(const std::vector<std::pair<int, ChannelTexts>>& channels) {
    RadioImage image = makeNewImage();
    for (const auto& [n, texts] : channels) {
        encodeChannel(image, n, texts);
    }
    return image;
}

ChannelTexts narrow(const char* rx) {
    return {rx, rx, "Off", "Off", "No", "Narrow", "Add"};
}

} // namespace

TEST(ChannelMoves, MoveTheSelectionOnePlaceOrNotAtAll) {
    struct Case {
        const char* name;
        std::vector<int> selected;
        int delta;
        std::vector<int> selectedAfter;
        std::vector<int> firstTen; // which channel each of positions 1-10 holds afterwards
    };
    const Case cases[] = {
        {"one up", {5}, -1, {4}, {1, 2, 3, 5, 4, 6, 7, 8, 9, 10}},
        {"one down", {5}, 1, {6}, {1, 2, 3, 4, 6, 5, 7, 8, 9, 10}},
        {"a run up", {3, 4, 5}, -1, {2, 3, 4}, {1, 3, 4, 5, 2, 6, 7, 8, 9, 10}},
        {"a run down", {4, 5}, 1, {5, 6}, {1, 2, 3, 6, 4, 5, 7, 8, 9, 10}},
        {"two apart down", {3, 8}, 1, {4, 9}, {1, 2, 4, 3, 5, 6, 7, 9, 8, 10}},
        {"the first cannot go up", {1, 4}, -1, {1, 4}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
        {"the last cannot go down", {9, 16}, 1, {9, 16}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
    };
    for (const Case& c : cases) {
        RadioImage image = numberedChannels();
        EXPECT_EQ(editing::moveChannels(image, c.selected, c.delta), c.selectedAfter) << c.name;
        const std::vector<int> now = order(image);
        EXPECT_EQ(std::vector<int>(now.begin(), now.begin() + 10), c.firstTen) << c.name;
    }
}

TEST(ChannelMoves, SortByRxKeepsEmptyChannelsLastAndEqualOnesInOrder) {
    RadioImage image =
        withChannels({{2, narrow("450.00000")},
                      {5, narrow("401.00000")},
                      {9, {"450.00000", "451.00000", "67.0", "Off", "No", "Wide", "Del"}},
                      {12, narrow("420.50000")}});
    const RadioImage before = image;
    editing::sortByRxFrequency(image);
    const std::pair<int, int> moved[] = {{1, 5}, {2, 12}, {3, 2}, {4, 9}};
    for (const auto& [to, from] : moved) {
        EXPECT_TRUE(std::equal(image.range(layout::channelOffset(to), 16).begin(),
                               image.range(layout::channelOffset(to), 16).end(),
                               before.range(layout::channelOffset(from), 16).begin()))
            << "position " << to;
    }
    for (int n = 5; n <= 16; ++n) {
        EXPECT_EQ(image.byte(layout::channelOffset(n) + layout::channel::kEmptyMarker), 0xFF);
    }
}

TEST(ChannelMoves, ClearingLeavesTheRecordOfAnEmptyChannel) {
    RadioImage image = randomImage(4);
    editing::clearChannel(image, 7);
    EXPECT_TRUE(std::all_of(image.range(layout::channelOffset(7), 16).begin(),
                            image.range(layout::channelOffset(7), 16).end(),
                            [](std::uint8_t b) { return b == 0xFF; }));
    EXPECT_EQ(decodeChannel(image, 7, Language::English), ChannelTexts{});
}

TEST(ChannelClipboard, CopiedChannelsPasteBackToTheSameBytesInEveryLanguage) {
    const RadioImage source =
        withChannels({{3, {"462.56250", "467.56250", "67.0", "D023N", "Yes", "Wide", "Del"}},
                      {4, narrow("446.00625")}});
    for (const Language language :
         {Language::English, Language::SimplifiedChinese, Language::TraditionalChinese}) {
        const std::string text = channelsAsText(source, {3, 4}, language);
        RadioImage target = makeNewImage();
        const PasteResult pasted = pasteChannels(target, text, 10, kBand, Language::English);
        ASSERT_FALSE(pasted.refusal) << *pasted.refusal;
        EXPECT_EQ(pasted.pasted, 2);
        for (int i = 0; i < 2; ++i) {
            EXPECT_EQ(decodeChannel(target, 10 + i, Language::English),
                      decodeChannel(source, 3 + i, Language::English));
        }
    }
}

TEST(ChannelClipboard, SpreadsheetRowsGoThroughTheRulesOfTypedValues) {
    struct Case {
        const char* name;
        std::string text;
        int first;
        int pasted;
        int leftOut;
        int channel; // checked afterwards
        ChannelTexts expected;
    };
    const Case cases[] = {
        {"Chinese headings in another order",
         "发射频率\t接收频率\t带宽\r\n462.6\t462.5625\t窄\r\n",
         1,
         1,
         0,
         1,
         {"462.56250", "462.60000", "Off", "Off", "No", "Narrow", "Add"}},
        {"no headings, seven cells",
         "446.1\t\tOff\tOff\tNo\tNarrow\tAdd\n",
         2,
         1,
         0,
         2,
         {"446.10000", "446.10000", "Off", "Off", "No", "Narrow", "Add"}},
        {"no headings, eight cells with a number",
         "9\t449.9999\t450\t88.5\tOff\tYes\tWide\tDel\n",
         3,
         1,
         0,
         3,
         {"449.99500", "450.00000", "88.5", "Off", "Yes", "Wide", "Del"}},
        {"clamped like a typed value",
         "Rx Freq\n999\n",
         4,
         1,
         0,
         4,
         {"470.00000", "470.00000", "Off", "Off", "No", "Wide", "Add"}},
        {"rows past channel 16 are left out",
         "Rx Freq\n450\n451\n452\n",
         15,
         2,
         1,
         16,
         {"451.00000", "451.00000", "Off", "Off", "No", "Wide", "Add"}},
        {"comma-separated",
         "CH,Rx Freq,W/N\n1,430.5,Narrow\n",
         5,
         1,
         0,
         5,
         {"430.50000", "430.50000", "Off", "Off", "No", "Narrow", "Add"}},
    };
    for (const Case& c : cases) {
        RadioImage image = makeNewImage();
        const PasteResult pasted = pasteChannels(image, c.text, c.first, kBand, Language::English);
        ASSERT_FALSE(pasted.refusal) << c.name << ": " << *pasted.refusal;
        EXPECT_EQ(pasted.pasted, c.pasted) << c.name;
        EXPECT_EQ(pasted.leftOut, c.leftOut) << c.name;
        EXPECT_EQ(decodeChannel(image, c.channel, Language::English), c.expected) << c.name;
    }
}

TEST(ChannelClipboard, ARowThatCannotBeReadRefusesThePasteAndChangesNothing) {
    struct Case {
        std::string text;
        Language language;
        std::string refusal;
    };
    const Case cases[] = {
        {"Rx Freq\tRx Tone\n450\t67.0\n451\t67.1\n", Language::English,
         "Row 3 cannot be pasted: Rx Tone does not take \"67.1\"."},
        {"450\tx\n", Language::SimplifiedChinese, "第 1 行无法粘贴：发射频率 不接受“x”。"},
        {"1\t2\t3\t4\t5\t6\t7\t8\t9\n", Language::English,
         "Row 1 cannot be pasted: it has 9 cells, a channel has 7 (8 with its number)."},
        {"", Language::TraditionalChinese, "剪貼簿中沒有信道。"},
        {"\xff\xfe", Language::English,
         "The clipboard holds no text a channel table can come from."},
    };
    for (const Case& c : cases) {
        RadioImage image = randomImage(8);
        const RadioImage before = image;
        const PasteResult pasted = pasteChannels(image, c.text, 1, kBand, c.language);
        ASSERT_TRUE(pasted.refusal) << c.text;
        EXPECT_EQ(*pasted.refusal, c.refusal);
        EXPECT_EQ(image, before);
    }
}
