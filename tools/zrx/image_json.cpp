#include "image_json.h"

#include "image/channel_codec.h"
#include "image/form_lists.h"
#include "image/frequency_codec.h"
#include "image/image_layout.h"
#include "image/settings_codes.h"
#include "image/settings_field.h"
#include "image/settings_labels.h"
#include "image/settings_lists.h"
#include "json_output.h"

namespace zrx::cli {

namespace {

void writeChannels(JsonWriter& json, const RadioImage& image, Language language) {
    namespace ch = layout::channel;
    json.key("channels").beginArray();
    for (int channel = 1; channel <= layout::kChannelCount; ++channel) {
        const std::size_t row = layout::channelOffset(channel);
        const bool empty = image.byte(row + ch::kEmptyMarker) == 0xFF;
        json.beginObject().field("channel", channel).field("empty", empty);
        if (!empty) {
            const ChannelTexts texts = decodeChannel(image, channel, language);
            writeFrequency(json, "rx_freq",
                           readFrequency(image.range(row + ch::kRxFrequency, 4).first<4>()));
            writeFrequency(json, "tx_freq",
                           readFrequency(image.range(row + ch::kTxFrequency, 4).first<4>()));
            json.field("rx_tone", column(texts, ChannelColumn::RxTone));
            json.field("tx_tone", column(texts, ChannelColumn::TxTone));
            json.field("busy_lock", column(texts, ChannelColumn::BusyLock));
            json.field("bandwidth", column(texts, ChannelColumn::Bandwidth));
            json.field("add_scan", column(texts, ChannelColumn::AddScan));
        }
        json.endObject();
    }
    json.endArray();
}

template <std::size_t N>
void writeFormList(JsonWriter& json, std::string_view key,
                   const std::array<std::string_view, N>& list, std::uint8_t stored) {
    json.key(key).beginObject();
    json.field("value", list[shownPosition(list, stored)]);
    json.field("byte", int{stored});
    json.endObject();
}

void writeSetting(JsonWriter& json, const RadioImage& image, SettingsField field,
                  Language language) {
    const auto selection = decodeSelection(image, field);
    json.beginObject();
    json.field("key", fieldKey(field));
    json.field("label", fieldLabel(field).in(language));
    json.key("value");
    selection ? json.string(entry(field, *selection, language)) : json.null();
    json.key("index");
    selection ? json.integer(*selection) : json.null();
    json.endObject();
}

} // namespace

void writeImageMembers(JsonWriter& json, const RadioImage& image, Language language) {
    writeChannels(json, image, language);
    writeFormList(json, "model", kModelEntries, image.byte(layout::kModelIndex));
    writeFormList(json, "frequency_range", kFrequencyRangeEntries, image.byte(layout::kRangeIndex));
    json.key("settings").beginArray();
    for (const SettingsField field : kOptionFunctionFields) {
        writeSetting(json, image, field, language);
    }
    for (const SettingsField field : kSideKeyFields) {
        writeSetting(json, image, field, language);
    }
    json.endArray();
    json.field("ptt_id_code", decodePttIdCode(image));
    json.field("pcba_code", decodePcbaCode(image));
}

} // namespace zrx::cli
