#include "finding_texts.h"

#include "image/channel_headings.h"
#include "image/text_fill.h"

namespace zrx::checks {
namespace {

constexpr LocalText kError{"error", "错误", "錯誤"};
constexpr LocalText kWarning{"warning", "警告", "警告"};
constexpr LocalText kChannels{"CH %1", "信道 %1", "信道 %1"};
constexpr LocalText kLine{"%1: %2: %3", "%1：%2：%3", "%1：%2：%3"};

constexpr LocalText kOutsideRadioBand{
    "%1 %2 MHz is outside the radio's %3-%4 MHz band: the radio cannot use it",
    "%1 %2 MHz 超出电台的 %3-%4 MHz 频段：电台无法使用",
    "%1 %2 MHz 超出電台的 %3-%4 MHz 頻段：電台無法使用"};
constexpr LocalText kTxOutsideRange{"%1 %2 MHz is outside the chosen Frequency Range %3-%4 MHz",
                                    "%1 %2 MHz 超出所选频率范围 %3-%4 MHz",
                                    "%1 %2 MHz 超出所選頻率範圍 %3-%4 MHz"};
constexpr LocalText kDuplicate{"the same channel more than once: same Rx Freq, Tx Freq and tones",
                               "重复的信道：接收频率、发射频率和亚音都相同",
                               "重複的信道：接收頻率、發射頻率和亞音都相同"};
constexpr LocalText kPmr446Wide{"on a PMR446 frequency but Wide: PMR446 allows Narrow only",
                                "位于 PMR446 频率，但带宽为“宽”：PMR446 只允许“窄”",
                                "位於 PMR446 頻率，但帶寬為「寬」：PMR446 只允許「窄」"};
constexpr LocalText kPmr446Split{
    "on a PMR446 frequency but Tx Freq differs from Rx Freq: PMR446 sends and receives on one "
    "frequency",
    "位于 PMR446 频率，但发射频率与接收频率不同：PMR446 收发同频",
    "位於 PMR446 頻率，但發射頻率與接收頻率不同：PMR446 收發同頻"};
constexpr LocalText kPmr446HighPower{
    "PMR446 channels while Power is High: PMR446 allows 0.5 W ERP only",
    "功率为“高”时使用 PMR446 信道：PMR446 只允许 0.5 W ERP",
    "功率為「高」時使用 PMR446 信道：PMR446 只允許 0.5 W ERP"};
constexpr LocalText kGapInScan{"empty between used channels while scanning is on",
                               "已用信道之间的空信道（扫描已开启）",
                               "已用信道之間的空信道（掃描已開啟）"};

// 40000000 -> "400", 44600625 -> "446.00625".
std::string megahertz(FrequencyCount count) {
    constexpr FrequencyCount kCountsPerMegahertz = 100000;
    return count % kCountsPerMegahertz == 0 ? std::to_string(count / kCountsPerMegahertz)
                                            : frequencyToText(count);
}

std::string frequencyReason(const LocalText& format, const Finding& finding, Language language) {
    const std::size_t heading = static_cast<std::size_t>(finding.column) + 1;
    return fillText(format.in(language),
                    {kChannelHeadings.at(heading).in(language), frequencyToText(finding.frequency),
                     megahertz(finding.band.lower), megahertz(finding.band.upper)});
}

} // namespace

std::string severityText(Severity severity, Language language) {
    return std::string((severity == Severity::Error ? kError : kWarning).in(language));
}

std::string channelsText(const Finding& finding, Language language) {
    // Runs of three or more read as one: "1-16", "2, 3", "4, 6-9".
    const std::vector<int>& channels = finding.channels;
    std::string numbers;
    for (std::size_t first = 0; first < channels.size();) {
        std::size_t last = first;
        while (last + 1 < channels.size() && channels[last + 1] == channels[last] + 1) {
            ++last;
        }
        if (last < first + 2) {
            last = first;
        }
        numbers += (numbers.empty() ? "" : ", ") + std::to_string(channels[first]);
        if (last > first) {
            numbers += "-" + std::to_string(channels[last]);
        }
        first = last + 1;
    }
    return fillText(kChannels.in(language), {numbers});
}

std::string reasonText(const Finding& finding, Language language) {
    switch (finding.kind) {
    case FindingKind::OutsideRadioBand:
        return frequencyReason(kOutsideRadioBand, finding, language);
    case FindingKind::TxOutsideRange:
        return frequencyReason(kTxOutsideRange, finding, language);
    case FindingKind::Duplicate:
        return std::string(kDuplicate.in(language));
    case FindingKind::Pmr446Wide:
        return std::string(kPmr446Wide.in(language));
    case FindingKind::Pmr446Split:
        return std::string(kPmr446Split.in(language));
    case FindingKind::Pmr446HighPower:
        return std::string(kPmr446HighPower.in(language));
    case FindingKind::GapInScan:
        break;
    }
    return std::string(kGapInScan.in(language));
}

std::string findingLine(const Finding& finding, Language language) {
    return fillText(kLine.in(language),
                    {severityText(finding.severity, language), channelsText(finding, language),
                     reasonText(finding, language)});
}

} // namespace zrx::checks
