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

// True when `text` is well-formed UTF-8; otherwise `badOffset` is the offset
// of the first byte that is not.
[[nodiscard]] bool isValid(std::string_view text, std::size_t* badOffset = nullptr);

} // namespace zrx::utf8
