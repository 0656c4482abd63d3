#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "language.h"

namespace zrx {

// The two bytes of a squelch tone in a channel record: `low` at byte 8 (Rx)
// or 10 (Tx), `high` at byte 9 or 11.
struct ToneBytes {
    std::uint8_t low = 0xFF;
    std::uint8_t high = 0xFF;
    friend bool operator==(const ToneBytes&, const ToneBytes&) = default;
};

inline constexpr LocalText kToneOffText{"Off", "关", "關"};

// "Off"/"关"/"關" -> FF FF; "D023N" -> 80 23; "D754I" -> C7 54; "67.0" -> 06 70.
// A text starting with "D" that holds neither "N" nor "I" leaves the bytes as
// they were: the answer is then empty.
[[nodiscard]] std::optional<ToneBytes> toneFromText(std::string_view text);

// The text a tone shows in the grid, in the given language for "Off".
[[nodiscard]] std::string toneToText(ToneBytes tone, Language language);

} // namespace zrx
