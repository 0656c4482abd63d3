#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace zrx::cli {

// `format` with %1, %2... replaced by the values in order.
inline std::string fillText(std::string_view format, std::initializer_list<std::string> values) {
    std::string text(format);
    int number = 1;
    for (const std::string& value : values) {
        const std::string marker = "%" + std::to_string(number++);
        for (auto at = text.find(marker); at != std::string::npos; at = text.find(marker, at)) {
            text.replace(at, marker.size(), value);
            at += value.size();
        }
    }
    return text;
}

} // namespace zrx::cli
