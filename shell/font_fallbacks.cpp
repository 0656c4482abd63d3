#include "font_fallbacks.h"

#include <QApplication>

QStringList ChineseFallbackFamilies(zrx::Language language) {
    QStringList families{QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Noto Sans CJK TC")};
    if (language == zrx::Language::TraditionalChinese) {
        families.swapItemsAt(0, 1);
    }
    families << QStringLiteral("WenQuanYi Micro Hei") << QStringLiteral("WenQuanYi Zen Hei")
             << QStringLiteral("Droid Sans Fallback");
    return families;
}

QFont WithApplicationFallbacks(QFont font) {
    QStringList families = font.families();
    const QStringList application = QApplication::font().families();
    for (qsizetype i = 1; i < application.size(); ++i) {
        if (!families.contains(application[i])) {
            families << application[i];
        }
    }
    font.setFamilies(families);
    return font;
}
