#pragma once

#include "image/language.h"
#include "image/radio_image.h"

class QString;
class QWidget;

// The commands that open the radio settings dialogs: Option (Option
// Function), Side Key and Embed (PCBA code). Runs the dialog for `id` on
// `image`, in `language`, and returns true; false for any other command.
// `caption`, when given, gets the dialog's caption as the user saw it.
bool RunSettingsCommand(int id, zrx::RadioImage& image, zrx::Language language, QWidget* parent,
                        QString* caption = nullptr);
