#include "form_layout.h"

#include <QFontMetrics>
#include <QStringList>

#include "shell/font_fallbacks.h"

namespace form101 {

QFont formFont() {
    QFont font(QString::fromLatin1(kFontFamily), kFontPoints);
    // Where Arial itself is missing, its metric twins keep the layout.
    font.setFamilies(QStringList{QString::fromLatin1(kFontFamily),
                                 QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                 QStringLiteral("Nimbus Sans"), QStringLiteral("Helvetica")});
    font.setStyleHint(QFont::SansSerif);
    return WithApplicationFallbacks(font);
}

QRect toPixels(const DialogUnits& units, const Control& control) {
    return units.ToPixels(control.x, control.y, control.width, control.height);
}

QSize formSize(const DialogUnits& units) {
    return units.ToPixels(kFormWidth, kFormHeight);
}

int closedListHeight(const QFont& font) {
    return QFontMetrics(font).height() + 8;
}

} // namespace form101
