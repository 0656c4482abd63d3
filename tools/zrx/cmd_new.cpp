#include <CLI/CLI.hpp>

#include "command_failed.h"
#include "commands.h"
#include "image/channel_data_file.h"
#include "image/new_image.h"

namespace zrx::cli {

void addNewCommand(CLI::App& app) {
    auto* command = app.add_subcommand("new", "Write the image of a new document to FILE.sin");
    auto file = std::make_shared<std::string>();
    command->add_option("FILE", *file, "Channel data file to create or replace")->required();
    command->callback([file] {
        const std::filesystem::path path = std::filesystem::u8path(*file);
        if (const FileResult saved = saveChannelDataFile(path, makeNewImage()); !saved) {
            throw CommandFailed(describe(saved, path));
        }
    });
}

} // namespace zrx::cli
