#include "setting_assignment.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "command_failed.h"
#include "editing/code_characters.h"
#include "image/form_lists.h"
#include "image/image_layout.h"
#include "image/settings_codes.h"
#include "image/settings_labels.h"
#include "image/settings_lists.h"

namespace zrx::cli {
namespace {

using Target = SettingChange::Target;

// The dialog spells this label "Voice Annunication"; the right spelling is
// taken too.
constexpr LocalText kVoiceAnnunciationSpelling{"Voice Annunciation", "", ""};

struct Setting {
    Target target;
    const LocalText* label;
    SettingsField field = SettingsField::Beep; // List only
};

// Every setting, in the order `zrx show` prints them.
std::vector<Setting> allSettings() {
    std::vector<Setting> settings{{Target::ModelList, &kModelLabel},
                                  {Target::RangeList, &kFrequencyRangeLabel}};
    for (const SettingsField field : kOptionFunctionFields) {
        settings.push_back({Target::List, &fieldLabel(field), field});
    }
    settings.push_back({Target::PttIdCode, &kPttIdCodeLabel});
    for (const SettingsField field : kSideKeyFields) {
        settings.push_back({Target::List, &fieldLabel(field), field});
    }
    settings.push_back({Target::PcbaCode, &kPcbaLabel});
    return settings;
}

// Names and values compare without spaces and without ASCII case.
std::string folded(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (std::isspace(static_cast<unsigned char>(c)) == 0) {
            out.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
        }
    }
    return out;
}

// "tot(s)" without its unit: "tot".
std::string withoutUnit(const std::string& name) {
    const std::size_t open = name.rfind('(');
    return open != std::string::npos && open > 0 && name.back() == ')' ? name.substr(0, open)
                                                                       : name;
}

bool labelMatches(const LocalText& label, const std::string& name) {
    for (const Language language :
         {Language::English, Language::SimplifiedChinese, Language::TraditionalChinese}) {
        const std::string text = folded(label.in(language));
        if (!text.empty() && (text == name || withoutUnit(text) == name)) {
            return true;
        }
    }
    return false;
}

std::string quoted(std::string_view text) {
    return '"' + std::string(text) + '"';
}

std::string joined(const std::vector<std::string>& items) {
    std::string out;
    for (const std::string& item : items) {
        out += (out.empty() ? "" : ", ") + item;
    }
    return out;
}

// A long list of numbers is shown by its first entries and its last.
std::string allowedEntries(const std::vector<std::string>& entries) {
    constexpr std::size_t kShownWhole = 10;
    if (entries.size() <= kShownWhole) {
        return joined(entries);
    }
    return joined({entries[0], entries[1], entries[2]}) + " ... " + entries.back();
}

std::vector<std::string> listEntries(const Setting& setting, Language language) {
    switch (setting.target) {
    case Target::ModelList:
        return {kModelEntries.begin(), kModelEntries.end()};
    case Target::RangeList:
        return {kFrequencyRangeEntries.begin(), kFrequencyRangeEntries.end()};
    case Target::List:
        return entries(setting.field, language);
    case Target::PttIdCode:
    case Target::PcbaCode:
        break;
    }
    return {};
}

int listPosition(const Setting& setting, std::string_view value, Language language) {
    const std::string wanted = folded(value);
    for (const Language any :
         {Language::English, Language::SimplifiedChinese, Language::TraditionalChinese}) {
        const std::vector<std::string> list = listEntries(setting, any);
        for (std::size_t i = 0; i < list.size(); ++i) {
            if (folded(list[i]) == wanted) {
                return static_cast<int>(i);
            }
        }
    }
    throw CommandFailed(std::string(setting.label->in(language)) + ": no value " + quoted(value) +
                        "; the values are " + allowedEntries(listEntries(setting, language)));
}

// The code in upper case, or CommandFailed when it holds anything else.
std::string checkedCode(const Setting& setting, std::string_view value, Language language) {
    const bool ptt = setting.target == Target::PttIdCode;
    auto code = ptt ? editing::pttIdCodeFromText(value) : editing::pcbaCodeFromText(value);
    if (!code) {
        throw CommandFailed(std::string(setting.label->in(language)) + ": " + quoted(value) +
                            " is not a code; it takes up to 16 " +
                            (ptt ? "of 0-9, A-D, * and #" : "letters A-Z and digits 0-9") +
                            ", or nothing to clear it");
    }
    return std::move(*code);
}

} // namespace

void SettingChange::applyTo(RadioImage& image) const {
    switch (m_target) {
    case Target::List:
        encodeSelection(image, m_field, m_position);
        break;
    case Target::ModelList:
        image.setByte(layout::kModelIndex, static_cast<std::uint8_t>(m_position));
        break;
    case Target::RangeList:
        image.setByte(layout::kRangeIndex, static_cast<std::uint8_t>(m_position));
        break;
    case Target::PttIdCode:
        encodePttIdCode(image, m_code);
        break;
    case Target::PcbaCode:
        encodePcbaCode(image, m_code);
        break;
    }
}

SettingChange parseSettingChange(std::string_view argument, Language language) {
    const std::size_t equals = argument.find('=');
    if (equals == std::string_view::npos) {
        throw CommandFailed(quoted(argument) + " is not NAME=VALUE");
    }
    const std::string name = folded(argument.substr(0, equals));
    const std::string_view value = argument.substr(equals + 1);
    const std::vector<Setting> settings = allSettings();
    for (const Setting& setting : settings) {
        const bool named =
            labelMatches(*setting.label, name) ||
            (setting.target == Target::List && setting.field == SettingsField::VoiceAnnunciation &&
             labelMatches(kVoiceAnnunciationSpelling, name));
        if (!named) {
            continue;
        }
        if (setting.target == Target::PttIdCode || setting.target == Target::PcbaCode) {
            return {setting.target, setting.field, 0, checkedCode(setting, value, language)};
        }
        return {setting.target, setting.field, listPosition(setting, value, language), {}};
    }
    std::vector<std::string> names;
    for (const Setting& setting : settings) {
        names.emplace_back(setting.label->in(language));
    }
    throw CommandFailed("no setting " + quoted(argument.substr(0, equals)) + "; the settings are " +
                        joined(names));
}

} // namespace zrx::cli
