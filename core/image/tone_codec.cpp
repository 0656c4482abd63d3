#include "tone_codec.h"

#include <cstdio>

#include "bcd.h"
#include "decimal_number.h"

namespace zrx {
namespace {

constexpr std::uint8_t kDcsMarker = 0x80;
constexpr std::uint8_t kDcsInvertedMarker = 0xC0;
constexpr int kTenthsOfHertz = 1;

ToneBytes dcsBytes(std::uint32_t code, std::uint8_t marker) {
    // The first digit rides in the low bits of the high byte; it is stored as
    // a decimal digit even though DCS codes are octal.
    return ToneBytes{numberToBcd(code % 100u),
                     static_cast<std::uint8_t>((marker + code / 100u) & 0xFFu)};
}

std::string dcsText(unsigned code, char polarity) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "D%03u%c", code, polarity);
    return buffer;
}

} // namespace

std::optional<ToneBytes> toneFromText(std::string_view text) {
    if (kToneOffText.matches(text)) {
        return ToneBytes{0xFF, 0xFF};
    }
    if (!text.empty() && text.front() == 'D') {
        const std::string_view rest = text.substr(1);
        if (rest.find('N') != std::string_view::npos) {
            return dcsBytes(leadingInteger(rest), kDcsMarker);
        }
        if (rest.find('I') != std::string_view::npos) {
            return dcsBytes(leadingInteger(rest), kDcsInvertedMarker);
        }
        return std::nullopt;
    }
    const std::uint32_t tenths = leadingDecimalScaled(text, kTenthsOfHertz);
    return ToneBytes{numberToBcd(tenths % 100u), numberToBcd(tenths / 100u)};
}

std::string toneToText(ToneBytes tone, Language language) {
    if (tone.high == 0xFF) {
        return std::string(kToneOffText.in(language));
    }
    if (tone.high >= kDcsInvertedMarker) {
        const auto high = static_cast<std::uint8_t>(tone.high - kDcsInvertedMarker);
        return dcsText(bcdToNumber(high) * 100u + bcdToNumber(tone.low), 'I');
    }
    if (tone.high >= kDcsMarker) {
        const auto high = static_cast<std::uint8_t>(tone.high - kDcsMarker);
        return dcsText(bcdToNumber(high) * 100u + bcdToNumber(tone.low), 'N');
    }
    return formatScaled(bcdToNumber(tone.high) * 100u + bcdToNumber(tone.low), 1);
}

} // namespace zrx
