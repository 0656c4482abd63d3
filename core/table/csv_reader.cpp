#include "csv_reader.h"

namespace zrx {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

char detectSeparator(std::string_view text) {
    std::size_t commas = 0;
    std::size_t semicolons = 0;
    bool quoted = false;
    for (const char c : text) {
        if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && (c == '\n' || c == '\r')) {
            break;
        } else if (!quoted && c == ',') {
            ++commas;
        } else if (!quoted && c == ';') {
            ++semicolons;
        }
    }
    return semicolons > commas ? ';' : ',';
}

class Parser {
public:
    Parser(std::string_view text, char separator) : m_text(text), m_separator(separator) {}

    CsvReadResult run() {
        CsvReadResult result;
        while (m_pos < m_text.size()) {
            CsvRecord record;
            record.line = m_line;
            if (!readRecord(record.cells)) {
                result.records.clear();
                result.error = m_error;
                return result;
            }
            const bool blank =
                record.cells.size() == 1 && record.cells.front().empty() && !m_quotedCell;
            if (!blank) {
                result.records.push_back(std::move(record));
            }
        }
        return result;
    }

private:
    // Consumes a line end at m_pos if there is one.
    bool takeLineEnd() {
        if (m_text[m_pos] == '\r') {
            ++m_pos;
            if (m_pos < m_text.size() && m_text[m_pos] == '\n') {
                ++m_pos;
            }
        } else if (m_text[m_pos] == '\n') {
            ++m_pos;
        } else {
            return false;
        }
        ++m_line;
        return true;
    }

    bool fail(std::string message) {
        m_error = CsvError{m_line, std::move(message)};
        return false;
    }

    // Reads cells up to and including the record's line end (or the end of
    // the text).
    bool readRecord(std::vector<std::string>& cells) {
        m_quotedCell = false;
        for (;;) {
            std::string cell;
            if (m_pos < m_text.size() && m_text[m_pos] == '"') {
                m_quotedCell = true;
                if (!readQuoted(cell)) {
                    return false;
                }
            } else {
                while (m_pos < m_text.size()) {
                    const char c = m_text[m_pos];
                    if (c == m_separator || c == '\r' || c == '\n') {
                        break;
                    }
                    if (c == '"') {
                        return fail("a quote inside a cell that does not start with a quote");
                    }
                    cell.push_back(c);
                    ++m_pos;
                }
            }
            cells.push_back(std::move(cell));
            if (m_pos >= m_text.size()) {
                return true;
            }
            if (m_text[m_pos] == m_separator) {
                ++m_pos;
                continue;
            }
            if (takeLineEnd()) {
                return true;
            }
            return fail("text after the closing quote of a cell");
        }
    }

    bool readQuoted(std::string& cell) {
        const std::size_t openedOnLine = m_line;
        ++m_pos; // the opening quote
        while (m_pos < m_text.size()) {
            const char c = m_text[m_pos];
            if (c == '"') {
                if (m_pos + 1 < m_text.size() && m_text[m_pos + 1] == '"') {
                    cell.push_back('"');
                    m_pos += 2;
                    continue;
                }
                ++m_pos; // the closing quote
                return true;
            }
            if (c == '\r' || c == '\n') {
                const std::size_t start = m_pos;
                takeLineEnd();
                cell.append(m_text.substr(start, m_pos - start));
                continue;
            }
            cell.push_back(c);
            ++m_pos;
        }
        m_line = openedOnLine;
        return fail("a quoted cell is never closed");
    }

    std::string_view m_text;
    char m_separator;
    std::size_t m_pos = 0;
    std::size_t m_line = 1;
    bool m_quotedCell = false;
    CsvError m_error;
};

} // namespace

CsvReadResult readCsv(std::string_view text) {
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        text.remove_prefix(kByteOrderMark.size());
    }
    return Parser(text, detectSeparator(text)).run();
}

} // namespace zrx
