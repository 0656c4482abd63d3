#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "frequency_rules.h"
#include "image/channel_codec.h"

// A channel table row written into a channel the way the grid's editors
// would have written it, so a table cannot store what the grid could not.
namespace zrx::editing {

// The cells a row gives, in channel column order: nothing for a column the
// table leaves out.
using GivenTexts = std::array<std::optional<std::string>, kChannelColumnCount>;

// A value that is stored otherwise than the table gives it.
struct CellChange {
    enum class Reason {
        OutsideBand, // pulled into the band (then onto the raster)
        OffRaster,   // moved down onto the 5 or 6.25 kHz raster
        NoChannel,   // not stored: the channel has no Rx frequency
    };
    ChannelColumn column = ChannelColumn::RxFrequency;
    std::string given;
    std::string stored; // empty for NoChannel
    Reason reason = Reason::OffRaster;
};

// A value the cell cannot take; `problem` says why, e.g. "is not a
// frequency in MHz".
struct UnreadableCell {
    ChannelColumn column = ChannelColumn::RxFrequency;
    std::string given;
    std::string problem;
};

struct RowEdit {
    ChannelTexts texts;                       // the channel afterwards
    std::vector<CellChange> changes;          // every value stored otherwise than given
    std::optional<UnreadableCell> unreadable; // when set, nothing may be stored
};

// Applies the cells of one row to a channel whose texts are `current`,
// after reading every one of them (the first that cannot be read is
// `unreadable`, and then nothing else counts):
// - a cell left out or left empty keeps what the channel holds, except the
//   Rx frequency, whose empty cell empties the channel;
// - a cell that gives what the channel holds keeps it as it is, even a value
//   the editors would not offer;
// - a frequency is read as a number in MHz, then clamped to `band` and
//   snapped to the raster as the frequency editor does (0 clears it);
// - an Rx frequency on an empty channel starts it with the new-channel
//   values (Tx = Rx, tones off, lock off, wide, in the scan list) for the
//   cells the row does not give;
// - a tone must be one the tone list offers, a Busy Lock, W/N or Add Scan
//   text one of its two choices, in any of the three languages;
// - on a channel left without an Rx frequency nothing else is stored.
[[nodiscard]] RowEdit editChannelRow(const ChannelTexts& current, const GivenTexts& given,
                                     BandLimits band);

} // namespace zrx::editing
