#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "language.h"

namespace zrx {

// The headings of the channel table, column 0 (the channel number) first,
// then the seven channel columns in ChannelColumn order.
inline constexpr int kChannelTableColumnCount = 8;
inline constexpr std::array<LocalText, kChannelTableColumnCount> kChannelHeadings{{
    {"CH", "信道", "信道"},
    {"Rx Freq", "接收频率", "接收頻率"},
    {"Tx Freq", "发射频率", "發射頻率"},
    {"Rx Tone", "接收亚音", "接收亞音"},
    {"Tx Tone", "发射亚音", "發射亞音"},
    {"Busy Lock", "繁忙锁定", "繁忙鎖定"},
    {"W/N", "带宽", "帶寬"},
    {"Add Scan", "扫描添加", "掃描添加"},
}};

// The table column (0 = CH) whose heading is `text` in any language.
[[nodiscard]] constexpr std::optional<int> headingColumn(std::string_view text) {
    for (int i = 0; i < kChannelTableColumnCount; ++i) {
        if (kChannelHeadings[static_cast<std::size_t>(i)].matches(text)) {
            return i;
        }
    }
    return std::nullopt;
}

} // namespace zrx
