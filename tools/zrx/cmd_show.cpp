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
#include "image_json.h"
#include "input_files.h"
#include "json_output.h"
#include "language_option.h"
#include "table/channel_table.h"
#include "terminal.h"
#include "text_table.h"

namespace zrx::cli {
namespace {

std::string hexByte(std::uint8_t value) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", static_cast<unsigned>(value));
    return text;
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
    printCode(out, std::string(kPcbaLabel.in(language)) + ":",
              utf8::printable(decodePcbaCode(image)));
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
    auto json = std::make_shared<bool>(false);
    command->add_option("FILE", *file, "Channel data file (.sin)")->required();
    command->add_flag("--json", *json, "Print one JSON document instead (see README)");
    const auto language = addLanguageOption(*command);
    command->callback([file, json, language] {
        const auto path = argumentPath(*file);
        const RadioImage image = loadImageOrFail(path);
        if (!*json) {
            show(image, language());
            return;
        }
        JsonWriter document;
        document.beginObject().field("ok", true).field("file", displayName(path));
        writeImageMembers(document, image, language());
        printJson(document.endObject());
    });
}

} // namespace zrx::cli
