#pragma once

#include <string_view>

#include <QString>

#include "image/language.h"

// The core keeps texts as UTF-8; widgets want QString.
[[nodiscard]] inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A three-variant text of the code, in `language`.
[[nodiscard]] inline QString toQString(const zrx::LocalText& text, zrx::Language language) {
    return toQString(text.in(language));
}
