#include "comparedlg.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "image/channel_headings.h"
#include "shell/qt_text.h"

namespace {

using zrx::LocalText;

constexpr LocalText kCaption{"Compare with Radio", "与电台比较", "與電台比較"};
constexpr LocalText kWrite{"&Write These Changes", "写入这些更改(&W)", "寫入這些變更(&W)"};
constexpr LocalText kUseRadioText{"&Use the Radio's", "使用电台中的(&U)", "使用電台中的(&U)"};
constexpr LocalText kClose{"Close", "关闭", "關閉"};
constexpr LocalText kSettings{"Settings", "设置", "設置"};

} // namespace

CCompareDlg::CCompareDlg(const std::vector<zrx::ImageDifference>& differences,
                         zrx::Language language, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(toQString(kCaption, language));
    auto* layout = new QVBoxLayout(this);
    if (differences.empty()) {
        layout->addWidget(new QLabel(toQString(zrx::kNothingDiffersText, language), this));
    } else {
        m_table = new QTableWidget(static_cast<int>(differences.size()), 4, this);
        m_table->setHorizontalHeaderLabels({toQString(zrx::kChannelHeadings.front(), language),
                                            toQString(zrx::kFieldHeadingText, language),
                                            toQString(zrx::kInTheRadioText, language),
                                            toQString(zrx::kInThisFileText, language)});
        m_table->verticalHeader()->hide();
        // Rows as tall as a line of text, so a long list shows many at once.
        m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 8);
        m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
        m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
        for (int row = 0; row < m_table->rowCount(); ++row) {
            const zrx::ImageDifference& difference = differences[static_cast<std::size_t>(row)];
            const QString cells[] = {
                difference.channel > 0 ? QString::number(difference.channel)
                                       : toQString(kSettings, language),
                toQString(difference.label),
                toQString(difference.first),
                toQString(difference.second),
            };
            for (int column = 0; column < 4; ++column) {
                m_table->setItem(row, column, new QTableWidgetItem(cells[column]));
            }
        }
        m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
        m_table->horizontalHeader()->setStretchLastSection(true);
        layout->addWidget(m_table, 1);
        resize(640, 420);
    }
    auto* buttons = new QHBoxLayout;
    m_write = new QPushButton(toQString(kWrite, language), this);
    m_useRadio = new QPushButton(toQString(kUseRadioText, language), this);
    m_close = new QPushButton(toQString(kClose, language), this);
    m_close->setDefault(true);
    // With nothing to tell apart there is nothing to write or take over.
    m_write->setEnabled(!differences.empty());
    m_useRadio->setEnabled(!differences.empty());
    buttons->addWidget(m_write);
    buttons->addWidget(m_useRadio);
    buttons->addStretch();
    buttons->addWidget(m_close);
    layout->addLayout(buttons);
    connect(m_write, &QPushButton::clicked, this, [this] { done(kWriteChanges); });
    connect(m_useRadio, &QPushButton::clicked, this, [this] { done(kUseRadio); });
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
}
