#pragma once

#include <cstddef>

// Where everything lives in the radio's memory. Offsets are radio addresses
// and image offsets at once.
namespace zrx::layout {

// Channel n (1..16) is row n; each record is 16 bytes.
inline constexpr int kChannelCount = 16;
inline constexpr std::size_t kChannelRecordSize = 16;
[[nodiscard]] constexpr std::size_t channelOffset(int channel) {
    return static_cast<std::size_t>(channel) * kChannelRecordSize;
}

// Fields inside a channel record (relative to the record's start).
namespace channel {
inline constexpr std::size_t kRxFrequency = 0; // 4 BCD bytes, low pair first
inline constexpr std::size_t kTxFrequency = 4;
inline constexpr std::size_t kRxToneLow = 8;
inline constexpr std::size_t kRxToneHigh = 9;
inline constexpr std::size_t kTxToneLow = 10;
inline constexpr std::size_t kTxToneHigh = 11;
inline constexpr std::size_t kFlags = 12;
// The radio marks an unprogrammed row by 0xFF in the top frequency byte.
inline constexpr std::size_t kEmptyMarker = 3;

inline constexpr unsigned kBusyLockBit = 0; // set = busy lock off
inline constexpr unsigned kNarrowBit = 2;   // set = narrow
inline constexpr unsigned kAddScanBit = 4;  // set = in scan list
} // namespace channel

// Radio-wide settings block, rows 59-61.
inline constexpr std::size_t kSettingsBegin = 0x3B0;
inline constexpr std::size_t kPcbaCode = 0x3B0;    // 16 bytes
inline constexpr std::size_t kOptionFlags = 0x3C0; // beep, saver, scan, alert, voice, emergency
inline constexpr std::size_t kSquelchLevel = 0x3C1;
inline constexpr std::size_t kVoxGainLevel = 0x3C2;
inline constexpr std::size_t kTimeOutTimer = 0x3C3;
inline constexpr std::size_t kVoxDelayTime = 0x3C4;
inline constexpr std::size_t kTxOptions = 0x3C5; // kill tone, PTT ID, vox, power, side tone
inline constexpr std::size_t kPriorityChannel = 0x3C6;
inline constexpr std::size_t kSideKey1 = 0x3C7; // short press high nibble, long press low
inline constexpr std::size_t kSideKey2 = 0x3C8;
inline constexpr std::size_t kFirstDigitDelay = 0x3C9;
inline constexpr std::size_t kDigitInterval = 0x3CA;
inline constexpr std::size_t kDigitDelay = 0x3CB;
inline constexpr std::size_t kPttIdCode = 0x3D0;   // 16 bytes
inline constexpr std::size_t kCodeLength = 16;     // PCBA and PTT ID code length
inline constexpr std::size_t kSettingsEnd = 0x3E0; // one past the block

// The form's list selections, kept in the image but never sent to the radio.
inline constexpr std::size_t kModelIndex = 0x3E0;
inline constexpr std::size_t kRangeIndex = 0x3E1;

// A write to the radio covers addresses 0x000..0x3DF only.
inline constexpr std::size_t kRadioWriteLength = 0x3E0;

} // namespace zrx::layout
