#include "tone_list.h"

#include <cstdio>

#include "decimal_number.h"
#include "tone_codec.h"

namespace zrx {

std::vector<std::string> buildToneList(Language language) {
    std::vector<std::string> list;
    list.reserve(kToneListSize);
    list.emplace_back(kToneOffText.in(language));
    for (const auto tenths : kCtcssTenths) {
        list.push_back(formatScaled(tenths, 1));
    }
    for (const char polarity : {'N', 'I'}) {
        for (const auto code : kDcsCodes) {
            char buffer[16];
            std::snprintf(buffer, sizeof buffer, "D%03u%c", static_cast<unsigned>(code), polarity);
            list.emplace_back(buffer);
        }
    }
    return list;
}

} // namespace zrx
