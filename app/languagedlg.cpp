#include "languagedlg.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "dialog_units.h"
#include "language_choice.h"
#include "resources.h"

namespace {
constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;
constexpr int kIdLanguageList = 1094;
} // namespace

CLanguageDlg::CLanguageDlg(zrx::Language current, QWidget* parent)
    : QDialog(parent), m_chosen(current) {
    setWindowTitle(res("Dialog162", "Language"));
    setFont(QFont(QStringLiteral("Arial"), 9));
    const DialogUnits units(font());
    setFixedSize(units.ToPixels(160, 66));

    auto* label = new QLabel(res("Dialog162", "Language Setting"), this);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setGeometry(units.ToPixels(6, 14, 66, 12));

    // Not sorted: an entry's position is its language index.
    m_list = new QComboBox(this);
    m_list->setGeometry(units.ToPixels(78, 13, 72, 14));
    m_list->addItems(LanguageListEntries(current));
    m_list->setCurrentIndex(static_cast<int>(current));
    SetControlId(m_list, kIdLanguageList);
    label->setBuddy(m_list);

    auto* ok = new QPushButton(res("Dialog162", "OK"), this);
    ok->setGeometry(units.ToPixels(30, 42, 45, 14));
    ok->setDefault(true);
    SetControlId(ok, kIdOk);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* cancel = new QPushButton(res("Dialog162", "Cancel"), this);
    cancel->setGeometry(units.ToPixels(85, 42, 45, 14));
    SetControlId(cancel, kIdCancel);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void CLanguageDlg::accept() {
    const int selected = m_list->currentIndex();
    m_chosen = (selected >= 0 && selected < zrx::kLanguageCount)
                   ? static_cast<zrx::Language>(selected)
                   : zrx::Language::English;
    QDialog::accept();
}
