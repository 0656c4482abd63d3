#pragma once

#include <string>
#include <string_view>

#include "frequency_rules.h"
#include "image/channel_codec.h"
#include "image/language.h"

// What an edit writes into a channel's seven texts: the grid's in-place
// editors and a table imported by zrx apply the same rules, so a channel
// holds the same values whichever way it was entered.
namespace zrx::editing {

// The two entries the choice list offers for Busy Lock, W/N and Add Scan,
// in list order; the same texts the channel codec reads back.
struct ChoicePair {
    LocalText first;
    LocalText second;

    // `text` is one of the two, in any of the three languages.
    [[nodiscard]] constexpr bool offers(std::string_view text) const {
        return first.matches(text) || second.matches(text);
    }
};
inline constexpr ChoicePair kBusyLockChoices{kBusyLockYes, kBusyLockNo};
inline constexpr ChoicePair kBandwidthChoices{kBandwidthWide, kBandwidthNarrow};
inline constexpr ChoicePair kAddScanChoices{kScanAdd, kScanDel};

// The choices of a Busy Lock, W/N or Add Scan cell; nothing for the others.
[[nodiscard]] const ChoicePair* choicesFor(ChannelColumn column);

// What a channel started by typing its Rx frequency gets: lock off, wide,
// in the scan list (and both tones off).
inline constexpr LocalText kNewChannelBusyLock = kBusyLockNo;
inline constexpr LocalText kNewChannelBandwidth = kBandwidthWide;
inline constexpr LocalText kNewChannelAddScan = kScanAdd;

// The texts a freshly started channel gets: Tx = Rx = `frequency`, then the
// new-channel values in `language`.
[[nodiscard]] ChannelTexts newChannelTexts(std::string_view frequency, Language language);

// A tone the tone list offers: "Off" in any of the three languages, one of
// the CTCSS tones ("67.0") or a DCS code in either polarity ("D023N").
[[nodiscard]] bool isToneText(std::string_view text);

// The seven texts of a channel row (grid columns 1..7) after the frequency
// editor opened on `column` (1 Rx, 2 Tx) commits `typed`:
// - Rx cleared (0 or no number) empties the whole channel;
// - a frequency in the Rx cell of an empty channel starts the channel with
//   Tx = Rx and the new-channel defaults in `language`;
// - otherwise only the edited cell changes; Tx cannot be set on an empty
//   channel.
[[nodiscard]] ChannelTexts commitFrequency(const ChannelTexts& row, int column,
                                           std::string_view typed, Language language,
                                           FrequencyCount lower, FrequencyCount upper);

// What a tone or choice list writes into its cell: the chosen text, unless
// the channel has no Rx frequency (then the cell stays empty).
[[nodiscard]] std::string listCommitText(std::string_view rxText, std::string_view chosen);

} // namespace zrx::editing
