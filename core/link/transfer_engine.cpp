#include "transfer_engine.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "protocol_frames.h"
#include "radio_line_setup.h"
#include "transfer_messages.h"

namespace zrx {

namespace {

using Bytes20 = std::array<std::uint8_t, 20>;

// Closes the port and clears the transfer flag however the run ends, in
// that order, so a new transfer finds the port free once the flag is 0.
class RunCleanup {
public:
    RunCleanup(SerialPort& port, TransferObserver& observer) : m_port(port), m_observer(observer) {}
    ~RunCleanup() {
        m_port.close();
        m_observer.setTransferFlag(0);
    }
    RunCleanup(const RunCleanup&) = delete;
    RunCleanup& operator=(const RunCleanup&) = delete;

private:
    SerialPort& m_port;
    TransferObserver& m_observer;
};

// The exchanges of one transfer on an open port. Each step returns false
// when the radio did not answer as it must; the caller then stops at once.
class Session {
public:
    Session(SerialPort& port, TransferObserver& observer, int upperBound)
        : m_port(port), m_observer(observer), m_upperBound(upperBound) {}

    // The radio listens for the handshake only now and then, so each byte
    // goes out on its own after a short pause, and the whole string is
    // tried up to four times. The reply byte is kept across attempts: the
    // receive buffer is cleared only before the first one. A purge the
    // driver refuses ends the session here and below: bytes left over from
    // an earlier reply would be taken for the next one.
    bool handshake() {
        clearReceived();
        for (int attempt = 0; attempt < protocol::kHandshakeAttempts; ++attempt) {
            if (m_observer.stopRequested()) {
                return false;
            }
            for (const std::uint8_t byte : protocol::kHandshake) {
                m_port.pause(protocol::kHandshakeBytePauseMs);
                if (!m_port.purge()) {
                    return false;
                }
                sendByte(byte);
            }
            receive(1);
            if (m_received[0] == protocol::kHandshakeAccept ||
                m_received[0] == protocol::kHandshakeAcceptAlternative) {
                return true;
            }
        }
        return false;
    }

    // Whatever the radio says about itself is read and let go; only its
    // answer to the confirmation counts.
    bool identify() {
        m_port.pause(protocol::kIdentificationPauseMs);
        clearReceived();
        if (!m_port.purge()) {
            return false;
        }
        sendByte(protocol::kIdentificationRequest);
        receive(protocol::kIdentificationReplySize);
        return acknowledgeExchange();
    }

    bool readImage(RadioImage& image) {
        for (std::size_t address = 0; address < protocol::kReadLength;
             address += protocol::kBlockSize) {
            if (m_observer.stopRequested()) {
                return false;
            }
            const auto command = protocol::blockCommand(protocol::kReadCommand, address);
            if (!m_port.purge()) {
                return false;
            }
            m_port.write(command);
            // A short reply would leave zeros or stale bytes where the data
            // belongs; it is no reply at all.
            if (receive(protocol::kReadReplySize) < protocol::kReadReplySize) {
                return false;
            }
            const auto data = std::span<const std::uint8_t>(m_received)
                                  .subspan(protocol::kReadReplyHeaderSize, protocol::kBlockSize);
            std::copy(data.begin(), data.end(), image.range(address, protocol::kBlockSize).begin());
            if (!acknowledgeExchange()) {
                return false;
            }
            stepProgress();
        }
        return true;
    }

    bool writeImage(const RadioImage& image) {
        for (std::size_t address = 0; address < protocol::kWriteLength;
             address += protocol::kBlockSize) {
            if (m_observer.stopRequested()) {
                return false;
            }
            const auto command = protocol::blockCommand(protocol::kWriteCommand, address);
            const auto data = image.range(address, protocol::kBlockSize);
            std::copy(data.begin(), data.end(), m_sent.begin());
            clearReceived();
            if (!m_port.purge()) {
                return false;
            }
            m_port.write(command);
            m_port.write(std::span<const std::uint8_t>(m_sent).first(protocol::kBlockSize));
            receive(1);
            if (m_received[0] != protocol::kAcknowledge) {
                return false;
            }
            stepProgress();
        }
        return true;
    }

private:
    // ACK to the radio, and ACK must come back.
    bool acknowledgeExchange() {
        clearReceived();
        if (!m_port.purge()) {
            return false;
        }
        sendByte(protocol::kAcknowledge);
        receive(1);
        return m_received[0] == protocol::kAcknowledge;
    }

    void sendByte(std::uint8_t byte) {
        m_sent[0] = byte;
        m_port.write(std::span<const std::uint8_t>(m_sent).first(1));
    }

    std::size_t receive(std::size_t count) {
        return m_port.read(std::span<std::uint8_t>(m_received).first(count));
    }

    void clearReceived() { m_received.fill(0); }

    void stepProgress() {
        ++m_position;
        m_observer.setProgress(m_position, m_upperBound, percentText(m_position, m_upperBound));
    }

    SerialPort& m_port;
    TransferObserver& m_observer;
    int m_upperBound;
    int m_position = 0;
    Bytes20 m_sent{};
    Bytes20 m_received{};
};

} // namespace

int transferBlockCount(TransferDirection direction) {
    return direction == TransferDirection::Read ? protocol::kReadBlockCount
                                                : protocol::kWriteBlockCount;
}

std::string percentText(int position, int upperBound) {
    const int percent = upperBound > 0 ? position * 100 / upperBound : 0;
    return std::to_string(percent) + "%";
}

TransferOutcome runTransfer(SerialPort& port, const TransferRequest& request, RadioImage& image,
                            TransferObserver& observer) {
    observer.setTransferFlag(1);
    RunCleanup cleanup(port, observer);
    const RadioImage before = image;

    const auto fail = [&](TransferOutcome outcome) {
        // Half a radio is worse than the old image: a read that did not get
        // through puts everything back.
        if (request.direction == TransferDirection::Read) {
            image = before;
        }
        if (observer.stopRequested()) {
            observer.transferEnded(false);
            return TransferOutcome::Stopped;
        }
        const LocalText& text =
            outcome == TransferOutcome::OpenFailure ? kOpenFailureText : kCommunicationFailureText;
        observer.showFailure(text.in(request.language));
        observer.transferEnded(false);
        return outcome;
    };

    if (!port.open(request.portName)) {
        return fail(TransferOutcome::OpenFailure);
    }
    observer.portOpened();
    if (!setUpRadioLine(port)) {
        return fail(TransferOutcome::OpenFailure);
    }

    Session session(port, observer, transferBlockCount(request.direction));
    if (!session.handshake() || !session.identify()) {
        return fail(TransferOutcome::CommunicationFailure);
    }
    const bool done = request.direction == TransferDirection::Read ? session.readImage(image)
                                                                   : session.writeImage(image);
    if (!done) {
        return fail(TransferOutcome::CommunicationFailure);
    }
    observer.transferEnded(true);
    return TransferOutcome::Success;
}

} // namespace zrx
