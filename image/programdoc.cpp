#include "programdoc.h"

#include <QFileDialog>
#include <QMessageBox>

#include "app/language_state.h"
#include "app/resources.h"
#include "image/channel_data_file.h"
#include "image/new_image.h"
#include "radio_image_global.h"

namespace {

std::filesystem::path toPath(const QString& path) {
    return std::filesystem::path(path.toStdU16String());
}

// The document's file type, as its dialogs offer it.
QString channelDataFilter() {
    return res("String", "Channel Data (*.sin)");
}
const QString kDefaultSuffix = QStringLiteral("sin");

} // namespace

CProgramDoc::CProgramDoc(QObject* parent) : QObject(parent) {}

bool CProgramDoc::OnNewDocument() {
    g_radioImage = zrx::makeNewImage();
    m_pathName.clear();
    emit documentReset();
    return true;
}

bool CProgramDoc::OnOpenDocument(const QString& path) {
    // The whole file is read before the image changes, so a failed open
    // (such as a file shorter than 1024 bytes) leaves the image as it was.
    const zrx::FileResult result = zrx::loadChannelDataFile(toPath(path), g_radioImage);
    if (!result) {
        ReportFileError(QString::fromStdString(zrx::describe(result, toPath(path), g_language)));
        return false;
    }
    m_pathName = path;
    emit documentReset();
    return true;
}

bool CProgramDoc::OnSaveDocument(const QString& path) {
    const zrx::FileResult result = zrx::saveChannelDataFile(toPath(path), g_radioImage);
    if (!result) {
        ReportFileError(QString::fromStdString(zrx::describe(result, toPath(path), g_language)));
        return false;
    }
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
