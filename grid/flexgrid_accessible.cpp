#include "flexgrid_accessible.h"

#include <QItemSelectionModel>
#include <QPointer>
#include <QStringList>

#include <algorithm>

#include "msflexgrid.h"

namespace {

// One cell of the grid, heading or data, as a screen reader sees it.
class FlexGridCell : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    FlexGridCell(CMSFlexGrid* grid, int row, int col) : m_grid(grid), m_row(row), m_col(col) {}

    [[nodiscard]] bool isValid() const override {
        return m_grid != nullptr && m_row < m_grid->rowCount() && m_col < m_grid->columnCount();
    }
    [[nodiscard]] QObject* object() const override { return nullptr; }
    [[nodiscard]] QWindow* window() const override {
        return m_grid != nullptr ? m_grid->window()->windowHandle() : nullptr;
    }
    [[nodiscard]] QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(m_grid);
    }
    [[nodiscard]] QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    [[nodiscard]] int childCount() const override { return 0; }
    [[nodiscard]] int indexOfChild(const QAccessibleInterface* /*child*/) const override {
        return -1;
    }
    [[nodiscard]] QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override {
        return nullptr;
    }

    [[nodiscard]] QString text(QAccessible::Text type) const override {
        if (!isValid()) {
            return {};
        }
        switch (type) {
        case QAccessible::Name:
            return m_grid->AccessibleCellName(m_row, m_col);
        case QAccessible::Value:
            return m_grid->GetTextMatrix(m_row, m_col);
        default:
            return {};
        }
    }
    void setText(QAccessible::Text /*type*/, const QString& /*text*/) override {}

    [[nodiscard]] QRect rect() const override {
        if (!isValid()) {
            return {};
        }
        const QRect cell = m_grid->visualRect(index());
        return {m_grid->viewport()->mapToGlobal(cell.topLeft()), cell.size()};
    }

    [[nodiscard]] QAccessible::Role role() const override {
        if (isValid() && m_row < m_grid->GetFixedRows()) {
            return QAccessible::ColumnHeader;
        }
        if (isValid() && m_col < m_grid->GetFixedCols()) {
            return QAccessible::RowHeader;
        }
        return QAccessible::Cell;
    }

    [[nodiscard]] QAccessible::State state() const override {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        const QModelIndex at = index();
        if (!m_grid->viewport()->rect().intersects(m_grid->visualRect(at)) ||
            !m_grid->isVisible()) {
            state.invisible = true;
            state.offscreen = true;
        }
        if (role() == QAccessible::Cell) {
            state.focusable = true;
            state.selectable = true;
            state.selected = m_grid->selectionModel()->isSelected(at);
            state.focused = m_grid->hasFocus() && m_grid->currentIndex() == at;
        }
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableCellInterface
                   ? static_cast<QAccessibleTableCellInterface*>(this)
                   : nullptr;
    }

    [[nodiscard]] bool isSelected() const override { return state().selected; }
    [[nodiscard]] QList<QAccessibleInterface*> columnHeaderCells() const override {
        QList<QAccessibleInterface*> headers;
        if (auto* grid = tableInterface(); grid != nullptr && role() == QAccessible::Cell) {
            for (int r = 0; r < m_grid->GetFixedRows(); ++r) {
                headers.append(grid->cell(r, m_col));
            }
        }
        return headers;
    }
    [[nodiscard]] QList<QAccessibleInterface*> rowHeaderCells() const override {
        QList<QAccessibleInterface*> headers;
        if (auto* grid = tableInterface(); grid != nullptr && role() == QAccessible::Cell) {
            for (int c = 0; c < m_grid->GetFixedCols(); ++c) {
                headers.append(grid->cell(m_row, c));
            }
        }
        return headers;
    }
    [[nodiscard]] int columnIndex() const override {
        return m_col - static_cast<int>(m_grid->GetFixedCols());
    }
    [[nodiscard]] int rowIndex() const override {
        return m_row - static_cast<int>(m_grid->GetFixedRows());
    }
    [[nodiscard]] int columnExtent() const override { return 1; }
    [[nodiscard]] int rowExtent() const override { return 1; }
    [[nodiscard]] QAccessibleInterface* table() const override { return parent(); }

private:
    [[nodiscard]] QModelIndex index() const { return m_grid->model()->index(m_row, m_col); }
    [[nodiscard]] FlexGridAccessible* tableInterface() const {
        return static_cast<FlexGridAccessible*>(parent());
    }

    QPointer<CMSFlexGrid> m_grid;
    int m_row;
    int m_col;
};

QAccessibleInterface* flexGridFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(CMSFlexGrid::staticMetaObject.className())) {
        if (auto* grid = qobject_cast<CMSFlexGrid*>(object)) {
            return new FlexGridAccessible(grid);
        }
    }
    return nullptr;
}

} // namespace

FlexGridAccessible::FlexGridAccessible(CMSFlexGrid* grid)
    : QAccessibleWidget(grid, QAccessible::Table) {}

FlexGridAccessible::~FlexGridAccessible() {
    forgetCells();
}

void FlexGridAccessible::Install() {
    static const bool installed = [] {
        QAccessible::installFactory(flexGridFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

CMSFlexGrid* FlexGridAccessible::grid() const {
    return static_cast<CMSFlexGrid*>(widget());
}

void FlexGridAccessible::forgetCells() const {
    for (const QAccessible::Id id : std::as_const(m_cells)) {
        QAccessible::deleteAccessibleInterface(id);
    }
    m_cells.clear();
}

QAccessibleInterface* FlexGridAccessible::cell(int row, int col) const {
    const int rows = grid()->rowCount();
    const int cols = grid()->columnCount();
    if (row < 0 || col < 0 || row >= rows || col >= cols) {
        return nullptr;
    }
    if (rows != m_rows || cols != m_cols) {
        forgetCells();
        m_rows = rows;
        m_cols = cols;
    }
    const int key = row * cols + col;
    if (const auto known = m_cells.constFind(key); known != m_cells.cend()) {
        return QAccessible::accessibleInterface(*known);
    }
    auto* made = new FlexGridCell(grid(), row, col);
    m_cells.insert(key, QAccessible::registerAccessibleInterface(made));
    return made;
}

int FlexGridAccessible::childCount() const {
    return grid()->rowCount() * grid()->columnCount();
}

QAccessibleInterface* FlexGridAccessible::child(int index) const {
    const int cols = grid()->columnCount();
    if (index < 0 || cols == 0) {
        return nullptr;
    }
    return cell(index / cols, index % cols);
}

int FlexGridAccessible::indexOfChild(const QAccessibleInterface* child) const {
    // Qt's interfaces hand out their parts only from non-const ones.
    auto* asked = const_cast<QAccessibleInterface*>(child);
    QAccessibleTableCellInterface* cellInterface =
        asked != nullptr ? asked->tableCellInterface() : nullptr;
    if (cellInterface == nullptr || asked->parent() == nullptr ||
        asked->parent()->object() != grid()) {
        return -1;
    }
    const int row = cellInterface->rowIndex() + static_cast<int>(grid()->GetFixedRows());
    const int col = cellInterface->columnIndex() + static_cast<int>(grid()->GetFixedCols());
    return row * grid()->columnCount() + col;
}

QAccessibleInterface* FlexGridAccessible::childAt(int x, int y) const {
    const QPoint inside = grid()->viewport()->mapFromGlobal(QPoint(x, y));
    return cell(grid()->rowAt(inside.y()), grid()->columnAt(inside.x()));
}

QAccessibleInterface* FlexGridAccessible::focusChild() const {
    const QModelIndex current = grid()->currentIndex();
    return current.isValid() ? cell(current.row(), current.column()) : nullptr;
}

void* FlexGridAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TableInterface) {
        return static_cast<QAccessibleTableInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

QAccessibleInterface* FlexGridAccessible::cellAt(int row, int column) const {
    return cell(row + static_cast<int>(grid()->GetFixedRows()),
                column + static_cast<int>(grid()->GetFixedCols()));
}

int FlexGridAccessible::selectedCellCount() const {
    return static_cast<int>(selectedCells().size());
}

QList<QAccessibleInterface*> FlexGridAccessible::selectedCells() const {
    QList<QAccessibleInterface*> cells;
    for (const QModelIndex& index : grid()->selectionModel()->selectedIndexes()) {
        if (QAccessibleInterface* selected = cell(index.row(), index.column())) {
            cells.append(selected);
        }
    }
    return cells;
}

QString FlexGridAccessible::columnDescription(int column) const {
    return grid()->AccessibleCellName(0, column + static_cast<int>(grid()->GetFixedCols()));
}

QString FlexGridAccessible::rowDescription(int row) const {
    return grid()->AccessibleCellName(row + static_cast<int>(grid()->GetFixedRows()), 0);
}

int FlexGridAccessible::columnCount() const {
    return std::max(0, grid()->columnCount() - static_cast<int>(grid()->GetFixedCols()));
}

int FlexGridAccessible::rowCount() const {
    return std::max(0, grid()->rowCount() - static_cast<int>(grid()->GetFixedRows()));
}

void FlexGridAccessible::modelChange(QAccessibleTableModelChangeEvent* /*event*/) {
    forgetCells();
}

// The grid's own side: its cells' names, and the events that tell a screen
// reader where the keyboard is.

QString CMSFlexGrid::AccessibleCellName(int row, int col) const {
    if (m_cellNamer) {
        return m_cellNamer(row, col);
    }
    const QString text = GetTextMatrix(row, col);
    if (row < m_fixedRows || col < m_fixedCols) {
        return text;
    }
    QStringList parts = {GetTextMatrix(row, 0), GetTextMatrix(0, col), text};
    parts.removeAll(QString());
    return parts.join(QStringLiteral(", "));
}

void CMSFlexGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    // QTableView would announce the cell by a numbering of its own, which
    // counts header sections this grid does not show.
    QAbstractItemView::currentChanged(current, previous); // NOLINT(bugprone-parent-virtual-call)
    if (hasFocus()) {
        announceCurrentCell();
    }
}

void CMSFlexGrid::selectionChanged(const QItemSelection& selected,
                                   const QItemSelection& deselected) {
    QAbstractItemView::selectionChanged(selected,
                                        deselected); // NOLINT(bugprone-parent-virtual-call)
    if (QAccessible::isActive()) {
        QAccessibleEvent event(this, QAccessible::SelectionWithin);
        QAccessible::updateAccessibility(&event);
    }
}

void CMSFlexGrid::announceCurrentCell() {
    const QModelIndex current = currentIndex();
    if (!QAccessible::isActive() || !current.isValid()) {
        return;
    }
    QAccessibleEvent event(this, QAccessible::Focus);
    event.setChild(current.row() * columnCount() + current.column());
    QAccessible::updateAccessibility(&event);
}
