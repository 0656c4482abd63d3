#include <CLI/CLI.hpp>

#include <iostream>

#include "command_failed.h"
#include "commands.h"
#include "image/channel_data_file.h"
#include "image/new_image.h"
#include "input_files.h"
#include "table/channel_table.h"

namespace zrx::cli {
namespace {

// A channel table is 17 short rows; anything this large is not one.
constexpr std::size_t kLargestTable = 1 << 20;

void import(const std::filesystem::path& tablePath, const std::filesystem::path& imagePath) {
    const std::string table = readTextFileOrFail(tablePath, kLargestTable);
    // A slip of the keyboard must not turn the table into a radio image.
    if (std::error_code ec; std::filesystem::equivalent(tablePath, imagePath, ec)) {
        throw CommandFailed(displayName(imagePath) + ": the table and the channel data file are "
                                                     "the same file");
    }

    RadioImage image;
    if (const FileResult loaded = loadChannelDataFile(imagePath, image); !loaded) {
        if (loaded.error != FileError::Missing) {
            throw CommandFailed(describe(loaded, imagePath));
        }
        image = makeNewImage();
    }
    std::vector<TableNote> notes;
    if (const auto error = importChannelTable(table, image, notes)) {
        throw CommandFailed(displayName(tablePath) + ", line " + std::to_string(error->line) +
                            ": " + error->message + "; " + displayName(imagePath) +
                            " was not changed");
    }
    if (const FileResult saved = saveChannelDataFile(imagePath, image); !saved) {
        throw CommandFailed(describe(saved, imagePath));
    }
    // Once the file holds them: every value stored otherwise than written.
    for (const TableNote& note : notes) {
        std::cout << displayName(tablePath) << ", line " << note.line << ": " << note.message
                  << '\n';
    }
    std::cout.flush();
}

} // namespace

void addImportCommand(CLI::App& app) {
    auto* command = app.add_subcommand(
        "import", "Encode the channels listed in a CSV channel table into FILE.sin (created "
                  "when missing) as the program's grid would: frequencies clamped to the band "
                  "and snapped to the raster, each such change printed; channels not listed "
                  "stay as they are, and a value that cannot be read changes nothing");
    auto table = std::make_shared<std::string>();
    auto file = std::make_shared<std::string>();
    command
        ->add_option("TABLE", *table,
                     "CSV table: a heading row (CH, Rx Freq, Tx Freq, Rx Tone, Tx Tone, Busy Lock, "
                     "W/N, Add Scan in any of the three languages), then one row per channel")
        ->required();
    command->add_option("FILE", *file, "Channel data file (.sin) to update or create")->required();
    command->callback([table, file] { import(argumentPath(*table), argumentPath(*file)); });
}

} // namespace zrx::cli
