#include "flexgrid_painting.h"

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
    // The current cell shows the focus frame, never the highlight.
    if (!showSelection || index == m_grid->currentIndex()) {
        option->state &= ~QStyle::State_Selected;
    }
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
