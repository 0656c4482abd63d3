#include "form_layout.h"

#include <QFontMetrics>
#include <QStringList>

namespace form101 {
namespace {
// MulDiv: a * b / c rounded to the nearest whole number.
int mulDiv(int a, int b, int c) {
    return (a * b + c / 2) / c;
}
} // namespace

QFont formFont() {
    QFont font(QString::fromLatin1(kFontFamily), kFontPoints);
    // Where Arial itself is missing, its metric twins keep the layout.
    font.setFamilies(QStringList{QString::fromLatin1(kFontFamily),
                                 QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                 QStringLiteral("Nimbus Sans"), QStringLiteral("Helvetica")});
    font.setStyleHint(QFont::SansSerif);
    return font;
}

DialogUnits::DialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    // The average width over the Latin alphabet, rounded, as the dialog
    // manager measures its font.
    const int alphabet = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    m_charWidth = std::max(1, (alphabet + 26) / 52);
    m_charHeight = std::max(1, metrics.height());
}

int DialogUnits::toPixelsX(int units) const {
    return mulDiv(units, m_charWidth, 4);
}

int DialogUnits::toPixelsY(int units) const {
    return mulDiv(units, m_charHeight, 8);
}

QRect DialogUnits::toPixels(const Control& control) const {
    return {toPixelsX(control.x), toPixelsY(control.y), toPixelsX(control.width),
            toPixelsY(control.height)};
}

QSize DialogUnits::formSize() const {
    return {toPixelsX(kFormWidth), toPixelsY(kFormHeight)};
}

int closedListHeight(const QFont& font) {
    return QFontMetrics(font).height() + 8;
}

} // namespace form101
