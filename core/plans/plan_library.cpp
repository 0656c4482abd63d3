#include "plan_library.h"

#include <algorithm>
#include <cctype>

#include "small_text_file.h"

namespace zrx::plans {
namespace {

namespace fs = std::filesystem;

constexpr LocalText kShipped{"shipped", "随程序提供", "隨程式提供"};
constexpr LocalText kUser{"user", "用户", "使用者"};

char lowerAscii(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

// Negative, zero or positive as `a` sorts before, with or after `b`,
// ignoring the case of ASCII letters.
int compareIgnoringCase(std::string_view a, std::string_view b) {
    const auto [atA, atB] =
        std::mismatch(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
    if (atA == a.end()) {
        return atB == b.end() ? 0 : -1;
    }
    if (atB == b.end()) {
        return 1;
    }
    return static_cast<unsigned char>(lowerAscii(*atA)) -
           static_cast<unsigned char>(lowerAscii(*atB));
}

bool isPlanFile(const fs::directory_entry& entry) {
    std::error_code ec;
    const std::string name = utf8Path(entry.path().filename());
    std::string extension = utf8Path(entry.path().extension());
    std::transform(extension.begin(), extension.end(), extension.begin(), lowerAscii);
    return extension == ".csv" && !name.starts_with('.') && entry.is_regular_file(ec);
}

void addPlansOf(const PlanFolder& folder, std::vector<PlanEntry>& plans) {
    std::error_code ec;
    fs::directory_iterator it(folder.path, ec);
    for (const fs::directory_iterator end; !ec && it != end; it.increment(ec)) {
        if (isPlanFile(*it)) {
            plans.push_back(
                {utf8Path(it->path().stem()), folder.origin, it->path(), loadPlanNote(it->path())});
        }
    }
}

} // namespace

std::optional<fs::path> userPlanFolder(const EnvironmentLookup& environment) {
    const std::optional<fs::path> data = userDataFolder(environment);
    if (!data) {
        return std::nullopt;
    }
    return *data / "plans";
}

std::vector<PlanFolder> planFolders(const std::optional<fs::path>& programFolder,
                                    const EnvironmentLookup& environment) {
    std::vector<PlanFolder> folders;
    if (programFolder) {
        folders.push_back({*programFolder / "plans", PlanOrigin::Shipped});
    }
    if (const auto user = userPlanFolder(environment)) {
        folders.push_back({*user, PlanOrigin::User});
    }
    return folders;
}

std::vector<PlanEntry> listPlans(const std::vector<PlanFolder>& folders) {
    std::vector<PlanEntry> plans;
    for (const PlanFolder& folder : folders) {
        addPlansOf(folder, plans);
    }
    std::sort(plans.begin(), plans.end(), [](const PlanEntry& a, const PlanEntry& b) {
        if (const int order = compareIgnoringCase(a.name, b.name); order != 0) {
            return order < 0;
        }
        if (a.origin != b.origin) {
            return a.origin == PlanOrigin::Shipped;
        }
        return a.path < b.path;
    });
    return plans;
}

const PlanEntry* findPlan(const std::vector<PlanEntry>& plans, std::string_view name) {
    const PlanEntry* best = nullptr;
    int bestScore = -1;
    for (const PlanEntry& plan : plans) {
        if (compareIgnoringCase(plan.name, name) != 0) {
            continue;
        }
        const int score = (plan.name == name ? 2 : 0) + (plan.origin == PlanOrigin::User ? 1 : 0);
        if (score > bestScore) {
            best = &plan;
            bestScore = score;
        }
    }
    return best;
}

std::string originText(PlanOrigin origin, Language language) {
    return std::string((origin == PlanOrigin::User ? kUser : kShipped).in(language));
}

} // namespace zrx::plans
