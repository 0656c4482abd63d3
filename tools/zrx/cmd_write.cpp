#include <CLI/CLI.hpp>

#include <iostream>

#include "command_failed.h"
#include "commands.h"
#include "image/channel_data_file.h"
#include "language_option.h"
#include "link/serial_port.h"
#include "link/transfer_engine.h"
#include "transfer_progress.h"

namespace zrx::cli {

namespace {

struct WriteOptions {
    std::string port;
    std::string file;
};

void writeToRadio(Language language, const WriteOptions& options) {
    const std::filesystem::path path = std::filesystem::u8path(options.file);
    RadioImage image;
    if (const FileResult loaded = loadChannelDataFile(path, image); !loaded) {
        throw CommandFailed(describe(loaded, path));
    }
    const TransferRequest request{TransferDirection::Write, options.port, language};
    TransferProgress progress(std::cerr);
    const auto port = makeSystemSerialPort();
    if (runTransfer(*port, request, image, progress) != TransferOutcome::Success) {
        throw CommandFailed(progress.failure());
    }
}

} // namespace

void addWriteCommand(CLI::App& app) {
    auto* command = app.add_subcommand(
        "write", "Write FILE.sin to the radio (its first 992 bytes; the list selections stay)");
    auto options = std::make_shared<WriteOptions>();
    command->add_option("--port", options->port, "Serial port: COM1..COM8 or a device path")
        ->required();
    command->add_option("FILE", options->file, "Channel data file to send")->required();
    const auto language = addLanguageOption(*command);
    command->callback([options, language] { writeToRadio(language(), *options); });
}

} // namespace zrx::cli
