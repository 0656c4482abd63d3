#pragma once

#include <QDialog>
#include <QString>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>

#include "image/language.h"
#include "image/radio_image.h"
#include "link/serial_port.h"

class QLabel;
class QProgressBar;
class QPushButton;
class TransferBridge;

// What a transfer needs from the program besides its image: where the radio
// is, which language the messages speak, and how a port is made.
struct TransferSetup {
    QString portName;
    zrx::Language language = zrx::Language::English;
    std::function<std::unique_ptr<zrx::SerialPort>()> makePort = zrx::makeSystemSerialPort;
};

// The small window of a read or a write: Start, Cancel, a progress bar and
// the percentage. Nothing happens until Start; then a worker thread runs the
// whole transfer on a copy of the image, steps the bar after every block the
// radio acknowledged and closes the window itself at the end, successful or
// not. The view sets the direction, the caption and the image first and
// reads the outcome once exec() has returned.
//
// The window never goes before its worker: however it closes (the worker's
// own closing command, Cancel while the port is not yet open, the program
// ending), it first tells the worker to stop and waits for it, and the
// worker always closes the port and clears the transfer flag before it ends.
class CTransferDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kIdStart = 1;
    static constexpr int kIdCancel = 2;
    static constexpr int kIdProgress = 1003;
    static constexpr int kIdPercent = 1005;

    // `transferFlag` is 1 while any transfer of the program runs; it lets
    // only one run at a time.
    CTransferDlg(std::atomic<int>& transferFlag, TransferSetup setup, QWidget* parent = nullptr);
    ~CTransferDlg() override;

    // Set by the view before the dialog opens.
    bool m_bRead = true;
    QString m_strCaption;
    // In: the image to write, or the one a failed read leaves. Out, after
    // exec(): what the radio sent, when m_bSuccess.
    zrx::RadioImage m_image;
    // True only when every block went through.
    bool m_bSuccess = false;

    // Shows the dialog modally (after OnInitDialog) until it closes.
    int exec() override;

    void OnInitDialog();
    // The Start button and Enter: starts the one worker of this dialog,
    // unless a transfer is running anywhere in the program.
    void OnStart();
    // Ends the dialog with the Cancel result, after the worker is done.
    void OnCancel();

    // How a failure is told: a message box over the dialog by default (the
    // worker waits until it is closed). Tests record it instead.
    using FailureNotice = std::function<void(const QString& message)>;
    void SetFailureNotice(FailureNotice notice) { m_failureNotice = std::move(notice); }

    // Why the port did not open, when that is how the transfer failed.
    [[nodiscard]] zrx::PortOpenError OpenError() const { return m_openError; }
    [[nodiscard]] bool WorkerStarted() const { return m_worker.joinable(); }

    [[nodiscard]] QProgressBar* Progress() const { return m_progress; }
    [[nodiscard]] QLabel* Percent() const { return m_staticPercent; }

    void accept() override;
    // Escape, the close box and the Cancel button: refused while Cancel is
    // disabled, that is while the radio is being talked to.
    void reject() override;

private:
    void RunWorker(zrx::RadioImage image);
    void WaitForWorker();
    void ShowFailure(const QString& message);

    std::atomic<int>& m_transferFlag;
    TransferSetup m_setup;
    QProgressBar* m_progress = nullptr;
    QLabel* m_staticPercent = nullptr;
    QPushButton* m_start = nullptr;
    QPushButton* m_cancel = nullptr;
    std::unique_ptr<TransferBridge> m_bridge;
    std::thread m_worker;
    // Written by the worker, read after it has been joined.
    zrx::RadioImage m_result;
    bool m_workerSucceeded = false;
    zrx::PortOpenError m_openError = zrx::PortOpenError::None;
    FailureNotice m_failureNotice;
};
