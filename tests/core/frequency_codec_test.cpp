#include <gtest/gtest.h>

#include <array>

#include "image/frequency_codec.h"

using namespace zrx;

namespace {
std::array<std::uint8_t, 4> encode(FrequencyCount count) {
    std::array<std::uint8_t, 4> bytes{};
    writeFrequency(bytes, count);
    return bytes;
}
} // namespace

TEST(FrequencyCodec, StoresBcdLowPairFirst) {
    EXPECT_EQ(encode(46256250), (std::array<std::uint8_t, 4>{0x50, 0x62, 0x25, 0x46}));
    EXPECT_EQ(encode(frequencyFromText("462.0125")),
              (std::array<std::uint8_t, 4>{0x50, 0x12, 0x20, 0x46}));
    EXPECT_EQ(encode(0), (std::array<std::uint8_t, 4>{0, 0, 0, 0}));
}

TEST(FrequencyCodec, DropsDigitsBeyondTheEighth) {
    EXPECT_EQ(encode(123456789), (std::array<std::uint8_t, 4>{0x89, 0x67, 0x45, 0x23}));
}

TEST(FrequencyCodec, ReadsNibblesAboveNineWithoutComplaint) {
    const std::array<std::uint8_t, 4> allFF{0xFF, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(readFrequency(allFF), 166666665u);
    EXPECT_EQ(frequencyToText(readFrequency(allFF)), "1666.66665");
    const std::array<std::uint8_t, 4> odd{0x3F, 0x00, 0x00, 0x00};
    EXPECT_EQ(readFrequency(odd), 45u);
}

TEST(FrequencyCodec, EveryRasterPointOfTheBandRoundTrips) {
    // Every 5 kHz and 6.25 kHz channel from 400 to 470 MHz survives
    // text -> count -> bytes -> count -> text.
    for (const FrequencyCount step : {500u, 625u}) {
        for (FrequencyCount count = 40000000; count <= 47000000; count += step) {
            const std::string text = frequencyToText(count);
            ASSERT_EQ(frequencyFromText(text), count) << text;
            const auto bytes = encode(count);
            ASSERT_EQ(readFrequency(bytes), count) << text;
        }
    }
}

TEST(FrequencyCodec, TextHasFiveDecimals) {
    EXPECT_EQ(frequencyToText(46256250), "462.56250");
    EXPECT_EQ(frequencyToText(40000000), "400.00000");
    EXPECT_EQ(frequencyToText(0), "0.00000");
}
