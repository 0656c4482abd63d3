#include "channel_edits.h"

#include <algorithm>

#include "image/tone_codec.h"
#include "image/tone_list.h"

namespace zrx::editing {
namespace {

constexpr std::size_t kRx = 0;
constexpr std::size_t kTx = 1;

} // namespace

const ChoicePair* choicesFor(ChannelColumn column) {
    switch (column) {
    case ChannelColumn::BusyLock:
        return &kBusyLockChoices;
    case ChannelColumn::Bandwidth:
        return &kBandwidthChoices;
    case ChannelColumn::AddScan:
        return &kAddScanChoices;
    default:
        return nullptr;
    }
}

ChannelTexts newChannelTexts(std::string_view frequency, Language language) {
    ChannelTexts texts;
    column(texts, ChannelColumn::RxFrequency) = frequency;
    column(texts, ChannelColumn::TxFrequency) = frequency;
    column(texts, ChannelColumn::RxTone) = kToneOffText.in(language);
    column(texts, ChannelColumn::TxTone) = kToneOffText.in(language);
    column(texts, ChannelColumn::BusyLock) = kNewChannelBusyLock.in(language);
    column(texts, ChannelColumn::Bandwidth) = kNewChannelBandwidth.in(language);
    column(texts, ChannelColumn::AddScan) = kNewChannelAddScan.in(language);
    return texts;
}

bool isToneText(std::string_view text) {
    // Only the first entry, "Off", differs between the languages.
    const std::vector<std::string> tones = buildToneList(Language::English);
    return kToneOffText.matches(text) || std::find(tones.begin(), tones.end(), text) != tones.end();
}

ChannelTexts commitFrequency(const ChannelTexts& row, int column, std::string_view typed,
                             Language language, FrequencyCount lower, FrequencyCount upper) {
    const FrequencyCount v = clampAndSnap(frequencyFromText(typed), lower, upper);
    const std::string text = v != 0 ? frequencyToText(v) : std::string();
    const bool emptyChannel = row[kRx].empty();
    ChannelTexts result = row;
    if (column == 1) {
        if (text.empty()) {
            result = ChannelTexts{};
        } else if (emptyChannel) {
            result = newChannelTexts(text, language);
        } else {
            result[kRx] = text;
        }
    } else if (column == 2) {
        result[kTx] = emptyChannel ? std::string() : text;
    }
    return result;
}

std::string listCommitText(std::string_view rxText, std::string_view chosen) {
    return rxText.empty() ? std::string() : std::string(chosen);
}

} // namespace zrx::editing
