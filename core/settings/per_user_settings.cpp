#include "per_user_settings.h"

#include <system_error>
#include <utility>

#include "profile_file.h"

#ifdef _WIN32
#include <io.h>
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

bool isWritableFolder(const fs::path& folder) {
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) {
        return false;
    }
#ifdef _WIN32
    // Only the read-only attribute; access rights are not asked.
    return _waccess(folder.c_str(), 2) == 0;
#else
    // Creating a file needs write and search rights on the folder.
    return access(folder.c_str(), W_OK | X_OK) == 0;
#endif
}

} // namespace zrx
