#pragma once

#include <cstdint>

namespace zrx {

// Reads a packed-BCD byte exactly as the radio's firmware and the original
// tool do: no validation, so nibbles above 9 count 10..15 (0xFF reads 165).
[[nodiscard]] constexpr unsigned bcdToNumber(std::uint8_t b) {
    return static_cast<unsigned>(b >> 4) * 10u + static_cast<unsigned>(b & 0x0Fu);
}

// Packs 0..99 as BCD. Larger numbers keep only the low 8 bits of the packing,
// which is what the radio format allows for; callers pass 0..99.
[[nodiscard]] constexpr std::uint8_t numberToBcd(unsigned n) {
    return static_cast<std::uint8_t>(((n / 10u) * 16u + n % 10u) & 0xFFu);
}

} // namespace zrx
