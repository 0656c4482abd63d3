#include "htmlhelp.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>

#include "module_directory.h"

void CHtmlHelp::SetViewer(Viewer viewer) {
    m_viewer = std::move(viewer);
}

bool CHtmlHelp::DisplayTopic(QWidget* /*owner*/, const QString& fileName) {
    if (m_bindingFailed) {
        return false;
    }
    QString path;
    for (const QString& folder : {g_moduleDirectory, QDir::currentPath()}) {
        const QFileInfo candidate(QDir(folder).filePath(fileName));
        if (!folder.isEmpty() && candidate.isFile()) {
            path = candidate.absoluteFilePath();
            break;
        }
    }
    if (path.isEmpty()) {
        return false;
    }
    const QUrl url = QUrl::fromLocalFile(path);
    const bool shown = m_viewer ? m_viewer(url) : QDesktopServices::openUrl(url);
    if (!shown) {
        m_bindingFailed = true;
    }
    return shown;
}
