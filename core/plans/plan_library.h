#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "image/language.h"
#include "plan_note.h"
#include "safety/backup_folder.h"

// Ready channel plans: channel tables in the format of zrx export, each a
// CSV file whose name is the plan's name, with its note beside it. The
// program brings some in the plans folder of its own folder; a user keeps
// more in zrx-pc-encoder/plans among the user's data (beside the backups).
namespace zrx::plans {

enum class PlanOrigin {
    Shipped, // in the program folder's plans folder
    User,    // in the user's own plans folder
};

struct PlanFolder {
    std::filesystem::path path;
    PlanOrigin origin = PlanOrigin::Shipped;
};

// The user's plans folder: userDataFolder()/plans. Nothing when the
// environment names no home.
[[nodiscard]] std::optional<std::filesystem::path>
userPlanFolder(const EnvironmentLookup& environment = processEnvironment);

// Where plans are looked for: `programFolder`/plans (when a program folder
// is given), then the user's plans folder (when there is one). Neither
// needs to exist.
[[nodiscard]] std::vector<PlanFolder>
planFolders(const std::optional<std::filesystem::path>& programFolder,
            const EnvironmentLookup& environment = processEnvironment);

struct PlanEntry {
    std::string name; // the file name without ".csv", UTF-8
    PlanOrigin origin = PlanOrigin::Shipped;
    std::filesystem::path path; // the CSV file
    PlanNote note;
};

// Every plan in `folders`: each regular file (or link to one) whose name
// ends in ".csv" in any case and does not start with a dot, with its note.
// A folder that is missing or cannot be read gives none. Sorted by name
// (ignoring the case of ASCII letters); a user's plan of the same name as a
// shipped one is listed after it, and both stay on the list.
[[nodiscard]] std::vector<PlanEntry> listPlans(const std::vector<PlanFolder>& folders);

// The plan that a name typed on the command line means: the names are
// compared ignoring the case of ASCII letters, an exact match goes before
// one that differs in case, and a user's plan before a shipped one of the
// same name, so a user can replace a shipped plan by one of the same name.
// Nothing when no plan has the name.
[[nodiscard]] const PlanEntry* findPlan(const std::vector<PlanEntry>& plans, std::string_view name);

// "shipped" or "user", in `language`.
[[nodiscard]] std::string originText(PlanOrigin origin, Language language);

} // namespace zrx::plans
