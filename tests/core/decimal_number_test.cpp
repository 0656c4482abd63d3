#include <gtest/gtest.h>

#include "image/decimal_number.h"

using zrx::formatScaled;
using zrx::leadingDecimalScaled;
using zrx::leadingInteger;

TEST(LeadingDecimal, ScalesExactlyWithoutLosingAUnit) {
    // Binary floating point turns 462.0125 * 100000 into 46201249.99...
    EXPECT_EQ(leadingDecimalScaled("462.0125", 5), 46201250u);
    EXPECT_EQ(leadingDecimalScaled("462.56250", 5), 46256250u);
    EXPECT_EQ(leadingDecimalScaled("400.00001", 5), 40000001u);
    EXPECT_EQ(leadingDecimalScaled("469.99999", 5), 46999999u);
}

TEST(LeadingDecimal, TakesOnlyTheLeadingNumber) {
    EXPECT_EQ(leadingDecimalScaled("  462.5MHz", 5), 46250000u);
    EXPECT_EQ(leadingDecimalScaled("\t7", 1), 70u);
    EXPECT_EQ(leadingDecimalScaled("462.5.3", 5), 46250000u);
    EXPECT_EQ(leadingDecimalScaled(".5", 1), 5u);
    EXPECT_EQ(leadingDecimalScaled("5.", 1), 50u);
    EXPECT_EQ(leadingDecimalScaled("4.625e2", 5), 46250000u);
    EXPECT_EQ(leadingDecimalScaled("462e", 5), 46200000u)
        << "an 'e' without digits is not an exponent";
}

TEST(LeadingDecimal, NoNumberGivesZero) {
    for (const char* text : {"", "   ", "abc", ".", "-", "+.", "e5", "MHz 462"}) {
        EXPECT_EQ(leadingDecimalScaled(text, 5), 0u) << text;
    }
}

TEST(LeadingDecimal, TruncatesTowardZero) {
    EXPECT_EQ(leadingDecimalScaled("462.012509", 5), 46201250u);
    EXPECT_EQ(leadingDecimalScaled("0.000009", 5), 0u);
    EXPECT_EQ(leadingDecimalScaled("67.09", 1), 670u);
}

TEST(LeadingDecimal, RoundsToFifteenSignificantDigitsFirst) {
    // 15 nines then a 9: rounds up to 1000.00000000000 before scaling.
    EXPECT_EQ(leadingDecimalScaled("999.9999999999999", 5), 100000000u);
    // The 16th digit below five is dropped.
    EXPECT_EQ(leadingDecimalScaled("462.0124999999994", 5), 46201249u);
    EXPECT_EQ(leadingDecimalScaled("462.0124999999995", 5), 46201250u);
}

TEST(LeadingDecimal, SaturatesInsteadOfWrapping) {
    EXPECT_EQ(leadingDecimalScaled("42949.67295", 5), 4294967295u);
    EXPECT_EQ(leadingDecimalScaled("42949.67296", 5), 4294967295u);
    EXPECT_EQ(leadingDecimalScaled("99999999999999999999", 5), 4294967295u);
    EXPECT_EQ(leadingDecimalScaled("1e400", 5), 4294967295u);
    EXPECT_EQ(leadingDecimalScaled("1e-400", 5), 0u);
    EXPECT_EQ(leadingDecimalScaled("-462.5", 5), 0u);
}

TEST(LeadingInteger, ReadsDigitsOnly) {
    EXPECT_EQ(leadingInteger("023N"), 23u);
    EXPECT_EQ(leadingInteger(" 754I"), 754u);
    EXPECT_EQ(leadingInteger("N"), 0u);
    EXPECT_EQ(leadingInteger("-5N"), 0u);
    EXPECT_EQ(leadingInteger("12.9"), 12u);
    EXPECT_EQ(leadingInteger("99999999999999999999"), 4294967295u);
}

TEST(FormatScaled, PrintsFixedDecimals) {
    EXPECT_EQ(formatScaled(46256250, 5), "462.56250");
    EXPECT_EQ(formatScaled(0, 5), "0.00000");
    EXPECT_EQ(formatScaled(7, 5), "0.00007");
    EXPECT_EQ(formatScaled(670, 1), "67.0");
    EXPECT_EQ(formatScaled(0, 1), "0.0");
    EXPECT_EQ(formatScaled(4294967295u, 5), "42949.67295");
}
