// The Read and Write commands of the form view.
#include <QMainWindow>
#include <QStatusBar>

#include "document/programdoc.h"
#include "transfer/port_problem.h"
#include "transfer/transferdlg.h"
#include "programview.h"
#include "safety/backup_store.h"
#include "shell/program_state.h"
#include "shell/qt_text.h"

namespace {

constexpr zrx::LocalText kReadCaption{"Read Data", "读数据", "讀數據"};
constexpr zrx::LocalText kWriteCaption{"Write Data", "写数据", "寫數據"};

} // namespace

bool CProgramView::RunTransfer(CTransferDlg& dialog) {
    dialog.m_image = m_doc->Image();
    dialog.exec();
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
        // folder. A backup that cannot be kept changes nothing on screen:
        // the read itself went through.
        static_cast<void>(zrx::keepReadBackup(m_doc->Image(), zrx::BackupOrigin::ProgramRead));
        DecodeChannels();
    }
}

void CProgramView::OnWrite() {
    CTransferDlg dialog(m_state.transferFlag, TransferSetup{m_state.portName, m_state.language},
                        window());
    EncodeChannels();
    dialog.m_bRead = false;
    dialog.m_strCaption = toQString(kWriteCaption.in(m_state.language));
    RunTransfer(dialog);
}

void CProgramView::ReportOpenProblem(const CTransferDlg& dialog) {
    auto* frame = qobject_cast<QMainWindow*>(window());
    if (frame == nullptr || dialog.OpenError() != zrx::PortOpenError::PermissionDenied) {
        return;
    }
    frame->statusBar()->showMessage(PermissionProblemText(m_state.portName, m_state.language));
}
