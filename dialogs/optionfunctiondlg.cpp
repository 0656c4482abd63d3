#include "optionfunctiondlg.h"

#include <QComboBox>
#include <QLineEdit>

#include "dtmf_key_filter.h"
#include "image/settings_codes.h"
#include "settings_list.h"
#include "shell/dialog_template.h"
#include "shell/qt_text.h"
#include "upper_case_validator.h"

namespace {

using zrx::SettingsField;
constexpr int kCodeLength = 16;

struct ListBinding {
    int id;
    SettingsField field;
};

// Which list shows which field.
constexpr ListBinding kLists[] = {
    {1080, SettingsField::VoxDelayTime},
    {1081, SettingsField::SquelchLevel},
    {1082, SettingsField::VoxGainLevel},
    {1083, SettingsField::TimeOutTimer},
    {1084, SettingsField::SideTone},
    {1085, SettingsField::PriorityChannel},
    {1086, SettingsField::Vox},
    {1087, SettingsField::KillTone},
    {1088, SettingsField::Beep},
    {1089, SettingsField::FirstDigitDelayTime},
    {1090, SettingsField::PttId},
    {1091, SettingsField::DigitIntervalTime},
    {1093, SettingsField::DigitDelayTime},
    {1094, SettingsField::Power},
    {1095, SettingsField::VoiceAnnunciation},
    {1096, SettingsField::BatterySaver},
    {1097, SettingsField::EmergencyCallSwitch},
    {1098, SettingsField::RefuseEmergencyAlert},
    {1099, SettingsField::Scan},
};

// Two columns: controls at x 105 and 262, their labels right-aligned up to
// x 100 and 257. The controls come in the template's (and tab) order.
constexpr int kLeft = 105;
constexpr int kRight = 262;
constexpr int kWidth = 69;
constexpr DialogControl leftLabel(const char* text, int y) {
    return {-1, ControlKind::RightLabel, text, 2, y, 98, 12};
}
constexpr DialogControl rightLabel(const char* text, int y) {
    return {-1, ControlKind::RightLabel, text, 177, y, 80, 12};
}
constexpr DialogControl list(int id, int x, int y, int droppedHeight) {
    return {id, ControlKind::DropDownList, nullptr, x, y, kWidth, droppedHeight};
}

constexpr DialogControl kControls[] = {
    list(1083, kLeft, 13, 64),
    list(1094, kRight, 13, 64),
    list(1087, kLeft, 43, 56),
    list(1085, kRight, 43, 69),
    list(1081, kLeft, 58, 67),
    list(1090, kLeft, 73, 73),
    {COptionFunctionDlg::kIdPttIdCode, ControlKind::Edit, nullptr, kRight, 73, kWidth, 12},
    list(1086, kLeft, 88, 47),
    list(1082, kRight, 88, 64),
    list(1080, kLeft, 103, 55),
    list(1089, kLeft, 141, 62),
    list(1091, kRight, 141, 63),
    list(1093, kLeft, 156, 57),
    list(1084, kRight, 156, 51),
    list(1088, kLeft, 28, 56),
    list(1095, kRight, 103, 56),
    list(1096, kRight, 58, 56),
    list(1097, kRight, 118, 56),
    list(1098, kLeft, 118, 56),
    list(1099, kRight, 28, 56),
    leftLabel(QT_TRANSLATE_NOOP("Dialog156", "TOT (s)"), 13),
    rightLabel(QT_TRANSLATE_NOOP("Dialog156", "Power"), 13),
    leftLabel(QT_TRANSLATE_NOOP("Dialog156", "Beep"), 28),
    rightLabel(QT_TRANSLATE_NOOP("Dialog156", "Scan"), 28),
    leftLabel(QT_TRANSLATE_NOOP("Dialog156", "Kill Tone"), 43),
    rightLabel(QT_TRANSLATE_NOOP("Dialog156", "Priority CH"), 43),
    leftLabel(QT_TRANSLATE_NOOP("Dialog156", "Squelch Level"), 58),
    rightLabel(QT_TRANSLATE_NOOP("Dialog156", "Battery Saver"), 58),
    leftLabel(QT_TRANSLATE_NOOP("Dialog156", "PTT ID"), 73),
    rightLabel(QT_TRANSLATE_NOOP("Dialog156", "PTT ID Code"), 73),
    leftLabel(QT_TRANSLATE_NOOP("Dialog156", "Vox"), 88),
    rightLabel(QT_TRANSLATE_NOOP("Dialog156", "Vox Gain Level"), 88),
    leftLabel(QT_TRANSLATE_NOOP("Dialog156", "Vox Delay Time (s)"), 103),
    rightLabel(QT_TRANSLATE_NOOP("Dialog156", "Voice Annunication"), 103),
    leftLabel(QT_TRANSLATE_NOOP("Dialog156", "Refuse Emergency Alert"), 118),
    rightLabel(QT_TRANSLATE_NOOP("Dialog156", "Emergency Call Switch"), 118),
    leftLabel(QT_TRANSLATE_NOOP("Dialog156", "First Digit Delay Time (ms)"), 141),
    rightLabel(QT_TRANSLATE_NOOP("Dialog156", "Digit Interval Time (ms)"), 141),
    leftLabel(QT_TRANSLATE_NOOP("Dialog156", "Digit Delay Time (ms)"), 156),
    rightLabel(QT_TRANSLATE_NOOP("Dialog156", "Side Tone"), 156),
};
constexpr DialogTemplate kTemplate{COptionFunctionDlg::kTemplateId,
                                   QT_TRANSLATE_NOOP("Dialog156", "Option Function"),
                                   349,
                                   185,
                                   kControls,
                                   "Arial",
                                   8};

} // namespace

COptionFunctionDlg::COptionFunctionDlg(zrx::RadioImage& image, zrx::Language language,
                                       QWidget* parent)
    : CWriteBackDialog(parent), m_image(image), m_language(language) {
    BuildDialog(this, kTemplate);
    m_pttIdCode = qobject_cast<QLineEdit*>(DialogItem(this, kIdPttIdCode));
    m_pttIdCode->setValidator(new UpperCaseValidator(m_pttIdCode));
    m_pttIdCode->installEventFilter(new DtmfKeyFilter(m_pttIdCode));
    OnInitDialog();
}

QComboBox* COptionFunctionDlg::List(SettingsField field) const {
    for (const ListBinding& binding : kLists) {
        if (binding.field == field) {
            return qobject_cast<QComboBox*>(DialogItem(this, binding.id));
        }
    }
    return nullptr;
}

void COptionFunctionDlg::OnInitDialog() {
    for (const ListBinding& binding : kLists) {
        auto* list = qobject_cast<QComboBox*>(DialogItem(this, binding.id));
        FillSettingsList(list, binding.field, m_language);
        ShowSetting(list, m_image, binding.field);
    }
    m_pttIdCode->setMaxLength(kCodeLength);
    m_pttIdCode->setText(toQString(zrx::decodePttIdCode(m_image)));
}

void COptionFunctionDlg::WriteBack() {
    for (const ListBinding& binding : kLists) {
        StoreSetting(qobject_cast<QComboBox*>(DialogItem(this, binding.id)), m_image,
                     binding.field);
    }
    zrx::encodePttIdCode(m_image, m_pttIdCode->text().toUtf8().toStdString());
}
