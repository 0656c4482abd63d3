#include <gtest/gtest.h>

#include "table/csv_reader.h"
#include "table/csv_writer.h"

using namespace zrx;

namespace {

using Rows = std::vector<std::vector<std::string>>;

Rows cellsOf(const CsvReadResult& result) {
    Rows rows;
    for (const auto& record : result.records) {
        rows.push_back(record.cells);
    }
    return rows;
}

} // namespace

TEST(CsvRead, QuotedCellsHoldSeparatorsQuotesAndLineBreaks) {
    const CsvReadResult result = readCsv("a,\"b,c\",\"say \"\"hi\"\"\"\r\n\"two\r\nlines\",,x\r\n");
    ASSERT_FALSE(result.error);
    EXPECT_EQ(cellsOf(result), (Rows{{"a", "b,c", "say \"hi\""}, {"two\r\nlines", "", "x"}}));
    EXPECT_EQ(result.records[1].line, 2u);
}

TEST(CsvRead, SpreadsheetVariants) {
    const Rows expected{{"CH", "Rx Freq"}, {"1", "462,5"}};
    // Byte-order mark, semicolons (with a decimal comma), CRLF.
    EXPECT_EQ(cellsOf(readCsv("\xEF\xBB\xBF"
                              "CH;Rx Freq\r\n1;462,5\r\n")),
              expected);
    // LF only, no final line end.
    EXPECT_EQ(cellsOf(readCsv("CH;Rx Freq\n1;462,5")), expected);
    // Old Mac line ends.
    EXPECT_EQ(cellsOf(readCsv("CH;Rx Freq\r1;462,5\r")), expected);
    // A semicolon inside a quoted heading does not make it the separator.
    EXPECT_EQ(cellsOf(readCsv("\"a;b\",c\n")), (Rows{{"a;b", "c"}}));
}

TEST(CsvRead, BlankLinesAreSkippedAndLinesStillCounted) {
    const CsvReadResult result = readCsv("h\r\n\r\n1\r\n\n2\n");
    ASSERT_FALSE(result.error);
    EXPECT_EQ(cellsOf(result), (Rows{{"h"}, {"1"}, {"2"}}));
    EXPECT_EQ(result.records[1].line, 3u);
    EXPECT_EQ(result.records[2].line, 5u);
    // A quoted empty cell is a cell, not a blank line.
    EXPECT_EQ(cellsOf(readCsv("h\n\"\"\n")), (Rows{{"h"}, {""}}));
}

TEST(CsvRead, BrokenQuotingNamesTheLine) {
    const struct {
        const char* text;
        std::size_t line;
    } cases[] = {
        {"a,b\n1,x\"y\n", 2},          // quote inside an unquoted cell
        {"a,b\n\"1\"x,2\n", 2},        // text after the closing quote
        {"a,b\n1,2\n\"3,4\n5,6\n", 3}, // never closed: the line where it opened
    };
    for (const auto& c : cases) {
        const CsvReadResult result = readCsv(c.text);
        ASSERT_TRUE(result.error) << c.text;
        EXPECT_EQ(result.error->line, c.line) << c.text;
        EXPECT_TRUE(result.records.empty());
    }
}

TEST(CsvWrite, QuotesOnlyWhatNeedsItAndReadsBack) {
    const Rows rows{{"CH", "Rx Freq"}, {"1", "a,b"}, {"2", "say \"x\""}, {"3", "two\nlines"}, {""}};
    const std::string text = writeCsv(rows);
    EXPECT_EQ(text.substr(0, 21), "CH,Rx Freq\r\n1,\"a,b\"\r\n");
    EXPECT_EQ(cellsOf(readCsv(text)), rows);
}

TEST(CsvWrite, CellsAReaderWouldMisreadAreQuoted) {
    // A semicolon in the first row would make a reader take it as the
    // separator; a leading byte-order mark would be dropped as the text's own.
    const Rows rows{{"a;b"}, {"\xEF\xBB\xBFx", "y"}};
    EXPECT_EQ(cellsOf(readCsv(writeCsv(rows))), rows);
    const Rows first{{"\xEF\xBB\xBF"}};
    EXPECT_EQ(cellsOf(readCsv(writeCsv(first))), first);
}
