#include <gtest/gtest.h>

#include <set>

#include "image/tone_codec.h"
#include "image/tone_list.h"

using namespace zrx;

TEST(ToneList, HasTheEntriesInListOrder) {
    const auto list = buildToneList(Language::English);
    ASSERT_EQ(list.size(), 261u);
    EXPECT_EQ(list[0], "Off");
    EXPECT_EQ(list[1], "67.0");
    EXPECT_EQ(list[13], "100.0");
    EXPECT_EQ(list[50], "254.1");
    EXPECT_EQ(list[51], "D023N");
    EXPECT_EQ(list[155], "D754N");
    EXPECT_EQ(list[156], "D023I");
    EXPECT_EQ(list[260], "D754I");
    EXPECT_EQ(std::set<std::string>(list.begin(), list.end()).size(), 261u) << "no duplicates";
    EXPECT_NE(std::find(list.begin(), list.end(), "D645N"), list.end());
}

TEST(ToneList, OnlyTheFirstEntryDependsOnTheLanguage) {
    const auto english = buildToneList(Language::English);
    const auto simplified = buildToneList(Language::SimplifiedChinese);
    const auto traditional = buildToneList(Language::TraditionalChinese);
    EXPECT_EQ(simplified[0], "关");
    EXPECT_EQ(traditional[0], "關");
    EXPECT_TRUE(std::equal(english.begin() + 1, english.end(), simplified.begin() + 1));
    EXPECT_TRUE(std::equal(english.begin() + 1, english.end(), traditional.begin() + 1));
}

TEST(ToneList, EveryEntryEncodesAndDecodesToItself) {
    for (const Language language :
         {Language::English, Language::SimplifiedChinese, Language::TraditionalChinese}) {
        for (const std::string& entry : buildToneList(language)) {
            const auto tone = toneFromText(entry);
            ASSERT_TRUE(tone.has_value()) << entry;
            EXPECT_EQ(toneToText(*tone, language), entry);
        }
    }
}
