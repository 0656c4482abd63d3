#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editing/table_row_edit.h"
#include "image/language.h"
#include "image/radio_image.h"

namespace zrx {

// The channel table as the grid shows it: the heading row in `language`,
// then one row per channel, 1 to 16: the channel number and its seven texts
// (seven empty texts for an empty channel).
using TableRows = std::vector<std::vector<std::string>>;
[[nodiscard]] TableRows channelTableRows(const RadioImage& image, Language language);

struct TableError {
    std::size_t line = 0; // 1 = first line of the text
    std::string message;
};

// A value of the table that was stored otherwise than written, e.g.
// 'CH 5, Rx Freq: "4625625" is outside 400-470 MHz; stored as 470.00000',
// with the channel and the change that the message tells of.
struct TableNote {
    std::size_t line = 0;
    std::string message;
    int channel = 0;
    editing::CellChange change;
};

// Writes the channels a CSV channel table lists into `image` as the grid's
// editors would (see editing::editChannelRow): frequencies clamped to the
// band `image` selects and snapped to the raster, a new channel's missing
// cells from the new-channel values. The heading row names the columns, in
// any of the three languages and any order; "CH" is required and a column
// that is left out keeps the channel's current text. Channels that are not
// listed stay as they are, and so do listed channels whose texts do not
// change. The whole table is checked before `image` is touched: on any error
// (a malformed table or a value a cell cannot take) `image` is unchanged and
// the answer names the line, and for a value the channel and the column.
// Every value stored otherwise than written is added to `notes`.
[[nodiscard]] std::optional<TableError>
importChannelTable(std::string_view csvText, RadioImage& image, std::vector<TableNote>& notes);

// The same, without the notes.
[[nodiscard]] std::optional<TableError> importChannelTable(std::string_view csvText,
                                                           RadioImage& image);

} // namespace zrx
