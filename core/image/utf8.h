#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zrx::utf8 {

inline constexpr char32_t kReplacement = 0xFFFD;

// The character starting at `pos`, advancing `pos` past it. A byte that does
// not start a well-formed sequence counts as one character, U+FFFD.
[[nodiscard]] char32_t next(std::string_view text, std::size_t& pos);

// Appends the UTF-8 form of `c` (U+FFFD for values that are not characters).
void append(std::string& out, char32_t c);

// `text` safe to put on a terminal or in a table: control characters (C0,
// DEL) and bytes that are not UTF-8 become \xNN, C1 control characters
// \u0080 to \u009F; everything else stays as it is.
[[nodiscard]] std::string printable(std::string_view text);

// True when `text` is well-formed UTF-8; otherwise `badOffset` is the offset
// of the first byte that is not.
[[nodiscard]] bool isValid(std::string_view text, std::size_t* badOffset = nullptr);

} // namespace zrx::utf8
