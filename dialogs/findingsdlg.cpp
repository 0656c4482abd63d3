#include "findingsdlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "checks/finding_texts.h"
#include "shell/qt_text.h"

namespace {

using zrx::LocalText;

constexpr LocalText kCaption{"Check Plan", "检查方案", "檢查方案"};
constexpr LocalText kNothing{"No findings: nothing stands in the way of writing this memory.",
                             "未发现问题：这份数据可以写入电台。",
                             "未發現問題：這份數據可以寫入電台。"};
constexpr LocalText kBeforeWrite{
    "Before writing, look at what the checks found:", "写入前，请看看检查发现的问题：",
    "寫入前，請看看檢查發現的問題："};
constexpr LocalText kWriteAnyway{"&Write anyway", "仍然写入(&W)", "仍然寫入(&W)"};
constexpr LocalText kCancel{"Cancel", "取消", "取消"};
constexpr LocalText kClose{"Close", "关闭", "關閉"};
constexpr LocalText kDoNotCheck{"&Do not check before writing", "写入前不再检查(&D)",
                                "寫入前不再檢查(&D)"};
constexpr LocalText kHeadings[] = {
    {"Severity", "级别", "級別"},
    {"Channels", "信道", "信道"},
    {"Reason", "原因", "原因"},
};

} // namespace

CFindingsDlg::CFindingsDlg(const std::vector<zrx::checks::Finding>& findings, Purpose purpose,
                           zrx::Language language, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(toQString(kCaption, language));
    auto* layout = new QVBoxLayout(this);
    if (purpose == Purpose::BeforeWrite) {
        layout->addWidget(new QLabel(toQString(kBeforeWrite, language), this));
    }
    if (findings.empty()) {
        layout->addWidget(new QLabel(toQString(kNothing, language), this));
    } else {
        m_table = new QTableWidget(static_cast<int>(findings.size()), 3, this);
        QStringList headings;
        for (const LocalText& heading : kHeadings) {
            headings << toQString(heading, language);
        }
        m_table->setHorizontalHeaderLabels(headings);
        m_table->verticalHeader()->hide();
        m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
        m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
        m_table->setWordWrap(true);
        for (int row = 0; row < m_table->rowCount(); ++row) {
            const zrx::checks::Finding& finding = findings[static_cast<std::size_t>(row)];
            const QString cells[] = {
                toQString(zrx::checks::severityText(finding.severity, language)),
                toQString(zrx::checks::channelsText(finding, language)),
                toQString(zrx::checks::reasonText(finding, language)),
            };
            for (int column = 0; column < 3; ++column) {
                m_table->setItem(row, column, new QTableWidgetItem(cells[column]));
            }
        }
        m_table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
        m_table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
        m_table->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
        m_table->resizeRowsToContents();
        layout->addWidget(m_table, 1);
        resize(700, 340);
    }
    auto* buttons = new QDialogButtonBox(this);
    if (purpose == Purpose::BeforeWrite) {
        m_doNotCheck = new QCheckBox(toQString(kDoNotCheck, language), this);
        layout->addWidget(m_doNotCheck);
        m_accept =
            buttons->addButton(toQString(kWriteAnyway, language), QDialogButtonBox::AcceptRole);
        buttons->addButton(toQString(kCancel, language), QDialogButtonBox::RejectRole)
            ->setDefault(true);
    } else {
        m_accept = buttons->addButton(toQString(kClose, language), QDialogButtonBox::AcceptRole);
        m_accept->setDefault(true);
    }
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void CFindingsDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The reasons wrap to the width the table has once it is laid out.
    if (m_table != nullptr) {
        m_table->resizeRowsToContents();
    }
}

bool CFindingsDlg::DoNotCheckAgain() const {
    return m_doNotCheck != nullptr && m_doNotCheck->isChecked();
}
