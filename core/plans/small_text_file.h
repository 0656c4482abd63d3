#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

namespace zrx::plans {

enum class TextFileProblem { None, Missing, NotAFile, TooLarge, Unreadable };

struct TextFileRead {
    std::string text;
    TextFileProblem problem = TextFileProblem::None;
};

// The whole of a small file: the file at `path` (links followed) when it is
// a regular file of at most `limit` bytes that can be read, else the reason
// it is not.
[[nodiscard]] TextFileRead readSmallTextFile(const std::filesystem::path& path, std::size_t limit);

// `path` as UTF-8 text, for names and messages.
[[nodiscard]] std::string utf8Path(const std::filesystem::path& path);

} // namespace zrx::plans
