#pragma once

#include <QColor>
#include <QProxyStyle>
#include <QStyledItemDelegate>

class CMSFlexGrid;

// Draws the fixed cells as headings, centres or aligns the text as the
// column asks, and shows the selection only as HighLight allows.
class FlexGridDelegate : public QStyledItemDelegate {
public:
    explicit FlexGridDelegate(CMSFlexGrid* grid);

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

private:
    CMSFlexGrid* m_grid;
};

// Lets the delegate alone decide what shows as selected: the style must not
// paint a selection band behind the cells on its own.
class FlexGridStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
};

// Drawn over the cells: the grid lines, each the last pixel of its cell and
// a whole number of device pixels wide at any screen scale (a line one
// logical pixel wide at 1.5 times the scale would come out one and two
// device pixels wide by turns), in GridLineColor.
void PaintGridLines(QPainter& painter, const CMSFlexGrid& grid);
// The current cell's frame while the grid has the focus, in the text's
// colour, which stands out on any palette: the keyboard's place always shows.
void PaintCurrentCellFrame(QPainter& painter, const CMSFlexGrid& grid);
// Halfway between the text and the cells, so the lines show on every palette.
[[nodiscard]] QColor GridLineColor(const QPalette& palette);
