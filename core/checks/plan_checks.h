#pragma once

#include <vector>

#include "editing/frequency_rules.h"
#include "image/channel_codec.h"
#include "image/radio_image.h"

// The checks a channel plan gets before it goes into a radio: what the radio
// cannot use at all (an error), and what is allowed but most likely a
// mistake (a warning). They only read the image.
namespace zrx::checks {

enum class Severity {
    Error,   // the radio cannot use the memory as it is
    Warning, // the radio takes it, but it is most likely not meant
};

enum class FindingKind {
    OutsideRadioBand, // error: an Rx or Tx frequency the radio cannot tune (400-470 MHz)
    TxOutsideRange,   // a Tx frequency outside the band of the chosen Frequency Range
    Duplicate,        // channels with the same Rx, Tx and both tones
    Pmr446Wide,       // a channel on a PMR446 frequency set to Wide
    Pmr446Split,      // a channel on a PMR446 frequency whose Tx differs from its Rx
    Pmr446HighPower,  // PMR446 channels while the radio's Power is High
    GapInScan,        // empty channels between used ones while scanning is on
};

struct Finding {
    FindingKind kind = FindingKind::OutsideRadioBand;
    Severity severity = Severity::Warning;
    // The channels it is about (1 to 16, ascending): the one channel, the
    // channels that duplicate each other, every PMR446 channel, or the
    // empty channels between used ones.
    std::vector<int> channels;
    // OutsideRadioBand and TxOutsideRange: the frequency at fault
    // (RxFrequency or TxFrequency), its value and the band it is outside of.
    ChannelColumn column = ChannelColumn::RxFrequency;
    FrequencyCount frequency = 0;
    editing::BandLimits band;

    friend bool operator==(const Finding&, const Finding&) = default;
};

// Every finding about `image`, errors first, then by channel. `chosenRange`
// is the band the chosen Frequency Range gives (editing::imageBand for a
// file). A channel is on a PMR446 frequency when its Rx or its Tx is one of
// the sixteen; scanning is on when at least one used channel is in the scan
// list (Add Scan = Add) and the radio can scan: the Scan option is On, or a
// side key starts a scan (Scan On/Off or Priority Scan).
[[nodiscard]] std::vector<Finding> checkPlan(const RadioImage& image,
                                             editing::BandLimits chosenRange);

[[nodiscard]] bool hasError(const std::vector<Finding>& findings);

} // namespace zrx::checks
