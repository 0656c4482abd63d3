#include "backup_folder.h"

#include <cstdlib>
#include <string>

namespace zrx {

namespace fs = std::filesystem;

namespace {

// The variable's value when it is set to an absolute path.
std::optional<fs::path> absoluteFolder(const EnvironmentLookup& environment,
                                       std::string_view name) {
    const std::optional<std::string> value = environment(name);
    if (!value || value->empty()) {
        return std::nullopt;
    }
    fs::path folder = fs::u8path(*value);
    if (!folder.is_absolute()) {
        // A relative data folder would move with the working folder, and
        // backups with it: the rules say to ignore it.
        return std::nullopt;
    }
    return folder;
}

} // namespace

std::optional<std::string> processEnvironment(std::string_view name) {
    const char* value = std::getenv(std::string(name).c_str());
    if (value == nullptr) {
        return std::nullopt;
    }
    return std::string(value);
}

std::optional<fs::path> userDataFolder(const EnvironmentLookup& environment) {
    std::optional<fs::path> data;
#ifdef _WIN32
    data = absoluteFolder(environment, "LOCALAPPDATA");
#else
    data = absoluteFolder(environment, "XDG_DATA_HOME");
    if (!data) {
        if (const auto home = absoluteFolder(environment, "HOME")) {
            data = *home / ".local" / "share";
        }
    }
#endif
    if (!data) {
        return std::nullopt;
    }
    return *data / "zrx-pc-encoder";
}

std::optional<fs::path> backupFolder(const EnvironmentLookup& environment) {
    const std::optional<fs::path> data = userDataFolder(environment);
    if (!data) {
        return std::nullopt;
    }
    return *data / "backups";
}

} // namespace zrx
