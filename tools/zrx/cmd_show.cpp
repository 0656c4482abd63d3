#include <CLI/CLI.hpp>

#include <algorithm>
#include <cstdio>
#include <iostream>

#include "command_failed.h"
#include "commands.h"
#include "image/form_lists.h"
#include "image/image_layout.h"
#include "image/settings_codes.h"
#include "image/settings_field.h"
#include "image/settings_labels.h"
#include "image/settings_lists.h"
#include "image/utf8.h"
#include "input_files.h"
#include "language_option.h"
#include "table/channel_table.h"

namespace zrx::cli {
namespace {

// Columns a terminal gives the text: East Asian ideographs and full-width
// forms take two.
std::size_t displayWidth(std::string_view text) {
    std::size_t width = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        const char32_t c = utf8::next(text, pos);
        const bool wide = (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) ||
                          (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
                          (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
                          (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
        width += wide ? 2 : 1;
    }
    return width;
}

void printTable(std::ostream& out, const TableRows& rows) {
    std::vector<std::size_t> widths;
    for (const auto& row : rows) {
        widths.resize(std::max(widths.size(), row.size()));
        for (std::size_t c = 0; c < row.size(); ++c) {
            widths[c] = std::max(widths[c], displayWidth(row[c]));
        }
    }
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (c > 0) {
                line += "  ";
            }
            line += row[c];
            line.append(widths[c] - displayWidth(row[c]), ' ');
        }
        line.erase(line.find_last_not_of(' ') + 1);
        out << line << '\n';
    }
}

std::string hexByte(std::uint8_t value) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", static_cast<unsigned>(value));
    return text;
}

// Control characters of a stored code would upset the terminal: show them
// as \xNN.
std::string printable(std::string_view text) {
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", static_cast<unsigned>(byte));
            out += escaped;
        } else {
            out.push_back(c);
        }
    }
    return out;
}

// "label code", or the label alone for an empty code.
void printCode(std::ostream& out, std::string_view label, const std::string& code) {
    out << label << (code.empty() ? "" : " ") << code << '\n';
}

template <std::size_t N>
void printListByte(std::ostream& out, const LocalText& label, Language language,
                   const std::array<std::string_view, N>& list, std::size_t offset,
                   const RadioImage& image) {
    const std::uint8_t stored = image.byte(offset);
    out << label.in(language) << ": " << list[shownPosition(list, stored)] << " (byte "
        << hexByte(stored) << ")\n";
}

void printFields(std::ostream& out, const LocalText& caption, std::span<const SettingsField> fields,
                 const RadioImage& image, Language language) {
    out << '\n' << caption.in(language) << '\n';
    std::size_t labelWidth = 0;
    for (const SettingsField field : fields) {
        labelWidth = std::max(labelWidth, displayWidth(fieldLabel(field).in(language)));
    }
    for (const SettingsField field : fields) {
        const auto selection = decodeSelection(image, field);
        const std::string_view label = fieldLabel(field).in(language);
        out << "  " << label << ':' << std::string(labelWidth - displayWidth(label) + 1, ' ')
            << (selection ? entry(field, *selection, language) : std::string("(no selection)"))
            << '\n';
    }
}

void show(const RadioImage& image, Language language) {
    std::ostream& out = std::cout;
    printTable(out, channelTableRows(image, language));
    out << '\n';
    printListByte(out, kModelLabel, language, kModelEntries, layout::kModelIndex, image);
    printListByte(out, kFrequencyRangeLabel, language, kFrequencyRangeEntries, layout::kRangeIndex,
                  image);
    printFields(out, kOptionFunctionCaption, kOptionFunctionFields, image, language);
    printCode(out, "  " + std::string(kPttIdCodeLabel.in(language)) + ":", decodePttIdCode(image));
    printFields(out, kSideKeyCaption, kSideKeyFields, image, language);
    out << '\n';
    printCode(out, std::string(kPcbaLabel.in(language)) + ":", printable(decodePcbaCode(image)));
    out.flush();
    if (!out) {
        throw CommandFailed("could not write to the standard output");
    }
}

} // namespace

void addShowCommand(CLI::App& app) {
    auto* command = app.add_subcommand(
        "show", "Print the channel table, the model and range, the radio settings and the PCBA "
                "and PTT ID codes of FILE.sin");
    auto file = std::make_shared<std::string>();
    command->add_option("FILE", *file, "Channel data file (.sin)")->required();
    const auto language = addLanguageOption(*command);
    command->callback([file, language] { show(loadImageOrFail(argumentPath(*file)), language()); });
}

} // namespace zrx::cli
