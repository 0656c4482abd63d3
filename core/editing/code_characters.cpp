#include "code_characters.h"

#include "image/image_layout.h"
#include "image/settings_codes.h"
#include "image/utf8.h"

namespace zrx::editing {
namespace {

constexpr char32_t asciiUpper(char32_t c) {
    return c >= U'a' && c <= U'z' ? c - U'a' + U'A' : c;
}

// The code `text` gives when every character passes `takes`.
template <typename Takes>
std::optional<std::string> wholeCode(std::string_view text, Takes takes) {
    std::string code;
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < text.size(); ++count) {
        const char32_t c = takes(utf8::next(text, pos));
        if (c == 0 || count == layout::kCodeLength) {
            return std::nullopt;
        }
        utf8::append(code, c);
    }
    return code;
}

} // namespace

char32_t dtmfSymbolFor(char32_t c) {
    const char32_t upper = asciiUpper(c);
    return upper < 0x80 && kDtmfSymbols.find(static_cast<char>(upper)) != std::string_view::npos
               ? upper
               : 0;
}

char32_t pcbaCharacterFor(char32_t c) {
    const char32_t upper = asciiUpper(c);
    return (upper >= U'A' && upper <= U'Z') || (upper >= U'0' && upper <= U'9') ? upper : 0;
}

std::string pcbaCodeCharacters(std::string_view text) {
    std::string code;
    for (std::size_t pos = 0; pos < text.size();) {
        if (const char32_t c = pcbaCharacterFor(utf8::next(text, pos)); c != 0) {
            code.push_back(static_cast<char>(c));
        }
    }
    return code;
}

std::optional<std::string> pttIdCodeFromText(std::string_view text) {
    return wholeCode(text, dtmfSymbolFor);
}

std::optional<std::string> pcbaCodeFromText(std::string_view text) {
    return wholeCode(text, pcbaCharacterFor);
}

} // namespace zrx::editing
