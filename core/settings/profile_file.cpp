#include "profile_file.h"

#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <system_error>

#include "profile_text.h"
#include "utf_text.h"

namespace zrx {
namespace fs = std::filesystem;

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeBom = "\xFF\xFE";

enum class Encoding { Utf8, Utf8WithBom, Utf16Le };

struct ProfileText {
    std::string text; // UTF-8, without byte-order mark
    Encoding encoding = Encoding::Utf8;
};

// The file's bytes; nothing when it cannot be read. A missing file reads as
// empty, since a write then creates it.
std::optional<std::string> readBytes(const fs::path& path, bool missingIsEmpty) {
    std::error_code ec;
    const auto status = fs::status(path, ec);
    if (!fs::exists(status)) {
        return missingIsEmpty ? std::optional<std::string>(std::string()) : std::nullopt;
    }
    if (!fs::is_regular_file(status)) {
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) {
        return std::nullopt;
    }
    return bytes;
}

ProfileText decode(std::string_view bytes) {
    if (bytes.substr(0, kUtf16LeBom.size()) == kUtf16LeBom) {
        return {utf16leToUtf8(bytes.substr(kUtf16LeBom.size())), Encoding::Utf16Le};
    }
    if (bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom) {
        return {std::string(bytes.substr(kUtf8Bom.size())), Encoding::Utf8WithBom};
    }
    return {std::string(bytes), Encoding::Utf8};
}

std::string encode(const ProfileText& profile) {
    switch (profile.encoding) {
    case Encoding::Utf16Le:
        return std::string(kUtf16LeBom) + utf8ToUtf16le(profile.text);
    case Encoding::Utf8WithBom:
        return std::string(kUtf8Bom) + profile.text;
    case Encoding::Utf8:
        break;
    }
    return profile.text;
}

std::string_view newlineOf(std::string_view text) {
    const std::size_t pos = text.find('\n');
    if (pos != std::string_view::npos) {
        return (pos > 0 && text[pos - 1] == '\r') ? "\r\n" : "\n";
    }
#ifdef _WIN32
    return "\r\n";
#else
    return "\n";
#endif
}

bool replaceFile(const fs::path& path, const std::string& bytes) {
    std::random_device device;
    fs::path temp = path;
    temp += ".tmp" + std::to_string(device() % 1000000u);
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) {
            return false;
        }
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            std::error_code ignored;
            fs::remove(temp, ignored);
            return false;
        }
    }
    std::error_code ec;
    fs::rename(temp, path, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        return false;
    }
    return true;
}

// True when the entry can be written without changing the file's structure.
bool isWritableEntry(std::string_view section, std::string_view key, std::string_view value) {
    return !section.empty() && !key.empty() && isSingleLine(section) && isSingleLine(key) &&
           isSingleLine(value) && key.find('=') == std::string_view::npos &&
           section.find(']') == std::string_view::npos && key.front() != ';' && key.front() != '[';
}

// The text of `source` with one key set, written to `target` in one step.
bool writeChangedText(const fs::path& source, const fs::path& target, std::string_view section,
                      std::string_view key, std::string_view value) {
    if (!isWritableEntry(section, key, value)) {
        return false;
    }
    const auto bytes = readBytes(source, true);
    if (!bytes) {
        return false;
    }
    ProfileText profile = decode(*bytes);
    profile.text = withProfileValue(profile.text, section, key, value, newlineOf(profile.text));
    return replaceFile(target, encode(profile));
}

} // namespace

std::optional<std::string> lookupProfileString(const fs::path& path, std::string_view section,
                                               std::string_view key, std::size_t bufferUnits) {
    if (bufferUnits == 0) {
        return std::nullopt;
    }
    const auto bytes = readBytes(path, false);
    if (!bytes) {
        return std::nullopt;
    }
    const ProfileText profile = decode(*bytes);
    const auto value = findProfileValue(profile.text, section, key);
    if (!value) {
        return std::nullopt;
    }
    return truncateToUtf16Units(*value, bufferUnits - 1);
}

std::string readProfileString(const fs::path& path, std::string_view section, std::string_view key,
                              std::size_t bufferUnits) {
    return lookupProfileString(path, section, key, bufferUnits).value_or(std::string());
}

bool writeProfileString(const fs::path& path, std::string_view section, std::string_view key,
                        std::string_view value) {
    return writeChangedText(path, path, section, key, value);
}

bool writeProfileStringCopy(const fs::path& source, const fs::path& target,
                            std::string_view section, std::string_view key,
                            std::string_view value) {
    if (!isWritableEntry(section, key, value)) {
        return false;
    }
    std::error_code ec;
    if (target.has_parent_path()) {
        fs::create_directories(target.parent_path(), ec);
        if (ec) {
            return false;
        }
    }
    return writeChangedText(source, target, section, key, value);
}

} // namespace zrx
