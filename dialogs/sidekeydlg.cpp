#include "sidekeydlg.h"

#include <QComboBox>

#include "settings_list.h"
#include "shell/dialog_template.h"

namespace {

using zrx::SettingsField;

struct ListBinding {
    int id;
    SettingsField field;
};

// In the template's (and tab) order, which is also the order the two bytes
// are written in.
constexpr ListBinding kLists[] = {
    {1093, SettingsField::SideKey1Short},
    {1094, SettingsField::SideKey1Long},
    {1095, SettingsField::SideKey2Short},
    {1096, SettingsField::SideKey2Long},
};

constexpr DialogControl kControls[] = {
    {-1, ControlKind::GroupBox, QT_TRANSLATE_NOOP("Dialog161", "Side Key 1"), 17, 12, 135, 47},
    {-1, ControlKind::RightLabel, QT_TRANSLATE_NOOP("Dialog161", "Short"), 28, 23, 23, 12},
    {1093, ControlKind::DropDownList, nullptr, 57, 23, 85, 65},
    {-1, ControlKind::RightLabel, QT_TRANSLATE_NOOP("Dialog161", "Long"), 28, 39, 23, 12},
    {1094, ControlKind::DropDownList, nullptr, 57, 39, 85, 65},
    {-1, ControlKind::GroupBox, QT_TRANSLATE_NOOP("Dialog161", "Side Key 2"), 17, 63, 135, 47},
    {-1, ControlKind::RightLabel, QT_TRANSLATE_NOOP("Dialog161", "Short"), 28, 75, 23, 12},
    {1095, ControlKind::DropDownList, nullptr, 57, 75, 85, 71},
    {-1, ControlKind::RightLabel, QT_TRANSLATE_NOOP("Dialog161", "Long"), 28, 91, 23, 12},
    {1096, ControlKind::DropDownList, nullptr, 57, 91, 85, 72},
};
constexpr DialogTemplate kTemplate{CSideKeyDlg::kTemplateId,
                                   QT_TRANSLATE_NOOP("Dialog161", "Side Key"),
                                   170,
                                   123,
                                   kControls,
                                   "Arial",
                                   8};

} // namespace

CSideKeyDlg::CSideKeyDlg(zrx::RadioImage& image, zrx::Language language, QWidget* parent)
    : CWriteBackDialog(parent), m_image(image), m_language(language) {
    BuildDialog(this, kTemplate);
    OnInitDialog();
}

QComboBox* CSideKeyDlg::List(SettingsField field) const {
    for (const ListBinding& binding : kLists) {
        if (binding.field == field) {
            return qobject_cast<QComboBox*>(DialogItem(this, binding.id));
        }
    }
    return nullptr;
}

void CSideKeyDlg::OnInitDialog() {
    for (const ListBinding& binding : kLists) {
        auto* list = qobject_cast<QComboBox*>(DialogItem(this, binding.id));
        FillSettingsList(list, binding.field, m_language);
        ShowSetting(list, m_image, binding.field);
    }
}

void CSideKeyDlg::WriteBack() {
    for (const ListBinding& binding : kLists) {
        StoreSetting(qobject_cast<QComboBox*>(DialogItem(this, binding.id)), m_image,
                     binding.field);
    }
}
