#include <CLI/CLI.hpp>

#include <iostream>

#include "command_failed.h"
#include "commands.h"
#include "image/channel_data_file.h"
#include "image/new_image.h"
#include "language_option.h"
#include "link/serial_port.h"
#include "link/transfer_engine.h"
#include "read_backup.h"
#include "transfer_progress.h"

namespace zrx::cli {

namespace {

struct ReadOptions {
    std::string port;
    std::string out;
};

void readFromRadio(Language language, const ReadOptions& options) {
    const TransferRequest request{TransferDirection::Read, options.port, language};
    RadioImage image = makeNewImage();
    TransferProgress progress(std::cerr);
    const auto port = makeSystemSerialPort();
    if (runTransfer(*port, request, image, progress) != TransferOutcome::Success) {
        throw CommandFailed(progress.failure());
    }
    // The backup first: should the file below not be written, the radio's
    // memory is still kept.
    const std::string backup = keepBackupOrWarn(image, BackupOrigin::ZrxRead, language);
    // Only a complete image reaches the disk, and through a rename, so a
    // read that failed or a save that failed leaves no half-written file.
    const std::filesystem::path path = std::filesystem::u8path(options.out);
    if (const FileResult saved = saveChannelDataFile(path, image); !saved) {
        throw CommandFailed(describe(saved, path, language) +
                            (backup.empty() ? std::string() : " (" + backup + ")"));
    }
}

} // namespace

void addReadCommand(CLI::App& app) {
    auto* command = app.add_subcommand("read", "Read the radio's memory into FILE.sin");
    auto options = std::make_shared<ReadOptions>();
    command->add_option("--port", options->port, "Serial port: COM1..COM8 or a device path")
        ->required();
    command->add_option("--out", options->out, "Channel data file to create or replace")
        ->required();
    const auto language = addLanguageOption(*command);
    command->callback([options, language] { readFromRadio(language(), *options); });
}

} // namespace zrx::cli
