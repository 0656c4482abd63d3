#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

#include "language.h"
#include "radio_image.h"

namespace zrx {

// A channel data file (*.sin) is the 1024 bytes of the radio image and
// nothing else: no header, no checksum.

enum class FileError {
    None,
    Missing,          // no such file or folder
    NotRegularFile,   // a folder, a device, a pipe...
    TooShort,         // fewer than 1024 bytes
    PermissionDenied, // the system refused access
    DiskFull,         // no space left for the new file
    IoError,          // any other failure the system reported
};

struct FileResult {
    FileError error = FileError::None;
    std::string detail; // the system's own words, when it gave any

    [[nodiscard]] bool ok() const { return error == FileError::None; }
    explicit operator bool() const { return ok(); }
};

// One line a user can act on, e.g. "radio.sin: the file is shorter than 1024 bytes".
[[nodiscard]] std::string describe(const FileResult& result, const std::filesystem::path& path,
                                   Language language = Language::English);

// The image a channel data file's bytes hold: the first 1024 (more are
// ignored), or TooShort with `image` untouched.
[[nodiscard]] FileResult imageFromFileBytes(std::span<const std::uint8_t> bytes, RadioImage& image);

// Reads the whole file before touching `image`: on any failure `image` is
// exactly as it was. Bytes past the first 1024 are ignored.
[[nodiscard]] FileResult loadChannelDataFile(const std::filesystem::path& path, RadioImage& image);

// Writes a temporary file beside the target and renames it over the target,
// so a failed save leaves an existing file untouched.
[[nodiscard]] FileResult saveChannelDataFile(const std::filesystem::path& path,
                                             const RadioImage& image);

// Whether saveChannelDataFile(path, ...) can write there, found out the same
// way without touching an existing file: the temporary file beside it is
// created and removed again. For a command that must not read a radio for
// nothing.
[[nodiscard]] FileResult checkChannelDataFileSaves(const std::filesystem::path& path);

} // namespace zrx
