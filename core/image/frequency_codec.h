#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace zrx {

// A frequency count is the radio's unit of frequency: 10 Hz steps in an
// unsigned 32-bit number (462.5625 MHz is 46256250).
using FrequencyCount = std::uint32_t;

// "462.0125" -> 46201250. The leading number of the text in MHz, scaled
// exactly and truncated toward zero; no number gives 0; a negative number
// gives 0 and a number too large for 32 bits gives the largest count, so an
// editor that clamps afterwards lands on a band limit.
[[nodiscard]] FrequencyCount frequencyFromText(std::string_view text);

// 46256250 -> "462.56250" (MHz with exactly five decimals).
[[nodiscard]] std::string frequencyToText(FrequencyCount count);

// Four BCD bytes, least significant pair first. Reading does not validate
// the nibbles; writing drops digits beyond the eighth.
[[nodiscard]] FrequencyCount readFrequency(std::span<const std::uint8_t, 4> bytes);
void writeFrequency(std::span<std::uint8_t, 4> bytes, FrequencyCount count);

} // namespace zrx
