#pragma once

#include <QString>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>

#include "image/language.h"
#include "image/radio_image.h"
#include "link/serial_port.h"
#include "link/transfer_engine.h"

namespace zrx {
class TransferObserver;
}

// What a transfer needs from the program besides its image: where the radio
// is, which language the messages speak, and how a port is made.
struct TransferSetup {
    QString portName;
    zrx::Language language = zrx::Language::English;
    std::function<std::unique_ptr<zrx::SerialPort>()> makePort = zrx::makeSystemSerialPort;
};

// How one transfer ended, handed over once its worker has finished.
struct TransferResult {
    bool success = false;
    // After a read that went through: what the radio holds.
    zrx::RadioImage image;
    // Why the port did not open, when that is how it failed.
    zrx::PortOpenError openError = zrx::PortOpenError::None;
    // What the worker threw, when it ended that way (it counts as a failure).
    QString crash;
};

// One transfer with the radio, on a worker thread of its own. The program
// runs one transfer at a time: the session claims the program's busy flag
// when it starts and its worker gives it back as it ends, whatever way it
// ends. The worker works on a copy of the image; its result is read only
// after the worker is done, so nothing is shared with a running thread.
class TransferSession {
public:
    // `busy` is 1 while any transfer of the program runs.
    TransferSession(std::atomic<int>& busy, TransferSetup setup);
    // Waits for a worker that still runs.
    ~TransferSession();
    TransferSession(const TransferSession&) = delete;
    TransferSession& operator=(const TransferSession&) = delete;

    // Starts the worker moving `image` in `direction`, reporting to
    // `observer`; false, and nothing started, when a transfer runs anywhere
    // in the program or this session has already run one.
    bool Start(zrx::TransferDirection direction, const zrx::RadioImage& image,
               zrx::TransferObserver& observer);
    [[nodiscard]] bool Started() const { return m_started; }

    // Waits for the worker and gives its result; a session that never
    // started gives a result that is no success.
    TransferResult Finish();

private:
    void Run(zrx::TransferDirection direction, zrx::RadioImage image,
             zrx::TransferObserver& observer);

    std::atomic<int>& m_busy;
    TransferSetup m_setup;
    bool m_started = false;
    std::thread m_worker;
    // Written by the worker, read after it has been joined.
    TransferResult m_result;
};
