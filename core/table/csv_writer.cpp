#include "csv_writer.h"

#include <string_view>

namespace zrx {
namespace {

void appendCell(std::string& out, std::string_view cell) {
    // A cell that starts with a byte-order mark is quoted too: unquoted at
    // the start of the text, a reader would drop the mark as the encoding's.
    const bool startsWithMark = cell.substr(0, 3) == "\xEF\xBB\xBF";
    if (!startsWithMark && cell.find_first_of(",;\"\r\n") == std::string_view::npos) {
        out.append(cell);
        return;
    }
    out.push_back('"');
    for (const char c : cell) {
        if (c == '"') {
            out.push_back('"');
        }
        out.push_back(c);
    }
    out.push_back('"');
}

} // namespace

std::string writeCsv(const std::vector<std::vector<std::string>>& rows) {
    std::string out;
    for (const auto& row : rows) {
        // A lone empty cell would read back as a blank line.
        if (row.size() == 1 && row.front().empty()) {
            out.append("\"\"\r\n");
            continue;
        }
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (i > 0) {
                out.push_back(',');
            }
            appendCell(out, row[i]);
        }
        out.append("\r\n");
    }
    return out;
}

} // namespace zrx
