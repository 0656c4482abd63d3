#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zrx {

// One row of a comma-separated table and the line of the text it starts on
// (1 = first line).
struct CsvRecord {
    std::size_t line = 0;
    std::vector<std::string> cells;
};

struct CsvError {
    std::size_t line = 0;
    std::string message;
};

struct CsvReadResult {
    std::vector<CsvRecord> records;
    std::optional<CsvError> error; // set when the text is not a well-formed table
};

// Reads RFC 4180 text the way spreadsheets write it: a UTF-8 byte-order mark
// is skipped; the separator is ';' when the first line holds more unquoted
// semicolons than commas, else ','; lines end in CRLF, LF or CR; quoted cells
// may hold separators, line breaks and doubled quotes. Blank lines are
// skipped. A quote inside an unquoted cell, text after a closing quote and a
// quote left open are errors naming the line.
[[nodiscard]] CsvReadResult readCsv(std::string_view text);

} // namespace zrx
