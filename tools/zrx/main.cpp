#include <CLI/CLI.hpp>

#include <iostream>

#include "command_failed.h"
#include "commands.h"
#include "console_arguments.h"

int main(int argc, char** argv) {
    zrx::cli::ConsoleArguments arguments(argc, argv);
    CLI::App app{"zrx - read, write and edit ZRX412 radio memory images (.sin files)", "zrx"};
    app.require_subcommand(1);
    // A file named "/tmp/radio.sin" is a file, not a Windows-style option;
    // CLI11 reads "/x" as an option when built for Windows.
    app.allow_windows_style_options(false);
    // One line per command.
    zrx::cli::addNewCommand(app);
    zrx::cli::addPlansCommand(app);
    zrx::cli::addShowCommand(app);
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
        // --help answers with status 0; a usage error is a failure like any
        // other: one line and status 1.
        if (e.get_exit_code() == 0) {
            return app.exit(e);
        }
        std::cerr << "zrx: " << e.what() << " (see zrx --help)\n";
        return 1;
    } catch (const zrx::cli::CommandFailed& e) {
        std::cerr << "zrx: " << e.what() << '\n';
        return 1;
    } catch (const std::exception& e) {
        // Nothing a command does should get here; if it does, still one line.
        std::cerr << "zrx: unexpected failure: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
