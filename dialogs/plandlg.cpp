#include "plandlg.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/qt_text.h"

namespace {

using zrx::LocalText;

constexpr LocalText kCaption{"New from Plan", "按方案新建", "按方案新建"};
constexpr LocalText kPlans{"&Plans:", "方案(&P)：", "方案(&P)："};
constexpr LocalText kNone{
    "No plans were found. Keep your own as channel tables (CSV, as zrx "
    "export writes them) in:\n%1",
    "未找到方案。可把自己的信道表（CSV，与 zrx export 写出的格式相同）放在：\n%1",
    "未找到方案。可把自己的信道表（CSV，與 zrx export 寫出的格式相同）放在：\n%1"};
constexpr LocalText kOk{"OK", "确定", "確定"};
constexpr LocalText kCancel{"Cancel", "取消", "取消"};

} // namespace

CPlanDlg::CPlanDlg(std::vector<zrx::plans::PlanEntry> plans, zrx::Language language,
                   QWidget* parent)
    : QDialog(parent), m_plans(std::move(plans)), m_language(language) {
    setWindowTitle(toQString(kCaption, language));
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(toQString(kPlans, language), this);
    m_list = new QListWidget(this);
    label->setBuddy(m_list);
    for (const zrx::plans::PlanEntry& plan : m_plans) {
        m_list->addItem(QStringLiteral("%1 (%2)").arg(
            toQString(plan.name), toQString(zrx::plans::originText(plan.origin, language))));
    }
    m_note = new QLabel(this);
    m_note->setWordWrap(true);
    m_note->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    m_note->setMinimumWidth(260);
    m_note->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* row = new QHBoxLayout;
    row->addWidget(m_list, 1);
    row->addWidget(m_note, 1);
    layout->addWidget(label);
    layout->addLayout(row, 1);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(toQString(kOk, language), QDialogButtonBox::AcceptRole);
    buttons->addButton(toQString(kCancel, language), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    ok->setEnabled(!m_plans.empty());
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QListWidget::currentRowChanged, this, &CPlanDlg::ShowNote);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    if (m_plans.empty()) {
        const auto folder = zrx::plans::userPlanFolder();
        m_note->setText(
            toQString(kNone, language)
                .arg(folder ? QString::fromStdU16String(folder->u16string()) : QString()));
    } else {
        m_list->setCurrentRow(0);
    }
    m_list->setFocus();
    resize(600, 300);
}

void CPlanDlg::ShowNote() {
    const int row = m_list->currentRow();
    if (row >= 0 && row < static_cast<int>(m_plans.size())) {
        m_note->setText(toQString(m_plans[static_cast<std::size_t>(row)].note.in(m_language)));
    }
}

const zrx::plans::PlanEntry* CPlanDlg::Chosen() const {
    const int row = m_list->currentRow();
    if (result() != QDialog::Accepted || row < 0 || row >= static_cast<int>(m_plans.size())) {
        return nullptr;
    }
    return &m_plans[static_cast<std::size_t>(row)];
}
