#include "settings_codes.h"

#include <algorithm>
#include <cstdint>

#include "image_layout.h"
#include "utf8.h"

namespace zrx {
namespace {

constexpr std::uint8_t kUnused = 0xFF;

void clearCode(RadioImage& image, std::size_t offset) {
    auto bytes = image.range(offset, layout::kCodeLength);
    std::fill(bytes.begin(), bytes.end(), kUnused);
}

// Calls `store(slot, character)` for each of the first 16 characters.
template <typename Store>
void eachCharacter(std::string_view text, Store store) {
    std::size_t pos = 0;
    for (std::size_t slot = 0; slot < layout::kCodeLength && pos < text.size(); ++slot) {
        store(slot, utf8::next(text, pos));
    }
}

} // namespace

std::string decodePttIdCode(const RadioImage& image) {
    std::string text;
    for (const std::uint8_t code : image.range(layout::kPttIdCode, layout::kCodeLength)) {
        if (code >= kDtmfSymbols.size()) {
            break;
        }
        text.push_back(kDtmfSymbols[code]);
    }
    return text;
}

void encodePttIdCode(RadioImage& image, std::string_view text) {
    clearCode(image, layout::kPttIdCode);
    eachCharacter(text, [&image](std::size_t slot, char32_t c) {
        const std::size_t code =
            c < 0x80 ? kDtmfSymbols.find(static_cast<char>(c)) : std::string_view::npos;
        image.setByte(layout::kPttIdCode + slot,
                      code == std::string_view::npos ? kUnused : static_cast<std::uint8_t>(code));
    });
}

std::string decodePcbaCode(const RadioImage& image) {
    std::string text;
    for (const std::uint8_t byte : image.range(layout::kPcbaCode, layout::kCodeLength)) {
        if (byte == kUnused || byte == 0x00) {
            break;
        }
        utf8::append(text, byte);
    }
    return text;
}

void encodePcbaCode(RadioImage& image, std::string_view text) {
    clearCode(image, layout::kPcbaCode);
    eachCharacter(text, [&image](std::size_t slot, char32_t c) {
        image.setByte(layout::kPcbaCode + slot, static_cast<std::uint8_t>(c & 0xFFu));
    });
}

} // namespace zrx
