#include "decimal_number.h"

#include <cstddef>
#include <limits>
#include <string>

namespace zrx {
namespace {

constexpr std::size_t kSignificantDigits = 15;
constexpr std::uint64_t kSaturated = std::numeric_limits<std::uint32_t>::max();

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

struct ParsedDecimal {
    bool negative = false;
    std::string digits; // significant digits, no leading zeros
    long exponent = 0;  // value = digits * 10^exponent
};

// Reads the longest prefix that forms a decimal number, the way the C
// library's string-to-double conversion would.
ParsedDecimal parseLeadingDecimal(std::string_view text) {
    ParsedDecimal result;
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i])) {
        ++i;
    }
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        result.negative = text[i] == '-';
        ++i;
    }
    bool sawDigit = false;
    long fractionDigits = 0;
    auto takeDigit = [&](char c, bool afterPoint) {
        sawDigit = true;
        if (result.digits.empty() && c == '0') {
            if (afterPoint) {
                ++fractionDigits;
            }
            return;
        }
        result.digits.push_back(c);
        if (afterPoint) {
            ++fractionDigits;
        }
    };
    while (i < text.size() && isDigit(text[i])) {
        takeDigit(text[i++], false);
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i])) {
            takeDigit(text[i++], true);
        }
    }
    if (!sawDigit) {
        return {};
    }
    long exponent = -fractionDigits;
    // An exponent counts only when digits follow the 'e' (and its sign).
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        bool negativeExponent = false;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            negativeExponent = text[j] == '-';
            ++j;
        }
        if (j < text.size() && isDigit(text[j])) {
            long value = 0;
            while (j < text.size() && isDigit(text[j])) {
                if (value < 100000) {
                    value = value * 10 + (text[j] - '0');
                }
                ++j;
            }
            exponent += negativeExponent ? -value : value;
        }
    }
    result.exponent = exponent;
    return result;
}

// Rounds to 15 significant digits, half away from zero.
void roundToSignificantDigits(ParsedDecimal& number) {
    if (number.digits.size() <= kSignificantDigits) {
        return;
    }
    const bool roundUp = number.digits[kSignificantDigits] >= '5';
    number.exponent += static_cast<long>(number.digits.size() - kSignificantDigits);
    number.digits.resize(kSignificantDigits);
    if (!roundUp) {
        return;
    }
    std::size_t k = number.digits.size();
    while (k > 0) {
        --k;
        if (number.digits[k] == '9') {
            number.digits[k] = '0';
            continue;
        }
        ++number.digits[k];
        return;
    }
    number.digits.insert(number.digits.begin(), '1');
}

} // namespace

std::uint32_t leadingDecimalScaled(std::string_view text, int scale) {
    ParsedDecimal number = parseLeadingDecimal(text);
    if (number.digits.empty() || number.negative) {
        return 0;
    }
    roundToSignificantDigits(number);
    const long exponent = number.exponent + scale;
    const long integerDigits = static_cast<long>(number.digits.size()) + exponent;
    if (integerDigits <= 0) {
        return 0; // below one unit: truncates to zero
    }
    if (integerDigits > 10) {
        return static_cast<std::uint32_t>(kSaturated);
    }
    std::uint64_t value = 0;
    for (long k = 0; k < integerDigits; ++k) {
        const auto index = static_cast<std::size_t>(k);
        const unsigned digit =
            index < number.digits.size() ? static_cast<unsigned>(number.digits[index] - '0') : 0u;
        value = value * 10u + digit;
    }
    return static_cast<std::uint32_t>(value > kSaturated ? kSaturated : value);
}

std::uint32_t leadingInteger(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    std::uint64_t value = 0;
    while (i < text.size() && isDigit(text[i])) {
        value = value * 10u + static_cast<unsigned>(text[i] - '0');
        if (value > kSaturated) {
            value = kSaturated;
        }
        ++i;
    }
    return negative ? 0u : static_cast<std::uint32_t>(value);
}

std::string formatScaled(std::uint64_t value, int decimals) {
    std::string digits = std::to_string(value);
    const auto places = static_cast<std::size_t>(decimals);
    if (places == 0) {
        return digits;
    }
    if (digits.size() <= places) {
        digits.insert(0, places + 1 - digits.size(), '0');
    }
    digits.insert(digits.size() - places, 1, '.');
    return digits;
}

} // namespace zrx
