#pragma once

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
