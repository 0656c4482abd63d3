#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editing/frequency_rules.h"
#include "image/language.h"
#include "image/radio_image.h"

// Channels on the clipboard, as a spreadsheet gives and takes them: rows of
// cells separated by tabs, under the headings `zrx export` writes.
namespace zrx {

// `channels` (1-16) as text: a heading row in `language`, then one row per
// channel (its number and seven texts), tab-separated, each line ending in
// CR LF as spreadsheets put it on the clipboard.
[[nodiscard]] std::string channelsAsText(const RadioImage& image, const std::vector<int>& channels,
                                         Language language);

struct PasteResult {
    int pasted = 0;  // rows written into channels
    int leftOut = 0; // rows that did not fit below channel 16
    // Set when the text cannot be pasted: which row and why, in the
    // running language. The image is then as it was.
    std::optional<std::string> refusal;
};

// Writes the rows of `text` over the channels from `first` down, each the
// way the grid's editors would store it (see editChannelRow), clamped to
// `band`. The text may start with a heading row in any of the three
// languages, in any column order; without one, the cells are in the
// grid's order, the channel number first when a row has eight of them. The
// channel number a row carries is not used: rows go where the paste puts
// them. Tab-separated text is read as such; other text as CSV. Every row is
// read before the image changes: one that cannot be read refuses the
// whole paste.
[[nodiscard]] PasteResult pasteChannels(RadioImage& image, std::string_view text, int first,
                                        editing::BandLimits band, Language language);

} // namespace zrx
