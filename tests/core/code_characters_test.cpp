// The characters the PTT ID Code and the PCBA code take, typed, pasted or
// given to zrx set.
#include <gtest/gtest.h>

#include "editing/code_characters.h"

using namespace zrx::editing;

TEST(CodeCharacters, EachCharacterIsTakenWholeOrNotAtAll) {
    const struct {
        char32_t c;
        char32_t dtmf; // 0: not taken
        char32_t pcba;
    } cases[] = {
        {U'0', U'0', U'0'},
        {U'9', U'9', U'9'},
        {U'A', U'A', U'A'},
        {U'd', U'D', U'D'},
        {U'E', 0, U'E'},
        {U'z', 0, U'Z'},
        {U'*', U'*', 0},
        {U'#', U'#', 0},
        {U'-', 0, 0},
        {U' ', 0, 0},
        {0, 0, 0},
        {U'\u00E9', 0, 0},
        // The low byte of U+4E2D is 0x2D ("-"), of U+0141 0x41 ("A"), of
        // U+0123 0x23 ("#"): none of them may pass as that byte.
        {U'\u4E2D', 0, 0},
        {U'\u0141', 0, 0},
        {U'\u0123', 0, 0},
        {U'\uFF21', 0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(dtmfSymbolFor(c.c), c.dtmf) << static_cast<unsigned>(c.c);
        EXPECT_EQ(pcbaCharacterFor(c.c), c.pcba) << static_cast<unsigned>(c.c);
    }
}

TEST(CodeCharacters, PastedTextKeepsOnlyLettersAndDigitsInUpperCase) {
    EXPECT_EQ(pcbaCodeCharacters("x-\u4E2D#e"), "XE");
    EXPECT_EQ(pcbaCodeCharacters("ab- 1.2"), "AB12");
    EXPECT_EQ(pcbaCodeCharacters("\xE4\xB8"), ""); // a cut-off character
    EXPECT_EQ(pcbaCodeCharacters(""), "");
}

TEST(CodeCharacters, AWholeCodeIsTakenOnlyWhenEveryCharacterIs) {
    const struct {
        const char* text;
        std::optional<std::string> ptt;
        std::optional<std::string> pcba;
    } cases[] = {
        {"", "", ""},
        {"12a#*", "12A#*", std::nullopt},
        {"ab12", "AB12", "AB12"},
        {"Fleet7", std::nullopt, "FLEET7"},
        {"0123456789ABCD*#", "0123456789ABCD*#", std::nullopt},
        {"0123456789abcdef", std::nullopt, "0123456789ABCDEF"},
        {"0123456789abcdefa", std::nullopt, std::nullopt}, // 17 characters
        {"\u4E2D", std::nullopt, std::nullopt},
        {"AB 12", std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(pttIdCodeFromText(c.text), c.ptt) << c.text;
        EXPECT_EQ(pcbaCodeFromText(c.text), c.pcba) << c.text;
    }
}
