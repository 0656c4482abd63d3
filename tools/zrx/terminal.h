#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zrx::cli {

// True when standard error is a terminal that can redraw lines in place
// (on Windows, a console that takes the cursor controls).
[[nodiscard]] bool standardErrorRedraws();

// The width of the terminal on standard error, in columns; 80 when unknown.
[[nodiscard]] int standardErrorColumns();

// How many columns `text` takes on a terminal, East Asian characters two.
[[nodiscard]] std::size_t displayWidth(std::string_view text);

// `text` cut to fit in `columns` columns, counting East Asian characters
// as two; never cut inside a character.
[[nodiscard]] std::string fitColumns(std::string_view text, int columns);

} // namespace zrx::cli
