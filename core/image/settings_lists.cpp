#include "settings_lists.h"

#include <cstdio>
#include <span>

#include "decimal_number.h"

namespace zrx {
namespace {

// A drop-down list: its worded entries first, then `count` numbers
// first, first + step, ... written with `decimals` decimals (the numbers are
// kept in units of 10^-decimals, so 0.5 s is 5 with one decimal).
struct ListContents {
    std::span<const LocalText> words;
    int first = 0;
    int step = 0;
    int count = 0;
    int decimals = 0;
};

constexpr LocalText kOnOff[] = {{"On", "开", "開"}, {"Off", "关", "關"}};
constexpr LocalText kPower[] = {{"High", "高", "高"}, {"Low", "低", "低"}};
constexpr LocalText kOff[] = {{"Off", "关", "關"}};
constexpr LocalText kNone[] = {{"None", "无", "無"}};
constexpr LocalText kKillTone[] = {{"Off", "关", "關"},
                                   {"120 phase shift", "120度相位偏移", "120度相位偏移"},
                                   {"180 phase shift", "180度相位偏移", "180度相位偏移"}};
constexpr LocalText kPttId[] = {{"Off", "关", "關"},
                                {"Begin Of Tx", "发射开始", "發射開始"},
                                {"End Of Tx", "发射结束", "發射結束"},
                                {"Both", "两者", "兩者"}};
constexpr LocalText kVoiceAnnunciation[] = {
    {"Off", "关", "關"}, {"English", "英文", "英文"}, {"Chinese", "中文", "中文"}};
constexpr LocalText kEmergencyCallSwitch[] = {{"Off", "关", "關"},
                                              {"Local Alert", "本地报警", "本地報警"},
                                              {"Local Tx Alert", "本地发射报警", "本地發射報警"},
                                              {"Tx Alert", "发射报警", "發射報警"}};
// The position of a side-key entry is the function code the radio stores.
constexpr LocalText kSideKeyFunctions[] = {{"None", "无", "無"},
                                           {"Monitor", "监听", "監聽"},
                                           {"Scan On/Off", "扫描开关", "掃描開關"},
                                           {"Priority Scan", "优先扫描", "優先掃描"},
                                           {"Reverse Frequency", "倒频", "倒頻"}};

static_assert(kOnOff[kOnEntry].english == "On");
static_assert(kPower[kHighPowerEntry].english == "High");
static_assert(kSideKeyFunctions[kScanOnOffKey].english == "Scan On/Off");
static_assert(kSideKeyFunctions[kPriorityScanKey].english == "Priority Scan");

ListContents contentsOf(SettingsField field) {
    switch (field) {
    case SettingsField::Beep:
    case SettingsField::BatterySaver:
    case SettingsField::Scan:
    case SettingsField::RefuseEmergencyAlert:
    case SettingsField::Vox:
    case SettingsField::SideTone:
        return {kOnOff};
    case SettingsField::Power:
        return {kPower};
    case SettingsField::VoiceAnnunciation:
        return {kVoiceAnnunciation};
    case SettingsField::EmergencyCallSwitch:
        return {kEmergencyCallSwitch};
    case SettingsField::KillTone:
        return {kKillTone};
    case SettingsField::PttId:
        return {kPttId};
    case SettingsField::SquelchLevel:
        return {{}, 0, 1, 10};
    case SettingsField::VoxGainLevel:
        return {{}, 1, 1, 9};
    case SettingsField::TimeOutTimer: // seconds
        return {kOff, 30, 30, 20};
    case SettingsField::VoxDelayTime: // seconds, one decimal
        return {{}, 5, 5, 6, 1};
    case SettingsField::PriorityChannel:
        return {kNone, 1, 1, 16};
    case SettingsField::SideKey1Short:
    case SettingsField::SideKey1Long:
    case SettingsField::SideKey2Short:
    case SettingsField::SideKey2Long:
        return {kSideKeyFunctions};
    case SettingsField::FirstDigitDelayTime: // milliseconds
        return {{}, 50, 50, 90};
    case SettingsField::DigitIntervalTime: // milliseconds
    case SettingsField::DigitDelayTime:
        return {{}, 25, 25, 256};
    }
    return {};
}

std::string numberText(const ListContents& list, int position) {
    const int value = list.first + list.step * position;
    if (list.decimals > 0) {
        return formatScaled(static_cast<std::uint64_t>(value), list.decimals);
    }
    return std::to_string(value);
}

} // namespace

int entryCount(SettingsField field) {
    const ListContents list = contentsOf(field);
    return static_cast<int>(list.words.size()) + list.count;
}

std::string entry(SettingsField field, int index, Language language) {
    const ListContents list = contentsOf(field);
    const int wordCount = static_cast<int>(list.words.size());
    if (index < 0 || index >= wordCount + list.count) {
        return {};
    }
    if (index < wordCount) {
        return std::string(list.words[static_cast<std::size_t>(index)].in(language));
    }
    return numberText(list, index - wordCount);
}

std::vector<std::string> entries(SettingsField field, Language language) {
    std::vector<std::string> list;
    const int count = entryCount(field);
    list.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        list.push_back(entry(field, i, language));
    }
    return list;
}

} // namespace zrx
