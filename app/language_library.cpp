#include "language_library.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// No language catalogue comes near this; a bigger file is not one.
constexpr qint64 kLargestLibrary = 16 * 1024 * 1024;

bool isBareName(const QString& fileName) {
    return !fileName.isEmpty() && !fileName.contains(QLatin1Char('/')) &&
           !fileName.contains(QLatin1Char('\\')) && fileName != QLatin1String(".") &&
           fileName != QLatin1String("..");
}

} // namespace

QString LanguageLibrary::Find(const QString& fileName, const QString& folder) {
    if (!isBareName(fileName) || folder.isEmpty()) {
        return {};
    }
    const QDir dir(folder);
    const QFileInfo exact(dir.filePath(fileName));
    if (exact.isFile()) {
        return exact.filePath();
    }
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden);
    for (const QString& entry : entries) {
        if (entry.compare(fileName, Qt::CaseInsensitive) == 0) {
            return dir.filePath(entry);
        }
    }
    return {};
}

bool LanguageLibrary::Load(const QString& fileName, const QStringList& folders) {
    for (const QString& folder : folders) {
        const QString path = Find(fileName, folder);
        if (path.isEmpty()) {
            continue;
        }
        QFile file(path);
        if (file.size() > kLargestLibrary || !file.open(QIODevice::ReadOnly)) {
            return false;
        }
        m_data = file.readAll();
        if (m_data.isEmpty() ||
            !m_translator.load(reinterpret_cast<const uchar*>(m_data.constData()),
                               static_cast<int>(m_data.size()))) {
            m_data.clear();
            return false;
        }
        m_path = path;
        return true;
    }
    return false;
}
