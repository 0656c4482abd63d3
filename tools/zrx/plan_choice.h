#pragma once

#include <string>
#include <vector>

#include "image/language.h"
#include "image/radio_image.h"
#include "plans/plan_library.h"

namespace zrx::cli {

// The plans beside this zrx and in the user's plans folder.
[[nodiscard]] std::vector<plans::PlanEntry> availablePlans();

// A new image with the channels of the plan `name`, or CommandFailed saying
// why not, in `language`.
[[nodiscard]] RadioImage planImageOrFail(const std::string& name, Language language);

} // namespace zrx::cli
