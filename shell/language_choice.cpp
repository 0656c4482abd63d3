#include "language_choice.h"

#include "qt_text.h"

#include <array>

namespace {

constexpr std::array<const char*, zrx::kLanguageCount> kCodes = {"Eng", "Chs", "Cht"};
constexpr std::array<const char*, zrx::kLanguageCount> kHelpFiles = {"eng.chm", "chs.chm",
                                                                     "cht.chm"};

// The language list names the three languages in the running language.
constexpr std::array<zrx::LocalText, zrx::kLanguageCount> kListEntries = {{
    {"Eng", "英文", "英文"},
    {"Chs", "简体", "簡體"},
    {"Cht", "繁体", "繁體"},
}};

int indexOf(zrx::Language language) {
    return static_cast<int>(language);
}

} // namespace

zrx::Language LanguageFromCode(const QString& code) {
    for (int i = 0; i < zrx::kLanguageCount; ++i) {
        if (code.compare(QLatin1String(kCodes[static_cast<std::size_t>(i)]), Qt::CaseInsensitive) ==
            0) {
            return static_cast<zrx::Language>(i);
        }
    }
    return zrx::Language::English;
}

QString LanguageCode(zrx::Language language) {
    return QString::fromLatin1(kCodes[static_cast<std::size_t>(indexOf(language))]);
}

QString LanguageLibraryName(const QString& code) {
    return code + QStringLiteral(".dll");
}

QString HelpFileName(zrx::Language language) {
    return QString::fromLatin1(kHelpFiles[static_cast<std::size_t>(indexOf(language))]);
}

QStringList LanguageListEntries(zrx::Language current) {
    QStringList entries;
    for (const zrx::LocalText& entry : kListEntries) {
        entries << toQString(entry, current);
    }
    return entries;
}

QString QtTranslationName(zrx::Language language) {
    switch (language) {
    case zrx::Language::SimplifiedChinese:
        return QStringLiteral("qtbase_zh_CN");
    case zrx::Language::TraditionalChinese:
        return QStringLiteral("qtbase_zh_TW");
    case zrx::Language::English:
        break;
    }
    return {};
}
