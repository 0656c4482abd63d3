#include <CLI/CLI.hpp>

#include <iostream>

#include "command_failed.h"
#include "commands.h"
#include "image/channel_data_file.h"
#include "image/new_image.h"
#include "language_option.h"
#include "link/serial_port.h"
#include "link/transfer_engine.h"
#include "safety/backup_store.h"
#include "safety/write_verification.h"
#include "transfer_progress.h"
#include "write_checks.h"

namespace zrx::cli {

namespace {

struct WriteOptions {
    std::string port;
    std::string file;
    bool verify = false;
    bool backup = false;
    bool force = false;
};

// Reads the radio and keeps its memory as a backup; CommandFailed when
// either does not work out, before anything has been written.
void backUpRadio(SerialPort& port, Language language, const std::string& portName) {
    RadioImage before = makeNewImage();
    TransferProgress progress(std::cerr);
    if (runTransfer(port, TransferRequest{TransferDirection::Read, portName, language}, before,
                    progress) != TransferOutcome::Success) {
        throw CommandFailed(progress.failure());
    }
    if (const BackupSaved saved = keepReadBackup(before, BackupOrigin::BeforeWrite); !saved.ok) {
        throw CommandFailed(std::string(kNoBackupNoWriteText.in(language)) + ": " + saved.error);
    }
}

void writeToRadio(Language language, const WriteOptions& options) {
    const std::filesystem::path path = std::filesystem::u8path(options.file);
    RadioImage image;
    if (const FileResult loaded = loadChannelDataFile(path, image); !loaded) {
        throw CommandFailed(describe(loaded, path));
    }
    checkBeforeWrite(image, options.force, language, std::cerr);
    const auto port = makeSystemSerialPort();
    if (options.backup) {
        backUpRadio(*port, language, options.port);
    }
    TransferProgress progress(std::cerr);
    if (options.verify) {
        const VerifiedWrite result = writeAndVerify(*port, options.port, language, image, progress);
        if (result.outcome != VerifiedWriteOutcome::Verified) {
            throw CommandFailed(describeVerifiedWrite(result, progress.failure(), language));
        }
        return;
    }
    const TransferRequest request{TransferDirection::Write, options.port, language};
    if (runTransfer(*port, request, image, progress) != TransferOutcome::Success) {
        throw CommandFailed(progress.failure());
    }
}

} // namespace

void addWriteCommand(CLI::App& app) {
    auto* command = app.add_subcommand(
        "write", "Write FILE.sin to the radio (its first 992 bytes; the list selections stay) "
                 "after the checks of zrx check: warnings are printed, errors refuse the write");
    auto options = std::make_shared<WriteOptions>();
    command->add_option("--port", options->port, "Serial port: COM1..COM8 or a device path")
        ->required();
    command->add_option("FILE", options->file, "Channel data file to send")->required();
    command->add_flag("--verify", options->verify,
                      "Read the radio back after writing and compare every written byte");
    command->add_flag("--backup", options->backup,
                      "Read the radio first and keep its memory as a backup (see zrx backups)");
    command->add_flag("--force", options->force,
                      "Write even a memory the radio cannot use as it is (see zrx check)");
    const auto language = addLanguageOption(*command);
    command->callback([options, language] { writeToRadio(language(), *options); });
}

} // namespace zrx::cli
