#include "channel_table.h"

#include <algorithm>
#include <array>

#include "csv_reader.h"
#include "editing/table_row_edit.h"
#include "image/channel_codec.h"
#include "image/channel_headings.h"
#include "image/frequency_codec.h"
#include "image/image_layout.h"
#include "image/utf8.h"

namespace zrx {
namespace {

constexpr int kChannelNumberColumn = 0;

std::string_view trimSpaces(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

std::string quoted(std::string_view text) {
    std::string result(1, '"');
    result.append(text);
    result.push_back('"');
    return result;
}

std::string headingList() {
    std::string list;
    for (const LocalText& heading : kChannelHeadings) {
        if (!list.empty()) {
            list.append(", ");
        }
        list.append(heading.english);
    }
    return list;
}

std::optional<int> channelNumber(std::string_view text) {
    text = trimSpaces(text);
    if (text.empty() || text.size() > 2 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    const int number = std::stoi(std::string(text));
    if (number < 1 || number > layout::kChannelCount) {
        return std::nullopt;
    }
    return number;
}

std::size_t lineOfOffset(std::string_view text, std::size_t offset) {
    std::size_t line = 1;
    for (std::size_t i = 0; i < offset && i < text.size(); ++i) {
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n'))) {
            ++line;
        }
    }
    return line;
}

// Table column (0 = CH) of each CSV column, from the heading row.
std::optional<TableError> readHeadings(const CsvRecord& headings, std::vector<int>& columns) {
    std::array<bool, kChannelTableColumnCount> seen{};
    for (const std::string& cell : headings.cells) {
        const auto column = headingColumn(trimSpaces(cell));
        if (!column) {
            return TableError{headings.line, "unknown heading " + quoted(cell) +
                                                 "; the headings are " + headingList()};
        }
        if (seen[static_cast<std::size_t>(*column)]) {
            return TableError{headings.line, "the heading " + quoted(cell) + " appears twice"};
        }
        seen[static_cast<std::size_t>(*column)] = true;
        columns.push_back(*column);
    }
    if (!seen[kChannelNumberColumn]) {
        return TableError{headings.line, "no \"CH\" column to name the channel of each row"};
    }
    return std::nullopt;
}

std::string cellName(int channel, ChannelColumn column) {
    return "CH " + std::to_string(channel) + ", " +
           std::string(kChannelHeadings.at(static_cast<std::size_t>(column) + 1).english) + ": ";
}

// 40000000 -> "400", 40000625 -> "400.00625".
std::string megahertz(FrequencyCount count) {
    constexpr FrequencyCount kCountsPerMegahertz = 100000;
    return count % kCountsPerMegahertz == 0 ? std::to_string(count / kCountsPerMegahertz)
                                            : frequencyToText(count);
}

std::string describe(int channel, const editing::CellChange& change, editing::BandLimits band) {
    using Reason = editing::CellChange::Reason;
    const std::string given = cellName(channel, change.column) + quoted(change.given);
    switch (change.reason) {
    case Reason::OutsideBand:
        return given + " is outside " + megahertz(band.lower) + "-" + megahertz(band.upper) +
               " MHz; stored as " + change.stored;
    case Reason::OffRaster:
        return given + " is off the 5 and 6.25 kHz raster; stored as " + change.stored;
    case Reason::NoChannel:
        break;
    }
    return given + " not stored: the channel has no Rx frequency";
}

} // namespace

TableRows channelTableRows(const RadioImage& image, Language language) {
    TableRows rows;
    std::vector<std::string> headings;
    for (const LocalText& heading : kChannelHeadings) {
        headings.emplace_back(heading.in(language));
    }
    rows.push_back(std::move(headings));
    for (int channel = 1; channel <= layout::kChannelCount; ++channel) {
        std::vector<std::string> row{std::to_string(channel)};
        const ChannelTexts texts = decodeChannel(image, channel, language);
        row.insert(row.end(), texts.begin(), texts.end());
        rows.push_back(std::move(row));
    }
    return rows;
}

std::optional<TableError> importChannelTable(std::string_view csvText, RadioImage& image) {
    std::vector<TableNote> notes;
    return importChannelTable(csvText, image, notes);
}

std::optional<TableError> importChannelTable(std::string_view csvText, RadioImage& image,
                                             std::vector<TableNote>& notes) {
    if (std::size_t bad = 0; !utf8::isValid(csvText, &bad)) {
        return TableError{lineOfOffset(csvText, bad),
                          "the text is not UTF-8 (save the table as UTF-8 CSV)"};
    }
    const CsvReadResult csv = readCsv(csvText);
    if (csv.error) {
        return TableError{csv.error->line, csv.error->message};
    }
    if (csv.records.empty()) {
        return TableError{1, "the table is empty; its first row must be the headings"};
    }
    std::vector<int> columns;
    if (auto error = readHeadings(csv.records.front(), columns)) {
        return error;
    }

    RadioImage updated = image;
    const editing::BandLimits band = editing::imageBand(image);
    std::vector<TableNote> found;
    std::array<std::size_t, layout::kChannelCount + 1> listedOnLine{};
    for (std::size_t r = 1; r < csv.records.size(); ++r) {
        const CsvRecord& record = csv.records[r];
        if (record.cells.size() != columns.size()) {
            return TableError{record.line, std::to_string(record.cells.size()) +
                                               " cells where the heading row has " +
                                               std::to_string(columns.size())};
        }
        const auto chAt = std::find(columns.begin(), columns.end(), kChannelNumberColumn);
        const std::string& chCell = record.cells[static_cast<std::size_t>(chAt - columns.begin())];
        const auto channel = channelNumber(chCell);
        if (!channel) {
            return TableError{record.line,
                              "channel " + quoted(chCell) + " is not a number from 1 to 16"};
        }
        std::size_t& firstLine = listedOnLine[static_cast<std::size_t>(*channel)];
        if (firstLine != 0) {
            return TableError{record.line, "channel " + std::to_string(*channel) +
                                               " is listed twice (first on line " +
                                               std::to_string(firstLine) + ")"};
        }
        firstLine = record.line;

        const ChannelTexts current = decodeChannel(updated, *channel, Language::English);
        editing::GivenTexts given;
        for (std::size_t c = 0; c < columns.size(); ++c) {
            if (columns[c] != kChannelNumberColumn) {
                given.at(static_cast<std::size_t>(columns[c] - 1)) = record.cells[c];
            }
        }
        const editing::RowEdit edit = editing::editChannelRow(current, given, band);
        if (const auto& bad = edit.unreadable) {
            return TableError{record.line, cellName(*channel, bad->column) + quoted(bad->given) +
                                               " " + bad->problem};
        }
        for (const editing::CellChange& change : edit.changes) {
            found.push_back({record.line, describe(*channel, change, band), *channel, change});
        }
        // A channel the table leaves as it was keeps its bytes as they were.
        if (edit.texts != current) {
            encodeChannel(updated, *channel, edit.texts);
        }
    }
    image = updated;
    notes.insert(notes.end(), found.begin(), found.end());
    return std::nullopt;
}

} // namespace zrx
