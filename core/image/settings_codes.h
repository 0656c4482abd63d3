#pragma once

#include <string>
#include <string_view>

#include "radio_image.h"

namespace zrx {

// The PTT ID Code: up to 16 DTMF symbols ("0"-"9", "A"-"D", "*", "#"), one
// code 0-15 per byte, padded with 0xFF. Texts are UTF-8.

// The sixteen DTMF symbols; a symbol's position is the code the radio stores.
inline constexpr std::string_view kDtmfSymbols = "0123456789ABCD*#";

// The symbols up to the first byte that is not a DTMF code (16 or more).
[[nodiscard]] std::string decodePttIdCode(const RadioImage& image);

// Rewrites all 16 bytes from the first 16 characters of `text`; a character
// that is not a DTMF symbol (lower-case letters included) is stored as 0xFF.
void encodePttIdCode(RadioImage& image, std::string_view text);

// The PCBA code: up to 16 characters, one byte each (the low 8 bits of the
// character's code), padded with 0xFF. Texts are UTF-8.

// The bytes up to the first 0xFF (or all 16), each shown as the character
// with that code. A 0x00 byte ends the text, as it ends what the edit box
// shows.
[[nodiscard]] std::string decodePcbaCode(const RadioImage& image);

// Rewrites all 16 bytes from the first 16 characters of `text`.
void encodePcbaCode(RadioImage& image, std::string_view text);

} // namespace zrx
