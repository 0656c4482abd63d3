#include "msflexgrid.h"

#include <QFocusEvent>
#include <QHeaderView>
#include <QItemSelection>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

#include "flexgrid_accessible.h"
#include "flexgrid_painting.h"
#include "twips.h"

namespace {

constexpr int kGridLine = 1; // pixels of grid line at the right and bottom of every cell

short buttonCode(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

short shiftCode(Qt::KeyboardModifiers modifiers) {
    short code = 0;
    if (modifiers & Qt::ShiftModifier) {
        code = static_cast<short>(code | 1);
    }
    if (modifiers & Qt::ControlModifier) {
        code = static_cast<short>(code | 2);
    }
    if (modifiers & Qt::AltModifier) {
        code = static_cast<short>(code | 4);
    }
    return code;
}

int toInt(long value) {
    return static_cast<int>(std::clamp<long>(value, 0, 1L << 20));
}

} // namespace

CMSFlexGrid::CMSFlexGrid(QWidget* parent) : QTableWidget(parent) {
    FlexGridAccessible::Install();
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(kFrameWidth);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    // The grid draws its lines itself (PaintGridLines), each a whole number
    // of device pixels wide at any screen scale.
    setShowGrid(false);
    setCornerButtonEnabled(false);
    auto* style = new FlexGridStyle;
    style->setParent(this);
    setStyle(style);
    setItemDelegate(new FlexGridDelegate(this));
    viewport()->setMouseTracking(true);
    // Beyond the last row and column the grid shows its background, not
    // empty white cells; the role follows whatever palette the desktop has.
    viewport()->setBackgroundRole(QPalette::Window);
    applyDefaultSizes();
    connect(this, &QTableWidget::currentCellChanged, this, &CMSFlexGrid::onCurrentCellChanged);
    // A new grid has two rows and two columns, one of each fixed.
    SetRows(2);
    SetCols(2);
}

void CMSFlexGrid::applyDefaultSizes() {
    const QFontMetrics metrics(font());
    // Wide enough for an eleven-digit number with its point; kept even so
    // that half a column is a whole number of pixels.
    int width = metrics.horizontalAdvance(QStringLiteral("00000.00000")) + 6;
    width += width % 2;
    m_defaultColumnWidth = width;
    // Chinese texts come from a fallback font whose glyphs may stand taller
    // than the grid's own font: a row is tall enough for either, with a
    // pixel of air above and below.
    const int cjkHeight = metrics.boundingRect(QStringLiteral("\u4FE1\u9053\u983B\u7387")).height();
    m_defaultRowHeight = std::max(metrics.height(), cjkHeight) + 2;
    horizontalHeader()->setDefaultSectionSize(m_defaultColumnWidth + kGridLine);
    verticalHeader()->setDefaultSectionSize(m_defaultRowHeight + kGridLine);
}

long CMSFlexGrid::GetRows() const {
    return rowCount();
}

void CMSFlexGrid::SetRows(long rows) {
    const int count = toInt(rows);
    setRowCount(count);
    for (int r = 0; r < count; ++r) {
        setRowHeight(r, m_defaultRowHeight + kGridLine);
    }
    SetFixedRows(m_fixedRows);
}

long CMSFlexGrid::GetCols() const {
    return columnCount();
}

void CMSFlexGrid::SetCols(long cols) {
    const int count = toInt(cols);
    const int before = columnCount();
    setColumnCount(count);
    m_alignments.resize(count);
    for (int c = before; c < count; ++c) {
        m_alignments[c] = Qt::AlignLeft | Qt::AlignVCenter;
    }
    SetFixedCols(m_fixedCols);
}

void CMSFlexGrid::SetFixedRows(long rows) {
    m_fixedRows = std::clamp<long>(rows, 0, std::max<long>(0, GetRows() - 1));
    for (int r = 0; r < rowCount(); ++r) {
        for (int c = 0; c < columnCount(); ++c) {
            const bool fixed = r < m_fixedRows || c < m_fixedCols;
            QTableWidgetItem* cell = item(r, c);
            if (fixed && cell == nullptr) {
                cell = new QTableWidgetItem;
                setItem(r, c, cell);
            }
            if (cell != nullptr) {
                cell->setFlags(fixed ? Qt::ItemIsEnabled
                                     : (Qt::ItemIsEnabled | Qt::ItemIsSelectable));
            }
        }
    }
    if (!isValidCell(currentRow(), currentColumn()) || currentRow() < m_fixedRows ||
        currentColumn() < m_fixedCols) {
        if (isValidCell(m_fixedRows, m_fixedCols)) {
            setCurrentCell(static_cast<int>(m_fixedRows), static_cast<int>(m_fixedCols));
        }
    }
    viewport()->update();
}

void CMSFlexGrid::SetFixedCols(long cols) {
    m_fixedCols = std::clamp<long>(cols, 0, std::max<long>(0, GetCols() - 1));
    SetFixedRows(m_fixedRows);
}

long CMSFlexGrid::GetRow() const {
    return currentRow() >= 0 ? currentRow() : m_fixedRows;
}

long CMSFlexGrid::GetCol() const {
    return currentColumn() >= 0 ? currentColumn() : m_fixedCols;
}

void CMSFlexGrid::SetCol(long col) {
    if (!isValidCell(GetRow(), col) || col < m_fixedCols) {
        return;
    }
    setCurrentCell(static_cast<int>(GetRow()), static_cast<int>(col));
}

QString CMSFlexGrid::GetText() const {
    return GetTextMatrix(GetRow(), GetCol());
}

void CMSFlexGrid::SetText(const QString& text) {
    SetTextMatrix(GetRow(), GetCol(), text);
}

QString CMSFlexGrid::GetTextMatrix(long row, long col) const {
    if (!isValidCell(row, col)) {
        return {};
    }
    const QTableWidgetItem* cell = item(static_cast<int>(row), static_cast<int>(col));
    return cell != nullptr ? cell->text() : QString();
}

void CMSFlexGrid::SetTextMatrix(long row, long col, const QString& text) {
    if (QTableWidgetItem* cell = itemAt(row, col)) {
        cell->setText(text);
    }
}

QTableWidgetItem* CMSFlexGrid::itemAt(long row, long col) {
    if (!isValidCell(row, col)) {
        return nullptr;
    }
    const int r = static_cast<int>(row);
    const int c = static_cast<int>(col);
    QTableWidgetItem* cell = item(r, c);
    if (cell == nullptr) {
        cell = new QTableWidgetItem;
        const bool fixed = row < m_fixedRows || col < m_fixedCols;
        cell->setFlags(fixed ? Qt::ItemIsEnabled : (Qt::ItemIsEnabled | Qt::ItemIsSelectable));
        setItem(r, c, cell);
    }
    return cell;
}

bool CMSFlexGrid::isValidCell(long row, long col) const {
    return row >= 0 && col >= 0 && row < rowCount() && col < columnCount();
}

void CMSFlexGrid::SetWordWrap(bool on) {
    setWordWrap(on);
}

void CMSFlexGrid::SetHighLight(long value) {
    m_highLight = value;
    viewport()->update();
}

long CMSFlexGrid::GetMouseCol() const {
    const int col = columnAt(m_lastMouse.x());
    return col >= 0 ? col : 0;
}

void CMSFlexGrid::SetSelectionMode(long mode) {
    switch (mode) {
    case 1:
        setSelectionBehavior(QAbstractItemView::SelectRows);
        break;
    case 2:
        setSelectionBehavior(QAbstractItemView::SelectColumns);
        break;
    default:
        setSelectionBehavior(QAbstractItemView::SelectItems);
        break;
    }
}

void CMSFlexGrid::SetColAlignment(long col, short alignment) {
    if (col < 0 || col >= m_alignments.size()) {
        return;
    }
    // 0-2 left, 3-5 centre, 6-8 right; top, centre, bottom within each group.
    Qt::Alignment horizontal = Qt::AlignLeft;
    if (alignment >= 3 && alignment <= 5) {
        horizontal = Qt::AlignHCenter;
    } else if (alignment >= 6 && alignment <= 8) {
        horizontal = Qt::AlignRight;
    }
    Qt::Alignment vertical = Qt::AlignVCenter;
    if (alignment >= 0 && alignment <= 8) {
        const int row = alignment % 3;
        vertical = row == 0 ? Qt::AlignTop : (row == 1 ? Qt::AlignVCenter : Qt::AlignBottom);
    }
    m_alignments[static_cast<int>(col)] = horizontal | vertical;
    viewport()->update();
}

Qt::Alignment CMSFlexGrid::alignmentOf(int col) const {
    if (col < 0 || col >= m_alignments.size()) {
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
    return m_alignments[col];
}

long CMSFlexGrid::pixelsToTwipsX(int pixels) const {
    return twips::fromPixels(pixels, logicalDpiX());
}

long CMSFlexGrid::pixelsToTwipsY(int pixels) const {
    return twips::fromPixels(pixels, logicalDpiY());
}

int CMSFlexGrid::twipsToPixelsX(long value) const {
    return toInt(twips::toPixels(value, logicalDpiX()));
}

long CMSFlexGrid::GetColWidth(long col) const {
    if (col < 0 || col >= columnCount()) {
        return 0;
    }
    return pixelsToTwipsX(std::max(0, columnWidth(static_cast<int>(col)) - kGridLine));
}

void CMSFlexGrid::SetColWidth(long col, long twips) {
    if (col < 0 || col >= columnCount()) {
        return;
    }
    setColumnWidth(static_cast<int>(col), twipsToPixelsX(twips) + kGridLine);
}

long CMSFlexGrid::GetRowHeight(long row) const {
    if (row < 0 || row >= rowCount()) {
        return 0;
    }
    return pixelsToTwipsY(std::max(0, rowHeight(static_cast<int>(row)) - kGridLine));
}

// The client area starts inside the frame; the viewport (no headers) is
// exactly that area, so viewport positions are client positions.
long CMSFlexGrid::GetRowPos(long row) const {
    if (row < 0 || row >= rowCount()) {
        return 0;
    }
    return pixelsToTwipsY(rowViewportPosition(static_cast<int>(row)) + frameWidth() - kFrameWidth);
}

long CMSFlexGrid::GetColPos(long col) const {
    if (col < 0 || col >= columnCount()) {
        return 0;
    }
    return pixelsToTwipsX(columnViewportPosition(static_cast<int>(col)) + frameWidth() -
                          kFrameWidth);
}

QRect CMSFlexGrid::cellInteriorRect(int row, int col) const {
    return {columnViewportPosition(col), rowViewportPosition(row), columnWidth(col) - kGridLine,
            rowHeight(row) - kGridLine};
}

void CMSFlexGrid::onCurrentCellChanged(int row, int col, int previousRow, int previousCol) {
    if (row < 0 || col < 0 || (row == previousRow && col == previousCol)) {
        return;
    }
    emit EnterCell();
}

void CMSFlexGrid::mousePressEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    m_lastMouse = pos;
    if (event->button() == Qt::LeftButton) {
        const int row = rowAt(pos.y());
        const int col = columnAt(pos.x());
        const int firstRow = static_cast<int>(m_fixedRows);
        const int firstCol = static_cast<int>(m_fixedCols);
        if (row >= firstRow && col >= firstCol) {
            QTableWidget::mousePressEvent(event);
        } else if (row >= 0 && col >= 0 && isValidCell(firstRow, firstCol)) {
            // A heading selects its whole row, its whole column, or (the
            // corner) everything; the current cell goes to the first data cell.
            const int top = row >= firstRow ? row : firstRow;
            const int left = col >= firstCol ? col : firstCol;
            const int bottom = row >= firstRow ? row : rowCount() - 1;
            const int right = col >= firstCol ? col : columnCount() - 1;
            setCurrentCell(top, left, QItemSelectionModel::NoUpdate);
            selectionModel()->select(
                QItemSelection(model()->index(top, left), model()->index(bottom, right)),
                QItemSelectionModel::ClearAndSelect);
        }
    }
    emit MouseDown(buttonCode(event->button()), shiftCode(event->modifiers()), pos.x(), pos.y());
}

void CMSFlexGrid::mouseMoveEvent(QMouseEvent* event) {
    m_lastMouse = event->position().toPoint();
    QTableWidget::mouseMoveEvent(event);
}

QModelIndex CMSFlexGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    const QModelIndex proposed = QTableWidget::moveCursor(action, modifiers);
    if (!proposed.isValid()) {
        return proposed;
    }
    // The current cell never enters the fixed headings.
    const int row = std::max(proposed.row(), static_cast<int>(m_fixedRows));
    const int col = std::max(proposed.column(), static_cast<int>(m_fixedCols));
    return model()->index(row, col);
}

void CMSFlexGrid::keyboardSearch(const QString& /*search*/) {
    // Typing letters on the grid does not jump between cells.
}

void CMSFlexGrid::focusInEvent(QFocusEvent* event) {
    QTableWidget::focusInEvent(event);
    viewport()->update();
    announceCurrentCell();
}

void CMSFlexGrid::focusOutEvent(QFocusEvent* event) {
    QTableWidget::focusOutEvent(event);
    viewport()->update();
}

void CMSFlexGrid::paintEvent(QPaintEvent* event) {
    QTableWidget::paintEvent(event);
    QPainter painter(viewport());
    PaintGridLines(painter, *this);
    PaintCurrentCellFrame(painter, *this);
}
