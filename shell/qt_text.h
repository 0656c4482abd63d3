#pragma once

#include <string_view>

#include <QString>

// The core keeps texts as UTF-8; widgets want QString.
[[nodiscard]] inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
