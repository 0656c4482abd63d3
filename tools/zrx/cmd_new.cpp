#include <CLI/CLI.hpp>

#include <system_error>

#include "command_failed.h"
#include "commands.h"
#include "image/channel_data_file.h"
#include "image/new_image.h"
#include "input_files.h"
#include "language_option.h"
#include "plan_choice.h"

namespace zrx::cli {

namespace {

constexpr LocalText kExists{
    "%1 already exists; zrx new replaces a file only with --force",
    "%1 已存在；只有加上 --force，zrx new 才会替换已有文件",
    "%1 已存在；只有加上 --force，zrx new 才會替換已有檔案",
};

// True when something other than a folder is at `path`: a file, a link
// (also one whose target is gone) or a device. A folder is left to the save,
// which says that it is not a regular file.
bool somethingToReplace(const std::filesystem::path& path) {
    std::error_code ec;
    const auto entry = std::filesystem::symlink_status(path, ec);
    if (ec || entry.type() == std::filesystem::file_type::not_found) {
        return false;
    }
    return !std::filesystem::is_directory(path, ec);
}

struct NewOptions {
    std::string file;
    bool force = false;
    std::string plan;
};

} // namespace

void addNewCommand(CLI::App& app) {
    auto* command = app.add_subcommand("new", "Write the image of a new document to FILE.sin");
    auto options = std::make_shared<NewOptions>();
    command->add_option("FILE", options->file, "Channel data file to create")->required();
    command->add_flag("--force", options->force, "Replace FILE when it exists");
    auto* planOption = command->add_option(
        "--plan", options->plan,
        "Start from the ready plan of this name (see zrx plans; your own plan goes before a "
        "shipped one of the same name); a plan outside the radio's band is refused");
    const auto language = addLanguageOption(*command);
    command->callback([options, planOption, language] {
        const std::filesystem::path path = argumentPath(options->file);
        // A channel set typed in by hand is lost for good when a new image
        // lands on it by a slip of the command line.
        if (!options->force && somethingToReplace(path)) {
            std::string message(kExists.in(language()));
            message.replace(message.find("%1"), 2, displayName(path));
            throw CommandFailed(message);
        }
        const RadioImage image =
            planOption->count() > 0 ? planImageOrFail(options->plan, language()) : makeNewImage();
        if (const FileResult saved = saveChannelDataFile(path, image); !saved) {
            throw CommandFailed(describe(saved, path, language()));
        }
    });
}

} // namespace zrx::cli
