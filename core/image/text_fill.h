#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace zrx {

// `pattern` with %1, %2, ... replaced by the values, in order: how the
// texts in three languages take the words that vary.
[[nodiscard]] inline std::string fillIn(std::string_view pattern,
                                        std::initializer_list<std::string_view> values) {
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const auto index = static_cast<std::size_t>(next - '1');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && index < values.size()) {
            text.append(*(values.begin() + index));
            ++i;
        } else {
            text.push_back(pattern[i]);
        }
    }
    return text;
}

} // namespace zrx
