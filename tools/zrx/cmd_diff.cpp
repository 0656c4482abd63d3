#include <CLI/CLI.hpp>

#include "command_failed.h"
#include "commands.h"
#include "difference_report.h"
#include "input_files.h"
#include "json_output.h"
#include "language_option.h"
#include "radio_link.h"

namespace zrx::cli {

namespace {

struct DiffOptions {
    std::string first;
    std::string second;
    std::string port;
    std::string trace;
    bool verify = false;
    bool json = false;
};

// A file that will not load is trouble: status 2, as for diff(1).
RadioImage loadOrTrouble(const std::string& argument) {
    try {
        return loadImageOrFail(argumentPath(argument));
    } catch (CommandFailed& failed) {
        failed.status = 2;
        throw;
    }
}

void compare(Language language, const DiffOptions& options) {
    const bool radio = !options.port.empty();
    RadioImage first;
    RadioImage second = loadOrTrouble(radio ? options.first : options.second);
    ComparedSide a{radio, radio ? options.port : options.first};
    const ComparedSide b{false, radio ? options.first : options.second};
    if (radio) {
        try {
            RadioLink link(options.trace, "diff with the radio on " + options.port);
            first = readRadioOrFail(link, options.port, language, options.verify).image;
        } catch (CommandFailed& failed) {
            failed.status = 2;
            throw;
        }
    } else {
        first = loadOrTrouble(options.first);
    }
    // The radio keeps what a write never sends as it is: only a file
    // against a file looks at every byte.
    const CompareScope scope = radio ? CompareScope::WrittenBytes : CompareScope::WholeImage;
    const std::vector<ImageDifference> differences = compareImages(first, second, scope, language);
    if (options.json) {
        JsonWriter json;
        json.beginObject().field("ok", true);
        writeDifferenceMembers(json, differences, a, b, scope);
        printJson(json.endObject());
    } else if (radio) {
        printDifferences(differences, std::string(kInTheRadioText.in(language)),
                         std::string(kInThisFileText.in(language)),
                         kNothingDiffersText.in(language), language);
    } else {
        printDifferences(differences, options.first, options.second, kFilesSameText.in(language),
                         language);
    }
    if (!differences.empty()) {
        throw CommandExit{1};
    }
}

} // namespace

void addDiffCommand(CLI::App& app) {
    auto* command = app.add_subcommand(
        "diff", "Compare two channel data files, or a file with the radio (--port), field by "
                "field; exit status 0 when they are the same, 1 when they differ, 2 for trouble");
    auto options = std::make_shared<DiffOptions>();
    command->add_option("FILE", options->first, "Channel data file (.sin)")->required();
    auto* second =
        command->add_option("OTHER", options->second, "The channel data file to compare it with");
    auto* port = command->add_option(
        "--port", options->port,
        "Compare with the radio on this port instead: COM1..COM8 or a device path");
    second->excludes(port);
    command
        ->add_flag("--verify", options->verify,
                   "Read the radio twice and compare the reads (a third read settles a "
                   "difference)")
        ->needs(port);
    command
        ->add_option("--trace", options->trace,
                     "Write every byte exchanged with the radio to this file, for support")
        ->needs(port);
    command->add_flag("--json", options->json, "Print one JSON document instead (see README)");
    const auto language = addLanguageOption(*command);
    command->callback([options, language, second, port] {
        if (second->count() == 0 && port->count() == 0) {
            throw CLI::RequiredError("OTHER or --port");
        }
        compare(language(), *options);
    });
}

} // namespace zrx::cli
