#include "transferdlg.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>

#include "shell/dialog_template.h"
#include "shell/dialog_units.h"
#include "shell/qt_text.h"
#include "shell/resources.h"
#include "transfer/transfer_bridge.h"

namespace {

// Template 133: its caption is set by the view.
constexpr DialogControl kTransferControls[] = {
    {CTransferDlg::kIdStart, ControlKind::DefaultButton, QT_TRANSLATE_NOOP("Dialog133", "Start"),
     13, 30, 39, 12},
    {CTransferDlg::kIdCancel, ControlKind::Button, QT_TRANSLATE_NOOP("Dialog133", "Cancel"), 147,
     30, 39, 12},
    {CTransferDlg::kIdProgress, ControlKind::ProgressBar, nullptr, 13, 11, 173, 10},
    {CTransferDlg::kIdPercent, ControlKind::CenteredLabel, QT_TRANSLATE_NOOP("Dialog133", "0%"), 76,
     30, 48, 12},
};
constexpr DialogTemplate kTransferTemplate{
    133, "", 200, 55, kTransferControls, "Times New Roman", 8,
};

constexpr zrx::LocalText kVerifyText{"&Verify (read twice)", "校验（读两次）(&V)",
                                     "校驗（讀兩次）(&V)"};

} // namespace

CTransferDlg::CTransferDlg(std::atomic<int>& transferFlag, TransferSetup setup,
                           zrx::TransferDirection direction, const QString& caption,
                           const zrx::RadioImage& image, QWidget* parent)
    : QDialog(parent), m_direction(direction), m_caption(caption), m_image(image),
      m_language(setup.language), m_session(transferFlag, std::move(setup)) {
    BuildDialog(this, kTransferTemplate);
    m_progress = qobject_cast<QProgressBar*>(DialogItem(this, kIdProgress));
    m_staticPercent = qobject_cast<QLabel*>(DialogItem(this, kIdPercent));
    m_start = qobject_cast<QPushButton*>(DialogItem(this, kIdStart));
    m_cancel = qobject_cast<QPushButton*>(DialogItem(this, kIdCancel));
    if (m_direction == zrx::TransferDirection::Read) {
        // Below the buttons, the choice to read the radio twice: the line
        // has no checksum, and two reads that agree leave no doubt.
        const DialogUnits units(font());
        m_verify = new QCheckBox(toQString(kVerifyText, m_language), this);
        m_verify->setGeometry(units.ToPixels(13, 46, 173, 10));
        SetControlId(m_verify, kIdVerify);
        setFixedSize(units.ToPixels(kTransferTemplate.width, kTransferTemplate.height + 13));
    }
    // A dialog with a system menu and a close box, and nothing else.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    TransferBridge::Hooks hooks;
    hooks.portOpened = [this] {
        // From here on the radio is being talked to: nobody may close the
        // window until the worker does.
        m_start->setEnabled(false);
        m_cancel->setEnabled(false);
    };
    hooks.progress = [this](int position, int, const QString& percent) {
        m_progress->setValue(position);
        m_staticPercent->setText(percent);
    };
    hooks.failure = [this](const QString& message, const QString& detail) {
        ShowFailure(message, detail);
    };
    hooks.ended = [this](bool) { OnCancel(); };
    m_bridge = std::make_unique<TransferBridge>(this, std::move(hooks));
}

CTransferDlg::~CTransferDlg() {
    WaitForWorker();
}

int CTransferDlg::exec() {
    OnInitDialog();
    const int result = QDialog::exec();
    // However the loop ended (also when the program is quitting), the
    // outcome is only read once the worker is done.
    WaitForWorker();
    return result;
}

void CTransferDlg::OnInitDialog() {
    // One step per block: 128 to read the whole memory, 124 to write it.
    m_progress->setRange(0, zrx::transferBlockCount(m_direction));
    m_progress->setValue(0);
    setWindowTitle(m_caption);
    // A screen reader names the bar after the transfer and follows its
    // value, block by block.
    m_progress->setAccessibleName(m_caption);
    m_start->setFocus();
}

void CTransferDlg::accept() {
    OnStart();
}

void CTransferDlg::OnStart() {
    // One worker per dialog, and one transfer in the whole program.
    m_session.Start(m_direction, m_image, *m_bridge, m_verify != nullptr && m_verify->isChecked());
}

void CTransferDlg::WaitForWorker() {
    if (!m_session.Started()) {
        return;
    }
    // A worker that has ended is past all its waits; one still talking to
    // the radio stops before its next exchange.
    m_bridge->abandon();
    m_result = m_session.Finish();
}

void CTransferDlg::OnCancel() {
    WaitForWorker();
    QDialog::reject();
}

void CTransferDlg::reject() {
    if (m_cancel->isEnabled()) {
        OnCancel();
    }
}

void CTransferDlg::ShowFailure(const QString& message, const QString& detail) {
    if (m_failureNotice) {
        m_failureNotice(message, detail);
        return;
    }
    // The message as it has always read; what happened on a line of its own.
    QMessageBox box(QMessageBox::Warning, res("String", "ZRX PC Encoder"), message, QMessageBox::Ok,
                    this);
    box.setInformativeText(detail);
    box.exec();
}
