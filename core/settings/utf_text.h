#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zrx {

// The settings file keeps its values as UTF-8 here, but the limits it
// inherits are counted in UTF-16 units, and a file saved by a Windows editor
// may come as UTF-16. These helpers bridge the two without any library.

// Cuts `utf8` to at most `maxUnits` UTF-16 units without splitting a
// character. Bytes that are not valid UTF-8 count as one unit each.
[[nodiscard]] std::string truncateToUtf16Units(std::string_view utf8, std::size_t maxUnits);

// Little-endian UTF-16 (without BOM) to UTF-8 and back; unpaired surrogates
// become U+FFFD.
[[nodiscard]] std::string utf16leToUtf8(std::string_view bytes);
[[nodiscard]] std::string utf8ToUtf16le(std::string_view utf8);

} // namespace zrx
