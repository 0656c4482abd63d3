#pragma once

#include <optional>
#include <string_view>

#include "image/frequency_codec.h"
#include "image/radio_image.h"

// What a frequency typed into the channel table becomes: the same for the
// grid's editor and for a table imported by zrx.
namespace zrx::editing {

// The raster of the radio: every channel frequency is a multiple of 5 kHz or
// of 6.25 kHz (500 or 625 units of 10 Hz).
inline constexpr FrequencyCount kRaster5k = 500;
inline constexpr FrequencyCount kRaster6k25 = 625;

// A typed frequency is pulled into [lower, upper] (unless it is 0, which
// clears the cell), then moved down to the nearer raster point below it; on
// a tie the 5 kHz raster wins. 462.563 MHz -> 462.5625, 430.0031 -> 430.0000.
[[nodiscard]] FrequencyCount clampAndSnap(FrequencyCount typed, FrequencyCount lower,
                                          FrequencyCount upper);

struct BandLimits {
    FrequencyCount lower = 0;
    FrequencyCount upper = 0;

    [[nodiscard]] constexpr bool holds(FrequencyCount frequency) const {
        return frequency >= lower && frequency <= upper;
    }
};

// What the radio itself can tune, whatever Frequency Range the form shows:
// 400 to 470 MHz.
inline constexpr BandLimits kRadioBand{40000000, 47000000};

// "400-470MHz" -> 40000000..47000000: the first run of digits, any
// non-digits, the second run of digits, both in whole MHz. A text without two
// numbers, or with a number too large for the radio's 32-bit count, gives
// nothing (the caller keeps the limits it had).
[[nodiscard]] std::optional<BandLimits> bandFromRangeText(std::string_view text);

// The band of the Frequency Range entry `image` selects.
[[nodiscard]] BandLimits imageBand(const RadioImage& image);

// A frequency written out in a table cell: blanks around it, then digits with
// at most one decimal point ("462.5625", "462", ".5"), in MHz. Anything else
// is not a frequency and gives nothing; a number too large for the radio's
// count gives the largest count, so the clamp lands on the band's top.
[[nodiscard]] std::optional<FrequencyCount> readFrequencyText(std::string_view text);

} // namespace zrx::editing
