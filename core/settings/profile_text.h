#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zrx {

// The text of a Windows-style profile file ("[Section]" lines, "key=value"
// lines, ";" comments), handled line by line so that a change to one key
// leaves every other line exactly as it was.
//
// The rules follow the Windows profile functions: section and key names are
// compared without regard to case (ASCII letters) and without the spaces
// around them; a value loses the spaces around it and one pair of matching
// quotes; only the first section of a name and its first key of a name count.

// The value of `key` in `section`, or nothing when the section or key is not there.
[[nodiscard]] std::optional<std::string>
findProfileValue(std::string_view text, std::string_view section, std::string_view key);

// `text` with `key` in `section` set to `value`: an existing key's line is
// replaced, a new key goes after the last non-empty line of the section, and
// a missing section is appended at the end. `newline` ends the lines this adds.
[[nodiscard]] std::string withProfileValue(std::string_view text, std::string_view section,
                                           std::string_view key, std::string_view value,
                                           std::string_view newline);

// True when `text` can stand as a section name, key or value on one line
// without changing the file's structure.
[[nodiscard]] bool isSingleLine(std::string_view text);

} // namespace zrx
