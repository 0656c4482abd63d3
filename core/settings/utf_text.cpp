#include "utf_text.h"

#include <cstdint>

namespace zrx {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Decodes one character at `pos`; returns its length in bytes (at least 1)
// and sets `valid` to false for bytes that do not form a UTF-8 character.
std::size_t decodeUtf8(std::string_view text, std::size_t pos, char32_t& out, bool& valid) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    valid = true;
    if (lead < 0x80) {
        out = lead;
        return 1;
    }
    std::size_t length = 0;
    char32_t value = 0;
    if ((lead & 0xE0u) == 0xC0u) {
        length = 2;
        value = lead & 0x1Fu;
    } else if ((lead & 0xF0u) == 0xE0u) {
        length = 3;
        value = lead & 0x0Fu;
    } else if ((lead & 0xF8u) == 0xF0u) {
        length = 4;
        value = lead & 0x07u;
    } else {
        valid = false;
        out = kReplacement;
        return 1;
    }
    if (pos + length > text.size()) {
        valid = false;
        out = kReplacement;
        return 1;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[pos + i]);
        if ((next & 0xC0u) != 0x80u) {
            valid = false;
            out = kReplacement;
            return 1;
        }
        value = (value << 6) | (next & 0x3Fu);
    }
    out = value;
    return length;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0u | (c >> 6));
        out += static_cast<char>(0x80u | (c & 0x3Fu));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0u | (c >> 12));
        out += static_cast<char>(0x80u | ((c >> 6) & 0x3Fu));
        out += static_cast<char>(0x80u | (c & 0x3Fu));
    } else {
        out += static_cast<char>(0xF0u | (c >> 18));
        out += static_cast<char>(0x80u | ((c >> 12) & 0x3Fu));
        out += static_cast<char>(0x80u | ((c >> 6) & 0x3Fu));
        out += static_cast<char>(0x80u | (c & 0x3Fu));
    }
}

void appendUnit(std::string& out, char32_t unit) {
    out += static_cast<char>(unit & 0xFFu);
    out += static_cast<char>((unit >> 8) & 0xFFu);
}

} // namespace

std::string truncateToUtf16Units(std::string_view utf8, std::size_t maxUnits) {
    std::size_t units = 0;
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        char32_t c = 0;
        bool valid = true;
        const std::size_t length = decodeUtf8(utf8, pos, c, valid);
        const std::size_t needed = (valid && c >= 0x10000) ? 2 : 1;
        if (units + needed > maxUnits) {
            break;
        }
        units += needed;
        pos += length;
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
                appendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
                ++i;
                continue;
            }
        }
        if (unit >= 0xD800 && unit <= 0xDFFF) {
            appendUtf8(out, kReplacement);
        } else {
            appendUtf8(out, unit);
        }
    }
    return out;
}

std::string utf8ToUtf16le(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size() * 2);
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        char32_t c = 0;
        bool valid = true;
        pos += decodeUtf8(utf8, pos, c, valid);
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
