#include <gtest/gtest.h>

#include "image/tone_codec.h"

using namespace zrx;

namespace {
ToneBytes bytes(std::uint8_t low, std::uint8_t high) {
    return ToneBytes{low, high};
}
} // namespace

TEST(ToneFromText, KnownExamples) {
    EXPECT_EQ(toneFromText("67.0"), bytes(0x70, 0x06));
    EXPECT_EQ(toneFromText("69.3"), bytes(0x93, 0x06));
    EXPECT_EQ(toneFromText("250.3"), bytes(0x03, 0x25));
    EXPECT_EQ(toneFromText("254.1"), bytes(0x41, 0x25));
    EXPECT_EQ(toneFromText("D023N"), bytes(0x23, 0x80));
    EXPECT_EQ(toneFromText("D023I"), bytes(0x23, 0xC0));
    EXPECT_EQ(toneFromText("D754N"), bytes(0x54, 0x87));
    EXPECT_EQ(toneFromText("D754I"), bytes(0x54, 0xC7));
}

TEST(ToneFromText, OffInEveryLanguage) {
    for (const char* off : {"Off", "关", "關"}) {
        EXPECT_EQ(toneFromText(off), bytes(0xFF, 0xFF)) << off;
    }
    EXPECT_EQ(toneFromText("off"), bytes(0x00, 0x00)) << "comparison is case-sensitive";
}

TEST(ToneFromText, DcsWithoutPolarityLeavesTheBytesAlone) {
    EXPECT_EQ(toneFromText("D023"), std::nullopt);
    EXPECT_EQ(toneFromText("D"), std::nullopt);
    EXPECT_EQ(toneFromText("Dxyz"), std::nullopt);
}

TEST(ToneFromText, OddTextsStillGiveBytes) {
    EXPECT_EQ(toneFromText(""), bytes(0x00, 0x00));
    EXPECT_EQ(toneFromText("DN"), bytes(0x00, 0x80));
    EXPECT_EQ(toneFromText("D017N"), bytes(0x17, 0x80));
    EXPECT_EQ(toneFromText("D023IN"), bytes(0x23, 0x80)) << "N is looked for first";
    EXPECT_EQ(toneFromText("-67.0"), bytes(0x00, 0x00));
    EXPECT_EQ(toneFromText("d023N"), bytes(0x00, 0x00)) << "only an upper-case D marks DCS";
}

TEST(ToneToText, DecodesEveryKind) {
    EXPECT_EQ(toneToText(bytes(0x12, 0xFF), Language::English), "Off");
    EXPECT_EQ(toneToText(bytes(0xFF, 0xFF), Language::SimplifiedChinese), "关");
    EXPECT_EQ(toneToText(bytes(0xFF, 0xFF), Language::TraditionalChinese), "關");
    EXPECT_EQ(toneToText(bytes(0x70, 0x06), Language::English), "67.0");
    EXPECT_EQ(toneToText(bytes(0x00, 0x00), Language::English), "0.0");
    EXPECT_EQ(toneToText(bytes(0x23, 0x80), Language::English), "D023N");
    EXPECT_EQ(toneToText(bytes(0x54, 0xC7), Language::English), "D754I");
    EXPECT_EQ(toneToText(bytes(0xFF, 0xFE), Language::English), "D4565I");
    EXPECT_EQ(toneToText(bytes(0xFF, 0x7F), Language::English), "866.5");
}

TEST(ToneToText, EveryWellFormedCodeRoundTripsToTheSameBytes) {
    auto isBcd = [](unsigned b) { return (b >> 4) <= 9 && (b & 0x0F) <= 9; };
    int checked = 0;
    for (unsigned high = 0; high < 256; ++high) {
        for (unsigned low = 0; low < 256; ++low) {
            const ToneBytes tone{static_cast<std::uint8_t>(low), static_cast<std::uint8_t>(high)};
            const std::string text = toneToText(tone, Language::English);
            ASSERT_FALSE(text.empty());
            const bool ctcss = high < 0x80 && isBcd(high) && isBcd(low);
            const bool dcs = (high & 0x3F) <= 9 && high >= 0x80 && high != 0xFF && isBcd(low);
            if (!ctcss && !dcs) {
                continue; // malformed bytes still decode; they need not come back the same
            }
            ++checked;
            ASSERT_EQ(toneFromText(text), tone) << text;
        }
    }
    EXPECT_EQ(checked, 80 * 100 + 20 * 100);
}
