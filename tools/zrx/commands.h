#pragma once

namespace CLI {
class App;
}

// Each command of `zrx` lives in its own file and adds itself to the parser
// here. A command's callback reports failure by throwing CommandFailed, which
// main turns into its line (and the detail's) on stderr and exit status 1;
// with --json, also a document on stdout that says so.
namespace zrx::cli {

// One line per command, in the order `zrx --help` lists them.
void addNewCommand(CLI::App& app);
void addPlansCommand(CLI::App& app);
void addShowCommand(CLI::App& app);
void addDiffCommand(CLI::App& app);
void addSetCommand(CLI::App& app);
void addExportCommand(CLI::App& app);
void addImportCommand(CLI::App& app);
void addCheckCommand(CLI::App& app);
void addReadCommand(CLI::App& app);
void addWriteCommand(CLI::App& app);
void addBackupsCommand(CLI::App& app);
void addDoctorCommand(CLI::App& app);
void addPortsCommand(CLI::App& app);
void addFleetCommand(CLI::App& app);

} // namespace zrx::cli
