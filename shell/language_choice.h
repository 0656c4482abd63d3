#pragma once

#include <QString>
#include <QStringList>

#include "image/language.h"

// What belongs to each of the three languages outside the language
// libraries: the code stored in Program.ini, the help file, the entries of
// the language list and the message for a library that will not load.

// The index of a language code, compared without regard to case; any other
// code (also an empty one) is English.
[[nodiscard]] zrx::Language LanguageFromCode(const QString& code);

// "Eng", "Chs" or "Cht", as written to Program.ini.
[[nodiscard]] QString LanguageCode(zrx::Language language);

// The file name of the language library for a code as read: the code
// followed by ".dll" ("Eng.dll"; "Xyz.dll" for an unknown code).
[[nodiscard]] QString LanguageLibraryName(const QString& code);

// "eng.chm", "chs.chm" or "cht.chm".
[[nodiscard]] QString HelpFileName(zrx::Language language);

// The three entries of the language list, in index order, as written in
// the language the program runs in.
[[nodiscard]] QStringList LanguageListEntries(zrx::Language current);

// Shown when the language library cannot be loaded.
inline constexpr zrx::LocalText kLoadLanguageFailed{"Load language DLL fail", "加载语言链接库失败",
                                                    "加載語言庫鏈接庫失敗"};

// The catalogue of Qt's own texts for a language ("qtbase_zh_CN"), or an
// empty text for English, which Qt speaks by itself.
[[nodiscard]] QString QtTranslationName(zrx::Language language);
