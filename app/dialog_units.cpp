#include "dialog_units.h"

#include <QFontMetrics>
#include <QWidget>

DialogUnits::DialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    // The average width of the 52 letters, rounded, as dialog templates measure it.
    m_charWidth = (metrics.horizontalAdvance(letters) / 26 + 1) / 2;
    m_charHeight = metrics.height();
}

QRect DialogUnits::ToPixels(int x, int y, int width, int height) const {
    return {x * m_charWidth / 4, y * m_charHeight / 8, width * m_charWidth / 4,
            height * m_charHeight / 8};
}

QSize DialogUnits::ToPixels(int width, int height) const {
    return {width * m_charWidth / 4, height * m_charHeight / 8};
}

void SetControlId(QWidget* widget, int id) {
    widget->setObjectName(QString::number(id));
    widget->setProperty("controlId", id);
}
