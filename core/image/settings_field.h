#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "radio_image.h"

namespace zrx {

// Every radio-wide setting that the Option Function and Side Key dialogs
// show as a drop-down list, in the order of the radio's memory.
enum class SettingsField {
    Beep,
    BatterySaver,
    Scan,
    RefuseEmergencyAlert,
    VoiceAnnunciation,
    EmergencyCallSwitch,
    SquelchLevel,
    VoxGainLevel,
    TimeOutTimer,
    VoxDelayTime,
    KillTone,
    PttId,
    Vox,
    Power,
    SideTone,
    PriorityChannel,
    SideKey1Short,
    SideKey1Long,
    SideKey2Short,
    SideKey2Long,
    FirstDigitDelayTime,
    DigitIntervalTime,
    DigitDelayTime,
};
inline constexpr int kSettingsFieldCount = 23;

// The fields of each dialog, in the order a listing shows them.
inline constexpr std::array<SettingsField, 19> kOptionFunctionFields{
    SettingsField::TimeOutTimer,
    SettingsField::Power,
    SettingsField::Beep,
    SettingsField::Scan,
    SettingsField::KillTone,
    SettingsField::PriorityChannel,
    SettingsField::SquelchLevel,
    SettingsField::BatterySaver,
    SettingsField::PttId,
    SettingsField::Vox,
    SettingsField::VoxGainLevel,
    SettingsField::VoxDelayTime,
    SettingsField::VoiceAnnunciation,
    SettingsField::RefuseEmergencyAlert,
    SettingsField::EmergencyCallSwitch,
    SettingsField::FirstDigitDelayTime,
    SettingsField::DigitIntervalTime,
    SettingsField::DigitDelayTime,
    SettingsField::SideTone};
inline constexpr std::array<SettingsField, 4> kSideKeyFields{
    SettingsField::SideKey1Short, SettingsField::SideKey1Long, SettingsField::SideKey2Short,
    SettingsField::SideKey2Long};

// The field's English label, e.g. "Vox Delay Time (s)".
[[nodiscard]] std::string_view fieldName(SettingsField field);

// Where the field lives: `width` bits from bit `shift` of the byte at `offset`.
struct FieldBits {
    std::size_t offset = 0;
    unsigned shift = 0;
    unsigned width = 0;
};
[[nodiscard]] FieldBits fieldBits(SettingsField field);

// The list position the stored value stands for. A value outside the field's
// range gives the field's fallback entry. Only First Digit Delay Time can be
// without a selection (a stored 0 or a value above 90): the answer is then
// empty.
[[nodiscard]] std::optional<int> decodeSelection(const RadioImage& image, SettingsField field);

// Stores the list position `index` into the field's bits; the other bits of a
// shared byte are kept. A list without a selection (empty, or a position
// outside the list such as a combo box's -1) is stored as position 0.
void encodeSelection(RadioImage& image, SettingsField field, std::optional<int> index);

} // namespace zrx
