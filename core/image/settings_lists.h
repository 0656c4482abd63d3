#pragma once

#include <string>
#include <vector>

#include "language.h"
#include "settings_field.h"

namespace zrx {

// List positions whose meaning other parts of the program act on.
inline constexpr int kOnEntry = 0;         // the On/Off lists: On, Off
inline constexpr int kHighPowerEntry = 0;  // Power: High, Low
inline constexpr int kScanOnOffKey = 2;    // a side key that starts and stops scanning
inline constexpr int kPriorityScanKey = 3; // a side key that starts a priority scan

// How many entries the field's drop-down list holds (the same in every
// language).
[[nodiscard]] int entryCount(SettingsField field);

// The entries of the field's drop-down list in list order, as the Option
// Function and Side Key dialogs fill them. Numbers read the same in every
// language; only the worded entries change.
[[nodiscard]] std::vector<std::string> entries(SettingsField field, Language language);

// The one entry at `index` (0 <= index < entryCount(field)).
[[nodiscard]] std::string entry(SettingsField field, int index, Language language);

} // namespace zrx
