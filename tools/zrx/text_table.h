#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace zrx::cli {

// Rows of texts printed in columns two spaces apart, each column as wide as
// its widest text on a terminal (East Asian characters count two).
void printTable(std::ostream& out, const std::vector<std::vector<std::string>>& rows);

} // namespace zrx::cli
