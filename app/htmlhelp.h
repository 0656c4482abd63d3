#pragma once

#include <QPointer>
#include <QString>
#include <QUrl>
#include <functional>

#include "helpviewer.h"
#include "image/language.h"

class QWidget;

// The help viewer. A help file is named without a folder and looked for
// beside the program, then in the working directory; a file that is missing
// or cannot be shown is told in a message that names it. The desktop's viewer for compiled help
// files shows it where one is registered; otherwise, or once the desktop's viewer has failed (which
// is remembered for the rest of the run), the program's own help window
// does.
class CHtmlHelp {
public:
    // Hands a file to the desktop's viewer; false when none shows it.
    using Viewer = std::function<bool(const QUrl&)>;
    // Tells why help cannot be shown; a warning box by default.
    using Notice = std::function<void(QWidget* owner, const QString& text)>;

    CHtmlHelp();

    // The desktop's viewer by default; tests put their own here.
    void SetViewer(Viewer viewer);
    void SetNotice(Notice notice) { m_notice = std::move(notice); }

    // The helper that takes a help file apart for the program's own window:
    // zrx-chm-unpack beside the program by default.
    void SetUnpacker(QString unpacker) { m_unpacker = std::move(unpacker); }

    // Shows the start topic of `fileName`, with the program's own window
    // texts in `language`. Returns false when the file is missing or cannot
    // be read as a help file, or the helper the own window needs is missing;
    // the notice then names the file.
    bool DisplayTopic(QWidget* owner, const QString& fileName,
                      zrx::Language language = zrx::Language::English);

    // The path of `fileName` where help files are looked for; empty when
    // it is in neither place.
    [[nodiscard]] QString FindHelpFile(const QString& fileName) const;

    // The program's folder, where help files are looked for first.
    void SetModuleDirectory(QString folder) { m_moduleDirectory = std::move(folder); }

    // True once the desktop's viewer failed; it is not asked again.
    [[nodiscard]] bool BindingFailed() const { return m_bindingFailed; }

    // The program's own help window while it is open.
    [[nodiscard]] CHelpViewer* Window() const { return m_window; }

private:
    bool ShowInDesktopViewer(const QUrl& url);
    bool ShowInOwnWindow(QWidget* owner, const QString& path, zrx::Language language);
    [[nodiscard]] QString UnpackerPath() const;

    Viewer m_viewer;
    Notice m_notice;
    QString m_moduleDirectory;
    QString m_unpacker;
    bool m_bindingFailed = false;
    QPointer<CHelpViewer> m_window;
};
