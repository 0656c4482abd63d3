#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zrx {

// Exact decimal arithmetic for the few conversions the radio needs: a text
// such as "462.0125" is read digit by digit and scaled by a power of ten
// without ever passing through binary floating point, so no unit is lost.

// The number at the start of `text` (leading blanks skipped, optional sign,
// digits with an optional point, optional exponent), rounded to 15
// significant digits, multiplied by 10^scale and truncated toward zero.
// A text without a number gives 0; a negative number gives 0; a value too
// large for 32 bits gives UINT32_MAX.
[[nodiscard]] std::uint32_t leadingDecimalScaled(std::string_view text, int scale);

// The integer at the start of `text` (leading blanks skipped, optional sign,
// digits only). No number or a negative one gives 0; saturates at UINT32_MAX.
[[nodiscard]] std::uint32_t leadingInteger(std::string_view text);

// `value` / 10^decimals formatted with exactly `decimals` digits after the
// point, as printf's "%.Nf" prints the exact decimal value.
[[nodiscard]] std::string formatScaled(std::uint64_t value, int decimals);

} // namespace zrx
