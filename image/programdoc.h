#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "app/cmd_target.h"

class QWidget;

// The document: gives the process-wide radio image its life as a channel
// data file. It holds no data of its own besides the file's path, and it is
// never "modified", so nothing ever asks to save.
class CProgramDoc : public QObject, public CCmdTarget {
    Q_OBJECT
public:
    explicit CProgramDoc(QObject* parent = nullptr);

    // Fills the radio image with the new-document image and forgets the path.
    bool OnNewDocument();
    // Loads `path` into the radio image and takes it as the document's path.
    // On failure shows an error box, leaves the image as it was and returns false.
    bool OnOpenDocument(const QString& path);
    // Writes the radio image to `path`; on failure shows an error box.
    bool OnSaveDocument(const QString& path);
    // Save: under the current path, or asks for one (as Save As) when there is none.
    bool DoFileSave();
    // Save As: asks for a file name first when `path` is empty; the saved
    // path becomes the document's path.
    bool DoSave(const QString& path);

    // The file dialogs of Open and Save As, with the channel data filter;
    // an empty text when the user cancels.
    [[nodiscard]] QString PromptOpenFileName();
    [[nodiscard]] QString PromptSaveFileName();

    [[nodiscard]] QString GetPathName() const { return m_pathName; }
    // Never true: no edit marks the document modified.
    [[nodiscard]] bool IsModified() const { return false; }

    // The window that owns the document's message boxes and file dialogs.
    void SetDialogParent(QWidget* parent) { m_dialogParent = parent; }
    // Where a failed open or save is told instead of an error box, while set
    // (printing from the command line reports its failures itself).
    using ErrorReporter = std::function<void(const QString& message)>;
    void SetErrorReporter(ErrorReporter reporter) { m_errorReporter = std::move(reporter); }

    bool OnCmdMsg(int id) override;

signals:
    // After New and after a successful Open: the view refreshes from the image
    // (its initial update).
    void documentReset();

private:
    void ReportFileError(const QString& message);

    QString m_pathName;
    QWidget* m_dialogParent = nullptr;
    ErrorReporter m_errorReporter;
};
