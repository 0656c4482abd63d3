#pragma once

#include "image/language.h"
#include "image/radio_image.h"
#include "table/json_writer.h"

namespace zrx::cli {

// The members `zrx show --json` gives for an image: "channels", "model",
// "frequency_range", "settings", "ptt_id_code" and "pcba_code" (see README).
void writeImageMembers(JsonWriter& json, const RadioImage& image, Language language);

} // namespace zrx::cli
