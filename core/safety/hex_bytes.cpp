#include "hex_bytes.h"

#include <cstdio>

namespace zrx {

std::string hexBytes(std::span<const std::uint8_t> bytes) {
    std::string text;
    for (const std::uint8_t byte : bytes) {
        char digits[4];
        std::snprintf(digits, sizeof digits, "%02X", unsigned{byte});
        if (!text.empty()) {
            text += ' ';
        }
        text += digits;
    }
    return text;
}

std::string hexAddress(std::size_t address) {
    char text[24]; // "0x" and up to 16 hex digits
    std::snprintf(text, sizeof text, "0x%03zX", address);
    return text;
}

} // namespace zrx
