#pragma once

#include <array>
#include <string>

#include "language.h"
#include "radio_image.h"

namespace zrx {

// The seven texts a channel shows in the grid, in column order.
enum class ChannelColumn { RxFrequency, TxFrequency, RxTone, TxTone, BusyLock, Bandwidth, AddScan };
inline constexpr int kChannelColumnCount = 7;
using ChannelTexts = std::array<std::string, kChannelColumnCount>;

[[nodiscard]] inline std::string& column(ChannelTexts& texts, ChannelColumn c) {
    return texts[static_cast<std::size_t>(c)];
}
[[nodiscard]] inline const std::string& column(const ChannelTexts& texts, ChannelColumn c) {
    return texts[static_cast<std::size_t>(c)];
}

// Flag texts, in the three languages. Busy Lock is stored inverted: a clear
// bit means the lock is on ("Yes").
inline constexpr LocalText kBusyLockYes{"Yes", "是", "是"};
inline constexpr LocalText kBusyLockNo{"No", "否", "否"};
inline constexpr LocalText kBandwidthWide{"Wide", "宽", "寬"};
inline constexpr LocalText kBandwidthNarrow{"Narrow", "窄", "窄"};
inline constexpr LocalText kScanAdd{"Add", "添加", "添加"};
inline constexpr LocalText kScanDel{"Del", "删除", "刪除"};

// Channel n (1..16) as the grid shows it; all seven texts are empty for a
// row whose byte 3 is 0xFF.
[[nodiscard]] ChannelTexts decodeChannel(const RadioImage& image, int channel, Language language);

// Writes channel n from its seven texts. Texts of every language are
// accepted; unknown flag texts take the defaults (lock Yes, Wide, Add); an
// empty Rx text empties the whole row. Bytes 13-15 and the flag bits the tool
// does not know are kept.
void encodeChannel(RadioImage& image, int channel, const ChannelTexts& texts);

} // namespace zrx
