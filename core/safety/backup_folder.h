#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace zrx {

// The value of an environment variable, or nothing when it is not set.
using EnvironmentLookup = std::function<std::optional<std::string>(std::string_view name)>;

// The process's own environment.
[[nodiscard]] std::optional<std::string> processEnvironment(std::string_view name);

// The tool's own folder among the user's data: on Linux and other free
// systems the user's data folder as the XDG rules name it ($XDG_DATA_HOME,
// which must be an absolute path, else ~/.local/share), on Windows the local
// application data folder (%LOCALAPPDATA%), followed by zrx-pc-encoder.
// Nothing when the environment names no home at all.
[[nodiscard]] std::optional<std::filesystem::path>
userDataFolder(const EnvironmentLookup& environment = processEnvironment);

// The folder that keeps a copy of every radio memory the tool has read:
// userDataFolder()/backups.
[[nodiscard]] std::optional<std::filesystem::path>
backupFolder(const EnvironmentLookup& environment = processEnvironment);

} // namespace zrx
