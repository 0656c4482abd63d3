#pragma once

#include <string>
#include <vector>

#include "language.h"
#include "settings_field.h"

namespace zrx {

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
