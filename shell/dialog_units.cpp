#include "dialog_units.h"

#include <algorithm>

#include <QFontMetrics>
#include <QWidget>

namespace {
// a * b / c rounded to the nearest whole number, as the dialog manager
// converts its units.
int mulDiv(int a, int b, int c) {
    return (a * b + c / 2) / c;
}
} // namespace

DialogUnits::DialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    // The average width of the 52 letters, rounded, as dialog templates measure it.
    m_charWidth = std::max(1, (metrics.horizontalAdvance(letters) / 26 + 1) / 2);
    m_charHeight = std::max(1, metrics.height());
}

int DialogUnits::ToPixelsX(int units) const {
    return mulDiv(units, m_charWidth, 4);
}

int DialogUnits::ToPixelsY(int units) const {
    return mulDiv(units, m_charHeight, 8);
}

QRect DialogUnits::ToPixels(int x, int y, int width, int height) const {
    return {ToPixelsX(x), ToPixelsY(y), ToPixelsX(width), ToPixelsY(height)};
}

QSize DialogUnits::ToPixels(int width, int height) const {
    return {ToPixelsX(width), ToPixelsY(height)};
}

void SetControlId(QWidget* widget, int id) {
    widget->setObjectName(QString::number(id));
    widget->setProperty("controlId", id);
}
