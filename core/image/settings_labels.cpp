#include "settings_labels.h"

#include <array>

namespace zrx {
namespace {

// In SettingsField order.
constexpr std::array<LocalText, kSettingsFieldCount> kLabels{{
    {"Beep", "按键提示音", "按鍵提示音"},
    {"Battery Saver", "省电模式", "省電模式"},
    {"Scan", "扫描", "掃描"},
    {"Refuse Emergency Alert", "拒绝紧急报警", "拒絕緊急報警"},
    {"Voice Annunication", "语音提示", "語音提示"},
    {"Emergency Call Switch", "紧急呼叫开关", "緊急呼叫開關"},
    {"Squelch Level", "静噪等级", "靜噪等級"},
    {"Vox Gain Level", "声控灵敏度", "聲控靈敏度"},
    {"TOT (s)", "发射限时 (秒)", "發射限時 (秒)"},
    {"Vox Delay Time (s)", "声控延时 (秒)", "聲控延時 (秒)"},
    {"Kill Tone", "尾音消除", "尾音消除"},
    {"PTT ID", "PTT ID", "PTT ID"},
    {"Vox", "声控", "聲控"},
    {"Power", "功率", "功率"},
    {"Side Tone", "侧音", "側音"},
    {"Priority CH", "优先信道", "優先信道"},
    {"Side Key 1 Short", "侧键 1 短按", "側鍵 1 短按"},
    {"Side Key 1 Long", "侧键 1 长按", "側鍵 1 長按"},
    {"Side Key 2 Short", "侧键 2 短按", "側鍵 2 短按"},
    {"Side Key 2 Long", "侧键 2 长按", "側鍵 2 長按"},
    {"First Digit Delay Time (ms)", "首码延时 (毫秒)", "首碼延時 (毫秒)"},
    {"Digit Interval Time (ms)", "码间隔时间 (毫秒)", "碼間隔時間 (毫秒)"},
    {"Digit Delay Time (ms)", "码延时 (毫秒)", "碼延時 (毫秒)"},
}};

// In SettingsField order.
constexpr std::array<std::string_view, kSettingsFieldCount> kKeys{
    "beep",
    "battery_saver",
    "scan",
    "refuse_emergency_alert",
    "voice_annunciation",
    "emergency_call_switch",
    "squelch_level",
    "vox_gain_level",
    "time_out_timer",
    "vox_delay_time",
    "kill_tone",
    "ptt_id",
    "vox",
    "power",
    "side_tone",
    "priority_channel",
    "side_key_1_short",
    "side_key_1_long",
    "side_key_2_short",
    "side_key_2_long",
    "first_digit_delay_time",
    "digit_interval_time",
    "digit_delay_time",
};

} // namespace

std::string_view fieldKey(SettingsField field) {
    return kKeys[static_cast<std::size_t>(field)];
}

const LocalText& fieldLabel(SettingsField field) {
    return kLabels[static_cast<std::size_t>(field)];
}

} // namespace zrx
