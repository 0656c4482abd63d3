#include "channel_data_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace zrx {
namespace fs = std::filesystem;

namespace {

FileResult fromErrno(int error) {
    FileResult result;
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        result.error = FileError::Missing;
        break;
    case EACCES:
    case EPERM:
    case EROFS:
        result.error = FileError::PermissionDenied;
        break;
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        result.error = FileError::DiskFull;
        break;
    case EISDIR:
        result.error = FileError::NotRegularFile;
        break;
    default:
        result.error = FileError::IoError;
        break;
    }
    result.detail = std::strerror(error);
    return result;
}

FileResult fromErrorCode(const std::error_code& ec) {
    if (ec.category() == std::generic_category() || ec.category() == std::system_category()) {
        return fromErrno(ec.value());
    }
    return FileResult{FileError::IoError, ec.message()};
}

// The file as stdio sees it; fopen takes wide names on Windows.
std::FILE* openFile(const fs::path& path, bool forWriting) {
#ifdef _WIN32
    return _wfopen(path.c_str(), forWriting ? L"wb" : L"rb");
#else
    return std::fopen(path.c_str(), forWriting ? "wb" : "rb");
#endif
}

fs::path temporarySibling(const fs::path& target) {
    std::random_device device;
    std::uniform_int_distribution<unsigned> digits(0, 0xFFFFFF);
    char suffix[32];
    std::snprintf(suffix, sizeof suffix, ".%06x.tmp", digits(device));
    fs::path temp = target;
    temp += suffix;
    return temp;
}

// Writes all of `image` to `path` and makes sure it reached the disk.
FileResult writeWholeFile(const fs::path& path, const RadioImage& image) {
    errno = 0;
    std::FILE* file = openFile(path, true);
    if (file == nullptr) {
        return fromErrno(errno != 0 ? errno : EIO);
    }
    const auto& bytes = image.bytes();
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    ok = ok && std::fflush(file) == 0;
#ifndef _WIN32
    ok = ok && ::fsync(::fileno(file)) == 0;
#endif
    const int writeError = errno;
    const bool closed = std::fclose(file) == 0;
    if (!ok || !closed) {
        return fromErrno(writeError != 0 ? writeError : (errno != 0 ? errno : EIO));
    }
    return {};
}

} // namespace

namespace {

constexpr LocalText kNoName{"(no name)", "（无名称）", "（無名稱）"};
constexpr LocalText kDone{"done", "完成", "完成"};
constexpr LocalText kMissing{"no such file or folder", "文件或文件夹不存在", "檔案或資料夾不存在"};
constexpr LocalText kNotRegularFile{"not a regular file (a folder or a device?)",
                                    "不是普通文件（是文件夹或设备？）",
                                    "不是一般檔案（是資料夾或裝置？）"};
constexpr LocalText kTooShort{
    "the file is shorter than 1024 bytes, so it is not a channel data file",
    "文件不足 1024 字节，不是信道数据文件", "檔案不足 1024 位元組，不是通道資料檔"};
constexpr LocalText kPermissionDenied{"permission denied", "没有访问权限", "沒有存取權限"};
constexpr LocalText kDiskFull{"the disk is full", "磁盘已满", "磁碟已滿"};
constexpr LocalText kIoError{"input/output error", "读写错误", "讀寫錯誤"};

} // namespace

std::string describe(const FileResult& result, const fs::path& path, Language language) {
    const std::string name = path.u8string().empty()
                                 ? std::string(kNoName.in(language))
                                 : reinterpret_cast<const char*>(path.u8string().c_str());
    // A full-width colon reads naturally after a name in Chinese.
    const std::string colon = language == Language::English ? ": " : "：";
    const auto with = [&](const LocalText& text) {
        return name + colon + std::string(text.in(language));
    };
    switch (result.error) {
    case FileError::None:
        return with(kDone);
    case FileError::Missing:
        return with(kMissing);
    case FileError::NotRegularFile:
        return with(kNotRegularFile);
    case FileError::TooShort:
        return with(kTooShort);
    case FileError::PermissionDenied:
        return with(kPermissionDenied);
    case FileError::DiskFull:
        return with(kDiskFull);
    case FileError::IoError:
        break;
    }
    // The system's own words, where it gave any, are kept as they are.
    return result.detail.empty() ? with(kIoError) : name + colon + result.detail;
}

FileResult loadChannelDataFile(const fs::path& path, RadioImage& image) {
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (ec || !fs::exists(status)) {
        return ec && ec != std::errc::no_such_file_or_directory
                   ? fromErrorCode(ec)
                   : FileResult{FileError::Missing, {}};
    }
    if (!fs::is_regular_file(status)) {
        return FileResult{FileError::NotRegularFile, {}};
    }
    errno = 0;
    std::FILE* file = openFile(path, false);
    if (file == nullptr) {
        return fromErrno(errno != 0 ? errno : EIO);
    }
    RadioImage::Bytes buffer{};
    const std::size_t got = std::fread(buffer.data(), 1, buffer.size(), file);
    const bool failed = std::ferror(file) != 0;
    const int readError = errno;
    std::fclose(file);
    if (failed) {
        return fromErrno(readError != 0 ? readError : EIO);
    }
    return imageFromFileBytes(std::span<const std::uint8_t>(buffer).first(got), image);
}

FileResult imageFromFileBytes(std::span<const std::uint8_t> bytes, RadioImage& image) {
    if (bytes.size() < RadioImage::kSize) {
        return FileResult{FileError::TooShort, {}};
    }
    RadioImage::Bytes buffer{};
    std::copy_n(bytes.begin(), buffer.size(), buffer.begin());
    image = RadioImage(buffer);
    return {};
}

namespace {

// The file a save replaces: through a symbolic link, the file it names, so
// the link stays. Empty, with the reason, when nothing can be saved there.
fs::path saveTarget(const fs::path& path, FileResult& refusal) {
    if (path.empty()) {
        refusal = FileResult{FileError::Missing, {}};
        return {};
    }
    std::error_code ec;
    fs::path target =
        fs::is_symlink(fs::symlink_status(path, ec)) ? fs::weakly_canonical(path, ec) : path;
    if (ec) {
        target = path;
    }
    const fs::file_status status = fs::status(target, ec);
    if (!ec && fs::exists(status) && !fs::is_regular_file(status)) {
        refusal = FileResult{FileError::NotRegularFile, {}};
        return {};
    }
    return target;
}

} // namespace

FileResult checkChannelDataFileSaves(const fs::path& path) {
    FileResult refusal;
    const fs::path target = saveTarget(path, refusal);
    if (target.empty()) {
        return refusal;
    }
    const fs::path temp = temporarySibling(target);
    errno = 0;
    std::FILE* file = openFile(temp, true);
    if (file == nullptr) {
        return fromErrno(errno != 0 ? errno : EIO);
    }
    std::fclose(file);
    std::error_code ec;
    fs::remove(temp, ec);
    return {};
}

FileResult saveChannelDataFile(const fs::path& path, const RadioImage& image) {
    FileResult refusal;
    const fs::path target = saveTarget(path, refusal);
    if (target.empty()) {
        return refusal;
    }
    std::error_code ec;
    const fs::path temp = temporarySibling(target);
    if (FileResult written = writeWholeFile(temp, image); !written) {
        fs::remove(temp, ec);
        return written;
    }
#ifndef _WIN32
    // Keep the permissions an existing file had.
    struct stat existing {};
    if (::stat(target.c_str(), &existing) == 0) {
        ::chmod(temp.c_str(), existing.st_mode & 07777);
    }
#endif
    fs::rename(temp, target, ec);
    if (ec) {
        FileResult result = fromErrorCode(ec);
        fs::remove(temp, ec);
        return result;
    }
    return {};
}

} // namespace zrx
