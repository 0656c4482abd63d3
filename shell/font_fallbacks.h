#pragma once

#include <QFont>
#include <QStringList>

#include "image/language.h"

// Chinese text takes its glyphs from an outline CJK font, in the running
// language's own glyph forms first, and never from a bitmap font that a
// machine may also have (it looks spaced out and blocky once scaled).
[[nodiscard]] QStringList ChineseFallbackFamilies(zrx::Language language);

// `font` with the application font's fallback families after its own, so
// that a dialog or the form asking for "Arial" still gets the same Chinese.
[[nodiscard]] QFont WithApplicationFallbacks(QFont font);
