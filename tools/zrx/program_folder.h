#pragma once

#include <filesystem>
#include <optional>

namespace zrx::cli {

// The folder that holds the running zrx, found through the system (links
// followed, so a launcher on the PATH that links into the program folder
// gives that folder). Nothing when the system does not tell.
[[nodiscard]] std::optional<std::filesystem::path> programFolder();

} // namespace zrx::cli
