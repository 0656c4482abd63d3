#include <CLI/CLI.hpp>

#include <iostream>

#include "command_failed.h"
#include "commands.h"
#include "difference_report.h"
#include "image/channel_data_file.h"
#include "image/new_image.h"
#include "input_files.h"
#include "json_output.h"
#include "language_option.h"
#include "link/protocol_frames.h"
#include "link/transfer_engine.h"
#include "radio_link.h"
#include "safety/backup_store.h"
#include "safety/write_verification.h"
#include "terminal.h"
#include "transfer_progress.h"
#include "write_checks.h"

namespace zrx::cli {

namespace {

struct WriteOptions {
    std::string port;
    std::string file;
    std::string trace;
    bool verify = false;
    bool backup = false;
    bool force = false;
    bool dryRun = false;
    bool json = false;
};

// Reads the radio and keeps its memory as a backup; CommandFailed when
// either does not work out, before anything has been written. The backup's
// path.
std::string backUpRadio(RadioLink& link, Language language, const std::string& portName) {
    const RadioImage before = readRadioOrFail(link, portName, language, false).image;
    const BackupSaved saved = keepReadBackup(before, BackupOrigin::BeforeWrite);
    if (!saved.ok) {
        throw CommandFailed(std::string(kNoBackupNoWriteText.in(language)) + ": " + saved.error);
    }
    return displayName(saved.path);
}

// What a write would change: the radio read and compared, nothing sent.
void showWhatAWriteChanges(RadioLink& link, Language language, const WriteOptions& options,
                           const RadioImage& image) {
    const RadioImage radio = readRadioOrFail(link, options.port, language, false).image;
    const auto differences = compareImages(radio, image, CompareScope::WrittenBytes, language);
    if (!options.json) {
        printDifferences(differences, std::string(kInTheRadioText.in(language)),
                         std::string(kInThisFileText.in(language)),
                         kNothingDiffersText.in(language), language);
        return;
    }
    JsonWriter json;
    json.beginObject().field("ok", true).field("dry_run", true);
    writeDifferenceMembers(json, differences, ComparedSide{true, options.port},
                           ComparedSide{false, options.file}, CompareScope::WrittenBytes);
    printJson(json.endObject());
}

// The failure of a verified write: the transfer's own, or the difference.
CommandFailed verifiedWriteFailure(const VerifiedWrite& result, const TransferProgress& progress,
                                   Language language) {
    if (result.outcome == VerifiedWriteOutcome::Mismatch) {
        return CommandFailed(describeVerifiedWrite(result, progress.failure(), language));
    }
    CommandFailed failed = progress.failed();
    CommandFailed described(describeVerifiedWrite(result, progress.failure(), language),
                            failed.detail());
    described.failure = failed.failure;
    return described;
}

void writeToRadio(Language language, const WriteOptions& options) {
    const std::filesystem::path path = std::filesystem::u8path(options.file);
    RadioImage image;
    if (const FileResult loaded = loadChannelDataFile(path, image); !loaded) {
        throw CommandFailed(describe(loaded, path));
    }
    // A dry run only looks: the checks are told, never in the way.
    checkBeforeWrite(image, options.force || options.dryRun, language, std::cerr);
    RadioLink link(options.trace,
                   (options.dryRun ? "write --dry-run on " : "write on ") + options.port);
    if (options.dryRun) {
        showWhatAWriteChanges(link, language, options, image);
        return;
    }
    const std::string backup = options.backup ? backUpRadio(link, language, options.port) : "";
    TransferProgress progress(std::cerr, language, standardErrorRedraws(),
                              writingLine(options.port, language));
    std::optional<CommandFailed> failure;
    if (options.verify) {
        const VerifiedWrite result =
            writeAndVerify(link.port(), options.port, language, image, progress);
        if (result.outcome != VerifiedWriteOutcome::Verified) {
            failure = verifiedWriteFailure(result, progress, language);
        }
    } else {
        const TransferRequest request{TransferDirection::Write, options.port, language};
        if (runTransfer(link.port(), request, image, progress) != TransferOutcome::Success) {
            failure = progress.failed();
        }
    }
    link.note(failure ? "ended: " + std::string(failure->what()) +
                            (failure->detail().empty() ? "" : ": " + failure->detail())
                      : "ended: the write went through");
    link.warnIfTraceFailed(language);
    if (failure) {
        throw *failure;
    }
    if (options.json) {
        JsonWriter json;
        json.beginObject().field("ok", true);
        json.field("port", options.port).field("file", options.file);
        json.field("bytes_written", static_cast<std::int64_t>(protocol::kWriteLength));
        json.field("verified", options.verify);
        writePath(json, "backup", backup);
        printJson(json.endObject());
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
    auto* verify =
        command->add_flag("--verify", options->verify,
                          "Read the radio back after writing and compare every written byte");
    auto* backup =
        command->add_flag("--backup", options->backup,
                          "Read the radio first and keep its memory as a backup (see zrx backups)");
    command
        ->add_flag("--dry-run", options->dryRun,
                   "Write nothing: read the radio and show what a write would change")
        ->excludes(verify)
        ->excludes(backup);
    command->add_option("--trace", options->trace,
                        "Write every byte exchanged with the radio to this file, for support");
    command->add_flag("--json", options->json, "Print one JSON document when done (see README)");
    command->add_flag("--force", options->force,
                      "Write even a memory the radio cannot use as it is (see zrx check)");
    const auto language = addLanguageOption(*command);
    command->callback([options, language] { writeToRadio(language(), *options); });
}

} // namespace zrx::cli
