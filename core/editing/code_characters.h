#pragma once

#include <optional>
#include <string>
#include <string_view>

// The characters the two codes of the settings block take, for the dialogs'
// boxes and for zrx set alike.
namespace zrx::editing {

// The DTMF symbol the PTT ID Code takes for `c` ("a" to "d" count as their
// capitals), or 0 when it takes none.
[[nodiscard]] char32_t dtmfSymbolFor(char32_t c);

// The character the PCBA code takes for `c`: an ASCII letter in upper case
// or an ASCII digit; 0 for any other character.
[[nodiscard]] char32_t pcbaCharacterFor(char32_t c);

// What typed, pasted or dropped text puts into the PCBA code: its letters
// and digits in upper case, every other character left out. Texts are UTF-8.
[[nodiscard]] std::string pcbaCodeCharacters(std::string_view text);

// The code a whole text gives, in upper case, or nothing when the text is
// longer than a code (16 characters) or holds a character the code does not
// take. An empty text is an empty code, which clears the stored one.
[[nodiscard]] std::optional<std::string> pttIdCodeFromText(std::string_view text);
[[nodiscard]] std::optional<std::string> pcbaCodeFromText(std::string_view text);

} // namespace zrx::editing
