#pragma once

#include <iosfwd>

#include "image/language.h"
#include "image/radio_image.h"

namespace zrx::cli {

// What zrx write (and zrx fleet, for its template) does before anything goes
// to a radio: prints every finding of the checks on `image` to `errors`, one
// "zrx: " line each, and throws CommandFailed when one of them is an error
// (a memory the radio cannot use) unless `force` is set. The range the
// checks hold Tx to is the one the image's Frequency Range gives.
void checkBeforeWrite(const RadioImage& image, bool force, Language language, std::ostream& errors);

} // namespace zrx::cli
