#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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

// Writes the channels a CSV channel table lists into `image`, with the
// channel encoding the grid uses. The heading row names the columns, in any
// of the three languages and any order; "CH" is required and a column that
// is left out keeps the channel's current text. Channels that are not listed
// stay as they are. The whole table is checked before `image` is touched: on
// any error `image` is unchanged and the answer names the line.
[[nodiscard]] std::optional<TableError> importChannelTable(std::string_view csvText,
                                                           RadioImage& image);

} // namespace zrx
