#include <CLI/CLI.hpp>

#include <iostream>

#include "command_failed.h"
#include "commands.h"
#include "input_files.h"
#include "language_option.h"
#include "table/channel_table.h"
#include "table/csv_writer.h"

namespace zrx::cli {

void addExportCommand(CLI::App& app) {
    auto* command = app.add_subcommand(
        "export", "Write the channel table of FILE.sin to the standard output as CSV (UTF-8, "
                  "heading row, then channels 1 to 16)");
    auto file = std::make_shared<std::string>();
    command->add_option("FILE", *file, "Channel data file (.sin)")->required();
    const auto language = addLanguageOption(*command);
    command->callback([file, language] {
        const RadioImage image = loadImageOrFail(argumentPath(*file));
        std::cout << writeCsv(channelTableRows(image, language()));
        std::cout.flush();
        if (!std::cout) {
            throw CommandFailed("could not write to the standard output");
        }
    });
}

} // namespace zrx::cli
