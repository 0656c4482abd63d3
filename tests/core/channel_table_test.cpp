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

// Channel 3 as the grid makes it; channel 4 with values the grid would not
// store (above the band, a tone not in the list), as a file may hold them.
RadioImage imageForImport() {
    RadioImage image = makeNewImage();
    encodeChannel(image, 3, {"450", "450", "67.0", "67.0", "Yes", "Wide", "Add"});
    encodeChannel(image, 4, {"480", "480", "12.3", "Off", "Yes", "Wide", "Add"});
    return image;
}

TEST(ChannelTableImport, ValuesAreStoredAsTheGridWouldAndEveryChangeIsNoted) {
    const struct {
        const char* table;
        int channel;
        const char* row;   // the channel afterwards, in English
        const char* notes; // "line: message" each
    } cases[] = {
        {"CH,Rx Freq,Tx Freq\n3,,\n", 3, ",,,,,,", ""},
        {"CH,Rx Freq,Rx Tone\n3,0,D023N\n", 3, ",,,,,,",
         "2: CH 3, Rx Tone: \"D023N\" not stored: the channel has no Rx frequency\n"},
        {"CH,Rx Freq,Tx Freq\n7,999.99999,123\n", 7, "470.00000,400.00000,Off,Off,No,Wide,Add",
         "2: CH 7, Rx Freq: \"999.99999\" is outside 400-470 MHz; stored as 470.00000\n"
         "2: CH 7, Tx Freq: \"123\" is outside 400-470 MHz; stored as 400.00000\n"},
        // A typo: ten thousand times the frequency. Tx follows the stored Rx.
        {"CH,Rx Freq\n\n7,4625625\n", 7, "470.00000,470.00000,Off,Off,No,Wide,Add",
         "3: CH 7, Rx Freq: \"4625625\" is outside 400-470 MHz; stored as 470.00000\n"},
        {"CH,Rx Freq\n7,462.563\n", 7, "462.56250,462.56250,Off,Off,No,Wide,Add",
         "2: CH 7, Rx Freq: \"462.563\" is off the 5 and 6.25 kHz raster; stored as 462.56250\n"},
        {"CH,Tx Freq,W/N\n10,462,Narrow\n", 10, ",,,,,,",
         "2: CH 10, Tx Freq: \"462\" not stored: the channel has no Rx frequency\n"
         "2: CH 10, W/N: \"Narrow\" not stored: the channel has no Rx frequency\n"},
        // What the channel holds is kept as it is, even where the grid would
        // not have stored it.
        {"CH,Rx Freq,Rx Tone\n4,480.00000,12.3\n", 4, "480.00000,480.00000,12.3,Off,Yes,Wide,Add",
         ""},
        {"CH,Tx Freq\n3,0\n", 3, "450.00000,0.00000,67.0,67.0,Yes,Wide,Add", ""},
        {"CH,Rx Freq,Tx Tone,Add Scan,W/N\n3, 446.00625 ,關,刪除,\n", 3,
         "446.00625,450.00000,67.0,Off,Yes,Wide,Del", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.table);
        RadioImage image = imageForImport();
        std::vector<TableNote> notes;
        const auto error = importChannelTable(c.table, image, notes);
        ASSERT_FALSE(error) << error->message;
        const std::vector<std::string> row =
            channelTableRows(image, Language::English)[static_cast<std::size_t>(c.channel)];
        std::string texts;
        for (std::size_t i = 1; i < row.size(); ++i) {
            texts += (i > 1 ? "," : "") + row[i];
        }
        EXPECT_EQ(texts, c.row);
        std::string noted;
        for (const TableNote& note : notes) {
            noted += std::to_string(note.line) + ": " + note.message + "\n";
        }
        EXPECT_EQ(noted, c.notes);
    }
}

TEST(ChannelTableImport, AChannelTheTableLeavesAsItWasKeepsItsBytes) {
    RadioImage image = imageForImport();
    const std::size_t row4 = layout::channelOffset(4);
    image.setByte(row4 + 3, 0x4A); // a nibble beyond 9 in the Rx frequency
    const RadioImage before = image;
    const std::string exported = writeCsv(channelTableRows(image, Language::English));
    ASSERT_FALSE(importChannelTable(exported, image));
    EXPECT_EQ(image, before);
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
        // A value a cell cannot take, with its channel and column.
        {"CH,Rx Freq\n1,462\n2,46x.5\n", 3, "CH 2, Rx Freq: \"46x.5\" is not a frequency in MHz"},
        {"CH,Tx Freq,Rx Freq\n3,462 MHz,462\n", 2, "CH 3, Tx Freq: \"462 MHz\" is not a frequency"},
        {"CH,Rx Freq,Rx Tone\n5,462,67.1\n", 2,
         "CH 5, Rx Tone: \"67.1\" is not a tone of the list"},
        {"CH,Rx Freq,Tx Tone\n5,462,D023\n", 2, "CH 5, Tx Tone: \"D023\" is not a tone"},
        {"CH,Rx Freq,Busy Lock\n5,462,Maybe\n", 2,
         "CH 5, Busy Lock: \"Maybe\" is not one of \"Yes\", \"是\", \"No\", \"否\""},
        {"CH,W/N,Rx Freq\n6,Medium,462\n", 2, "CH 6, W/N: \"Medium\" is not one of \"Wide\""},
        {"CH,Add Scan,Rx Freq\n6,,462\n7,Remove,\n", 3, "CH 7, Add Scan: \"Remove\""},
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
