#include "transfer_session.h"

#include <exception>

#include "link/serial_trace.h"
#include "link/transfer_guard.h"
#include "link/transfer_observer.h"
#include "safety/verified_read.h"

namespace {

// Passes everything on to the window's observer and keeps the failure, so
// the session can hand it over and trace how the transfer ended.
class KeepingObserver final : public zrx::TransferObserver {
public:
    explicit KeepingObserver(zrx::TransferObserver& next) : m_next(next) {}

    void setTransferFlag(int value) override { m_next.setTransferFlag(value); }
    void portOpened() override { m_next.portOpened(); }
    void setProgress(int position, int upperBound, std::string_view percent) override {
        m_next.setProgress(position, upperBound, percent);
    }
    void showFailure(std::string_view message) override { m_next.showFailure(message); }
    void reportFailure(const zrx::TransferFailure& failure) override {
        m_failure = failure;
        m_next.reportFailure(failure);
    }
    [[nodiscard]] bool stopRequested() const override { return m_next.stopRequested(); }
    void transferEnded(bool success) override { m_next.transferEnded(success); }

    [[nodiscard]] const std::optional<zrx::TransferFailure>& failure() const { return m_failure; }

private:
    zrx::TransferObserver& m_next;
    std::optional<zrx::TransferFailure> m_failure;
};

} // namespace

TransferSession::TransferSession(std::atomic<int>& busy, TransferSetup setup)
    : m_busy(busy), m_setup(std::move(setup)) {}

TransferSession::~TransferSession() {
    if (m_worker.joinable()) {
        m_worker.join();
    }
}

bool TransferSession::Start(zrx::TransferDirection direction, const zrx::RadioImage& image,
                            zrx::TransferObserver& observer, bool verify) {
    // The flag is taken here, before the worker exists, so a second press
    // (or Enter held down) finds it taken.
    if (m_started || !zrx::claimTransferFlag(m_busy)) {
        return false;
    }
    m_started = true;
    m_worker =
        std::thread(&TransferSession::Run, this, direction, image, std::ref(observer), verify);
    return true;
}

void TransferSession::Run(zrx::TransferDirection direction, zrx::RadioImage image,
                          zrx::TransferObserver& observer, bool verify) {
    // However the worker ends, the program is free for the next transfer.
    struct Release {
        std::atomic<int>& busy;
        ~Release() { busy.store(0); }
    } release{m_busy};
    KeepingObserver keeping(observer);
    const bool read = direction == zrx::TransferDirection::Read;
    try {
        const zrx::TransferRequest request{direction, m_setup.portName.toStdString(),
                                           m_setup.language};
        std::unique_ptr<zrx::SerialPort> port = m_setup.makePort();
        if (m_setup.trace != nullptr) {
            port = std::make_unique<zrx::TracingSerialPort>(
                std::move(port), *m_setup.trace,
                std::string(read ? (verify ? "read, checked twice, on " : "read on ")
                                 : "write on ") +
                    request.portName);
        }
        const zrx::TransferOutcome outcome =
            read && verify ? zrx::readAndVerify(*port, request, image, keeping).outcome
                           : zrx::runTransfer(*port, request, image, keeping);
        m_result.openError = outcome == zrx::TransferOutcome::OpenFailure
                                 ? port->openError()
                                 : zrx::PortOpenError::None;
        m_result.success = outcome == zrx::TransferOutcome::Success;
        if (m_result.success && read) {
            m_result.image = image;
        }
        m_result.failure = keeping.failure();
    } catch (const std::exception& error) {
        m_result = TransferResult{};
        m_result.crash = QString::fromLocal8Bit(error.what());
    } catch (...) {
        m_result = TransferResult{};
        m_result.crash = QStringLiteral("unknown error");
    }
    if (m_setup.trace != nullptr) {
        std::string end = "ended: ";
        if (m_result.success) {
            end += "the transfer went through";
        } else if (!m_result.crash.isEmpty()) {
            end += "the worker stopped: " + m_result.crash.toStdString();
        } else if (m_result.failure) {
            end += zrx::failureLine(*m_result.failure);
        } else {
            end += "stopped";
        }
        m_setup.trace->addLine(end);
    }
    if (!m_result.crash.isEmpty()) {
        // The engine never got to its own end: the window still waits for it.
        observer.transferEnded(false);
    }
}

TransferResult TransferSession::Finish() {
    if (m_worker.joinable()) {
        m_worker.join();
    }
    return m_result;
}
