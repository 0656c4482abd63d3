#include "transfer_commands.h"

#include <QCheckBox>
#include <QMainWindow>
#include <QStatusBar>

#include "dialogs/comparedlg.h"
#include "dialogs/findingsdlg.h"
#include "document/programdoc.h"
#include "image/image_layout.h"
#include "safety/backup_store.h"
#include "shell/command_ids.h"
#include "shell/menu_table.h"
#include "shell/program_state.h"
#include "shell/qt_text.h"
#include "transfer/fleetdlg.h"
#include "transfer/port_problem.h"
#include "transfer/transferdlg.h"

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
// Program.ini: "CheckBeforeWrite=0" under [Setup] turns the checks before a
// write off.
const QString kSetup = QStringLiteral("Setup");
const QString kCheckBeforeWrite = QStringLiteral("CheckBeforeWrite");
// "VerifyRead=1": the read's Verify (read twice) box is ticked.
const QString kVerifyRead = QStringLiteral("VerifyRead");

} // namespace

TransferCommands::TransferCommands(CProgramDoc* doc, ProgramState& state, QWidget* parent)
    : m_doc(doc), m_state(state), m_parent(parent) {}

bool TransferCommands::OnCmdMsg(int id) {
    switch (id) {
    case cmd::kRead:
        OnRead();
        return true;
    case cmd::kWrite:
        OnWrite();
        return true;
    case cmd::kProgramMany:
        OnProgramMany();
        return true;
    case cmd::kCheckPlan:
        OnCheckPlan();
        return true;
    case cmd::kCompareWithRadio:
        OnCompareWithRadio();
        return true;
    default:
        return false;
    }
}

TransferSetup TransferCommands::Setup() {
    // The trace of this transfer replaces the last one's.
    m_state.lastTransferTrace.clear();
    return TransferSetup{m_state.portName, m_state.language, zrx::makeSystemSerialPort,
                         &m_state.lastTransferTrace};
}

std::optional<zrx::RadioImage> TransferCommands::ReadRadio() {
    CTransferDlg dialog(m_state.transferFlag, Setup(), zrx::TransferDirection::Read,
                        toQString(kReadCaption, m_state.language), m_doc->Image(),
                        m_parent->window());
    // Reading twice is the user's choice, kept for the next read.
    const bool verify = m_state.iniFile.ReadString(kSetup, kVerifyRead) == QStringLiteral("1");
    dialog.VerifyBox()->setChecked(verify);
    Run(dialog);
    if (dialog.VerifyBox()->isChecked() != verify) {
        m_state.iniFile.WriteString(kSetup, kVerifyRead,
                                    dialog.VerifyBox()->isChecked() ? QStringLiteral("1")
                                                                    : QStringLiteral("0"));
    }
    if (!dialog.Result().success) {
        return std::nullopt;
    }
    // Every memory read from a radio is also kept, exactly as the radio
    // sent it, in the user's backup folder. A backup that cannot be kept
    // does not undo the read, which went through, but the user learns that
    // there is no copy.
    const zrx::BackupSaved backup =
        zrx::keepReadBackup(dialog.Result().image, zrx::BackupOrigin::ProgramRead);
    QString status =
        toQString(kReadDone, m_state.language).arg(zrx::RadioImage::kSize).arg(m_state.portName);
    if (!backup.ok) {
        status +=
            toQString(kBackupNotKept, m_state.language).arg(QString::fromStdString(backup.error));
    }
    ShowStatus(status);
    return dialog.Result().image;
}

void TransferCommands::OnRead() {
    const std::optional<zrx::RadioImage> memory = ReadRadio();
    if (!memory) {
        return;
    }
    // What the radio held becomes the document's as one step. It is in no
    // file yet: the document counts it as a change, so closing asks first.
    m_doc->TakeMemory(*memory, toQString(kReadCaption, m_state.language));
}

std::vector<zrx::checks::Finding> TransferCommands::Findings() const {
    return zrx::checks::checkPlan(m_doc->EffectiveImage(), {m_state.bandLower, m_state.bandUpper});
}

void TransferCommands::OnCheckPlan() {
    CFindingsDlg dialog(Findings(), CFindingsDlg::Purpose::Review, m_state.language,
                        m_parent->window());
    dialog.exec();
}

bool TransferCommands::FindingsAllowWriting() {
    if (m_state.iniFile.ReadString(kSetup, kCheckBeforeWrite) == QStringLiteral("0")) {
        return true;
    }
    const std::vector<zrx::checks::Finding> findings = Findings();
    if (findings.empty()) {
        return true;
    }
    CFindingsDlg dialog(findings, CFindingsDlg::Purpose::BeforeWrite, m_state.language,
                        m_parent->window());
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    if (dialog.DoNotCheckAgain()) {
        m_state.iniFile.WriteString(kSetup, kCheckBeforeWrite, QStringLiteral("0"));
    }
    return true;
}

void TransferCommands::OnCompareWithRadio() {
    const std::optional<zrx::RadioImage> radio = ReadRadio();
    if (!radio) {
        return;
    }
    CCompareDlg dialog(zrx::compareImages(*radio, m_doc->EffectiveImage(),
                                          zrx::CompareScope::WrittenBytes, m_state.language),
                       m_state.language, m_parent->window());
    switch (dialog.exec()) {
    case CCompareDlg::kWriteChanges:
        OnWrite();
        break;
    case CCompareDlg::kUseRadio:
        // The radio's memory replaces the document's, as one step.
        m_doc->TakeMemory(*radio, CommandName(cmd::kCompareWithRadio));
        break;
    default:
        break;
    }
}

void TransferCommands::OnWrite() {
    if (!FindingsAllowWriting()) {
        return;
    }
    CTransferDlg dialog(m_state.transferFlag, Setup(), zrx::TransferDirection::Write,
                        toQString(kWriteCaption, m_state.language), m_doc->EffectiveImage(),
                        m_parent->window());
    Run(dialog);
    if (dialog.Result().success) {
        ShowStatus(toQString(kWriteDone, m_state.language)
                       .arg(zrx::layout::kRadioWriteLength)
                       .arg(m_state.portName));
    }
}

void TransferCommands::Run(CTransferDlg& dialog) {
    ShowStatus(QString());
    if (m_runner) {
        m_runner(dialog);
    } else {
        dialog.exec();
    }
    ReportOpenProblem(dialog);
}

void TransferCommands::OnProgramMany() {
    if (!FindingsAllowWriting()) {
        return;
    }
    // The memory as the document holds it now is what every radio gets.
    CFleetDlg dialog(m_doc->EffectiveImage(), m_state.language, DetectSerialPorts(m_state.language),
                     m_parent->window());
    dialog.exec();
}

void TransferCommands::ReportOpenProblem(const CTransferDlg& dialog) {
    if (dialog.Result().openError == zrx::PortOpenError::PermissionDenied) {
        ShowStatus(PermissionProblemText(m_state.portName, m_state.language));
    }
}

void TransferCommands::ShowStatus(const QString& text) {
    if (auto* frame = qobject_cast<QMainWindow*>(m_parent->window())) {
        frame->statusBar()->showMessage(text);
    }
}

void TransferCommands::KeepPort(const QString& portName) {
    const CIniFile& ini = m_state.iniFile;
    if (ini.FileName().isEmpty()) {
        return; // a view without a settings file, as in a test
    }
    if (!ini.WriteString(QString::fromLatin1(kIniSetupSection), QString::fromLatin1(kIniPortKey),
                         portName)) {
        ShowStatus(toQString(kPortNotKept, m_state.language).arg(portName, ini.WrittenFileName()));
    }
}
