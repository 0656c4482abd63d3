#pragma once

#include <QPoint>
#include <QString>
#include <QTableWidget>
#include <QVector>
#include <functional>

// The channel table's grid, offering the operations and events of the
// classic flex-grid control the form was designed around:
// - rows and columns count from 0, the fixed heading row and column included;
// - widths, heights and positions are in twips (1/1440 inch), converted with
//   the screen's logical pixels per inch;
// - positions are relative to the client area, which starts inside a
//   2-pixel frame; a column's width is its cell interior, the 1-pixel grid
//   line at its right (and a row's at its bottom) comes on top;
// - the current cell never lies in the fixed row or column; a press on the
//   fixed column selects that row, a press on the fixed row that column;
// - EnterCell is raised whenever the current cell changes, MouseDown after a
//   mouse press has moved it (button 1 left, 2 right, 4 middle; shift 1
//   Shift, 2 Ctrl, 4 Alt; x and y in pixels of the client area).
class CMSFlexGrid : public QTableWidget {
    Q_OBJECT
public:
    // HighLight values.
    static constexpr int kHighLightNever = 0;
    static constexpr int kHighLightAlways = 1;
    static constexpr int kHighLightWithFocus = 2;
    // ColAlignment value: centred both ways.
    static constexpr short kAlignCenterCenter = 4;
    // The frame around the client area, in pixels.
    static constexpr int kFrameWidth = 2;

    explicit CMSFlexGrid(QWidget* parent = nullptr);

    [[nodiscard]] long GetRows() const;
    void SetRows(long rows);
    [[nodiscard]] long GetCols() const;
    void SetCols(long cols);
    void SetFixedRows(long rows);
    void SetFixedCols(long cols);
    [[nodiscard]] long GetFixedRows() const { return m_fixedRows; }
    [[nodiscard]] long GetFixedCols() const { return m_fixedCols; }

    [[nodiscard]] long GetRow() const;
    [[nodiscard]] long GetCol() const;
    void SetCol(long col);

    [[nodiscard]] QString GetText() const;
    void SetText(const QString& text);
    [[nodiscard]] QString GetTextMatrix(long row, long col) const;
    void SetTextMatrix(long row, long col, const QString& text);

    void SetWordWrap(bool on);
    [[nodiscard]] long GetHighLight() const { return m_highLight; }
    void SetHighLight(long value);
    [[nodiscard]] long GetMouseCol() const;
    void SetSelectionMode(long mode);
    void SetColAlignment(long col, short alignment);

    [[nodiscard]] long GetColWidth(long col) const;
    void SetColWidth(long col, long twips);
    [[nodiscard]] long GetRowHeight(long row) const;
    [[nodiscard]] long GetRowPos(long row) const;
    [[nodiscard]] long GetColPos(long col) const;

    // Pixels <-> twips with the screen's logical resolution.
    [[nodiscard]] long pixelsToTwipsX(int pixels) const;
    [[nodiscard]] long pixelsToTwipsY(int pixels) const;
    [[nodiscard]] int twipsToPixelsX(long twips) const;

    // The rectangle of a cell's interior (inside its grid lines) in the
    // grid's own widget coordinates; tests click here as a user would.
    [[nodiscard]] QRect cellInteriorRect(int row, int col) const;

    [[nodiscard]] Qt::Alignment alignmentOf(int col) const;

    // What a screen reader hears for the cell at (row, col): by default the
    // row's heading, the column's heading and the cell's text, or a heading's
    // own text. The program names cells in its own words and language.
    using CellNamer = std::function<QString(int row, int col)>;
    void SetCellNamer(CellNamer namer) { m_cellNamer = std::move(namer); }
    [[nodiscard]] QString AccessibleCellName(int row, int col) const;

signals:
    void EnterCell();
    void MouseDown(short button, short shift, long x, long y);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void keyboardSearch(const QString& search) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void selectionChanged(const QItemSelection& selected,
                          const QItemSelection& deselected) override;

private:
    void announceCurrentCell();
    void onCurrentCellChanged(int row, int col, int previousRow, int previousCol);
    void applyDefaultSizes();
    [[nodiscard]] QTableWidgetItem* itemAt(long row, long col);
    [[nodiscard]] bool isValidCell(long row, long col) const;

    long m_fixedRows = 1;
    long m_fixedCols = 1;
    long m_highLight = kHighLightAlways;
    QPoint m_lastMouse{-1, -1};
    QVector<Qt::Alignment> m_alignments;
    int m_defaultColumnWidth = 0; // pixels, cell interior
    int m_defaultRowHeight = 0;   // pixels, cell interior
    CellNamer m_cellNamer;
};
