#include <CLI/CLI.hpp>

#include <iostream>

#include "command_failed.h"
#include "commands.h"

int main(int argc, char** argv) {
    CLI::App app{"zrx - read, write and edit ZRX412 radio memory images (.sin files)", "zrx"};
    app.require_subcommand(1);
    zrx::cli::addNewCommand(app);
    zrx::cli::addReadCommand(app);
    zrx::cli::addWriteCommand(app);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return app.exit(e);
    } catch (const zrx::cli::CommandFailed& e) {
        std::cerr << "zrx: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
