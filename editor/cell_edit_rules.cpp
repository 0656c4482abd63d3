#include "cell_edit_rules.h"

#include <algorithm>
#include <cctype>
#include <limits>

#include "grid/twips.h"
#include "grid_texts.h"
#include "image/decimal_number.h"
#include "image/tone_codec.h"

namespace zrx::editing {
namespace {

constexpr std::size_t kRx = 0;
constexpr std::size_t kTx = 1;
constexpr FrequencyCount kCountsPerMegahertz = 100000;

bool isDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

} // namespace

FrequencyCount clampAndSnap(FrequencyCount typed, FrequencyCount lower, FrequencyCount upper) {
    FrequencyCount v = typed;
    if (v != 0) {
        if (v > upper) {
            v = upper;
        }
        if (v < lower) {
            v = lower;
        }
    }
    if (v % kRaster5k != 0 && v % kRaster6k25 != 0) {
        const FrequencyCount to5k = v % kRaster5k;
        const FrequencyCount to6k25 = v % kRaster6k25;
        v -= to5k <= to6k25 ? to5k : to6k25;
    }
    return v;
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

std::optional<BandLimits> bandFromRangeText(std::string_view text) {
    // First run of digits, then skip non-digits, then the second run.
    std::size_t pos = 0;
    auto digitRun = [&]() -> std::optional<std::string_view> {
        const std::size_t begin = pos;
        while (pos < text.size() && isDigit(text[pos])) {
            ++pos;
        }
        if (pos == begin) {
            return std::nullopt;
        }
        return text.substr(begin, pos - begin);
    };
    const auto first = digitRun();
    if (!first) {
        return std::nullopt;
    }
    while (pos < text.size() && !isDigit(text[pos])) {
        ++pos;
    }
    const auto second = digitRun();
    if (!second) {
        return std::nullopt;
    }
    constexpr std::uint32_t kMaxMegahertz =
        std::numeric_limits<FrequencyCount>::max() / kCountsPerMegahertz;
    const std::uint32_t low = leadingInteger(*first);
    const std::uint32_t high = leadingInteger(*second);
    if (low > kMaxMegahertz || high > kMaxMegahertz) {
        return std::nullopt;
    }
    return BandLimits{low * kCountsPerMegahertz, high * kCountsPerMegahertz};
}

FrequencyKeyAction frequencyKeyAction(const KeyStroke& stroke) {
    switch (stroke.key) {
    case Key::Enter:
        return FrequencyKeyAction::Commit;
    case Key::Delete:
    case Key::Backspace:
    case Key::Left:
    case Key::Right:
        return FrequencyKeyAction::Pass;
    case Key::Digit:
    case Key::Point:
        if (stroke.keypad) {
            return FrequencyKeyAction::Pass;
        }
        return stroke.shift ? FrequencyKeyAction::Swallow : FrequencyKeyAction::Pass;
    default:
        return FrequencyKeyAction::Swallow;
    }
}

GridWrap gridArrowWrap(Key key, long row, long col, long rows, long cols) {
    if (key == Key::Right && col == cols - 1 && row != rows - 1) {
        return GridWrap::ToNextRowStart;
    }
    if (key == Key::Left && col == 1 && row > 1) {
        return GridWrap::ToPreviousRowEnd;
    }
    return GridWrap::None;
}

EditorRect cellEditorRect(long colPos, long rowPos, long colWidth, long rowHeight, int dpiX,
                          int dpiY, int gridLeft, int gridTop) {
    // Twips to pixels, rounded, the same conversion the grid uses; a whole
    // number of twips per pixel would misplace the editor on screens whose
    // resolution does not divide 1440.
    const long x = twips::toPixels(colPos, dpiX);
    const long y = twips::toPixels(rowPos, dpiY);
    const long w = twips::toPixels(colWidth, dpiX) + 1;
    const long h = twips::toPixels(rowHeight, dpiY) + 1;
    return EditorRect{static_cast<int>(gridLeft + x + 2), static_cast<int>(gridTop + y + 2),
                      static_cast<int>(gridLeft + x + w + 1),
                      static_cast<int>(gridTop + y + h + 1)};
}

} // namespace zrx::editing
