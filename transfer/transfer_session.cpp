#include "transfer_session.h"

#include <exception>

#include "link/transfer_guard.h"
#include "link/transfer_observer.h"

TransferSession::TransferSession(std::atomic<int>& busy, TransferSetup setup)
    : m_busy(busy), m_setup(std::move(setup)) {}

TransferSession::~TransferSession() {
    if (m_worker.joinable()) {
        m_worker.join();
    }
}

bool TransferSession::Start(zrx::TransferDirection direction, const zrx::RadioImage& image,
                            zrx::TransferObserver& observer) {
    // The flag is taken here, before the worker exists, so a second press
    // (or Enter held down) finds it taken.
    if (m_started || !zrx::claimTransferFlag(m_busy)) {
        return false;
    }
    m_started = true;
    m_worker = std::thread(&TransferSession::Run, this, direction, image, std::ref(observer));
    return true;
}

void TransferSession::Run(zrx::TransferDirection direction, zrx::RadioImage image,
                          zrx::TransferObserver& observer) {
    // However the worker ends, the program is free for the next transfer.
    struct Release {
        std::atomic<int>& busy;
        ~Release() { busy.store(0); }
    } release{m_busy};
    try {
        const zrx::TransferRequest request{direction, m_setup.portName.toStdString(),
                                           m_setup.language};
        const std::unique_ptr<zrx::SerialPort> port = m_setup.makePort();
        const zrx::TransferOutcome outcome = zrx::runTransfer(*port, request, image, observer);
        m_result.openError = outcome == zrx::TransferOutcome::OpenFailure
                                 ? port->openError()
                                 : zrx::PortOpenError::None;
        m_result.success = outcome == zrx::TransferOutcome::Success;
        if (m_result.success && direction == zrx::TransferDirection::Read) {
            m_result.image = image;
        }
    } catch (const std::exception& error) {
        m_result = TransferResult{};
        m_result.crash = QString::fromLocal8Bit(error.what());
    } catch (...) {
        m_result = TransferResult{};
        m_result.crash = QStringLiteral("unknown error");
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
