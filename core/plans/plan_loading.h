#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "image/channel_codec.h"
#include "image/language.h"
#include "image/radio_image.h"

namespace zrx::plans {

// Why a plan cannot be used.
enum class PlanProblem {
    FileMissing,
    NotAFile,     // a folder or a device
    TooLarge,     // larger than any channel table
    Unreadable,   // the file cannot be read
    NotATable,    // not a channel table zrx import would take: `detail` says why
    OutsideBand,  // a frequency outside the radio's 400-470 MHz band
    OffRaster,    // a frequency off the 5 and 6.25 kHz raster
    NoRxFrequency // a value for a channel that has no Rx frequency
};

struct PlanError {
    PlanProblem problem = PlanProblem::NotATable;
    std::string file;     // the plan's file, UTF-8
    std::size_t line = 0; // NotATable and the cell problems: 1 = the first line
    // The cell problems: the channel, the column and the cell as written.
    int channel = 0;
    ChannelColumn column = ChannelColumn::RxFrequency;
    std::string given;
    std::string detail; // NotATable: the table reader's reason (in English)
};

struct PlanLoad {
    RadioImage image; // a new image with the plan's channels, when there is no error
    std::optional<PlanError> error;

    [[nodiscard]] explicit operator bool() const { return !error; }
};

// A new document's image (what File > New and zrx new give) with the
// channels of the plan written in as zrx import writes a table's channels,
// only stricter: a plan is used exactly as written or not at all. Every
// frequency a plan gives must lie in the radio's 400-470 MHz band (an empty
// Rx Freq leaves the channel empty) and on its raster, and it gives no
// values for a channel without an Rx frequency; a plan that does not is
// refused, never clamped.
[[nodiscard]] PlanLoad loadPlan(const std::filesystem::path& planFile);

// The same from the plan's text; `file` names it in the error.
[[nodiscard]] PlanLoad planFromText(std::string_view csvText, std::string file);

// One line saying why the plan `planName` cannot be used, in `language`.
[[nodiscard]] std::string describe(const PlanError& error, std::string_view planName,
                                   Language language);

} // namespace zrx::plans
