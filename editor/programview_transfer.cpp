// The Read and Write commands of the form view.
#include <QMainWindow>
#include <QStatusBar>

#include "image/image_layout.h"
#include "image/programdoc.h"
#include "link/port_problem.h"
#include "link/transferdlg.h"
#include "programview.h"
#include "safety/backup_store.h"
#include "shell/program_state.h"
#include "shell/qt_text.h"

namespace {

constexpr zrx::LocalText kReadCaption{"Read Data", "读数据", "讀數據"};
constexpr zrx::LocalText kWriteCaption{"Write Data", "写数据", "寫數據"};

// What the status bar says once a transfer went through: %1 bytes, %2 the port.
constexpr zrx::LocalText kReadDone{"Read %1 bytes from %2", "已从 %2 读取 %1 字节",
                                   "已從 %2 讀取 %1 位元組"};
constexpr zrx::LocalText kWriteDone{"Wrote %1 bytes to %2", "已向 %2 写入 %1 字节",
                                    "已向 %2 寫入 %1 位元組"};
// Added to the read's line when its backup could not be kept: %1 the reason.
constexpr zrx::LocalText kBackupNotKept{"; warning: no backup of the radio's memory was kept: %1",
                                        "；警告：未能保存电台存储器的备份：%1",
                                        "；警告：未能保存電台記憶體的備份：%1"};

// %1 the port, %2 the settings file.
constexpr zrx::LocalText kPortNotKept{
    "%1 is used until the program ends: it could not be saved in %2",
    "%1 仅在本次运行中使用：无法保存到 %2", "%1 僅在本次執行中使用：無法儲存到 %2"};

} // namespace

bool CProgramView::RunTransfer(CTransferDlg& dialog) {
    // What the last transfer left in the status bar must not stand beside
    // this one's outcome.
    ShowStatus(QString());
    dialog.m_image = m_doc->Image();
    if (m_transferRunner) {
        m_transferRunner(dialog);
    } else {
        dialog.exec();
    }
    ReportOpenProblem(dialog);
    return dialog.m_bSuccess;
}

void CProgramView::OnRead() {
    CTransferDlg dialog(m_state.transferFlag, TransferSetup{m_state.portName, m_state.language},
                        window());
    EncodeChannels();
    dialog.m_bRead = true;
    dialog.m_strCaption = toQString(kReadCaption.in(m_state.language));
    if (RunTransfer(dialog)) {
        // The worker filled a copy of its own; it becomes the program's
        // image only now, on this thread.
        // What the radio held is in no file yet: the document counts it as
        // a change, so closing asks before it is lost.
        m_doc->Image() = dialog.m_image;
        // Every memory read from a radio is also kept in the user's backup
        // folder. A backup that cannot be kept does not undo the read, which
        // went through, but the user learns that there is no copy.
        const zrx::BackupSaved backup =
            zrx::keepReadBackup(m_doc->Image(), zrx::BackupOrigin::ProgramRead);
        DecodeChannels();
        QString status = toQString(kReadDone.in(m_state.language))
                             .arg(zrx::RadioImage::kSize)
                             .arg(m_state.portName);
        if (!backup.ok) {
            status += toQString(kBackupNotKept.in(m_state.language))
                          .arg(QString::fromStdString(backup.error));
        }
        ShowStatus(status);
    }
}

void CProgramView::OnWrite() {
    CTransferDlg dialog(m_state.transferFlag, TransferSetup{m_state.portName, m_state.language},
                        window());
    EncodeChannels();
    dialog.m_bRead = false;
    dialog.m_strCaption = toQString(kWriteCaption.in(m_state.language));
    if (RunTransfer(dialog)) {
        ShowStatus(toQString(kWriteDone.in(m_state.language))
                       .arg(zrx::layout::kRadioWriteLength)
                       .arg(m_state.portName));
    }
}

void CProgramView::ReportOpenProblem(const CTransferDlg& dialog) {
    if (dialog.OpenError() == zrx::PortOpenError::PermissionDenied) {
        ShowStatus(PermissionProblemText(m_state.portName, m_state.language));
    }
}

void CProgramView::ShowStatus(const QString& text) {
    if (auto* frame = qobject_cast<QMainWindow*>(window())) {
        frame->statusBar()->showMessage(text);
    }
}

void CProgramView::KeepPort(const QString& portName) {
    const CIniFile& ini = m_state.iniFile;
    if (ini.FileName().isEmpty()) {
        return; // a view without a settings file, as in a test
    }
    if (!ini.WriteString(QString::fromLatin1(kIniSetupSection), QString::fromLatin1(kIniPortKey),
                         portName)) {
        ShowStatus(
            toQString(kPortNotKept.in(m_state.language)).arg(portName, ini.WrittenFileName()));
    }
}
