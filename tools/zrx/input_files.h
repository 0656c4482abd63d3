#pragma once

#include <filesystem>
#include <string>

#include "image/radio_image.h"

namespace zrx::cli {

// The path of a command-line argument (UTF-8 on every system).
[[nodiscard]] std::filesystem::path argumentPath(const std::string& argument);

// The channel data file at `path`, or CommandFailed with the reason.
[[nodiscard]] RadioImage loadImageOrFail(const std::filesystem::path& path);

// The whole text file at `path` (at most `limit` bytes), or CommandFailed
// with the reason.
[[nodiscard]] std::string readTextFileOrFail(const std::filesystem::path& path, std::size_t limit);

// `path` as UTF-8 text for messages.
[[nodiscard]] std::string displayName(const std::filesystem::path& path);

} // namespace zrx::cli
