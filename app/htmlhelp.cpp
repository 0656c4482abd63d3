#include "htmlhelp.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>

#include "helpviewer.h"

namespace {

#ifdef Q_OS_WIN
const QString kUnpackerName = QStringLiteral("zrx-chm-unpack.exe");
#else
const QString kUnpackerName = QStringLiteral("zrx-chm-unpack");
#endif

// Whether the desktop has an application for the file's type. On Linux
// xdg-open would otherwise hand a help file to whatever takes any file (a
// browser showing its bytes, or nothing at all).
bool desktopHasViewerFor(const QString& path) {
#ifdef Q_OS_WIN
    Q_UNUSED(path);
    return true; // the system's HTML Help viewer
#else
    const QString type =
        QMimeDatabase().mimeTypeForFile(path, QMimeDatabase::MatchExtension).name();
    QProcess query;
    query.start(QStringLiteral("xdg-mime"),
                {QStringLiteral("query"), QStringLiteral("default"), type});
    if (!query.waitForFinished(3000)) {
        query.kill();
        query.waitForFinished(1000);
        return false;
    }
    return query.exitStatus() == QProcess::NormalExit && query.exitCode() == 0 &&
           !query.readAllStandardOutput().trimmed().isEmpty();
#endif
}

} // namespace

void CHtmlHelp::SetViewer(Viewer viewer) {
    m_viewer = std::move(viewer);
}

QString CHtmlHelp::FindHelpFile(const QString& fileName) const {
    for (const QString& folder : {m_moduleDirectory, QDir::currentPath()}) {
        const QFileInfo candidate(QDir(folder).filePath(fileName));
        if (!folder.isEmpty() && candidate.isFile()) {
            return candidate.absoluteFilePath();
        }
    }
    return {};
}

bool CHtmlHelp::DisplayTopic(QWidget* owner, const QString& fileName, zrx::Language language) {
    const QString path = FindHelpFile(fileName);
    if (path.isEmpty()) {
        return false;
    }
    if (!m_bindingFailed) {
        if (ShowInDesktopViewer(QUrl::fromLocalFile(path))) {
            return true;
        }
        m_bindingFailed = true;
    }
    return ShowInOwnWindow(owner, path, language);
}

bool CHtmlHelp::ShowInDesktopViewer(const QUrl& url) {
    if (m_viewer) {
        return m_viewer(url);
    }
    return desktopHasViewerFor(url.toLocalFile()) && QDesktopServices::openUrl(url);
}

bool CHtmlHelp::ShowInOwnWindow(QWidget* owner, const QString& path, zrx::Language language) {
    if (m_window != nullptr && m_window->FilePath() != path) {
        m_window->close(); // deletes itself
        m_window.clear();
    }
    if (m_window == nullptr) {
        const QString unpacker =
            !m_unpacker.isEmpty()
                ? m_unpacker
                : QDir(QCoreApplication::applicationDirPath()).filePath(kUnpackerName);
        m_window = CHelpViewer::Open(path, unpacker, language, owner);
        if (m_window == nullptr) {
            return false;
        }
    }
    m_window->ShowDefaultTopic();
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
    return true;
}
