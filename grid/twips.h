#pragma once

// Twips (1/1440 inch) and screen pixels. Both directions round to the
// nearest whole unit, so a pixel count survives the trip to twips and back
// at any resolution below 1440 pixels per inch, not only where 1440 divides
// evenly (96, 120, 144 dpi) but also at 100 or 110 dpi.
namespace twips {

inline constexpr long kPerInch = 1440;

[[nodiscard]] constexpr long fromPixels(long pixels, int dpi) {
    const long perInch = dpi > 0 ? dpi : 1;
    const long scaled = pixels * kPerInch;
    return scaled >= 0 ? (scaled + perInch / 2) / perInch : -((-scaled + perInch / 2) / perInch);
}

[[nodiscard]] constexpr long toPixels(long value, int dpi) {
    const long perInch = dpi > 0 ? dpi : 1;
    const long scaled = value * perInch;
    return scaled >= 0 ? (scaled + kPerInch / 2) / kPerInch
                       : -((-scaled + kPerInch / 2) / kPerInch);
}

static_assert(toPixels(fromPixels(7, 100), 100) == 7);
static_assert(toPixels(fromPixels(70, 96), 96) == 70);
static_assert(fromPixels(70, 96) == 1050);

} // namespace twips
