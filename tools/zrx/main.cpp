#include <CLI/CLI.hpp>

#include <iostream>
#include <string>

#include "command_failed.h"
#include "commands.h"
#include "console_arguments.h"
#include "json_output.h"
#include "settings/program_version.h"

namespace {

// The command that was named on the command line, or null.
const CLI::App* chosenCommand(const CLI::App& app) {
    const auto chosen = app.get_subcommands();
    return chosen.empty() ? nullptr : chosen.front();
}

bool jsonAsked(const CLI::App* command) {
    const CLI::Option* json = command != nullptr ? command->get_option_no_throw("--json") : nullptr;
    return json != nullptr && json->count() > 0;
}

// diff answers as diff(1) does: trouble, a wrong command line included, is 2.
int troubleStatus(const CLI::App* command) {
    return command != nullptr && command->get_name() == "diff" ? 2 : 1;
}

int failed(const zrx::cli::CommandFailed& e, const CLI::App* command) {
    std::cerr << "zrx: " << e.what() << '\n';
    if (!e.detail().empty()) {
        std::cerr << "  " << e.detail() << '\n';
    }
    if (jsonAsked(command)) {
        std::cout << (e.jsonDocument.empty() ? zrx::cli::failureDocument(e) : e.jsonDocument)
                  << '\n'
                  << std::flush;
    }
    return e.status;
}

} // namespace

int main(int argc, char** argv) {
    zrx::cli::ConsoleArguments arguments(argc, argv);
    CLI::App app{"zrx - read, write and edit ZRX412 radio memory images (.sin files)", "zrx"};
    app.set_version_flag("--version", "zrx " + std::string(zrx::programVersion()));
    app.require_subcommand(1);
    // A file named "/tmp/radio.sin" is a file, not a Windows-style option;
    // CLI11 reads "/x" as an option when built for Windows.
    app.allow_windows_style_options(false);
    // One line per command.
    zrx::cli::addNewCommand(app);
    zrx::cli::addPlansCommand(app);
    zrx::cli::addShowCommand(app);
    zrx::cli::addDiffCommand(app);
    zrx::cli::addSetCommand(app);
    zrx::cli::addExportCommand(app);
    zrx::cli::addImportCommand(app);
    zrx::cli::addCheckCommand(app);
    zrx::cli::addReadCommand(app);
    zrx::cli::addWriteCommand(app);
    zrx::cli::addBackupsCommand(app);
    zrx::cli::addDoctorCommand(app);
    zrx::cli::addPortsCommand(app);
    zrx::cli::addFleetCommand(app);
    try {
        app.parse(arguments.argc(), arguments.argv());
    } catch (const CLI::ParseError& e) {
        // --help and --version answer with status 0; a usage error is a
        // failure like any other: one line and status 1.
        if (e.get_exit_code() == 0) {
            return app.exit(e);
        }
        const CLI::App* command = chosenCommand(app);
        std::string message = e.what();
        if (command == nullptr && !app.remaining().empty()) {
            message = "unknown command: " + app.remaining().front();
        }
        std::cerr << "zrx: " << message << " (see zrx --help)\n";
        return troubleStatus(command);
    } catch (const zrx::cli::CommandFailed& e) {
        return failed(e, chosenCommand(app));
    } catch (const zrx::cli::CommandExit& e) {
        return e.status;
    } catch (const std::exception& e) {
        // Nothing a command does should get here; if it does, still one line.
        std::cerr << "zrx: unexpected failure: " << e.what() << '\n';
        return troubleStatus(chosenCommand(app));
    }
    return 0;
}
