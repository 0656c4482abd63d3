#pragma once

#include "image/radio_image.h"

// The one radio image of the running program. The document fills it, the
// serial link reads and writes it, and every editor decodes from and encodes
// into it. The GUI thread owns it, except while the modal transfer dialog
// lets the programming worker fill or send it.
extern zrx::RadioImage g_radioImage;
