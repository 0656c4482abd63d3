#include "plan_choice.h"

#include "command_failed.h"
#include "image/text_fill.h"
#include "plans/plan_loading.h"
#include "program_folder.h"

namespace zrx::cli {
namespace {

constexpr LocalText kNoSuchPlan{"no plan is named \"%1\"; zrx plans lists them",
                                "没有名为“%1”的方案；zrx plans 可列出所有方案",
                                "沒有名為「%1」的方案；zrx plans 可列出所有方案"};

} // namespace

std::vector<plans::PlanEntry> availablePlans() {
    return plans::listPlans(plans::planFolders(programFolder()));
}

RadioImage planImageOrFail(const std::string& name, Language language) {
    const std::vector<plans::PlanEntry> all = availablePlans();
    const plans::PlanEntry* plan = plans::findPlan(all, name);
    if (plan == nullptr) {
        throw CommandFailed(fillText(kNoSuchPlan.in(language), {name}));
    }
    const plans::PlanLoad load = plans::loadPlan(plan->path);
    if (!load) {
        throw CommandFailed(plans::describe(*load.error, plan->name, language));
    }
    return load.image;
}

} // namespace zrx::cli
