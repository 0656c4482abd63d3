#include "inifile.h"

#include <filesystem>

#include "module_directory.h"
#include "settings/profile_file.h"

namespace {

// Values are read through a buffer of 256 UTF-16 units, as the settings
// file always was, so at most 255 characters come back.
constexpr std::size_t kReadBufferUnits = 256;

std::filesystem::path toPath(const QString& path) {
    return std::filesystem::path(path.toStdU16String());
}

} // namespace

void CIniFile::SetFileName(const QString& name) {
    m_fileName = g_moduleDirectory + name;
}

QString CIniFile::ReadString(const QString& section, const QString& key) const {
    if (key.isEmpty() || m_fileName.isEmpty()) {
        return {};
    }
    return QString::fromStdString(zrx::readProfileString(toPath(m_fileName), section.toStdString(),
                                                         key.toStdString(), kReadBufferUnits));
}

bool CIniFile::WriteString(const QString& section, const QString& key, const QString& value) const {
    if (key.isEmpty() || value.isEmpty() || m_fileName.isEmpty()) {
        return false;
    }
    return zrx::writeProfileString(toPath(m_fileName), section.toStdString(), key.toStdString(),
                                   value.toStdString());
}
