#pragma once

#include <QMainWindow>
#include <QString>
#include <QUrl>
#include <memory>

#include "image/language.h"

struct HelpBundle;
class QTextBrowser;
class QTreeWidget;
class QTreeWidgetItem;

// The program's own help window, for desktops that have no viewer for
// compiled help files: the table of contents of a .chm on the left, its
// pages with their pictures and links on the right, read straight from the
// file (through a helper process, see HelpBundle). Links that leave the file
// go to the desktop's browser.
class CHelpViewer : public QMainWindow {
    Q_OBJECT
public:
    // A window for the help file at `path`, not shown yet, its contents
    // taken out by the helper program `unpacker`; nullptr when the file is
    // missing or cannot be read as a help file. `language` is the
    // program's, for the window's own texts.
    [[nodiscard]] static CHelpViewer* Open(const QString& path, const QString& unpacker,
                                           zrx::Language language, QWidget* owner);
    ~CHelpViewer() override;

    // Shows the file's first page.
    void ShowDefaultTopic();

    [[nodiscard]] QString FilePath() const { return m_path; }
    [[nodiscard]] QTreeWidget* Contents() const { return m_contents; }
    [[nodiscard]] QTextBrowser* Page() const { return m_page; }

    // The address a page or picture of the file has in the window:
    // "chm:/images/eng-main.png".
    [[nodiscard]] static QUrl ObjectUrl(const QString& objectPath);

private:
    CHelpViewer(std::unique_ptr<HelpBundle> help, QString path, zrx::Language language,
                QWidget* owner);
    void FillContents();
    void FollowLink(const QUrl& url);
    void MarkContentsEntry(const QUrl& page);

    std::unique_ptr<HelpBundle> m_help;
    QString m_path;
    zrx::Language m_language;
    QTreeWidget* m_contents = nullptr;
    QTextBrowser* m_page = nullptr;
};
