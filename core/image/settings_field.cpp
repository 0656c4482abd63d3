#include "settings_field.h"

#include <algorithm>
#include <cstdint>
#include <span>

#include "image_layout.h"
#include "settings_labels.h"
#include "settings_lists.h"

namespace zrx {
namespace {

// How a list position becomes the stored value.
enum class Storage {
    Index,        // stored value = position
    IndexPlusOne, // stored value = position + 1
    Mapped,       // stored value = values[position]
};

struct FieldLayout {
    SettingsField field;
    std::size_t offset;
    unsigned shift;
    unsigned width;
    Storage storage;
    std::span<const std::uint8_t> values; // Mapped only
    bool noSelectionWhenInvalid;          // else the fallback is position 0
};

// Two-entry lists: position 0 is "On" (or "High"), position 1 "Off" ("Low").
constexpr std::uint8_t kOnIsSet[] = {1, 0};
// Refuse Emergency Alert is stored the other way round: a clear bit is On.
constexpr std::uint8_t kOnIsClear[] = {0, 1};
// Voice Annunciation Off, English, Chinese. The radio knows Chinese as 3;
// 2 is never written and shows as Off.
constexpr std::uint8_t kVoiceValues[] = {0, 1, 3};

namespace L = layout;
constexpr FieldLayout kFields[] = {
    {SettingsField::Beep, L::kOptionFlags, 0, 1, Storage::Mapped, kOnIsSet, false},
    {SettingsField::BatterySaver, L::kOptionFlags, 1, 1, Storage::Mapped, kOnIsSet, false},
    {SettingsField::Scan, L::kOptionFlags, 2, 1, Storage::Mapped, kOnIsSet, false},
    {SettingsField::RefuseEmergencyAlert, L::kOptionFlags, 3, 1, Storage::Mapped, kOnIsClear,
     false},
    {SettingsField::VoiceAnnunciation, L::kOptionFlags, 4, 2, Storage::Mapped, kVoiceValues, false},
    {SettingsField::EmergencyCallSwitch, L::kOptionFlags, 6, 2, Storage::Index, {}, false},
    {SettingsField::SquelchLevel, L::kSquelchLevel, 0, 8, Storage::Index, {}, false},
    {SettingsField::VoxGainLevel, L::kVoxGainLevel, 0, 8, Storage::IndexPlusOne, {}, false},
    {SettingsField::TimeOutTimer, L::kTimeOutTimer, 0, 8, Storage::Index, {}, false},
    {SettingsField::VoxDelayTime, L::kVoxDelayTime, 0, 8, Storage::IndexPlusOne, {}, false},
    {SettingsField::KillTone, L::kTxOptions, 0, 2, Storage::Index, {}, false},
    {SettingsField::PttId, L::kTxOptions, 2, 2, Storage::Index, {}, false},
    {SettingsField::Vox, L::kTxOptions, 4, 1, Storage::Mapped, kOnIsSet, false},
    {SettingsField::Power, L::kTxOptions, 5, 1, Storage::Mapped, kOnIsSet, false},
    {SettingsField::SideTone, L::kTxOptions, 6, 1, Storage::Mapped, kOnIsSet, false},
    {SettingsField::PriorityChannel, L::kPriorityChannel, 0, 8, Storage::Index, {}, false},
    {SettingsField::SideKey1Short, L::kSideKey1, 4, 4, Storage::Index, {}, false},
    {SettingsField::SideKey1Long, L::kSideKey1, 0, 4, Storage::Index, {}, false},
    {SettingsField::SideKey2Short, L::kSideKey2, 4, 4, Storage::Index, {}, false},
    {SettingsField::SideKey2Long, L::kSideKey2, 0, 4, Storage::Index, {}, false},
    {SettingsField::FirstDigitDelayTime,
     L::kFirstDigitDelay,
     0,
     8,
     Storage::IndexPlusOne,
     {},
     true},
    {SettingsField::DigitIntervalTime, L::kDigitInterval, 0, 8, Storage::Index, {}, false},
    {SettingsField::DigitDelayTime, L::kDigitDelay, 0, 8, Storage::Index, {}, false},
};
static_assert(std::size(kFields) == kSettingsFieldCount);

constexpr bool fieldsInEnumOrder() {
    for (std::size_t i = 0; i < std::size(kFields); ++i) {
        if (static_cast<std::size_t>(kFields[i].field) != i) {
            return false;
        }
    }
    return true;
}
static_assert(fieldsInEnumOrder(), "kFields must follow the SettingsField order");

const FieldLayout& layoutOf(SettingsField field) {
    return kFields[static_cast<std::size_t>(field)];
}

// The position the stored value stands for, or -1 when it stands for none.
int positionOf(const FieldLayout& f, unsigned stored) {
    switch (f.storage) {
    case Storage::Index:
        return static_cast<int>(stored);
    case Storage::IndexPlusOne:
        return static_cast<int>(stored) - 1;
    case Storage::Mapped: {
        const auto found = std::find(f.values.begin(), f.values.end(), stored);
        return found == f.values.end() ? -1 : static_cast<int>(found - f.values.begin());
    }
    }
    return -1;
}

unsigned storedValueOf(const FieldLayout& f, int position) {
    const auto p = static_cast<unsigned>(position);
    switch (f.storage) {
    case Storage::Index:
        return p;
    case Storage::IndexPlusOne:
        return p + 1;
    case Storage::Mapped:
        return f.values[p];
    }
    return 0;
}

} // namespace

std::string_view fieldName(SettingsField field) {
    return fieldLabel(field).english;
}

FieldBits fieldBits(SettingsField field) {
    const FieldLayout& f = layoutOf(field);
    return FieldBits{f.offset, f.shift, f.width};
}

std::optional<int> decodeSelection(const RadioImage& image, SettingsField field) {
    const FieldLayout& f = layoutOf(field);
    const int position = positionOf(f, image.bits(f.offset, f.shift, f.width));
    if (position >= 0 && position < entryCount(field)) {
        return position;
    }
    if (f.noSelectionWhenInvalid) {
        return std::nullopt;
    }
    return 0;
}

void encodeSelection(RadioImage& image, SettingsField field, std::optional<int> index) {
    const FieldLayout& f = layoutOf(field);
    int position = index.value_or(0);
    if (position < 0 || position >= entryCount(field)) {
        position = 0;
    }
    image.setBits(f.offset, f.shift, f.width, storedValueOf(f, position));
}

} // namespace zrx
