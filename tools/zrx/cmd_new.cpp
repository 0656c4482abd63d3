#include <CLI/CLI.hpp>

#include "command_failed.h"
#include "commands.h"
#include "image/channel_data_file.h"
#include "image/new_image.h"
#include "language_option.h"
#include "plan_choice.h"

namespace zrx::cli {

void addNewCommand(CLI::App& app) {
    auto* command = app.add_subcommand("new", "Write the image of a new document to FILE.sin");
    auto file = std::make_shared<std::string>();
    command->add_option("FILE", *file, "Channel data file to create or replace")->required();
    auto plan = std::make_shared<std::string>();
    auto* planOption = command->add_option(
        "--plan", *plan,
        "Start from the ready plan of this name (see zrx plans; your own plan goes before a "
        "shipped one of the same name); a plan outside the radio's band is refused");
    const auto language = addLanguageOption(*command);
    command->callback([file, plan, planOption, language] {
        const std::filesystem::path path = std::filesystem::u8path(*file);
        const RadioImage image =
            planOption->count() > 0 ? planImageOrFail(*plan, language()) : makeNewImage();
        if (const FileResult saved = saveChannelDataFile(path, image); !saved) {
            throw CommandFailed(describe(saved, path));
        }
    });
}

} // namespace zrx::cli
