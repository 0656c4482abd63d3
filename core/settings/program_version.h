#pragma once

#include <string_view>

namespace zrx {

// The program's version, "1.0.1": the same for the window, zrx and a
// diagnostic report.
[[nodiscard]] std::string_view programVersion();

} // namespace zrx
