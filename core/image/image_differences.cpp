#include "image_differences.h"

#include <array>
#include <cstdio>

#include "channel_codec.h"
#include "channel_headings.h"
#include "form_lists.h"
#include "image_layout.h"
#include "safety/hex_bytes.h"
#include "settings_codes.h"
#include "settings_field.h"
#include "settings_labels.h"
#include "settings_lists.h"
#include "utf8.h"

namespace zrx {

namespace {

namespace ch = layout::channel;

constexpr LocalText kEmpty{"(empty)", "（空）", "（空）"};
constexpr LocalText kNoSelection{"(no selection)", "（未选择）", "（未選擇）"};
constexpr LocalText kOtherBytes{"Other bytes", "其他字节", "其他位元組"};

// In ChannelColumn order.
constexpr std::array<std::string_view, kChannelColumnCount> kColumnKeys{
    "rx_freq", "tx_freq", "rx_tone", "tx_tone", "busy_lock", "bandwidth", "add_scan"};

// The bits of a record a column shows: `length` whole bytes from `offset`,
// or the one bit `bit` of the flags byte.
struct ColumnBits {
    std::size_t offset;
    std::size_t length;
    int bit; // -1 for whole bytes
};
constexpr std::array<ColumnBits, kChannelColumnCount> kColumnBits{{
    {ch::kRxFrequency, 4, -1},
    {ch::kTxFrequency, 4, -1},
    {ch::kRxToneLow, 2, -1},
    {ch::kTxToneLow, 2, -1},
    {ch::kFlags, 1, static_cast<int>(ch::kBusyLockBit)},
    {ch::kFlags, 1, static_cast<int>(ch::kNarrowBit)},
    {ch::kFlags, 1, static_cast<int>(ch::kAddScanBit)},
}};

class Comparison {
public:
    Comparison(const RadioImage& first, const RadioImage& second, CompareScope scope,
               Language language)
        : m_first(first), m_second(second), m_language(language),
          m_end(scope == CompareScope::WrittenBytes ? layout::kRadioWriteLength
                                                    : RadioImage::kSize) {
        for (std::size_t a = 0; a < RadioImage::kSize; ++a) {
            m_unexplained[a] = static_cast<std::uint8_t>(first.byte(a) ^ second.byte(a));
        }
    }

    void channels() {
        for (int channel = 1; channel <= layout::kChannelCount; ++channel) {
            const std::size_t row = layout::channelOffset(channel);
            const bool firstEmpty = m_first.byte(row + ch::kEmptyMarker) == 0xFF;
            const bool secondEmpty = m_second.byte(row + ch::kEmptyMarker) == 0xFF;
            const ChannelTexts first = decodeChannel(m_first, channel, m_language);
            const ChannelTexts second = decodeChannel(m_second, channel, m_language);
            for (std::size_t c = 0; c < kChannelColumnCount; ++c) {
                const std::string a = firstEmpty ? std::string(kEmpty.in(m_language)) : first[c];
                const std::string b = secondEmpty ? std::string(kEmpty.in(m_language)) : second[c];
                if (a == b) {
                    continue;
                }
                const ColumnBits bits = kColumnBits[c];
                const std::size_t offset = row + bits.offset;
                ImageDifference& d = add(DifferenceKind::ChannelField, kColumnKeys[c],
                                         std::string(kChannelHeadings[c + 1].in(m_language)), a, b,
                                         offset, offset + bits.length - 1);
                d.channel = channel;
                if (bits.bit >= 0) {
                    explain(offset, static_cast<std::uint8_t>(1u << bits.bit));
                } else {
                    explainBytes(offset, bits.length);
                }
                if (c <= static_cast<std::size_t>(ChannelColumn::TxFrequency)) {
                    d.firstFrequency = frequencyAt(m_first, firstEmpty, offset);
                    d.secondFrequency = frequencyAt(m_second, secondEmpty, offset);
                }
            }
        }
    }

    void settings() {
        if (m_end > layout::kRangeIndex) {
            formList("model", kModelLabel, kModelEntries, layout::kModelIndex);
            formList("frequency_range", kFrequencyRangeLabel, kFrequencyRangeEntries,
                     layout::kRangeIndex);
        }
        for (const SettingsField field : kOptionFunctionFields) {
            setting(field);
        }
        code("ptt_id_code", kPttIdCodeLabel, decodePttIdCode(m_first), decodePttIdCode(m_second),
             layout::kPttIdCode);
        for (const SettingsField field : kSideKeyFields) {
            setting(field);
        }
        code("pcba_code", kPcbaLabel, utf8::printable(decodePcbaCode(m_first)),
             utf8::printable(decodePcbaCode(m_second)), layout::kPcbaCode);
    }

    // What is left: runs of bytes that differ where no entry explains it,
    // each within one row of 16.
    void otherBytes() {
        for (std::size_t a = 0; a < m_end; ++a) {
            if (m_unexplained[a] == 0) {
                continue;
            }
            std::size_t last = a;
            while (last + 1 < m_end && m_unexplained[last + 1] != 0 &&
                   (last + 1) % RadioImage::kRowSize != 0) {
                ++last;
            }
            const std::size_t length = last - a + 1;
            std::string label = std::string(kOtherBytes.in(m_language)) + " " + hexAddress(a);
            if (last > a) {
                label += '-';
                label += hexAddress(last);
            }
            ImageDifference& d = add(DifferenceKind::OtherBytes, "other_bytes", std::move(label),
                                     hexBytes(m_first.range(a, length)),
                                     hexBytes(m_second.range(a, length)), a, last);
            const auto row = static_cast<int>(a / RadioImage::kRowSize);
            d.channel = row >= 1 && row <= layout::kChannelCount ? row : 0;
            a = last;
        }
    }

    std::vector<ImageDifference> take() { return std::move(m_differences); }

private:
    static std::optional<FrequencyCount> frequencyAt(const RadioImage& image, bool empty,
                                                     std::size_t offset) {
        if (empty) {
            return std::nullopt;
        }
        return readFrequency(image.range(offset, 4).first<4>());
    }

    ImageDifference& add(DifferenceKind kind, std::string_view key, std::string label,
                         std::string first, std::string second, std::size_t firstAddress,
                         std::size_t lastAddress) {
        ImageDifference d;
        d.kind = kind;
        d.key = key;
        d.label = std::move(label);
        d.first = std::move(first);
        d.second = std::move(second);
        d.firstAddress = firstAddress;
        d.lastAddress = lastAddress;
        m_differences.push_back(std::move(d));
        return m_differences.back();
    }

    void explain(std::size_t offset, std::uint8_t mask) {
        m_unexplained[offset] = static_cast<std::uint8_t>(m_unexplained[offset] & ~mask);
    }
    void explainBytes(std::size_t offset, std::size_t length) {
        for (std::size_t a = offset; a < offset + length; ++a) {
            explain(a, 0xFF);
        }
    }

    void setting(SettingsField field) {
        const auto text = [&](const RadioImage& image) {
            const auto selection = decodeSelection(image, field);
            return selection ? entry(field, *selection, m_language)
                             : std::string(kNoSelection.in(m_language));
        };
        const std::string a = text(m_first);
        const std::string b = text(m_second);
        if (a == b) {
            return;
        }
        const FieldBits bits = fieldBits(field);
        add(DifferenceKind::Setting, fieldKey(field), std::string(fieldLabel(field).in(m_language)),
            a, b, bits.offset, bits.offset);
        explain(bits.offset, static_cast<std::uint8_t>(((1u << bits.width) - 1u) << bits.shift));
    }

    void code(std::string_view key, const LocalText& label, const std::string& a,
              const std::string& b, std::size_t offset) {
        if (a == b) {
            return;
        }
        add(DifferenceKind::Setting, key, std::string(label.in(m_language)), a, b, offset,
            offset + layout::kCodeLength - 1);
        explainBytes(offset, layout::kCodeLength);
    }

    template <std::size_t N>
    void formList(std::string_view key, const LocalText& label,
                  const std::array<std::string_view, N>& entries, std::size_t offset) {
        const std::string a(entries[shownPosition(entries, m_first.byte(offset))]);
        const std::string b(entries[shownPosition(entries, m_second.byte(offset))]);
        if (a == b) {
            return;
        }
        add(DifferenceKind::Setting, key, std::string(label.in(m_language)), a, b, offset, offset);
        explainBytes(offset, 1);
    }

    const RadioImage& m_first;
    const RadioImage& m_second;
    Language m_language;
    std::size_t m_end;
    std::array<std::uint8_t, RadioImage::kSize> m_unexplained{};
    std::vector<ImageDifference> m_differences;
};

} // namespace

std::vector<ImageDifference> compareImages(const RadioImage& first, const RadioImage& second,
                                           CompareScope scope, Language language) {
    Comparison comparison(first, second, scope, language);
    comparison.channels();
    comparison.settings();
    comparison.otherBytes();
    return comparison.take();
}

} // namespace zrx
