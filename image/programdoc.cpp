#include "programdoc.h"

#include <QFileDialog>
#include <QMessageBox>

#include "app/command_ids.h"
#include "image/channel_data_file.h"
#include "image/new_image.h"
#include "radio_image_global.h"

namespace {
std::filesystem::path toPath(const QString& path) {
    return std::filesystem::path(path.toStdU16String());
}
} // namespace

CProgramDoc::CProgramDoc(QObject* parent) : QObject(parent) {}

bool CProgramDoc::OnNewDocument() {
    g_radioImage = zrx::makeNewImage();
    m_pathName.clear();
    emit documentReset();
    return true;
}

bool CProgramDoc::OnOpenDocument(const QString& path) {
    const zrx::FileResult result = zrx::loadChannelDataFile(toPath(path), g_radioImage);
    if (!result) {
        QMessageBox::warning(m_dialogParent, QString(),
                             QString::fromStdString(zrx::describe(result, toPath(path))));
        return false;
    }
    m_pathName = path;
    emit documentReset();
    return true;
}

bool CProgramDoc::OnSaveDocument(const QString& path) {
    const zrx::FileResult result = zrx::saveChannelDataFile(toPath(path), g_radioImage);
    if (!result) {
        QMessageBox::warning(m_dialogParent, QString(),
                             QString::fromStdString(zrx::describe(result, toPath(path))));
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
        target = QFileDialog::getSaveFileName(m_dialogParent, QString(), QString(),
                                              QStringLiteral("Channel Data (*.sin)"));
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

bool CProgramDoc::OnCmdMsg(int /*id*/) {
    return false;
}
