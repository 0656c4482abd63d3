#pragma once

#include "image/frequency_codec.h"

// PMR446, the licence-free band of Europe and elsewhere: sixteen channels
// 12.5 kHz apart from 446.00625 MHz, narrow, transmitting and receiving on
// the same frequency, at most 0.5 W ERP from a handheld with a fixed antenna.
namespace zrx::checks {

inline constexpr FrequencyCount kPmr446First = 44600625; // channel 1
inline constexpr FrequencyCount kPmr446Spacing = 1250;   // 12.5 kHz
inline constexpr int kPmr446ChannelCount = 16;
inline constexpr FrequencyCount kPmr446Last =
    kPmr446First + (kPmr446ChannelCount - 1) * kPmr446Spacing; // 446.19375 MHz

// One of the sixteen PMR446 channel frequencies exactly.
[[nodiscard]] constexpr bool isPmr446Frequency(FrequencyCount frequency) {
    return frequency >= kPmr446First && frequency <= kPmr446Last &&
           (frequency - kPmr446First) % kPmr446Spacing == 0;
}

} // namespace zrx::checks
