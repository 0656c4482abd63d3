#include "per_user_settings.h"

#include <system_error>
#include <utility>

#include "profile_file.h"

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <string>
#else
#include <unistd.h>
#endif

namespace zrx {
namespace fs = std::filesystem;

PerUserSettings::PerUserSettings(fs::path programFile, fs::path perUserFile,
                                 bool programFolderWritable)
    : m_programFile(std::move(programFile)), m_perUserFile(std::move(perUserFile)),
      m_programFolderWritable(programFolderWritable) {}

std::string PerUserSettings::read(std::string_view section, std::string_view key,
                                  std::size_t bufferUnits) const {
    if (!m_programFolderWritable && !m_perUserFile.empty()) {
        if (auto value = lookupProfileString(m_perUserFile, section, key, bufferUnits)) {
            return *value;
        }
    }
    return readProfileString(m_programFile, section, key, bufferUnits);
}

bool PerUserSettings::write(std::string_view section, std::string_view key,
                            std::string_view value) const {
    if (m_programFolderWritable) {
        return writeProfileString(m_programFile, section, key, value);
    }
    if (m_perUserFile.empty()) {
        return false;
    }
    std::error_code ec;
    if (fs::exists(fs::symlink_status(m_perUserFile, ec))) {
        return writeProfileString(m_perUserFile, section, key, value);
    }
    return writeProfileStringCopy(m_programFile, m_perUserFile, section, key, value);
}

fs::path PerUserSettings::writtenFile() const {
    return m_programFolderWritable ? m_programFile : m_perUserFile;
}

bool isWritableFolder(const fs::path& folder) {
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) {
        return false;
    }
#ifdef _WIN32
    // Windows ignores the read-only attribute on folders, and a standard
    // user may not create files in Program Files whatever it says: only
    // trying tells. The probe file is gone again when its handle closes.
    const fs::path probe = folder / (L".zrx-write-test-" + std::to_wstring(GetCurrentProcessId()));
    const HANDLE handle =
        CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                    FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return false;
    }
    CloseHandle(handle);
    return true;
#else
    // Creating a file needs write and search rights on the folder.
    return access(folder.c_str(), W_OK | X_OK) == 0;
#endif
}

} // namespace zrx
