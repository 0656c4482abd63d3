#include <CLI/CLI.hpp>

#include "command_failed.h"
#include "commands.h"
#include "image/channel_data_file.h"
#include "input_files.h"
#include "language_option.h"
#include "setting_assignment.h"

namespace zrx::cli {
namespace {

void set(const std::filesystem::path& path, const std::vector<std::string>& assignments,
         Language language) {
    // Every argument is checked before the file is touched.
    std::vector<SettingChange> changes;
    for (const std::string& assignment : assignments) {
        changes.push_back(parseSettingChange(assignment, language));
    }
    RadioImage image = loadImageOrFail(path);
    // In the order given: a setting named twice keeps the last value.
    for (const SettingChange& change : changes) {
        change.applyTo(image);
    }
    if (const FileResult saved = saveChannelDataFile(path, image); !saved) {
        throw CommandFailed(describe(saved, path));
    }
}

} // namespace

void addSetCommand(CLI::App& app) {
    auto* command = app.add_subcommand(
        "set", "Change radio settings of FILE.sin: NAME=VALUE with the names and values zrx show "
               "prints, in any of the three languages and any case, e.g. \"TOT (s)=60\" "
               "Beep=Off \"PTT ID Code=12A#\" PCBA=AB12");
    auto file = std::make_shared<std::string>();
    auto assignments = std::make_shared<std::vector<std::string>>();
    command->add_option("FILE", *file, "Channel data file (.sin) to change")->required();
    command->add_option("NAME=VALUE", *assignments, "Settings to store")->required();
    const auto language =
        addLanguageOption(*command); // the language of the names and values a refusal lists
    command->callback(
        [file, assignments, language] { set(argumentPath(*file), *assignments, language()); });
}

} // namespace zrx::cli
