#pragma once

#include "radio_image.h"

namespace zrx {

// The image of a new document: every byte 0xFF (sixteen empty channels,
// empty PCBA and PTT ID codes, no model or range selected), then the radio's
// default settings in 0x3C0..0x3CB.
[[nodiscard]] RadioImage makeNewImage();

} // namespace zrx
