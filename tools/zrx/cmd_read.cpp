#include <CLI/CLI.hpp>

#include <iostream>

#include "command_failed.h"
#include "commands.h"
#include "image/channel_data_file.h"
#include "json_output.h"
#include "language_option.h"
#include "radio_link.h"
#include "read_backup.h"

namespace zrx::cli {

namespace {

struct ReadOptions {
    std::string port;
    std::string out;
    std::string trace;
    bool verify = false;
    bool json = false;
};

void readFromRadio(Language language, const ReadOptions& options) {
    // A file that cannot be written is found out before the radio is read
    // for nothing.
    const std::filesystem::path path = std::filesystem::u8path(options.out);
    if (const FileResult writable = checkChannelDataFileSaves(path); !writable) {
        throw CommandFailed(describe(writable, path, language));
    }
    RadioLink link(options.trace, "read on " + options.port);
    const RadioRead read = readRadioOrFail(link, options.port, language, options.verify);
    // The backup first: should the file below not be written, the radio's
    // memory is still kept.
    const std::string backup = keepBackupOrWarn(read.image, BackupOrigin::ZrxRead, language);
    // Only a complete image reaches the disk, and through a rename, so a
    // read that failed or a save that failed leaves no half-written file.
    if (const FileResult saved = saveChannelDataFile(path, read.image); !saved) {
        throw CommandFailed(describe(saved, path, language) +
                            (backup.empty() ? std::string() : " (" + backup + ")"));
    }
    if (!options.json) {
        return;
    }
    JsonWriter json;
    json.beginObject().field("ok", true);
    json.field("port", options.port).field("file", options.out);
    writePath(json, "backup", backup);
    json.field("reads", read.reads);
    json.key("disputed_blocks").beginArray();
    for (const std::size_t address : read.disputedBlocks) {
        json.integer(static_cast<std::int64_t>(address));
    }
    json.endArray();
    printJson(json.endObject());
}

} // namespace

void addReadCommand(CLI::App& app) {
    auto* command = app.add_subcommand("read", "Read the radio's memory into FILE.sin");
    auto options = std::make_shared<ReadOptions>();
    command->add_option("--port", options->port, "Serial port: COM1..COM8 or a device path")
        ->required();
    command->add_option("--out", options->out, "Channel data file to create or replace")
        ->required();
    command->add_flag("--verify", options->verify,
                      "Read twice and compare; when the reads differ, read a third time and "
                      "keep what two reads agree on");
    command->add_option("--trace", options->trace,
                        "Write every byte exchanged with the radio to this file, for support");
    command->add_flag("--json", options->json, "Print one JSON document when done (see README)");
    const auto language = addLanguageOption(*command);
    command->callback([options, language] { readFromRadio(language(), *options); });
}

} // namespace zrx::cli
