#include "utf_text.h"

#include <cstdint>

#include "image/utf8.h"

namespace zrx {
namespace {

void appendUnit(std::string& out, char32_t unit) {
    out += static_cast<char>(unit & 0xFFu);
    out += static_cast<char>((unit >> 8) & 0xFFu);
}

} // namespace

std::string truncateToUtf16Units(std::string_view utf8, std::size_t maxUnits) {
    std::size_t units = 0;
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        std::size_t next = pos;
        const char32_t c = utf8::next(utf8, next);
        const std::size_t needed = c >= 0x10000 ? 2 : 1;
        if (units + needed > maxUnits) {
            break;
        }
        units += needed;
        pos = next;
    }
    return std::string(utf8.substr(0, pos));
}

std::string utf16leToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    const std::size_t count = bytes.size() / 2;
    auto unitAt = [&](std::size_t i) {
        return static_cast<char32_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                     (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
    };
    for (std::size_t i = 0; i < count; ++i) {
        const char32_t unit = unitAt(i);
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < count) {
            const char32_t low = unitAt(i + 1);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                utf8::append(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
                ++i;
                continue;
            }
        }
        if (unit >= 0xD800 && unit <= 0xDFFF) {
            utf8::append(out, utf8::kReplacement);
        } else {
            utf8::append(out, unit);
        }
    }
    return out;
}

std::string utf8ToUtf16le(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size() * 2);
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const char32_t c = utf8::next(utf8, pos);
        if (c >= 0x10000) {
            appendUnit(out, 0xD800 + ((c - 0x10000) >> 10));
            appendUnit(out, 0xDC00 + ((c - 0x10000) & 0x3FFu));
        } else {
            appendUnit(out, c);
        }
    }
    return out;
}

} // namespace zrx
