#pragma once

#include <array>

#include "image/channel_codec.h"
#include "image/channel_headings.h"
#include "image/language.h"

// Texts the channel table sets itself, in the three languages.
namespace zrx::editing {

// Row 0 of the grid: the channel table's headings, column 0 first.
inline constexpr int kGridColumnCount = kChannelTableColumnCount;
inline constexpr const auto& kGridHeadings = kChannelHeadings;

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
