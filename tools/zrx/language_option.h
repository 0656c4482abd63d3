#pragma once

#include <functional>

#include "image/language.h"

namespace CLI {
class App;
}

namespace zrx::cli {

// Adds --lang eng|chs|cht (English by default) to `command`; the answer gives
// the chosen language once the command line is parsed.
[[nodiscard]] std::function<Language()> addLanguageOption(CLI::App& command);

} // namespace zrx::cli
