#include "text_fill.h"

namespace zrx {

std::string fillText(std::string_view format, std::initializer_list<std::string_view> values) {
    std::string text;
    text.reserve(format.size());
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size() && format[i + 1] >= '1' &&
            format[i + 1] <= '9') {
            const auto place = static_cast<std::size_t>(format[i + 1] - '1');
            if (place < values.size()) {
                text.append(*(values.begin() + place));
                ++i;
                continue;
            }
        }
        text.push_back(format[i]);
    }
    return text;
}

} // namespace zrx
