#pragma once

#include <QDialog>
#include <QString>
#include <atomic>
#include <functional>
#include <memory>

#include "image/radio_image.h"
#include "link/transfer_engine.h"
#include "transfer/transfer_session.h"

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class TransferBridge;

// The small window of a read or a write: Start, Cancel, a progress bar and
// the percentage. Nothing happens until Start; then a worker thread runs the
// whole transfer on a copy of the image, steps the bar after every block the
// radio acknowledged and closes the window itself at the end, successful or
// not. The outcome is read once exec() has returned.
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
    static constexpr int kIdVerify = 1006;

    // `transferFlag` is 1 while any transfer of the program runs; it lets
    // only one run at a time. A write sends `image`; a read ignores it.
    CTransferDlg(std::atomic<int>& transferFlag, TransferSetup setup,
                 zrx::TransferDirection direction, const QString& caption,
                 const zrx::RadioImage& image, QWidget* parent = nullptr);
    ~CTransferDlg() override;

    // How the transfer ended; once exec() has returned.
    [[nodiscard]] const TransferResult& Result() const { return m_result; }

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
    using FailureNotice = std::function<void(const QString& message, const QString& detail)>;
    void SetFailureNotice(FailureNotice notice) { m_failureNotice = std::move(notice); }

    [[nodiscard]] bool WorkerStarted() const { return m_session.Started(); }

    // A read's "Verify (read twice)" box: the radio is read twice and the
    // reads compared. Null for a write.
    [[nodiscard]] QCheckBox* VerifyBox() const { return m_verify; }

    [[nodiscard]] QProgressBar* Progress() const { return m_progress; }
    [[nodiscard]] QLabel* Percent() const { return m_staticPercent; }

    void accept() override;
    // Escape, the close box and the Cancel button: refused while Cancel is
    // disabled, that is while the radio is being talked to.
    void reject() override;

private:
    void WaitForWorker();
    void ShowFailure(const QString& message, const QString& detail);

    zrx::TransferDirection m_direction;
    QString m_caption;
    zrx::RadioImage m_image;
    zrx::Language m_language;
    QProgressBar* m_progress = nullptr;
    QLabel* m_staticPercent = nullptr;
    QPushButton* m_start = nullptr;
    QPushButton* m_cancel = nullptr;
    QCheckBox* m_verify = nullptr;
    std::unique_ptr<TransferBridge> m_bridge;
    FailureNotice m_failureNotice;
    // Declared last: it goes first, waiting for its worker while the bridge
    // the worker reports to still exists.
    TransferSession m_session;
    TransferResult m_result;
};
