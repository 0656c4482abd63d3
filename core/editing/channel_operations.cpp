#include "channel_operations.h"

#include <algorithm>
#include <array>
#include <optional>

#include "image/frequency_codec.h"
#include "image/image_layout.h"

namespace zrx::editing {
namespace {

using Record = std::array<std::uint8_t, layout::kChannelRecordSize>;

Record recordOf(const RadioImage& image, int channel) {
    Record record{};
    const auto bytes = image.range(layout::channelOffset(channel), record.size());
    std::copy(bytes.begin(), bytes.end(), record.begin());
    return record;
}

void putRecord(RadioImage& image, int channel, const Record& record) {
    const auto bytes = image.range(layout::channelOffset(channel), record.size());
    std::copy(record.begin(), record.end(), bytes.begin());
}

// The Rx frequency a record holds; nothing for an empty channel.
std::optional<FrequencyCount> rxFrequency(const Record& record) {
    if (record[layout::channel::kEmptyMarker] == 0xFF) {
        return std::nullopt;
    }
    return readFrequency(
        std::span<const std::uint8_t, 4>(&record[layout::channel::kRxFrequency], 4));
}

} // namespace

void clearChannel(RadioImage& image, int channel) {
    Record empty;
    empty.fill(0xFF);
    putRecord(image, channel, empty);
}

std::vector<int> moveChannels(RadioImage& image, std::vector<int> selected, int delta) {
    if (selected.empty() || (delta != -1 && delta != 1)) {
        return selected;
    }
    std::sort(selected.begin(), selected.end());
    selected.erase(std::unique(selected.begin(), selected.end()), selected.end());
    if ((delta < 0 && selected.front() <= 1) ||
        (delta > 0 && selected.back() >= layout::kChannelCount)) {
        return selected;
    }
    // Up: the top one first, so each swaps with an unselected neighbour
    // that then slides below the whole run; down: the bottom one first.
    if (delta > 0) {
        std::reverse(selected.begin(), selected.end());
    }
    for (int& channel : selected) {
        const Record moving = recordOf(image, channel);
        putRecord(image, channel, recordOf(image, channel + delta));
        putRecord(image, channel + delta, moving);
        channel += delta;
    }
    std::sort(selected.begin(), selected.end());
    return selected;
}

void sortByRxFrequency(RadioImage& image) {
    std::vector<Record> records;
    for (int channel = 1; channel <= layout::kChannelCount; ++channel) {
        records.push_back(recordOf(image, channel));
    }
    std::stable_sort(records.begin(), records.end(), [](const Record& a, const Record& b) {
        const auto left = rxFrequency(a);
        const auto right = rxFrequency(b);
        if (left && right) {
            return *left < *right;
        }
        return left.has_value() && !right.has_value();
    });
    for (int channel = 1; channel <= layout::kChannelCount; ++channel) {
        putRecord(image, channel, records[static_cast<std::size_t>(channel - 1)]);
    }
}

} // namespace zrx::editing
