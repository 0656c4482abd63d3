#include "plan_loading.h"

#include <vector>

#include "editing/frequency_rules.h"
#include "image/channel_headings.h"
#include "image/new_image.h"
#include "image/text_fill.h"
#include "small_text_file.h"
#include "table/channel_table.h"
#include "table/csv_reader.h"

namespace zrx::plans {
namespace {

namespace fs = std::filesystem;

// A channel table is 17 short rows; anything this large is not one.
constexpr std::size_t kLargestPlan = 1 << 20;

constexpr LocalText kCannotUse{"the plan \"%1\" cannot be used: %2", "无法使用方案“%1”：%2",
                               "無法使用方案「%1」：%2"};
constexpr LocalText kFileMissing{"the file %1 does not exist", "文件 %1 不存在", "檔案 %1 不存在"};
constexpr LocalText kNotAFile{"%1 is not a file", "%1 不是文件", "%1 不是檔案"};
constexpr LocalText kTooLarge{"the file %1 is too large for a channel table",
                              "文件 %1 太大，不是信道表", "檔案 %1 太大，不是信道表"};
constexpr LocalText kUnreadable{"the file %1 cannot be read", "无法读取文件 %1", "無法讀取檔案 %1"};
constexpr LocalText kNotATable{"%1, line %2: %3", "%1，第 %2 行：%3", "%1，第 %2 行：%3"};
constexpr LocalText kOutsideBand{
    "%1, line %2: CH %3, %4 \"%5\" is outside the radio's 400-470 MHz band",
    "%1，第 %2 行：信道 %3，%4“%5”超出电台的 400-470 MHz 频段",
    "%1，第 %2 行：信道 %3，%4「%5」超出電台的 400-470 MHz 頻段"};
constexpr LocalText kOffRaster{"%1, line %2: CH %3, %4 \"%5\" is off the 5 and 6.25 kHz raster",
                               "%1，第 %2 行：信道 %3，%4“%5”不在 5 kHz 或 6.25 kHz 步进上",
                               "%1，第 %2 行：信道 %3，%4「%5」不在 5 kHz 或 6.25 kHz 步進上"};
constexpr LocalText kNoRxFrequency{
    "%1, line %2: CH %3 has no Rx Freq, so its %4 \"%5\" cannot be stored",
    "%1，第 %2 行：信道 %3 没有接收频率，无法存储其%4“%5”",
    "%1，第 %2 行：信道 %3 沒有接收頻率，無法儲存其%4「%5」"};

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

PlanLoad refused(PlanError error) {
    PlanLoad load;
    load.error = std::move(error);
    return load;
}

PlanError cellError(PlanProblem problem, std::string file, std::size_t line, int channel,
                    ChannelColumn column, std::string given) {
    PlanError error;
    error.problem = problem;
    error.file = std::move(file);
    error.line = line;
    error.channel = channel;
    error.column = column;
    error.given = std::move(given);
    return error;
}

// The first frequency of a table that zrx import has taken that lies outside
// the radio's band: import would have clamped it.
std::optional<PlanError> firstOutsideBand(std::string_view csvText, const std::string& file) {
    const CsvReadResult csv = readCsv(csvText);
    if (csv.records.empty()) {
        return std::nullopt;
    }
    std::vector<std::optional<int>> columns;
    for (const std::string& heading : csv.records.front().cells) {
        columns.push_back(headingColumn(trimmed(heading)));
    }
    for (std::size_t r = 1; r < csv.records.size(); ++r) {
        const CsvRecord& record = csv.records[r];
        int channel = 0;
        for (std::size_t c = 0; c < columns.size() && c < record.cells.size(); ++c) {
            if (columns[c] == 0) {
                channel = std::stoi(std::string(trimmed(record.cells[c])));
            }
        }
        for (std::size_t c = 0; c < columns.size() && c < record.cells.size(); ++c) {
            const int tableColumn = columns[c].value_or(0);
            if (tableColumn != 1 && tableColumn != 2) { // Rx Freq, Tx Freq
                continue;
            }
            const std::string_view cell = trimmed(record.cells[c]);
            const auto frequency = editing::readFrequencyText(cell);
            if (!cell.empty() && frequency && !editing::kRadioBand.holds(*frequency)) {
                return cellError(PlanProblem::OutsideBand, file, record.line, channel,
                                 static_cast<ChannelColumn>(tableColumn - 1), std::string(cell));
            }
        }
    }
    return std::nullopt;
}

PlanProblem problemOf(editing::CellChange::Reason reason) {
    switch (reason) {
    case editing::CellChange::Reason::OutsideBand:
        return PlanProblem::OutsideBand;
    case editing::CellChange::Reason::OffRaster:
        return PlanProblem::OffRaster;
    case editing::CellChange::Reason::NoChannel:
        break;
    }
    return PlanProblem::NoRxFrequency;
}

} // namespace

PlanLoad planFromText(std::string_view csvText, std::string file) {
    RadioImage image = makeNewImage();
    std::vector<TableNote> notes;
    if (const auto error = importChannelTable(csvText, image, notes)) {
        PlanError refusal;
        refusal.problem = PlanProblem::NotATable;
        refusal.file = std::move(file);
        refusal.line = error->line;
        refusal.detail = error->message;
        return refused(std::move(refusal));
    }
    if (auto outside = firstOutsideBand(csvText, file)) {
        return refused(std::move(*outside));
    }
    if (!notes.empty()) {
        const TableNote& note = notes.front();
        return refused(cellError(problemOf(note.change.reason), std::move(file), note.line,
                                 note.channel, note.change.column, note.change.given));
    }
    PlanLoad load;
    load.image = image;
    return load;
}

PlanLoad loadPlan(const fs::path& planFile) {
    const TextFileRead read = readSmallTextFile(planFile, kLargestPlan);
    PlanError error;
    error.file = utf8Path(planFile);
    switch (read.problem) {
    case TextFileProblem::None:
        return planFromText(read.text, error.file);
    case TextFileProblem::Missing:
        error.problem = PlanProblem::FileMissing;
        break;
    case TextFileProblem::NotAFile:
        error.problem = PlanProblem::NotAFile;
        break;
    case TextFileProblem::TooLarge:
        error.problem = PlanProblem::TooLarge;
        break;
    case TextFileProblem::Unreadable:
        error.problem = PlanProblem::Unreadable;
        break;
    }
    return refused(std::move(error));
}

std::string describe(const PlanError& error, std::string_view planName, Language language) {
    const LocalText* format = &kNotATable;
    switch (error.problem) {
    case PlanProblem::FileMissing:
        format = &kFileMissing;
        break;
    case PlanProblem::NotAFile:
        format = &kNotAFile;
        break;
    case PlanProblem::TooLarge:
        format = &kTooLarge;
        break;
    case PlanProblem::Unreadable:
        format = &kUnreadable;
        break;
    case PlanProblem::NotATable:
        break;
    case PlanProblem::OutsideBand:
        format = &kOutsideBand;
        break;
    case PlanProblem::OffRaster:
        format = &kOffRaster;
        break;
    case PlanProblem::NoRxFrequency:
        format = &kNoRxFrequency;
        break;
    }
    const std::size_t heading = static_cast<std::size_t>(error.column) + 1;
    const std::string line = std::to_string(error.line);
    const std::string channel = std::to_string(error.channel);
    // The file and line first, then what the problem needs: the reader's
    // reason for a table that is not one, else the cell.
    const std::string reason =
        error.problem == PlanProblem::NotATable
            ? fillText(format->in(language), {error.file, line, error.detail})
            : fillText(format->in(language),
                       {error.file, line, channel, kChannelHeadings.at(heading).in(language),
                        error.given});
    return fillText(kCannotUse.in(language), {planName, reason});
}

} // namespace zrx::plans
