#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace zrx {

// The Model and Frequency Range lists at the top of the form. The image keeps
// the selected positions at 0x3E0 and 0x3E1; a position the list does not
// hold (0xFF, no selection) shows the first entry.
inline constexpr std::array<std::string_view, 1> kModelEntries{"ZRX412"};
inline constexpr std::array<std::string_view, 1> kFrequencyRangeEntries{"400-470MHz"};

template <std::size_t N>
[[nodiscard]] constexpr std::size_t shownPosition(const std::array<std::string_view, N>&,
                                                  std::uint8_t stored) {
    return stored < N ? stored : 0;
}

} // namespace zrx
