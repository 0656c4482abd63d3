// The characters the PTT ID Code and the PCBA code take, typed or pasted.
// (zrx set's whole codes are tested through zrx itself.)
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
    EXPECT_EQ(pcbaCodeCharacters("x-\u4E2D#e\xE4\xB8"), "XE"); // ends in a cut-off character
}
