#include "inifile.h"

#include <filesystem>

#include "settings/per_user_settings.h"

namespace {

// Values are read through a buffer of 256 UTF-16 units, as the settings
// file always was, so at most 255 characters come back.
constexpr std::size_t kReadBufferUnits = 256;

std::filesystem::path toPath(const QString& path) {
    return std::filesystem::path(path.toStdU16String());
}

// Whether the module directory takes files is asked at every read and
// write, so the rule holds for whatever the folder is at that moment.
zrx::PerUserSettings places(const QString& fileName, const QString& perUserFileName) {
    const std::filesystem::path file = toPath(fileName);
    return zrx::PerUserSettings(file, toPath(perUserFileName),
                                zrx::isWritableFolder(file.parent_path()));
}

} // namespace

void CIniFile::SetFileName(const QString& moduleDirectory, const QString& name) {
    m_fileName = moduleDirectory + name;
}

QString CIniFile::ReadString(const QString& section, const QString& key) const {
    if (key.isEmpty() || m_fileName.isEmpty()) {
        return {};
    }
    return QString::fromStdString(
        places(m_fileName, m_perUserFileName)
            .read(section.toStdString(), key.toStdString(), kReadBufferUnits));
}

bool CIniFile::WriteString(const QString& section, const QString& key, const QString& value) const {
    if (key.isEmpty() || value.isEmpty() || m_fileName.isEmpty()) {
        return false;
    }
    return places(m_fileName, m_perUserFileName)
        .write(section.toStdString(), key.toStdString(), value.toStdString());
}

QString CIniFile::WrittenFileName() const {
    if (m_fileName.isEmpty()) {
        return {};
    }
    std::filesystem::path file = places(m_fileName, m_perUserFileName).writtenFile();
    if (file.empty()) {
        file = toPath(m_fileName);
    }
    return QString::fromStdU16String(file.make_preferred().u16string());
}
