#pragma once

#include <vector>

#include "image/radio_image.h"

// What the channel table's whole-channel commands do to the image: clear,
// move and sort channels. Each moves or writes whole 16-byte channel
// records, so a channel keeps every byte it carries wherever it goes.
namespace zrx::editing {

// Channel `channel` (1-16) becomes an empty channel, as the radio keeps
// one: all sixteen bytes 0xFF.
void clearChannel(RadioImage& image, int channel);

// Moves each of `selected` (channel numbers, any order) one place up
// (`delta` -1) or down (+1), past the neighbour that is not selected.
// Returns the channels' new numbers; when one of them would leave 1-16
// nothing moves and `selected` comes back as it was.
[[nodiscard]] std::vector<int> moveChannels(RadioImage& image, std::vector<int> selected,
                                            int delta);

// Orders the sixteen channels by Rx frequency, lowest first, with the
// empty channels last; channels on the same frequency keep their order.
void sortByRxFrequency(RadioImage& image);

} // namespace zrx::editing
