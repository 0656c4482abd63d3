#pragma once

#include <QObject>
#include <QString>
#include <QUndoStack>
#include <functional>

#include "image/channel_codec.h"
#include "image/radio_image.h"
#include "shell/cmd_target.h"

class QWidget;
struct ProgramState;

// The document: owns the radio image, the one copy of the channels and the
// settings, and gives it its life as a channel data file. Every change the
// user makes goes through it as one step that Undo takes back; the views
// redraw from it when it signals a change. It knows what the image was when
// it was last opened or saved, so that no change is lost without a question.
class CProgramDoc : public QObject, public CCmdTarget {
    Q_OBJECT
public:
    explicit CProgramDoc(const ProgramState& state, QObject* parent = nullptr);
    ~CProgramDoc() override;

    // The radio image as it was loaded, read or changed: what every view
    // decodes from.
    [[nodiscard]] const zrx::RadioImage& Image() const { return m_image; }

    // The positions the Model and Frequency Range lists show (-1: none).
    // The image keeps them at 0x3E0 and 0x3E1; a stored position a list
    // does not hold shows its first entry, and is written as that entry's
    // once the memory leaves the program.
    struct FormPositions {
        int model = 0;
        int range = 0;
        bool operator==(const FormPositions&) const = default;
    };
    [[nodiscard]] FormPositions Positions() const { return m_positions; }
    // The image with the lists' positions in it: what a save writes and a
    // write sends.
    [[nodiscard]] zrx::RadioImage EffectiveImage() const;

    // The changes, each one step named `step` in the Edit menu. Each returns
    // false, and records nothing, when no byte changes.
    //
    // Channel `channel` (1-16) from the seven texts of its row, encoded
    // through the core; no other channel is encoded again, so bytes nobody
    // edited stay exactly as they were.
    bool EditChannel(int channel, const zrx::ChannelTexts& texts, const QString& step);
    // One byte of the image.
    bool SetByte(std::size_t offset, std::uint8_t value, const QString& step);
    // The lists' positions, as the user picked them.
    bool SetPositions(FormPositions positions, const QString& step);
    // The whole image at once: a settings dialog's changes. The lists keep
    // their positions.
    bool ReplaceImage(const zrx::RadioImage& image, const QString& step);
    // A memory from outside (a read from the radio): the lists show its
    // positions.
    bool TakeMemory(const zrx::RadioImage& image, const QString& step);
    // Default Factory: the memory in `path` becomes the document's, as an
    // untitled document (Save asks for a name, so the factory file is never
    // overwritten by accident). One step: Undo gives back the image and the
    // path it replaced. On failure shows an error box and changes nothing.
    bool LoadFactoryDefaults(const QString& path, const QString& step);

    [[nodiscard]] QUndoStack& UndoStack() { return m_undo; }

    // Fills the radio image with the new-document image, forgets the path
    // and starts a new history.
    bool OnNewDocument();
    // The same with `image` (a ready plan) instead of the new-document image.
    bool OnNewDocument(const zrx::RadioImage& image);
    // Loads `path` into the radio image, takes it as the document's path and
    // starts a new history. On failure shows an error box, leaves the image
    // as it was and returns false.
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
    // How a file name is asked for: the file dialog by default; tests give
    // their answer without a window. `startPath` is where Save As starts
    // (the document's path), empty for Open.
    enum class FileDialogKind { Open, Save };
    using FileNamePrompt =
        std::function<QString(QWidget* parent, FileDialogKind kind, const QString& startPath)>;
    void SetFileNamePrompt(FileNamePrompt prompt) { m_fileNamePrompt = std::move(prompt); }

    [[nodiscard]] QString GetPathName() const { return m_pathName; }

    // The image as it is now becomes the unchanged state: after a New, an
    // Open and a save.
    void SetUnchanged();
    // True when the image differs from what was last opened or saved: an
    // edited cell, another Model or Frequency Range, a settings dialog that
    // changed a byte, a read. Undoing back to that state makes it unchanged.
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
    bool OnUpdateCmdUI(int id, CCmdUI& ui) override;

signals:
    // After New and Open: the views refresh from the image, as at their
    // first showing.
    void documentReset();
    // After every step done, undone or redone.
    void imageChanged();
    // Before the document is judged modified: a view commits an edit still
    // open in its editors, which the user sees as made.
    void pendingEditsWanted();

private:
    class ImageStep;
    class FactoryStep;
    friend class ImageStep;
    friend class FactoryStep;

    struct State {
        zrx::RadioImage image;
        FormPositions positions;
        bool operator==(const State&) const = default;
    };
    [[nodiscard]] State Current() const { return {m_image, m_positions}; }
    // Records the step from the current state to `after`; false when they are equal.
    bool Push(const State& after, const QString& step);
    // Sets the state as a step does (no new step) and tells the views.
    void Show(const State& state);
    // Takes a loaded or read image in: its positions as the lists show them.
    void Take(const zrx::RadioImage& image);
    // Loads `path` into `image`; shows the error and returns false when it cannot.
    bool Load(const QString& path, zrx::RadioImage& image);
    void ReportFileError(const QString& message);

    const ProgramState& m_state;
    zrx::RadioImage m_image;
    FormPositions m_positions;
    // The effective image when the document was last opened or saved.
    zrx::RadioImage m_unchanged;
    // How many times it was saved.
    int m_saves = 0;
    QUndoStack m_undo;
    Question m_question;
    FileNamePrompt m_fileNamePrompt;
    QString m_pathName;
    QWidget* m_dialogParent = nullptr;
    ErrorReporter m_errorReporter;
};
