#pragma once

#include "image/language.h"
#include "image/radio_image.h"
#include "image/settings_field.h"

class QComboBox;

// One drop-down list of the Option Function or Side Key dialog and the
// settings field it shows.

// Empties `list` and fills it with the field's entries in `language`; the
// opened list is made wide enough for its widest entry.
void FillSettingsList(QComboBox* list, zrx::SettingsField field, zrx::Language language);

// Selects the entry the image holds: the field's fallback for a stored value
// out of range, or no entry at all where the field allows that.
void ShowSetting(QComboBox* list, const zrx::RadioImage& image, zrx::SettingsField field);

// Stores the selected entry; a list without a selection stores its first
// entry.
void StoreSetting(const QComboBox* list, zrx::RadioImage& image, zrx::SettingsField field);
