#include "channel_clipboard.h"

#include <algorithm>

#include "channel_table.h"
#include "csv_reader.h"
#include "editing/table_row_edit.h"
#include "image/channel_codec.h"
#include "image/channel_headings.h"
#include "image/image_layout.h"
#include "image/text_fill.h"
#include "image/utf8.h"

namespace zrx {
namespace {

constexpr LocalText kNotText{"The clipboard holds no text a channel table can come from.",
                             "剪贴板中没有可作为信道表的文本。",
                             "剪貼簿中沒有可作為信道表的文字。"};
constexpr LocalText kNoRows{"The clipboard holds no channels.", "剪贴板中没有信道。",
                            "剪貼簿中沒有信道。"};
constexpr LocalText kTooManyCells{
    "Row %1 cannot be pasted: it has %2 cells, a channel has 7 "
    "(8 with its number).",
    "第 %1 行无法粘贴：它有 %2 个单元格，一个信道只有 7 个（连同编号 8 个）。",
    "第 %1 行無法貼上：它有 %2 個儲存格，一個信道只有 7 個（連同編號 8 個）。"};
constexpr LocalText kCellRefused{"Row %1 cannot be pasted: %2 does not take \"%3\".",
                                 "第 %1 行无法粘贴：%2 不接受“%3”。",
                                 "第 %1 行無法貼上：%2 不接受「%3」。"};
constexpr LocalText kMalformed{"Row %1 cannot be pasted: %2", "第 %1 行无法粘贴：%2",
                               "第 %1 行無法貼上：%2"};

constexpr int kNumberColumn = 0; // the table column of the channel number

struct Row {
    std::size_t line = 0;
    std::vector<std::string> cells;
};

std::string trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

// A cell a spreadsheet quoted because of a quote or line break inside.
std::string unquoted(std::string cell) {
    if (cell.size() < 2 || cell.front() != '"' || cell.back() != '"') {
        return cell;
    }
    std::string plain;
    for (std::size_t i = 1; i + 1 < cell.size(); ++i) {
        plain.push_back(cell[i]);
        if (cell[i] == '"' && cell[i + 1] == '"') {
            ++i;
        }
    }
    return plain;
}

std::vector<Row> tabSeparatedRows(std::string_view text) {
    std::vector<Row> rows;
    std::size_t line = 1;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        Row row{line, {}};
        const std::string_view content = text.substr(start, end - start);
        std::size_t cellStart = 0;
        for (;;) {
            const std::size_t tab = content.find('\t', cellStart);
            row.cells.push_back(unquoted(std::string(
                content.substr(cellStart, tab == std::string_view::npos ? std::string_view::npos
                                                                        : tab - cellStart))));
            if (tab == std::string_view::npos) {
                break;
            }
            cellStart = tab + 1;
        }
        rows.push_back(std::move(row));
        if (end < text.size() && text[end] == '\r' && end + 1 < text.size() &&
            text[end + 1] == '\n') {
            ++end;
        }
        start = end + 1;
        ++line;
    }
    // The line break after the last row is no row of its own.
    while (!rows.empty() && rows.back().cells.size() == 1 && rows.back().cells[0].empty()) {
        rows.pop_back();
    }
    return rows;
}

// The table column (0 = CH) each cell of a heading row names; nothing when
// the row is not a heading row.
std::optional<std::vector<int>> headingColumns(const Row& row) {
    std::vector<int> columns;
    bool any = false;
    for (const std::string& cell : row.cells) {
        const std::string name = trimmed(cell);
        if (name.empty()) {
            columns.push_back(-1);
            continue;
        }
        const auto column = headingColumn(name);
        if (!column) {
            return std::nullopt;
        }
        columns.push_back(*column);
        any = true;
    }
    if (!any) {
        return std::nullopt;
    }
    return columns;
}

} // namespace

std::string channelsAsText(const RadioImage& image, const std::vector<int>& channels,
                           Language language) {
    const TableRows table = channelTableRows(image, language);
    std::string text;
    auto addRow = [&text](const std::vector<std::string>& row) {
        for (std::size_t c = 0; c < row.size(); ++c) {
            text.append(c == 0 ? "" : "\t").append(row[c]);
        }
        text.append("\r\n");
    };
    addRow(table.front());
    for (const int channel : channels) {
        if (channel >= 1 && channel <= layout::kChannelCount) {
            addRow(table.at(static_cast<std::size_t>(channel)));
        }
    }
    return text;
}

PasteResult pasteChannels(RadioImage& image, std::string_view text, int first,
                          editing::BandLimits band, Language language) {
    PasteResult result;
    auto refuse = [&result, language](const LocalText& why,
                                      std::initializer_list<std::string_view> values) {
        result = PasteResult{};
        result.refusal = fillText(why.in(language), values);
        return result;
    };
    if (!utf8::isValid(text)) {
        return refuse(kNotText, {});
    }
    std::vector<Row> rows;
    if (text.find('\t') != std::string_view::npos) {
        rows = tabSeparatedRows(text);
    } else {
        const CsvReadResult csv = readCsv(text);
        if (csv.error) {
            return refuse(kMalformed, {std::to_string(csv.error->line), csv.error->message});
        }
        for (const CsvRecord& record : csv.records) {
            rows.push_back({record.line, record.cells});
        }
    }
    std::optional<std::vector<int>> headings;
    if (!rows.empty()) {
        headings = headingColumns(rows.front());
        if (headings) {
            rows.erase(rows.begin());
        }
    }
    if (rows.empty()) {
        return refuse(kNoRows, {});
    }

    RadioImage updated = image;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const Row& row = rows[r];
        const int channel = first + static_cast<int>(r);
        if (channel > layout::kChannelCount) {
            ++result.leftOut;
            continue;
        }
        std::vector<int> columns;
        if (headings) {
            columns = *headings;
        } else {
            // The grid's order, with or without the channel number in front.
            const int from = row.cells.size() == kChannelTableColumnCount ? 0 : 1;
            for (int c = 0; c < static_cast<int>(row.cells.size()); ++c) {
                columns.push_back(from + c);
            }
        }
        if (row.cells.size() > columns.size() ||
            (!headings && row.cells.size() > kChannelTableColumnCount)) {
            return refuse(kTooManyCells,
                          {std::to_string(row.line), std::to_string(row.cells.size())});
        }
        editing::GivenTexts given;
        for (std::size_t c = 0; c < row.cells.size(); ++c) {
            if (columns[c] > kNumberColumn) {
                given.at(static_cast<std::size_t>(columns[c] - 1)) = trimmed(row.cells[c]);
            }
        }
        const ChannelTexts current = decodeChannel(updated, channel, Language::English);
        const editing::RowEdit edit = editing::editChannelRow(current, given, band);
        if (const auto& bad = edit.unreadable) {
            const LocalText& heading =
                kChannelHeadings.at(static_cast<std::size_t>(bad->column) + 1);
            return refuse(kCellRefused,
                          {std::to_string(row.line), heading.in(language), bad->given});
        }
        // A row that leaves the channel as it was keeps its bytes as they were.
        if (edit.texts != current) {
            encodeChannel(updated, channel, edit.texts);
        }
        ++result.pasted;
    }
    image = updated;
    return result;
}

} // namespace zrx
