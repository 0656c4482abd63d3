#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "image/language.h"
#include "image/radio_image.h"
#include "image/settings_field.h"

namespace zrx::cli {

// One NAME=VALUE of `zrx set`, already checked: storing it cannot fail.
class SettingChange {
public:
    enum class Target { List, ModelList, RangeList, PttIdCode, PcbaCode };

    SettingChange(Target target, SettingsField field, int position, std::string code)
        : m_target(target), m_field(field), m_position(position), m_code(std::move(code)) {}

    // Stores the value into exactly the setting's bits or bytes.
    void applyTo(RadioImage& image) const;

private:
    Target m_target;
    SettingsField m_field; // List only
    int m_position;        // the list position, for the lists
    std::string m_code;    // the code, upper case, for the two codes
};

// Reads "NAME=VALUE". NAME is a label `zrx show` prints (the unit in
// parentheses may be left out) and VALUE an entry it prints for that
// setting, both in any of the three languages, in any case, with or without
// spaces; the PTT ID Code takes up to 16 DTMF symbols (0-9, A-D, *, #), the
// PCBA code up to 16 ASCII letters and digits, and an empty code clears it.
// Anything else throws CommandFailed with one line naming the argument and
// what is allowed, listed in `language`.
[[nodiscard]] SettingChange parseSettingChange(std::string_view argument, Language language);

} // namespace zrx::cli
