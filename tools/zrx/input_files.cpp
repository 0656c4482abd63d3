#include "input_files.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

#include "command_failed.h"
#include "image/channel_data_file.h"

namespace zrx::cli {
namespace fs = std::filesystem;

fs::path argumentPath(const std::string& argument) {
    return fs::path(std::u8string(argument.begin(), argument.end()));
}

std::string displayName(const fs::path& path) {
    const std::u8string name = path.u8string();
    return std::string(name.begin(), name.end());
}

RadioImage loadImageOrFail(const fs::path& path) {
    RadioImage image;
    if (const FileResult loaded = loadChannelDataFile(path, image); !loaded) {
        throw CommandFailed(describe(loaded, path));
    }
    return image;
}

std::string readTextFileOrFail(const fs::path& path, std::size_t limit) {
    const std::string name = displayName(path);
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (!fs::exists(status)) {
        throw CommandFailed(name + ": no such file or folder");
    }
    if (!fs::is_regular_file(status)) {
        throw CommandFailed(name + ": not a regular file (a folder or a device?)");
    }
    if (fs::file_size(path, ec) > limit) {
        throw CommandFailed(name + ": the file is larger than " + std::to_string(limit) +
                            " bytes, too large for a channel table");
    }
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw CommandFailed(name + ": " + (errno != 0 ? std::strerror(errno) : "cannot be opened"));
    }
    std::string text;
    std::istreambuf_iterator<char> it(in);
    for (const std::istreambuf_iterator<char> end; it != end && text.size() <= limit; ++it) {
        text.push_back(*it);
    }
    if (in.bad()) {
        throw CommandFailed(name + ": the file could not be read");
    }
    if (text.size() > limit) {
        throw CommandFailed(name + ": the file is too large for a channel table");
    }
    return text;
}

} // namespace zrx::cli
