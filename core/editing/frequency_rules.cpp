#include "frequency_rules.h"

#include <algorithm>
#include <cctype>
#include <limits>

#include "image/decimal_number.h"
#include "image/form_lists.h"
#include "image/image_layout.h"

namespace zrx::editing {
namespace {

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

BandLimits imageBand(const RadioImage& image) {
    const std::size_t shown =
        shownPosition(kFrequencyRangeEntries, image.byte(layout::kRangeIndex));
    // Every entry of the list names its band; the fallback is only a guard.
    return bandFromRangeText(kFrequencyRangeEntries.at(shown)).value_or(kRadioBand);
}

std::optional<FrequencyCount> readFrequencyText(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    const auto points = std::count(text.begin(), text.end(), '.');
    const auto digits = std::count_if(text.begin(), text.end(), isDigit);
    if (digits == 0 || points > 1 || static_cast<std::size_t>(points + digits) != text.size()) {
        return std::nullopt;
    }
    return frequencyFromText(text);
}

} // namespace zrx::editing
