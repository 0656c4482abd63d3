#pragma once

#include <array>

#include "image/channel_codec.h"
#include "image/language.h"

// Texts the channel table sets itself, in the three languages.
namespace zrx::editing {

// Row 0 of the grid: the heading of each column, column 0 first.
inline constexpr int kGridColumnCount = 8;
inline constexpr std::array<LocalText, kGridColumnCount> kGridHeadings{{
    {"CH", "信道", "信道"},
    {"Rx Freq", "接收频率", "接收頻率"},
    {"Tx Freq", "发射频率", "發射頻率"},
    {"Rx Tone", "接收亚音", "接收亞音"},
    {"Tx Tone", "发射亚音", "發射亞音"},
    {"Busy Lock", "繁忙锁定", "繁忙鎖定"},
    {"W/N", "带宽", "帶寬"},
    {"Add Scan", "扫描添加", "掃描添加"},
}};

// The two entries the choice list offers for grid columns 5, 6 and 7, in
// list order; the same texts the channel codec reads back.
struct ChoicePair {
    LocalText first;
    LocalText second;
};
inline constexpr ChoicePair kBusyLockChoices{kBusyLockYes, kBusyLockNo};
inline constexpr ChoicePair kBandwidthChoices{kBandwidthWide, kBandwidthNarrow};
inline constexpr ChoicePair kAddScanChoices{kScanAdd, kScanDel};

// What a channel started by typing its Rx frequency gets: lock off, wide,
// in the scan list (and both tones off).
inline constexpr LocalText kNewChannelBusyLock = kBusyLockNo;
inline constexpr LocalText kNewChannelBandwidth = kBandwidthWide;
inline constexpr LocalText kNewChannelAddScan = kScanAdd;

} // namespace zrx::editing
