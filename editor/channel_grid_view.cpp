// The channel grid drawn from the document's radio image.
#include "channel_grid_view.h"

#include <QComboBox>

#include "document/programdoc.h"
#include "grid/msflexgrid.h"
#include "grid_texts.h"
#include "image/image_layout.h"
#include "image/tone_list.h"
#include "shell/program_state.h"
#include "shell/qt_text.h"

namespace {

constexpr int kGridRows = 17;
constexpr int kGridCols = zrx::editing::kGridColumnCount;

// What the Edit menu calls the step of a committed cell: "Rx Freq, CH 3".
constexpr zrx::LocalText kCellStep{"%1, %2 %3", "%1，%2 %3", "%1，%2 %3"};

// What a screen reader hears: the grid, a channel, a cell and its text.
constexpr zrx::LocalText kGridName{"Channel table", "信道表", "信道表"};
constexpr zrx::LocalText kChannelName{"%1 %2", "%1 %2", "%1 %2"};
constexpr zrx::LocalText kCellName{"%1, %2", "%1，%2", "%1，%2"};
constexpr zrx::LocalText kEmptyCell{"empty", "空", "空"};

} // namespace

ChannelGridView::ChannelGridView(CProgramDoc* doc, ProgramState& state, CMSFlexGrid* grid)
    : m_doc(doc), m_state(state), m_grid(grid) {}

ChannelGridView::~ChannelGridView() {
    // The grid outlives this view of it by a moment.
    m_grid->SetCellNamer({});
}

QString ChannelGridView::CellName(long row, long col, bool withText) const {
    const auto heading = [this](long column) {
        return toQString(zrx::editing::kGridHeadings.at(static_cast<std::size_t>(column)),
                         m_state.language);
    };
    if (row <= 0 || col < 0 || col >= zrx::editing::kGridColumnCount) {
        return col >= 0 && col < zrx::editing::kGridColumnCount ? heading(col) : QString();
    }
    const QString channel =
        toQString(kChannelName, m_state.language).arg(heading(0), QString::number(row));
    if (col == 0) {
        return channel;
    }
    const QString cell = toQString(kCellName, m_state.language).arg(channel, heading(col));
    if (!withText) {
        return cell;
    }
    const QString text = m_grid->GetTextMatrix(row, col);
    return toQString(kCellName, m_state.language)
        .arg(cell, text.isEmpty() ? toQString(kEmptyCell, m_state.language) : text);
}

void ChannelGridView::InitGrid(QComboBox* toneListBox) {
    m_grid->SetRows(kGridRows);
    m_grid->SetCols(kGridCols);
    m_grid->SetFixedRows(1);
    m_grid->SetFixedCols(1);
    for (int c = 0; c < kGridCols; ++c) {
        m_grid->SetTextMatrix(0, c,
                              toQString(zrx::editing::kGridHeadings.at(static_cast<std::size_t>(c)),
                                        m_state.language));
        m_grid->SetColAlignment(c, CMSFlexGrid::kAlignCenterCenter);
    }
    for (int r = 1; r < kGridRows; ++r) {
        m_grid->SetTextMatrix(r, 0, QString::number(r));
    }
    m_grid->setAccessibleName(toQString(kGridName, m_state.language));
    m_grid->SetCellNamer([this](int row, int col) { return CellName(row, col, true); });
    m_grid->SetSelectionMode(0);
    m_grid->SetWordWrap(true);
    // The channel-number column is half as wide as each data column.
    const long width = m_grid->GetColWidth(0);
    m_grid->SetColWidth(0, width / 2);
    for (int c = 1; c < kGridCols; ++c) {
        m_grid->SetColWidth(c, width);
    }
    m_toneList.clear();
    for (const std::string& tone : zrx::buildToneList(m_state.language)) {
        m_toneList.append(toQString(tone));
    }
    toneListBox->clear();
    toneListBox->addItems(m_toneList);
    toneListBox->setCurrentIndex(-1);
}

zrx::ChannelTexts ChannelGridView::RowTexts(long row) const {
    zrx::ChannelTexts texts;
    for (int c = 0; c < zrx::kChannelColumnCount; ++c) {
        texts.at(static_cast<std::size_t>(c)) = m_grid->GetTextMatrix(row, c + 1).toStdString();
    }
    return texts;
}

void ChannelGridView::ShowTexts(long row, const zrx::ChannelTexts& texts) {
    for (int c = 0; c < zrx::kChannelColumnCount; ++c) {
        const QString text = toQString(texts.at(static_cast<std::size_t>(c)));
        if (m_grid->GetTextMatrix(row, c + 1) != text) {
            m_grid->SetTextMatrix(row, c + 1, text);
        }
    }
}

void ChannelGridView::DrawRow(int channel) {
    ShowTexts(channel, zrx::decodeChannel(m_doc->Image(), channel, m_state.language));
}

void ChannelGridView::RedrawAll() {
    for (int n = 1; n <= zrx::layout::kChannelCount; ++n) {
        DrawRow(n);
    }
}

void ChannelGridView::Redraw(const std::function<void(int row)>& replacing) {
    // A row stands for the image while its texts encode to exactly the
    // image's bytes. The texts the user committed do (that is how they got
    // there), so they stay as typed; a row that an undo, a read or a
    // loaded file changed is decoded again.
    const zrx::RadioImage& image = m_doc->Image();
    for (int n = 1; n <= zrx::layout::kChannelCount; ++n) {
        zrx::RadioImage shown = image;
        zrx::encodeChannel(shown, n, RowTexts(n));
        if (shown == image) {
            continue;
        }
        replacing(n);
        DrawRow(n);
    }
}

void ChannelGridView::CommitRow(long row, long column, const zrx::ChannelTexts& texts) {
    ShowTexts(row, texts);
    const QString step =
        toQString(kCellStep, m_state.language)
            .arg(toQString(zrx::editing::kGridHeadings.at(static_cast<std::size_t>(column)),
                           m_state.language),
                 toQString(zrx::editing::kGridHeadings.at(0), m_state.language),
                 QString::number(row));
    m_doc->EditChannel(static_cast<int>(row), texts, step);
}
