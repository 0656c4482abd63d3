#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace zrx {

// Reading and writing one value of a profile file on disk, with the
// behaviour of the Windows profile-string functions. Texts are UTF-8; the
// file may be UTF-8 (with or without a byte-order mark) or UTF-16LE with its
// byte-order mark, and keeps its encoding and line breaks when written.

// The value, or an empty text when the file, the section or the key is
// missing or the file cannot be read. Like a read into a buffer of
// `bufferUnits` UTF-16 units, the value is cut to bufferUnits - 1 units.
[[nodiscard]] std::string readProfileString(const std::filesystem::path& path,
                                            std::string_view section, std::string_view key,
                                            std::size_t bufferUnits = 256);

// The same value, or nothing when the file, the section or the key is
// missing or the file cannot be read: tells a key that is not there from an
// empty one.
[[nodiscard]] std::optional<std::string> lookupProfileString(const std::filesystem::path& path,
                                                             std::string_view section,
                                                             std::string_view key,
                                                             std::size_t bufferUnits = 256);

// Sets one key, creating the file or the section when needed; every other
// line stays as it was. The file is replaced in one step (a temporary file
// renamed over it), so a failed write leaves it untouched. Returns false when
// nothing was written: an empty section or key, a name or value that would
// span lines, or a file that could not be read or written.
bool writeProfileString(const std::filesystem::path& path, std::string_view section,
                        std::string_view key, std::string_view value);

// Writes to `target` the text of `source` (empty when it is missing) with one
// key set, under the same rules; `target`'s folder is created when needed.
// `source` is only read. Nothing is written when `source` exists but cannot
// be read, so a copy never starts from half a file.
bool writeProfileStringCopy(const std::filesystem::path& source,
                            const std::filesystem::path& target, std::string_view section,
                            std::string_view key, std::string_view value);

} // namespace zrx
