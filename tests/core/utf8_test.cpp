#include <gtest/gtest.h>

#include "image/utf8.h"

using namespace zrx;

TEST(Utf8, ReadsCharactersAndReplacesBrokenBytesOneByOne) {
    const std::string_view text = "A\xE5\x85\xB3\xC3\xA9\xF0\x9F\x93\xBB";
    std::size_t pos = 0;
    EXPECT_EQ(utf8::next(text, pos), U'A');
    EXPECT_EQ(utf8::next(text, pos), U'关');
    EXPECT_EQ(utf8::next(text, pos), U'é');
    EXPECT_EQ(utf8::next(text, pos), U'\U0001F4FB');
    EXPECT_EQ(pos, text.size());

    // A lone lead byte at the end, an overlong "/", an encoded surrogate.
    for (const std::string_view broken : {"\xE5\x85", "\xC0\xAF", "\xED\xA0\x80"}) {
        std::size_t at = 0;
        EXPECT_EQ(utf8::next(broken, at), utf8::kReplacement) << broken;
        EXPECT_EQ(at, 1u);
        std::size_t bad = 99;
        EXPECT_FALSE(utf8::isValid(broken, &bad));
        EXPECT_EQ(bad, 0u);
    }
    EXPECT_TRUE(utf8::isValid("\xEF\xBF\xBD plain \xE5\x85\xB3"));
}

TEST(Utf8, AppendWritesWhatNextReads) {
    for (const char32_t c : {U'\0', U'~', U'\u00E9', U'\u5173', U'\uFFFD', U'\U0010FFFF'}) {
        std::string text;
        utf8::append(text, c);
        std::size_t pos = 0;
        EXPECT_EQ(utf8::next(text, pos), c);
        EXPECT_EQ(pos, text.size());
    }
}
