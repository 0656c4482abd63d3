// The Read and Write commands of the form view.
#include <QMainWindow>
#include <QStatusBar>

#include "app/language_state.h"
#include "image/radio_image_global.h"
#include "link/port_problem.h"
#include "link/program_port_name.h"
#include "link/transfer_flag.h"
#include "link/transferdlg.h"
#include "programview.h"
#include "qt_text.h"
#include "safety/backup_store.h"

namespace {

constexpr zrx::LocalText kReadCaption{"Read Data", "读数据", "讀數據"};
constexpr zrx::LocalText kWriteCaption{"Write Data", "写数据", "寫數據"};

} // namespace

bool CProgramView::RunTransfer(CTransferDlg& dialog) {
    dialog.m_image = g_radioImage;
    dialog.exec();
    ReportOpenProblem(dialog);
    return dialog.m_bSuccess;
}

void CProgramView::OnRead() {
    CTransferDlg dialog(g_transferFlag, TransferSetup{g_portName, g_language}, window());
    EncodeChannels();
    dialog.m_bRead = true;
    dialog.m_strCaption = toQString(kReadCaption.in(g_language));
    if (RunTransfer(dialog)) {
        // The worker filled a copy of its own; it becomes the program's
        // image only now, on this thread.
        g_radioImage = dialog.m_image;
        // Every memory read from a radio is also kept in the user's backup
        // folder. A backup that cannot be kept changes nothing on screen:
        // the read itself went through.
        static_cast<void>(zrx::keepReadBackup(g_radioImage, zrx::BackupOrigin::ProgramRead));
        DecodeChannels();
    }
}

void CProgramView::OnWrite() {
    CTransferDlg dialog(g_transferFlag, TransferSetup{g_portName, g_language}, window());
    EncodeChannels();
    dialog.m_bRead = false;
    dialog.m_strCaption = toQString(kWriteCaption.in(g_language));
    RunTransfer(dialog);
}

void CProgramView::ReportOpenProblem(const CTransferDlg& dialog) {
    auto* frame = qobject_cast<QMainWindow*>(window());
    if (frame == nullptr || dialog.OpenError() != zrx::PortOpenError::PermissionDenied) {
        return;
    }
    frame->statusBar()->showMessage(PermissionProblemText(g_portName, g_language));
}
