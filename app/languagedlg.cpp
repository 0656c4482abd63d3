#include "languagedlg.h"

#include <QComboBox>
#include <QLabel>

#include "shell/dialog_template.h"
#include "shell/language_choice.h"

namespace {

constexpr int kIdLanguageList = 1094;

// Template 162. The program's own copy of this dialog has always been the
// Chinese one; each language library carries it in its own language, and
// these texts show only when a library leaves them out.
constexpr DialogControl kLanguageControls[] = {
    {-1, ControlKind::RightLabel, QT_TRANSLATE_NOOP("Dialog162", "语言设置"), 6, 14, 66, 12},
    {kIdLanguageList, ControlKind::ComboBox, nullptr, 78, 13, 72, 14},
    {1, ControlKind::DefaultButton, QT_TRANSLATE_NOOP("Dialog162", "确定"), 30, 42, 45, 14},
    {2, ControlKind::Button, QT_TRANSLATE_NOOP("Dialog162", "取消"), 85, 42, 45, 14},
};
constexpr DialogTemplate kLanguageTemplate{162, QT_TRANSLATE_NOOP("Dialog162", "语言"), 160, 66,
                                           kLanguageControls};

} // namespace

CLanguageDlg::CLanguageDlg(zrx::Language current, QWidget* parent)
    : QDialog(parent), m_chosen(current) {
    BuildDialog(this, kLanguageTemplate);
    // Not sorted: an entry's position is its language index.
    m_list = qobject_cast<QComboBox*>(DialogItem(this, kIdLanguageList));
    m_list->addItems(LanguageListEntries(current));
    m_list->setCurrentIndex(static_cast<int>(current));
    if (auto* label = findChild<QLabel*>()) {
        label->setBuddy(m_list);
    }
}

void CLanguageDlg::accept() {
    const int selected = m_list->currentIndex();
    m_chosen = (selected >= 0 && selected < zrx::kLanguageCount)
                   ? static_cast<zrx::Language>(selected)
                   : zrx::Language::English;
    QDialog::accept();
}
