#pragma once

#include <chrono>
#include <string>

namespace zrx {

// `when` in the computer's time zone, laid out by strftime's `format`.
[[nodiscard]] std::string formatLocalTime(std::chrono::system_clock::time_point when,
                                          const char* format);

} // namespace zrx
