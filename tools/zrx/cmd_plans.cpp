#include <CLI/CLI.hpp>

#include <iostream>

#include "command_failed.h"
#include "commands.h"
#include "image/text_fill.h"
#include "language_option.h"
#include "plan_choice.h"
#include "plans/small_text_file.h"

namespace zrx::cli {
namespace {

constexpr LocalText kNoPlans{"no plans; keep your own as CSV channel tables (as zrx export "
                             "writes them) in %1",
                             "没有方案；可将自己的方案以 CSV 信道表（格式同 zrx export 的输出）"
                             "存放在 %1",
                             "沒有方案；可將自己的方案以 CSV 信道表（格式同 zrx export 的輸出）"
                             "存放在 %1"};

void listPlans(Language language) {
    const std::vector<plans::PlanEntry> all = availablePlans();
    if (all.empty()) {
        const auto folder = plans::userPlanFolder();
        std::cout << fillText(kNoPlans.in(language), {folder ? plans::utf8Path(*folder) : "-"})
                  << '\n';
    }
    for (const plans::PlanEntry& plan : all) {
        std::cout << plan.name << " (" << plans::originText(plan.origin, language) << ")";
        if (const std::string& note = plan.note.in(language); !note.empty()) {
            std::cout << ": " << note;
        }
        std::cout << '\n';
    }
    std::cout.flush();
    if (!std::cout) {
        throw CommandFailed("could not write to the standard output");
    }
}

} // namespace

void addPlansCommand(CLI::App& app) {
    auto* command = app.add_subcommand(
        "plans", "List the ready channel plans for zrx new --plan: those shipped in the program "
                 "folder's plans folder and your own in zrx-pc-encoder/plans among your data "
                 "(beside the backups), each with its origin and note");
    const auto language = addLanguageOption(*command);
    command->callback([language] { listPlans(language()); });
}

} // namespace zrx::cli
