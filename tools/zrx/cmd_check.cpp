#include <CLI/CLI.hpp>

#include <iostream>

#include "checks/finding_texts.h"
#include "checks/plan_checks.h"
#include "command_failed.h"
#include "commands.h"
#include "image/text_fill.h"
#include "input_files.h"
#include "language_option.h"

namespace zrx::cli {
namespace {

constexpr LocalText kNoFindings{"no findings", "未发现问题", "未發現問題"};
constexpr LocalText kStrict{"%1 finding(s) (--strict)", "发现 %1 个问题（--strict）",
                            "發現 %1 個問題（--strict）"};

void check(const std::filesystem::path& path, bool strict, Language language) {
    const RadioImage image = loadImageOrFail(path);
    const std::vector<checks::Finding> findings =
        checks::checkPlan(image, editing::imageBand(image));
    for (const checks::Finding& finding : findings) {
        std::cout << checks::findingLine(finding, language) << '\n';
    }
    if (findings.empty()) {
        std::cout << kNoFindings.in(language) << '\n';
    }
    std::cout.flush();
    if (!std::cout) {
        throw CommandFailed("could not write to the standard output");
    }
    if (strict && !findings.empty()) {
        throw CommandFailed(fillText(kStrict.in(language), {std::to_string(findings.size())}));
    }
}

} // namespace

void addCheckCommand(CLI::App& app) {
    auto* command = app.add_subcommand(
        "check", "Print what the checks before a write find in FILE.sin, one line each: errors "
                 "(a frequency outside the radio's 400-470 MHz band) and warnings (duplicate "
                 "channels, Tx outside the Frequency Range, PMR446 channels that are Wide, split "
                 "or at High power, empty channels between used ones while scanning is on)");
    auto file = std::make_shared<std::string>();
    auto strict = std::make_shared<bool>(false);
    command->add_option("FILE", *file, "Channel data file (.sin)")->required();
    command->add_flag("--strict", *strict, "End with exit status 1 when there is any finding");
    const auto language = addLanguageOption(*command);
    command->callback(
        [file, strict, language] { check(argumentPath(*file), *strict, language()); });
}

} // namespace zrx::cli
