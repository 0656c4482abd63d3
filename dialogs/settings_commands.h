#pragma once

#include "image/language.h"
#include "image/radio_image.h"

class QWidget;

// The commands that open the radio settings dialogs: Option (Option
// Function), Side Key and Embed (PCBA code). Runs the dialog for `id` on
// `image`, in `language`, and returns true; false for any other command.
// Nothing else needs refreshing afterwards: no setting shows in the channel
// table.
bool RunSettingsCommand(int id, zrx::RadioImage& image, zrx::Language language, QWidget* parent);
