#include "plan_checks.h"

#include <algorithm>
#include <array>

#include "image/image_layout.h"
#include "image/settings_field.h"
#include "image/settings_lists.h"
#include "pmr446.h"

namespace zrx::checks {
namespace {

namespace ch = layout::channel;

// What the checks look at in one channel.
struct Channel {
    int number = 0;
    bool used = false;
    FrequencyCount rx = 0;
    FrequencyCount tx = 0;
    ChannelTexts texts; // in English, for the tones and flags

    [[nodiscard]] bool onPmr446() const { return isPmr446Frequency(rx) || isPmr446Frequency(tx); }
    [[nodiscard]] const std::string& text(ChannelColumn c) const { return column(texts, c); }
    [[nodiscard]] bool sameAs(const Channel& other) const {
        return rx == other.rx && tx == other.tx &&
               text(ChannelColumn::RxTone) == other.text(ChannelColumn::RxTone) &&
               text(ChannelColumn::TxTone) == other.text(ChannelColumn::TxTone);
    }
};
using Channels = std::array<Channel, layout::kChannelCount>;

FrequencyCount frequencyAt(const RadioImage& image, std::size_t offset) {
    return readFrequency(image.range(offset, 4).first<4>());
}

Channels readChannels(const RadioImage& image) {
    Channels channels;
    for (int n = 1; n <= layout::kChannelCount; ++n) {
        Channel& channel = channels[static_cast<std::size_t>(n - 1)];
        const std::size_t row = layout::channelOffset(n);
        channel.number = n;
        channel.used = image.byte(row + ch::kEmptyMarker) != 0xFF;
        if (channel.used) {
            channel.rx = frequencyAt(image, row + ch::kRxFrequency);
            channel.tx = frequencyAt(image, row + ch::kTxFrequency);
            channel.texts = decodeChannel(image, n, Language::English);
        }
    }
    return channels;
}

Finding finding(FindingKind kind, std::vector<int> channels) {
    Finding f;
    f.kind = kind;
    f.severity = Severity::Warning;
    f.channels = std::move(channels);
    return f;
}

Finding frequencyFinding(FindingKind kind, int channel, ChannelColumn column,
                         FrequencyCount frequency, editing::BandLimits band) {
    Finding f = finding(kind, {channel});
    f.severity = kind == FindingKind::OutsideRadioBand ? Severity::Error : Severity::Warning;
    f.column = column;
    f.frequency = frequency;
    f.band = band;
    return f;
}

void checkFrequencies(const Channel& channel, editing::BandLimits chosenRange,
                      std::vector<Finding>& findings) {
    for (const auto& [column, frequency] : {std::pair{ChannelColumn::RxFrequency, channel.rx},
                                            std::pair{ChannelColumn::TxFrequency, channel.tx}}) {
        if (!editing::kRadioBand.holds(frequency)) {
            findings.push_back(frequencyFinding(FindingKind::OutsideRadioBand, channel.number,
                                                column, frequency, editing::kRadioBand));
        } else if (column == ChannelColumn::TxFrequency && !chosenRange.holds(frequency)) {
            // Outside the radio's band it is an error already; this is for a
            // Tx the radio can send but the chosen range does not allow.
            findings.push_back(frequencyFinding(FindingKind::TxOutsideRange, channel.number, column,
                                                frequency, chosenRange));
        }
    }
}

void checkPmr446(const Channel& channel, std::vector<Finding>& findings) {
    if (!channel.onPmr446()) {
        return;
    }
    if (!kBandwidthNarrow.matches(channel.text(ChannelColumn::Bandwidth))) {
        findings.push_back(finding(FindingKind::Pmr446Wide, {channel.number}));
    }
    if (channel.tx != channel.rx) {
        findings.push_back(finding(FindingKind::Pmr446Split, {channel.number}));
    }
}

// Each group of two or more channels that are the same, once, named by all
// of its channels.
void checkDuplicates(const Channels& channels, std::vector<Finding>& findings) {
    std::array<bool, layout::kChannelCount> grouped{};
    for (std::size_t i = 0; i < channels.size(); ++i) {
        if (!channels[i].used || grouped[i]) {
            continue;
        }
        std::vector<int> group{channels[i].number};
        for (std::size_t j = i + 1; j < channels.size(); ++j) {
            if (channels[j].used && !grouped[j] && channels[j].sameAs(channels[i])) {
                grouped[j] = true;
                group.push_back(channels[j].number);
            }
        }
        if (group.size() > 1) {
            findings.push_back(finding(FindingKind::Duplicate, std::move(group)));
        }
    }
}

bool powerIsHigh(const RadioImage& image) {
    return decodeSelection(image, SettingsField::Power) == kHighPowerEntry;
}

bool radioCanScan(const RadioImage& image) {
    if (decodeSelection(image, SettingsField::Scan) == kOnEntry) {
        return true;
    }
    return std::any_of(kSideKeyFields.begin(), kSideKeyFields.end(), [&](SettingsField key) {
        const auto function = decodeSelection(image, key);
        return function == kScanOnOffKey || function == kPriorityScanKey;
    });
}

void checkRadioWide(const RadioImage& image, const Channels& channels,
                    std::vector<Finding>& findings) {
    std::vector<int> pmr446;
    for (const Channel& channel : channels) {
        if (channel.used && channel.onPmr446()) {
            pmr446.push_back(channel.number);
        }
    }
    if (!pmr446.empty() && powerIsHigh(image)) {
        findings.push_back(finding(FindingKind::Pmr446HighPower, std::move(pmr446)));
    }

    const bool anyInScanList = std::any_of(channels.begin(), channels.end(), [](const Channel& c) {
        return c.used && kScanAdd.matches(c.text(ChannelColumn::AddScan));
    });
    if (!anyInScanList || !radioCanScan(image)) {
        return;
    }
    // There is a used channel: one is in the scan list.
    const auto firstUsed =
        std::find_if(channels.begin(), channels.end(), [](const Channel& c) { return c.used; });
    const auto lastUsed =
        std::find_if(channels.rbegin(), channels.rend(), [](const Channel& c) { return c.used; });
    std::vector<int> gaps;
    for (auto it = firstUsed; it != lastUsed.base(); ++it) {
        if (!it->used) {
            gaps.push_back(it->number);
        }
    }
    if (!gaps.empty()) {
        findings.push_back(finding(FindingKind::GapInScan, std::move(gaps)));
    }
}

} // namespace

std::vector<Finding> checkPlan(const RadioImage& image, editing::BandLimits chosenRange) {
    const Channels channels = readChannels(image);
    std::vector<Finding> findings;
    for (const Channel& channel : channels) {
        if (channel.used) {
            checkFrequencies(channel, chosenRange, findings);
            checkPmr446(channel, findings);
        }
    }
    checkDuplicates(channels, findings);
    checkRadioWide(image, channels, findings);
    std::stable_sort(findings.begin(), findings.end(), [](const Finding& a, const Finding& b) {
        if (a.severity != b.severity) {
            return a.severity == Severity::Error;
        }
        return a.channels.front() < b.channels.front();
    });
    return findings;
}

bool hasError(const std::vector<Finding>& findings) {
    return std::any_of(findings.begin(), findings.end(),
                       [](const Finding& f) { return f.severity == Severity::Error; });
}

} // namespace zrx::checks
