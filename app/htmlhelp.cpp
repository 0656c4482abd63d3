#include "htmlhelp.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QProcess>

#include "helpviewer.h"
#include "shell/qt_text.h"
#include "shell/resources.h"

namespace {

constexpr zrx::LocalText kHelpFileMissing{
    "The help file %1 is missing: it belongs beside the program, in %2.",
    "缺少帮助文件 %1：它应该在程序所在的文件夹 %2 中。",
    "缺少幫助文件 %1：它應該在程式所在的資料夾 %2 中。",
};
constexpr zrx::LocalText kUnpackerMissing{
    "Help cannot be shown: %1, which reads help files for the program, is missing.",
    "无法显示帮助：为程序读取帮助文件的 %1 不存在。",
    "無法顯示幫助：為程式讀取幫助文件的 %1 不存在。",
};
constexpr zrx::LocalText kHelpFileDamaged{
    "Help cannot be shown: %1 is damaged or is not a help file.",
    "无法显示帮助：%1 已损坏或不是帮助文件。",
    "無法顯示幫助：%1 已損壞或不是幫助文件。",
};

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

CHtmlHelp::CHtmlHelp()
    : m_notice([](QWidget* owner, const QString& text) {
          QMessageBox::warning(owner, res("String", "ZRX PC Encoder"), text);
      }) {}

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
        m_notice(owner, toQString(kHelpFileMissing, language)
                            .arg(fileName, QDir::toNativeSeparators(m_moduleDirectory)));
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
        const QString unpacker = UnpackerPath();
        if (!QFileInfo(unpacker).isFile()) {
            m_notice(owner,
                     toQString(kUnpackerMissing, language).arg(QDir::toNativeSeparators(unpacker)));
            return false;
        }
        m_window = CHelpViewer::Open(path, unpacker, language, owner);
        if (m_window == nullptr) {
            m_notice(owner,
                     toQString(kHelpFileDamaged, language).arg(QDir::toNativeSeparators(path)));
            return false;
        }
    }
    m_window->ShowDefaultTopic();
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
    return true;
}

QString CHtmlHelp::UnpackerPath() const {
    return !m_unpacker.isEmpty()
               ? m_unpacker
               : QDir(QCoreApplication::applicationDirPath()).filePath(kUnpackerName);
}
