#include "channel_codec.h"

#include <algorithm>

#include "frequency_codec.h"
#include "image_layout.h"
#include "tone_codec.h"

namespace zrx {
namespace {

namespace ch = layout::channel;

std::span<const std::uint8_t, 4> fourBytes(const RadioImage& image, std::size_t offset) {
    return image.range(offset, 4).first<4>();
}
std::span<std::uint8_t, 4> fourBytes(RadioImage& image, std::size_t offset) {
    return image.range(offset, 4).first<4>();
}

ToneBytes readTone(const RadioImage& image, std::size_t lowOffset) {
    return ToneBytes{image.byte(lowOffset), image.byte(lowOffset + 1)};
}

void writeTone(RadioImage& image, std::size_t lowOffset, const std::string& text) {
    if (const auto tone = toneFromText(text)) {
        image.setByte(lowOffset, tone->low);
        image.setByte(lowOffset + 1, tone->high);
    }
}

} // namespace

ChannelTexts decodeChannel(const RadioImage& image, int channel, Language language) {
    ChannelTexts texts;
    const std::size_t row = layout::channelOffset(channel);
    if (image.byte(row + ch::kEmptyMarker) == 0xFF) {
        return texts;
    }
    const std::uint8_t flags = image.byte(row + ch::kFlags);
    auto flag = [flags](unsigned bit) { return ((static_cast<unsigned>(flags) >> bit) & 1u) != 0; };

    column(texts, ChannelColumn::RxFrequency) =
        frequencyToText(readFrequency(fourBytes(image, row + ch::kRxFrequency)));
    column(texts, ChannelColumn::TxFrequency) =
        frequencyToText(readFrequency(fourBytes(image, row + ch::kTxFrequency)));
    column(texts, ChannelColumn::RxTone) = toneToText(readTone(image, row + ch::kRxToneLow), language);
    column(texts, ChannelColumn::TxTone) = toneToText(readTone(image, row + ch::kTxToneLow), language);
    column(texts, ChannelColumn::BusyLock) =
        (flag(ch::kBusyLockBit) ? kBusyLockNo : kBusyLockYes).in(language);
    column(texts, ChannelColumn::Bandwidth) =
        (flag(ch::kNarrowBit) ? kBandwidthNarrow : kBandwidthWide).in(language);
    column(texts, ChannelColumn::AddScan) = (flag(ch::kAddScanBit) ? kScanAdd : kScanDel).in(language);
    return texts;
}

void encodeChannel(RadioImage& image, int channel, const ChannelTexts& texts) {
    const std::size_t row = layout::channelOffset(channel);
    if (column(texts, ChannelColumn::RxFrequency).empty()) {
        auto record = image.range(row, layout::kChannelRecordSize);
        std::fill(record.begin(), record.end(), std::uint8_t{0xFF});
        return;
    }
    writeFrequency(fourBytes(image, row + ch::kRxFrequency),
                   frequencyFromText(column(texts, ChannelColumn::RxFrequency)));
    writeFrequency(fourBytes(image, row + ch::kTxFrequency),
                   frequencyFromText(column(texts, ChannelColumn::TxFrequency)));
    writeTone(image, row + ch::kRxToneLow, column(texts, ChannelColumn::RxTone));
    writeTone(image, row + ch::kTxToneLow, column(texts, ChannelColumn::TxTone));

    const std::size_t flags = row + ch::kFlags;
    // Only the explicit "off" texts set the busy-lock bit; anything else means lock on.
    image.setBit(flags, ch::kBusyLockBit, kBusyLockNo.matches(column(texts, ChannelColumn::BusyLock)));
    image.setBit(flags, ch::kNarrowBit,
                 kBandwidthNarrow.matches(column(texts, ChannelColumn::Bandwidth)));
    image.setBit(flags, ch::kAddScanBit, !kScanDel.matches(column(texts, ChannelColumn::AddScan)));
}

} // namespace zrx
