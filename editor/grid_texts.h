#pragma once

#include "editing/channel_edits.h"
#include "image/channel_headings.h"

// Texts the channel table sets itself, in the three languages; the choices
// of its lists are the core's (editing/channel_edits.h).
namespace zrx::editing {

// Row 0 of the grid: the channel table's headings, column 0 first.
inline constexpr int kGridColumnCount = kChannelTableColumnCount;
inline constexpr const auto& kGridHeadings = kChannelHeadings;

} // namespace zrx::editing
