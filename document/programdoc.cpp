#include "programdoc.h"

#include <QFileDialog>
#include <QMessageBox>

#include "image/channel_data_file.h"
#include "image/form_lists.h"
#include "image/image_layout.h"
#include "image/new_image.h"
#include "shell/command_ids.h"
#include "shell/program_state.h"
#include "shell/qt_text.h"
#include "shell/resources.h"

namespace {

std::filesystem::path toPath(const QString& path) {
    return std::filesystem::path(path.toStdU16String());
}

// The document's file type, as its dialogs offer it.
QString channelDataFilter() {
    return res("String", "Channel Data (*.sin)");
}
const QString kDefaultSuffix = QStringLiteral("sin");

constexpr zrx::LocalText kSaveChanges{"Save changes?", "是否保存更改？", "是否儲存變更？"};

CProgramDoc::Answer askWithMessageBox(QWidget* parent, const QString& caption,
                                      const QString& text) {
    switch (QMessageBox::question(parent, caption, text,
                                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                  QMessageBox::Yes)) {
    case QMessageBox::Yes:
        return CProgramDoc::Answer::Yes;
    case QMessageBox::No:
        return CProgramDoc::Answer::No;
    default:
        return CProgramDoc::Answer::Cancel;
    }
}

QString askWithFileDialog(QWidget* parent, CProgramDoc::FileDialogKind kind,
                          const QString& startPath) {
    const bool save = kind == CProgramDoc::FileDialogKind::Save;
    QFileDialog dialog(parent, QString(), startPath, channelDataFilter());
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(kDefaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().front();
}

// The Edit menu's items name the step they take back or do again.
QString stepItemText(const char* plain, const char* named, const QString& step) {
    return step.isEmpty() ? res("Menu128", plain) : res("String", named).arg(step);
}

} // namespace

// A change of the document: Undo puts back the state before it, Redo the one after.
class CProgramDoc::ImageStep : public QUndoCommand {
public:
    ImageStep(CProgramDoc& doc, State before, State after, const QString& name)
        : QUndoCommand(name), m_doc(doc), m_before(std::move(before)), m_after(std::move(after)) {}
    void undo() override { m_doc.Show(m_before); }
    void redo() override { m_doc.Show(m_after); }

private:
    CProgramDoc& m_doc;
    State m_before;
    State m_after;
};

// Default Factory: the factory memory as an untitled document, with
// nothing to save yet, as after New. Undo gives back the document it
// replaced: its path, and, unless something was saved since, what counted
// as unchanged then.
class CProgramDoc::FactoryStep : public QUndoCommand {
public:
    FactoryStep(CProgramDoc& doc, State factory, const QString& name)
        : QUndoCommand(name), m_doc(doc), m_before(doc.Current()), m_pathBefore(doc.m_pathName),
          m_unchangedBefore(doc.m_unchanged), m_factory(std::move(factory)) {}
    void undo() override {
        m_doc.m_pathName = m_pathBefore;
        if (m_doc.m_saves == m_savesAtRedo) {
            m_doc.m_unchanged = m_unchangedBefore;
        }
        m_doc.Show(m_before);
    }
    void redo() override {
        m_doc.m_pathName.clear();
        m_doc.Show(m_factory);
        m_doc.SetUnchanged();
        m_savesAtRedo = m_doc.m_saves;
    }

private:
    CProgramDoc& m_doc;
    State m_before;
    QString m_pathBefore;
    zrx::RadioImage m_unchangedBefore;
    State m_factory;
    int m_savesAtRedo = 0;
};

CProgramDoc::CProgramDoc(const ProgramState& state, QObject* parent)
    : QObject(parent), m_state(state), m_question(askWithMessageBox),
      m_fileNamePrompt(askWithFileDialog) {
    Take(zrx::makeNewImage());
    SetUnchanged();
}

CProgramDoc::~CProgramDoc() {
    // The steps refer to the document: they go before it does.
    m_undo.clear();
}

namespace {

int shownPosition(std::size_t count, std::uint8_t stored) {
    return stored < count ? stored : 0;
}

std::uint8_t positionByte(int position) {
    // No selection is stored as 0xFF.
    return static_cast<std::uint8_t>(static_cast<unsigned>(position) & 0xFFu);
}

} // namespace

void CProgramDoc::Take(const zrx::RadioImage& image) {
    m_image = image;
    m_positions = {
        shownPosition(zrx::kModelEntries.size(), image.byte(zrx::layout::kModelIndex)),
        shownPosition(zrx::kFrequencyRangeEntries.size(), image.byte(zrx::layout::kRangeIndex))};
}

zrx::RadioImage CProgramDoc::EffectiveImage() const {
    zrx::RadioImage image = m_image;
    image.setByte(zrx::layout::kModelIndex, positionByte(m_positions.model));
    image.setByte(zrx::layout::kRangeIndex, positionByte(m_positions.range));
    return image;
}

void CProgramDoc::Show(const State& state) {
    m_image = state.image;
    m_positions = state.positions;
    emit imageChanged();
}

bool CProgramDoc::Push(const State& after, const QString& step) {
    if (after == Current()) {
        return false;
    }
    // Pushing runs the step's redo, which shows the new state.
    m_undo.push(new ImageStep(*this, Current(), after, step));
    return true;
}

bool CProgramDoc::ReplaceImage(const zrx::RadioImage& image, const QString& step) {
    return Push({image, m_positions}, step);
}

bool CProgramDoc::TakeMemory(const zrx::RadioImage& image, const QString& step) {
    const State before = Current();
    Take(image);
    const State after = Current();
    m_image = before.image;
    m_positions = before.positions;
    return Push(after, step);
}

bool CProgramDoc::EditChannel(int channel, const zrx::ChannelTexts& texts, const QString& step) {
    zrx::RadioImage after = m_image;
    zrx::encodeChannel(after, channel, texts);
    return ReplaceImage(after, step);
}

bool CProgramDoc::SetByte(std::size_t offset, std::uint8_t value, const QString& step) {
    zrx::RadioImage after = m_image;
    after.setByte(offset, value);
    return ReplaceImage(after, step);
}

bool CProgramDoc::SetPositions(FormPositions positions, const QString& step) {
    return Push({m_image, positions}, step);
}

bool CProgramDoc::LoadFactoryDefaults(const QString& path, const QString& step) {
    zrx::RadioImage factory;
    if (!Load(path, factory)) {
        return false;
    }
    const State before = Current();
    Take(factory);
    const State after = Current();
    m_image = before.image;
    m_positions = before.positions;
    m_undo.push(new FactoryStep(*this, after, step));
    return true;
}

void CProgramDoc::SetUnchanged() {
    m_unchanged = EffectiveImage();
}

bool CProgramDoc::IsModified() const {
    return EffectiveImage() != m_unchanged;
}

bool CProgramDoc::SaveModified() {
    // An edit still open is part of what the user sees.
    emit pendingEditsWanted();
    if (!IsModified()) {
        return true;
    }
    const Answer answer = m_question(m_dialogParent, res("String", "ZRX PC Encoder"),
                                     toQString(kSaveChanges, m_state.language));
    if (answer == Answer::Cancel) {
        return false;
    }
    if (answer == Answer::No) {
        return true;
    }
    // A save the user cancelled or that failed stops the command too.
    return DoFileSave();
}

bool CProgramDoc::OnNewDocument() {
    return OnNewDocument(zrx::makeNewImage());
}

bool CProgramDoc::OnNewDocument(const zrx::RadioImage& image) {
    m_undo.clear();
    Take(image);
    m_pathName.clear();
    SetUnchanged();
    emit documentReset();
    return true;
}

bool CProgramDoc::Load(const QString& path, zrx::RadioImage& image) {
    // The whole file is read before anything changes, so a failed open
    // (such as a file shorter than 1024 bytes) leaves the document as it was.
    const zrx::FileResult result = zrx::loadChannelDataFile(toPath(path), image);
    if (!result) {
        ReportFileError(
            QString::fromStdString(zrx::describe(result, toPath(path), m_state.language)));
        return false;
    }
    return true;
}

bool CProgramDoc::OnOpenDocument(const QString& path) {
    zrx::RadioImage loaded;
    if (!Load(path, loaded)) {
        return false;
    }
    m_undo.clear();
    Take(loaded);
    m_pathName = path;
    SetUnchanged();
    emit documentReset();
    return true;
}

bool CProgramDoc::OnSaveDocument(const QString& path) {
    // The file holds what the user sees, the lists' positions included;
    // from now on so does the document.
    const zrx::FileResult result = zrx::saveChannelDataFile(toPath(path), EffectiveImage());
    if (!result) {
        ReportFileError(
            QString::fromStdString(zrx::describe(result, toPath(path), m_state.language)));
        return false;
    }
    m_image = EffectiveImage();
    SetUnchanged();
    ++m_saves;
    return true;
}

bool CProgramDoc::DoFileSave() {
    return DoSave(m_pathName);
}

bool CProgramDoc::DoSave(const QString& path) {
    QString target = path;
    if (target.isEmpty()) {
        target = PromptSaveFileName();
        if (target.isEmpty()) {
            return false;
        }
    }
    if (!OnSaveDocument(target)) {
        return false;
    }
    m_pathName = target;
    return true;
}

QString CProgramDoc::PromptOpenFileName() {
    return m_fileNamePrompt(m_dialogParent, FileDialogKind::Open, QString());
}

QString CProgramDoc::PromptSaveFileName() {
    return m_fileNamePrompt(m_dialogParent, FileDialogKind::Save, m_pathName);
}

void CProgramDoc::ReportFileError(const QString& message) {
    if (m_errorReporter) {
        m_errorReporter(message);
        return;
    }
    QMessageBox::warning(m_dialogParent, res("String", "ZRX PC Encoder"), message);
}

// Undo and Redo are the document's: an edit still open is committed first,
// so Undo takes back what the user last did. New and Open come from the
// application, Save and Save As from the view.
bool CProgramDoc::OnCmdMsg(int id) {
    switch (id) {
    case cmd::kEditUndo:
        emit pendingEditsWanted();
        m_undo.undo();
        return true;
    case cmd::kEditRedo:
        emit pendingEditsWanted();
        m_undo.redo();
        return true;
    default:
        return false;
    }
}

bool CProgramDoc::OnUpdateCmdUI(int id, CCmdUI& ui) {
    switch (id) {
    case cmd::kEditUndo:
        ui.enabled = m_undo.canUndo();
        ui.text = stepItemText(QT_TRANSLATE_NOOP("Menu128", "&Undo\tCtrl+Z"),
                               QT_TRANSLATE_NOOP("String", "&Undo %1\tCtrl+Z"), m_undo.undoText());
        return true;
    case cmd::kEditRedo:
        ui.enabled = m_undo.canRedo();
        ui.text = stepItemText(QT_TRANSLATE_NOOP("Menu128", "&Redo\tCtrl+Y"),
                               QT_TRANSLATE_NOOP("String", "&Redo %1\tCtrl+Y"), m_undo.redoText());
        return true;
    default:
        return false;
    }
}
