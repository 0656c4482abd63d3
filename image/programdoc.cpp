#include "programdoc.h"

#include <QFileDialog>
#include <QMessageBox>

#include "image/channel_data_file.h"
#include "image/new_image.h"
#include "shell/program_state.h"
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

QString inLanguage(const zrx::LocalText& text, zrx::Language language) {
    const std::string_view chosen = text.in(language);
    return QString::fromUtf8(chosen.data(), static_cast<qsizetype>(chosen.size()));
}

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

} // namespace

CProgramDoc::CProgramDoc(const ProgramState& state, QObject* parent)
    : QObject(parent), m_state(state), m_image(zrx::makeNewImage()), m_unchanged(m_image),
      m_question(askWithMessageBox) {}

zrx::RadioImage CProgramDoc::ShownImage() const {
    return m_viewHooks.shownImage ? m_viewHooks.shownImage() : m_image;
}

void CProgramDoc::SetUnchanged() {
    m_unchanged = ShownImage();
}

bool CProgramDoc::IsModified() const {
    return ShownImage() != m_unchanged;
}

bool CProgramDoc::SaveModified() {
    // An edit still open is part of what the user sees.
    if (m_viewHooks.commitShown) {
        m_viewHooks.commitShown();
    }
    if (!IsModified()) {
        return true;
    }
    const Answer answer = m_question(m_dialogParent, res("String", "ZRX PC Encoder"),
                                     inLanguage(kSaveChanges, m_state.language));
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
    m_image = zrx::makeNewImage();
    m_pathName.clear();
    emit documentReset();
    return true;
}

bool CProgramDoc::LoadImage(const QString& path) {
    // The whole file is read before the image changes, so a failed open
    // (such as a file shorter than 1024 bytes) leaves the image as it was.
    const zrx::FileResult result = zrx::loadChannelDataFile(toPath(path), m_image);
    if (!result) {
        ReportFileError(
            QString::fromStdString(zrx::describe(result, toPath(path), m_state.language)));
        return false;
    }
    return true;
}

bool CProgramDoc::OnOpenDocument(const QString& path) {
    if (!LoadImage(path)) {
        return false;
    }
    m_pathName = path;
    emit documentReset();
    return true;
}

bool CProgramDoc::OnOpenUntitled(const QString& path) {
    if (!LoadImage(path)) {
        return false;
    }
    m_pathName.clear();
    emit documentReset();
    return true;
}

bool CProgramDoc::OnSaveDocument(const QString& path) {
    const zrx::FileResult result = zrx::saveChannelDataFile(toPath(path), m_image);
    if (!result) {
        ReportFileError(
            QString::fromStdString(zrx::describe(result, toPath(path), m_state.language)));
        return false;
    }
    SetUnchanged();
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
    QFileDialog dialog(m_dialogParent, QString(), QString(), channelDataFilter());
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(kDefaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().front();
}

QString CProgramDoc::PromptSaveFileName() {
    QFileDialog dialog(m_dialogParent, QString(), m_pathName, channelDataFilter());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(kDefaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().front();
}

void CProgramDoc::ReportFileError(const QString& message) {
    if (m_errorReporter) {
        m_errorReporter(message);
        return;
    }
    QMessageBox::warning(m_dialogParent, res("String", "ZRX PC Encoder"), message);
}

// The document handles no command itself: New and Open come from the
// application, Save and Save As from the view, which encodes the grid first.
bool CProgramDoc::OnCmdMsg(int /*id*/) {
    return false;
}
