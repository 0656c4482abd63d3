#include "flexgrid_painting.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

#include "msflexgrid.h"

FlexGridDelegate::FlexGridDelegate(CMSFlexGrid* grid) : QStyledItemDelegate(grid), m_grid(grid) {}

void FlexGridDelegate::initStyleOption(QStyleOptionViewItem* option,
                                       const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    option->displayAlignment = m_grid->alignmentOf(index.column());
    const bool fixed =
        index.row() < m_grid->GetFixedRows() || index.column() < m_grid->GetFixedCols();
    const long highLight = m_grid->GetHighLight();
    const bool showSelection =
        !fixed && (highLight == CMSFlexGrid::kHighLightAlways ||
                   (highLight == CMSFlexGrid::kHighLightWithFocus && m_grid->hasFocus()));
    // The current cell shows the focus frame, never the highlight; the
    // frame is the grid's own (PaintCurrentCellFrame), not the style's.
    if (!showSelection || index == m_grid->currentIndex()) {
        option->state &= ~QStyle::State_Selected;
    }
    option->state &= ~QStyle::State_HasFocus;
    if (fixed) {
        option->backgroundBrush = m_grid->palette().button();
        option->palette.setColor(QPalette::Text, m_grid->palette().color(QPalette::ButtonText));
    } else if (option->backgroundBrush.style() == Qt::NoBrush) {
        option->backgroundBrush = m_grid->palette().base();
    }
}

int FlexGridStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                             QStyleHintReturn* returnData) const {
    if (hint == QStyle::SH_ItemView_ShowDecorationSelected) {
        return 0;
    }
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void FlexGridStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                  QPainter* painter, const QWidget* widget) const {
    // The band behind a row would show the selection whatever HighLight says.
    if (element == QStyle::PE_PanelItemViewRow) {
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

QColor GridLineColor(const QPalette& palette) {
    const QColor text = palette.color(QPalette::Text);
    const QColor base = palette.color(QPalette::Base);
    return QColor((text.red() + base.red()) / 2, (text.green() + base.green()) / 2,
                  (text.blue() + base.blue()) / 2);
}

void PaintGridLines(QPainter& painter, const CMSFlexGrid& grid) {
    const qreal scale = grid.viewport()->devicePixelRatioF();
    const int width = std::max(1, static_cast<int>(std::floor(scale)));
    // The line before the edge between two cells, in whole device pixels.
    const auto lineBefore = [scale, width](int edge) {
        const int device = static_cast<int>(std::ceil(edge * scale - 0.5));
        return std::pair<qreal, qreal>((device - width) / scale, width / scale);
    };
    int right = 0;
    for (int c = 0; c < grid.columnCount(); ++c) {
        right = std::max(right, grid.columnViewportPosition(c) + grid.columnWidth(c));
    }
    int bottom = 0;
    for (int r = 0; r < grid.rowCount(); ++r) {
        bottom = std::max(bottom, grid.rowViewportPosition(r) + grid.rowHeight(r));
    }
    const QColor colour = GridLineColor(grid.palette());
    for (int c = 0; c < grid.columnCount(); ++c) {
        const auto [x, w] = lineBefore(grid.columnViewportPosition(c) + grid.columnWidth(c));
        painter.fillRect(QRectF(x, 0, w, bottom), colour);
    }
    for (int r = 0; r < grid.rowCount(); ++r) {
        const auto [y, h] = lineBefore(grid.rowViewportPosition(r) + grid.rowHeight(r));
        painter.fillRect(QRectF(0, y, right, h), colour);
    }
}

void PaintCurrentCellFrame(QPainter& painter, const CMSFlexGrid& grid) {
    const QModelIndex current = grid.currentIndex();
    if (!grid.hasFocus() || !current.isValid()) {
        return;
    }
    const QRect cell = grid.cellInteriorRect(current.row(), current.column());
    painter.setPen(QPen(grid.palette().color(QPalette::Text), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(cell).adjusted(1, 1, -1, -1));
}
