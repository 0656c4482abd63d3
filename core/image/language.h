#pragma once

#include <cstdint>
#include <string_view>

namespace zrx {

// The three languages the program speaks. The numeric values are the
// language index that Program.ini selects and that every three-variant text
// is chosen by.
enum class Language : std::uint8_t { English = 0, SimplifiedChinese = 1, TraditionalChinese = 2 };

inline constexpr int kLanguageCount = 3;

// A text the program sets itself, in its three variants.
struct LocalText {
    std::string_view english;
    std::string_view simplified;
    std::string_view traditional;

    [[nodiscard]] constexpr std::string_view in(Language language) const {
        switch (language) {
        case Language::SimplifiedChinese:
            return simplified;
        case Language::TraditionalChinese:
            return traditional;
        case Language::English:
            break;
        }
        return english;
    }

    [[nodiscard]] constexpr bool matches(std::string_view text) const {
        return text == english || text == simplified || text == traditional;
    }
};

} // namespace zrx
