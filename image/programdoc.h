#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "image/radio_image.h"
#include "shell/cmd_target.h"

class QWidget;
struct ProgramState;

// The document: owns the radio image and gives it its life as a channel
// data file. It knows what the user saw when the image was last loaded,
// read or saved, so that no change is lost without a question.
class CProgramDoc : public QObject, public CCmdTarget {
    Q_OBJECT
public:
    explicit CProgramDoc(const ProgramState& state, QObject* parent = nullptr);

    // The radio image: what the serial link reads and writes, what a file
    // holds and what every editor decodes from and encodes into.
    [[nodiscard]] zrx::RadioImage& Image() { return m_image; }
    [[nodiscard]] const zrx::RadioImage& Image() const { return m_image; }

    // Fills the radio image with the new-document image and forgets the path.
    bool OnNewDocument();
    // Loads `path` into the radio image and takes it as the document's path.
    // On failure shows an error box, leaves the image as it was and returns false.
    bool OnOpenDocument(const QString& path);
    // Loads `path` into the radio image as an untitled document, as after
    // New: the image comes from the file, the file is not the document's,
    // so Save asks for a name. Fails as OnOpenDocument does.
    bool OnOpenUntitled(const QString& path);
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

    // The view's side of "modified": what the user sees, as the image it
    // would encode to now, and a commit of an edit still open.
    struct ViewHooks {
        std::function<zrx::RadioImage()> shownImage;
        std::function<void()> commitShown;
    };
    void SetViewHooks(ViewHooks hooks) { m_viewHooks = std::move(hooks); }
    // What the user sees now becomes the unchanged state: after a New, an
    // Open, a read from the radio and a save.
    void SetUnchanged();
    // True when what the user sees differs from what was last loaded, read
    // or saved: an edited cell, another Model or Frequency Range, a settings
    // dialog that changed a byte.
    [[nodiscard]] bool IsModified() const;
    // Before something replaces the document or the program ends: asks
    // "Save changes?" when it is modified. Yes saves (asking for a path
    // when there is none), No goes on, Cancel stops. True to go on.
    bool SaveModified();
    // How the question is put; the standard message box by default, tests
    // answer it themselves.
    enum class Answer { Yes, No, Cancel };
    using Question =
        std::function<Answer(QWidget* parent, const QString& caption, const QString& text)>;
    void SetQuestion(Question question) { m_question = std::move(question); }

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
    // The file's image into the radio image; false, with the error told and
    // the image as it was, when it cannot be read.
    bool LoadImage(const QString& path);
    void ReportFileError(const QString& message);
    [[nodiscard]] zrx::RadioImage ShownImage() const;

    const ProgramState& m_state;
    zrx::RadioImage m_image;
    zrx::RadioImage m_unchanged;
    ViewHooks m_viewHooks;
    Question m_question;
    QString m_pathName;
    QWidget* m_dialogParent = nullptr;
    ErrorReporter m_errorReporter;
};
