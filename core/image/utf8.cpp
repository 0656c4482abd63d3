#include "utf8.h"

#include <cstdio>

namespace zrx::utf8 {
namespace {

unsigned byteAt(std::string_view text, std::size_t pos) {
    return static_cast<unsigned char>(text[pos]);
}

bool isContinuation(std::string_view text, std::size_t pos) {
    return pos < text.size() && (byteAt(text, pos) & 0xC0u) == 0x80u;
}

} // namespace

char32_t next(std::string_view text, std::size_t& pos) {
    const unsigned lead = byteAt(text, pos);
    std::size_t length = 0;
    char32_t c = 0;
    char32_t smallest = 0;
    if (lead < 0x80u) {
        ++pos;
        return lead;
    }
    if ((lead & 0xE0u) == 0xC0u) {
        length = 2;
        c = lead & 0x1Fu;
        smallest = 0x80;
    } else if ((lead & 0xF0u) == 0xE0u) {
        length = 3;
        c = lead & 0x0Fu;
        smallest = 0x800;
    } else if ((lead & 0xF8u) == 0xF0u) {
        length = 4;
        c = lead & 0x07u;
        smallest = 0x10000;
    } else {
        ++pos;
        return kReplacement;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if (!isContinuation(text, pos + i)) {
            ++pos;
            return kReplacement;
        }
        c = (c << 6) | (byteAt(text, pos + i) & 0x3Fu);
    }
    // Overlong forms, surrogates and values past U+10FFFF are not characters.
    if (c < smallest || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) {
        ++pos;
        return kReplacement;
    }
    pos += length;
    return c;
}

void append(std::string& out, char32_t c) {
    if ((c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) {
        c = kReplacement;
    }
    auto put = [&out](char32_t byte) { out.push_back(static_cast<char>(byte)); };
    if (c < 0x80) {
        put(c);
    } else if (c < 0x800) {
        put(0xC0 | (c >> 6));
        put(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        put(0xE0 | (c >> 12));
        put(0x80 | ((c >> 6) & 0x3F));
        put(0x80 | (c & 0x3F));
    } else {
        put(0xF0 | (c >> 18));
        put(0x80 | ((c >> 12) & 0x3F));
        put(0x80 | ((c >> 6) & 0x3F));
        put(0x80 | (c & 0x3F));
    }
}

bool isValid(std::string_view text, std::size_t* badOffset) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t start = pos;
        const char32_t c = next(text, pos);
        // A genuine U+FFFD takes three bytes; a replaced byte only one.
        if (c == kReplacement && pos - start == 1) {
            if (badOffset != nullptr) {
                *badOffset = start;
            }
            return false;
        }
    }
    return true;
}

std::string printable(std::string_view text) {
    std::string out;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t start = pos;
        const char32_t c = next(text, pos);
        char escaped[8];
        if ((c == kReplacement && pos - start == 1) || c < 0x20 || c == 0x7F) {
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byteAt(text, start));
            out += escaped;
        } else if (c >= 0x80 && c <= 0x9F) {
            std::snprintf(escaped, sizeof escaped, "\\u%04X", static_cast<unsigned>(c));
            out += escaped;
        } else {
            out.append(text.substr(start, pos - start));
        }
    }
    return out;
}

} // namespace zrx::utf8
