#include "frequency_codec.h"

#include "bcd.h"
#include "decimal_number.h"

namespace zrx {
namespace {
constexpr int kMegahertzToCount = 5; // MHz * 10^5 = units of 10 Hz
}

FrequencyCount frequencyFromText(std::string_view text) {
    return leadingDecimalScaled(text, kMegahertzToCount);
}

std::string frequencyToText(FrequencyCount count) {
    return formatScaled(count, kMegahertzToCount);
}

FrequencyCount readFrequency(std::span<const std::uint8_t, 4> bytes) {
    return bcdToNumber(bytes[0]) + 100u * bcdToNumber(bytes[1]) + 10000u * bcdToNumber(bytes[2]) +
           1000000u * bcdToNumber(bytes[3]);
}

void writeFrequency(std::span<std::uint8_t, 4> bytes, FrequencyCount count) {
    for (auto& b : bytes) {
        b = numberToBcd(count % 100u);
        count /= 100u;
    }
}

} // namespace zrx
