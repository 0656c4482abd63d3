#pragma once

#include <QAccessibleWidget>
#include <QHash>

class CMSFlexGrid;

// What a screen reader sees of the grid: a table whose fixed heading row
// and column are its column and row headers, and whose cells are named by
// the grid (CMSFlexGrid::AccessibleCellName: "CH 3, Rx Freq, 446.00625").
// Qt's own table interface would announce the hand-made headings as cells
// and every cell by its bare text.
//
// The children are all cells, headings included, row by row, which is the
// numbering Qt's item views use in the focus and selection events they
// send; the table's rows and columns are the data cells only.
class FlexGridAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit FlexGridAccessible(CMSFlexGrid* grid);
    ~FlexGridAccessible() override;

    // Gives every CMSFlexGrid this interface; called once by the grid.
    static void Install();

    [[nodiscard]] CMSFlexGrid* grid() const;
    // The interface of the cell at (row, col) in the grid's own numbering.
    [[nodiscard]] QAccessibleInterface* cell(int row, int col) const;

    [[nodiscard]] int childCount() const override;
    [[nodiscard]] QAccessibleInterface* child(int index) const override;
    [[nodiscard]] int indexOfChild(const QAccessibleInterface* child) const override;
    [[nodiscard]] QAccessibleInterface* childAt(int x, int y) const override;
    [[nodiscard]] QAccessibleInterface* focusChild() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    [[nodiscard]] QAccessibleInterface* caption() const override { return nullptr; }
    [[nodiscard]] QAccessibleInterface* summary() const override { return nullptr; }
    [[nodiscard]] QAccessibleInterface* cellAt(int row, int column) const override;
    [[nodiscard]] int selectedCellCount() const override;
    [[nodiscard]] QList<QAccessibleInterface*> selectedCells() const override;
    [[nodiscard]] QString columnDescription(int column) const override;
    [[nodiscard]] QString rowDescription(int row) const override;
    [[nodiscard]] int selectedColumnCount() const override { return 0; }
    [[nodiscard]] int selectedRowCount() const override { return 0; }
    [[nodiscard]] int columnCount() const override;
    [[nodiscard]] int rowCount() const override;
    [[nodiscard]] QList<int> selectedColumns() const override { return {}; }
    [[nodiscard]] QList<int> selectedRows() const override { return {}; }
    [[nodiscard]] bool isColumnSelected(int /*column*/) const override { return false; }
    [[nodiscard]] bool isRowSelected(int /*row*/) const override { return false; }
    bool selectRow(int /*row*/) override { return false; }
    bool selectColumn(int /*column*/) override { return false; }
    bool unselectRow(int /*row*/) override { return false; }
    bool unselectColumn(int /*column*/) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent* event) override;

private:
    void forgetCells() const;

    // The cells' interfaces, made when first asked for and kept until the
    // grid changes its size; Qt owns them once registered.
    mutable QHash<int, QAccessible::Id> m_cells;
    mutable int m_rows = -1;
    mutable int m_cols = -1;
};
