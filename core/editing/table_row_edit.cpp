#include "table_row_edit.h"

#include "channel_edits.h"

namespace zrx::editing {
namespace {

using Reason = CellChange::Reason;

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string quotedTexts(const ChoicePair& choices) {
    std::string list;
    for (const LocalText& text : {choices.first, choices.second}) {
        for (const Language language :
             {Language::English, Language::SimplifiedChinese, Language::TraditionalChinese}) {
            const std::string entry = '"' + std::string(text.in(language)) + '"';
            if (list.find(entry) == std::string::npos) {
                list += (list.empty() ? "" : ", ") + entry;
            }
        }
    }
    return list;
}

class RowEditor {
public:
    RowEditor(const ChannelTexts& current, const GivenTexts& given, BandLimits band)
        : m_given(given), m_band(band) {
        m_edit.texts = current;
    }

    RowEdit run() {
        // Every value is read before any is stored.
        for (int i = 0; i < kChannelColumnCount; ++i) {
            if (!readable(static_cast<ChannelColumn>(i))) {
                return m_edit;
            }
        }
        storeRxFrequency();
        if (held(ChannelColumn::RxFrequency).empty()) {
            notStored();
            return m_edit;
        }
        if (filled(ChannelColumn::TxFrequency)) {
            held(ChannelColumn::TxFrequency) = frequency(ChannelColumn::TxFrequency);
        }
        for (const ChannelColumn c :
             {ChannelColumn::RxTone, ChannelColumn::TxTone, ChannelColumn::BusyLock,
              ChannelColumn::Bandwidth, ChannelColumn::AddScan}) {
            if (const auto text = filled(c)) {
                held(c) = *text;
            }
        }
        return m_edit;
    }

private:
    // The trimmed text the row gives for `c`, or nothing when it leaves `c` out.
    std::optional<std::string_view> given(ChannelColumn c) const {
        const auto& cell = m_given[static_cast<std::size_t>(c)];
        return cell ? std::optional(trimmed(*cell)) : std::nullopt;
    }

    // The text the row gives for `c` when it gives one that is not empty.
    std::optional<std::string_view> filled(ChannelColumn c) const {
        const auto text = given(c);
        return text && !text->empty() ? text : std::nullopt;
    }

    std::string& held(ChannelColumn c) { return column(m_edit.texts, c); }

    // True when the cell can take what the row gives; otherwise says why.
    bool readable(ChannelColumn c) {
        const auto text = filled(c);
        if (!text || *text == held(c)) {
            return true;
        }
        std::string problem;
        if (c == ChannelColumn::RxFrequency || c == ChannelColumn::TxFrequency) {
            if (!readFrequencyText(*text)) {
                problem = "is not a frequency in MHz";
            }
        } else if (const ChoicePair* choices = choicesFor(c)) {
            if (!choices->offers(*text)) {
                problem = "is not one of " + quotedTexts(*choices);
            }
        } else if (!isToneText(*text)) {
            problem = "is not a tone of the list (\"Off\", 67.0 to 254.1 Hz, D023N to D754N, "
                      "D023I to D754I)";
        }
        if (problem.empty()) {
            return true;
        }
        m_edit.unreadable = UnreadableCell{c, std::string(*text), std::move(problem)};
        return false;
    }

    void storeRxFrequency() {
        const auto rx = given(ChannelColumn::RxFrequency);
        if (!rx) {
            return;
        }
        const bool wasEmpty = held(ChannelColumn::RxFrequency).empty();
        const std::string text =
            rx->empty() ? std::string() : frequency(ChannelColumn::RxFrequency);
        if (text.empty()) {
            m_edit.texts = ChannelTexts{};
        } else if (wasEmpty) {
            m_edit.texts = newChannelTexts(text, Language::English);
        } else {
            held(ChannelColumn::RxFrequency) = text;
        }
    }

    // The text a readable frequency cell stores, as the frequency editor
    // would store it; a value the channel holds stays as it is.
    std::string frequency(ChannelColumn c) {
        const std::string_view text = *filled(c);
        const FrequencyCount typed = readFrequencyText(text).value_or(0);
        const std::string& now = held(c);
        if (!now.empty() && frequencyFromText(now) == typed) {
            return now;
        }
        const FrequencyCount stored = clampAndSnap(typed, m_band.lower, m_band.upper);
        std::string storedText = stored != 0 ? frequencyToText(stored) : std::string();
        if (stored != typed) {
            const bool outside = typed < m_band.lower || typed > m_band.upper;
            m_edit.changes.push_back({c, std::string(text), storedText,
                                      outside ? Reason::OutsideBand : Reason::OffRaster});
        }
        return storedText;
    }

    // Notes the values given for a channel left without an Rx frequency.
    void notStored() {
        for (int i = 1; i < kChannelColumnCount; ++i) {
            const auto c = static_cast<ChannelColumn>(i);
            if (const auto text = filled(c)) {
                m_edit.changes.push_back({c, std::string(*text), {}, Reason::NoChannel});
            }
        }
    }

    const GivenTexts& m_given;
    BandLimits m_band;
    RowEdit m_edit;
};

} // namespace

RowEdit editChannelRow(const ChannelTexts& current, const GivenTexts& given, BandLimits band) {
    return RowEditor(current, given, band).run();
}

} // namespace zrx::editing
