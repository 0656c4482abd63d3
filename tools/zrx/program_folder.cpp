#include "program_folder.h"

#ifdef _WIN32
#include <windows.h>

#include <string>
#endif

namespace zrx::cli {

namespace fs = std::filesystem;

std::optional<fs::path> programFolder() {
#ifdef _WIN32
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
        if (length == 0) {
            return std::nullopt;
        }
        if (length < name.size()) {
            name.resize(length);
            return fs::path(name).parent_path();
        }
        if (name.size() >= 32768) { // the longest path Windows has
            return std::nullopt;
        }
        name.resize(name.size() * 2);
    }
#else
    // Linux names the executable of every process here; elsewhere there is
    // no folder to offer.
    std::error_code ec;
    const fs::path executable = fs::read_symlink("/proc/self/exe", ec);
    if (ec || !executable.is_absolute()) {
        return std::nullopt;
    }
    return executable.parent_path();
#endif
}

} // namespace zrx::cli
