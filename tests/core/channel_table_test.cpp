#include <gtest/gtest.h>

#include "image/channel_codec.h"
#include "image/image_layout.h"
#include "image/new_image.h"
#include "table/channel_table.h"
#include "table/csv_writer.h"

using namespace zrx;

namespace {

std::vector<std::string> row(const RadioImage& image, int channel) {
    return channelTableRows(image, Language::English)[static_cast<std::size_t>(channel)];
}

} // namespace

TEST(ChannelTableRows, HeadingThenSixteenChannelsWithEmptyCells) {
    RadioImage image = makeNewImage();
    encodeChannel(image, 2, {"462.5625", "462.5625", "67.0", "Off", "Yes", "Narrow", "Del"});
    const TableRows rows = channelTableRows(image, Language::SimplifiedChinese);
    ASSERT_EQ(rows.size(), 17u);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"信道", "接收频率", "发射频率", "接收亚音",
                                                 "发射亚音", "繁忙锁定", "带宽", "扫描添加"}));
    EXPECT_EQ(rows[1], (std::vector<std::string>{"1", "", "", "", "", "", "", ""}));
    EXPECT_EQ(rows[2], (std::vector<std::string>{"2", "462.56250", "462.56250", "67.0", "关", "是",
                                                 "窄", "删除"}));
}

TEST(ChannelTableImport, ExportedTableInEveryLanguageReimportsToTheSameBytes) {
    RadioImage original = makeNewImage();
    encodeChannel(original, 1, {"462.0125", "467.0125", "D023N", "D754I", "No", "Wide", "Add"});
    encodeChannel(original, 16, {"400", "", "254.1", "Off", "Yes", "Narrow", "Del"});
    for (const Language language :
         {Language::English, Language::SimplifiedChinese, Language::TraditionalChinese}) {
        RadioImage image = makeNewImage();
        const auto error =
            importChannelTable(writeCsv(channelTableRows(original, language)), image);
        ASSERT_FALSE(error) << error->message;
        EXPECT_EQ(image, original);
    }
}

TEST(ChannelTableImport, OnlyListedChannelsAndColumnsChange) {
    RadioImage image = makeNewImage();
    encodeChannel(image, 4, {"450", "450", "67.0", "67.0", "Yes", "Wide", "Add"});
    encodeChannel(image, 5, {"451", "451", "Off", "Off", "Yes", "Wide", "Add"});
    image.setByte(layout::channelOffset(4) + 13, 0x12); // a byte the tool carries unread
    const RadioImage before = image;
    ASSERT_FALSE(importChannelTable("W/N;CH\r\nNarrow;4\r\n", image));
    EXPECT_EQ(row(image, 4), (std::vector<std::string>{"4", "450.00000", "450.00000", "67.0",
                                                       "67.0", "Yes", "Narrow", "Add"}));
    EXPECT_EQ(image.byte(layout::channelOffset(4) + 13), 0x12);
    EXPECT_EQ(row(image, 5), row(before, 5));
    EXPECT_TRUE(std::equal(image.bytes().begin() + 0x60, image.bytes().end(),
                           before.bytes().begin() + 0x60));
}

TEST(ChannelTableImport, AnEmptyRxEmptiesTheChannelWithoutClampingAnything) {
    RadioImage image = makeNewImage();
    encodeChannel(image, 3, {"450", "450", "67.0", "67.0", "Yes", "Wide", "Add"});
    ASSERT_FALSE(importChannelTable("CH,Rx Freq,Tx Freq\n3,,\n7,999.99999,123\n", image));
    EXPECT_EQ(row(image, 3)[1], "");
    // The table is not the editor: no band limits, no raster.
    EXPECT_EQ(row(image, 7)[1], "999.99999");
    EXPECT_EQ(row(image, 7)[2], "123.00000");
}

TEST(ChannelTableImport, MalformedTablesNameTheLineAndLeaveTheImage) {
    const struct {
        const char* text;
        std::size_t line;
        const char* says;
    } cases[] = {
        {"", 1, "empty"},
        {"CH,Rx Freq,Colour\n", 1, "unknown heading \"Colour\""},
        {"Rx Freq,Tx Freq\n462,462\n", 1, "no \"CH\""},
        {"CH,Rx Freq,接收频率\n", 1, "twice"},
        {"CH,Rx Freq\n1,462\n17,462\n", 3, "not a number from 1 to 16"},
        {"CH,Rx Freq\n0,462\n", 2, "not a number from 1 to 16"},
        {"CH,Rx Freq\n-1,462\n", 2, "not a number"},
        {"CH,Rx Freq\nfour,462\n", 2, "not a number"},
        {"CH,Rx Freq\n1,462\n\n1,463\n", 4, "listed twice (first on line 2)"},
        {"CH,Rx Freq\n1,462,extra\n", 2, "3 cells where the heading row has 2"},
        {"CH,Rx Freq\n1,\"462\n", 2, "never closed"},
        {"CH,Rx Freq\n2,462\n1,\xE6\x8E\n", 3, "not UTF-8"},
    };
    for (const auto& c : cases) {
        RadioImage image = makeNewImage();
        const auto error = importChannelTable(c.text, image);
        ASSERT_TRUE(error) << c.text;
        EXPECT_EQ(error->line, c.line) << c.text;
        EXPECT_NE(error->message.find(c.says), std::string::npos) << error->message;
        EXPECT_EQ(image, makeNewImage()) << c.text;
    }
}
