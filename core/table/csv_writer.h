#pragma once

#include <string>
#include <vector>

namespace zrx {

// RFC 4180 text: cells separated by commas, each row ended by CRLF. A cell
// holding a comma, a quote or a line break is quoted, its quotes doubled; so
// is one holding a semicolon, so that readers that guess the separator from
// the first line (ours among them) read the same cells back.
[[nodiscard]] std::string writeCsv(const std::vector<std::vector<std::string>>& rows);

} // namespace zrx
