#include <gtest/gtest.h>

#include <random>

#include "image/channel_codec.h"
#include "image/image_layout.h"
#include "image/new_image.h"

using namespace zrx;

namespace {

constexpr int kChannel = 5;
std::size_t at(int byteInRecord) {
    return layout::channelOffset(kChannel) + static_cast<std::size_t>(byteInRecord);
}

ChannelTexts texts(std::string rx, std::string tx, std::string rxTone, std::string txTone,
                   std::string busy, std::string bandwidth, std::string scan) {
    return {std::move(rx),   std::move(tx),        std::move(rxTone), std::move(txTone),
            std::move(busy), std::move(bandwidth), std::move(scan)};
}

std::vector<std::uint8_t> record(const RadioImage& image, int channel = kChannel) {
    const auto bytes = image.range(layout::channelOffset(channel), 16);
    return {bytes.begin(), bytes.end()};
}

} // namespace

TEST(ChannelDecode, EmptyWhenByteThreeIsFF) {
    RadioImage image = makeNewImage();
    image.setByte(at(0), 0x50);
    image.setByte(at(12), 0x00);
    EXPECT_EQ(decodeChannel(image, kChannel, Language::English), ChannelTexts{});
}

TEST(ChannelDecode, AProgrammedRowOfFFBytesStillDecodes) {
    RadioImage image = makeNewImage();
    image.setByte(at(3), 0x46);
    const ChannelTexts shown = decodeChannel(image, kChannel, Language::English);
    EXPECT_EQ(shown, texts("476.66665", "1666.66665", "Off", "Off", "No", "Narrow", "Add"));
}

TEST(ChannelDecode, FlagTextsInEachLanguage) {
    RadioImage image = makeNewImage();
    encodeChannel(image, kChannel,
                  texts("462.5625", "462.5625", "67.0", "D754I", "Yes", "Wide", "Del"));
    EXPECT_EQ(decodeChannel(image, kChannel, Language::English),
              texts("462.56250", "462.56250", "67.0", "D754I", "Yes", "Wide", "Del"));
    EXPECT_EQ(decodeChannel(image, kChannel, Language::SimplifiedChinese),
              texts("462.56250", "462.56250", "67.0", "D754I", "是", "宽", "删除"));
    encodeChannel(image, kChannel, texts("462.5625", "", "关", "關", "否", "窄", "添加"));
    EXPECT_EQ(decodeChannel(image, kChannel, Language::TraditionalChinese),
              texts("462.56250", "0.00000", "關", "關", "否", "窄", "添加"));
}

TEST(ChannelEncode, NewChannelWithDefaultTexts) {
    RadioImage image = makeNewImage();
    encodeChannel(image, kChannel,
                  texts("462.0125", "462.0125", "Off", "Off", "No", "Wide", "Add"));
    EXPECT_EQ(record(image),
              (std::vector<std::uint8_t>{0x50, 0x12, 0x20, 0x46, 0x50, 0x12, 0x20, 0x46, 0xFF, 0xFF,
                                         0xFF, 0xFF, 0xFB, 0xFF, 0xFF, 0xFF}));
}

TEST(ChannelEncode, EmptyRxEmptiesTheWholeRow) {
    RadioImage image = makeNewImage();
    encodeChannel(image, kChannel, texts("462.0125", "", "67.0", "67.0", "Yes", "Wide", "Add"));
    image.setByte(at(13), 0x12);
    encodeChannel(image, kChannel, texts("", "462.0125", "67.0", "67.0", "Yes", "Wide", "Add"));
    EXPECT_EQ(record(image), std::vector<std::uint8_t>(16, 0xFF));
}

TEST(ChannelEncode, EmptyTxStoresZero) {
    RadioImage image = makeNewImage();
    encodeChannel(image, kChannel, texts("462.0125", "", "Off", "Off", "No", "Wide", "Add"));
    EXPECT_EQ(image.byte(at(4)), 0x00);
    EXPECT_EQ(image.byte(at(7)), 0x00);
    EXPECT_EQ(column(decodeChannel(image, kChannel, Language::English), ChannelColumn::TxFrequency),
              "0.00000");
}

TEST(ChannelEncode, KeepsBytesAndBitsItDoesNotOwn) {
    RadioImage image = makeNewImage();
    image.setByte(at(3), 0x46);
    image.setByte(at(12), 0xEA); // bits 1, 3, 5, 6, 7 set; busy/narrow/scan clear
    image.setByte(at(13), 0x01);
    image.setByte(at(14), 0x02);
    image.setByte(at(15), 0x03);
    encodeChannel(image, kChannel,
                  texts("462.0125", "462.0125", "Off", "Off", "No", "Narrow", "Del"));
    EXPECT_EQ(image.byte(at(12)), 0xEA | 0x01 | 0x04);
    EXPECT_EQ(image.byte(at(13)), 0x01);
    EXPECT_EQ(image.byte(at(14)), 0x02);
    EXPECT_EQ(image.byte(at(15)), 0x03);
}

TEST(ChannelEncode, UnknownFlagTextsTakeTheDefaults) {
    RadioImage image = makeNewImage();
    encodeChannel(image, kChannel, texts("462.0125", "", "Off", "Off", "yes", "wide", "add"));
    EXPECT_EQ(image.byte(at(12)) & 0x15, 0x10) << "lock on (bit clear), wide, in scan";
}

TEST(ChannelEncode, DelIsAcceptedInEveryLanguage) {
    for (const char* del : {"Del", "删除", "刪除"}) {
        RadioImage image = makeNewImage();
        encodeChannel(image, kChannel, texts("462.0125", "", "Off", "Off", "No", "Wide", del));
        EXPECT_EQ(image.byte(at(12)) & 0x10, 0) << del;
    }
}

TEST(ChannelEncode, DcsWithoutPolarityKeepsTheToneBytes) {
    RadioImage image = makeNewImage();
    encodeChannel(image, kChannel, texts("462.0125", "", "D023N", "67.0", "No", "Wide", "Add"));
    encodeChannel(image, kChannel, texts("462.0125", "", "D025", "D", "No", "Wide", "Add"));
    EXPECT_EQ(image.byte(at(8)), 0x23);
    EXPECT_EQ(image.byte(at(9)), 0x80);
    EXPECT_EQ(image.byte(at(10)), 0x70);
    EXPECT_EQ(image.byte(at(11)), 0x06);
}

TEST(ChannelCodec, OtherRowsAreNeverTouched) {
    RadioImage image = makeNewImage();
    const RadioImage before = image;
    encodeChannel(image, kChannel,
                  texts("462.0125", "462.0125", "Off", "Off", "No", "Wide", "Add"));
    for (std::size_t offset = 0; offset < RadioImage::kSize; ++offset) {
        if (offset / 16 != kChannel) {
            ASSERT_EQ(image.byte(offset), before.byte(offset)) << offset;
        }
    }
}

TEST(ChannelCodec, RandomImagesDecodeAndReencodeStably) {
    // Whatever bytes a radio or a file supplies, decoding never fails, and a
    // decoded-then-encoded channel decodes to the same texts again.
    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> byteValue(0, 255);
    for (int round = 0; round < 2000; ++round) {
        RadioImage image;
        for (auto& b : image.bytes()) {
            b = static_cast<std::uint8_t>(byteValue(random));
        }
        for (int channel = 1; channel <= 16; ++channel) {
            for (const Language language :
                 {Language::English, Language::SimplifiedChinese, Language::TraditionalChinese}) {
                const ChannelTexts shown = decodeChannel(image, channel, language);
                RadioImage copy = image;
                encodeChannel(copy, channel, shown);
                const ChannelTexts again = decodeChannel(copy, channel, language);
                // Frequencies and DCS codes with nibbles above 9 are not canonical,
                // so only the flags and emptiness are compared for every pattern.
                ASSERT_EQ(again[4], shown[4]);
                ASSERT_EQ(again[5], shown[5]);
                ASSERT_EQ(again[6], shown[6]);
                ASSERT_EQ(again[0].empty(), shown[0].empty());
            }
        }
    }
}
