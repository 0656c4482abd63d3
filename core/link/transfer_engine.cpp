#include "transfer_engine.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "handshake_answers.h"
#include "protocol_frames.h"
#include "radio_line_setup.h"

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

// What the user is shown of the bytes that came back: a few are enough.
constexpr std::size_t kHeardShown = 16;

// The exchanges of one transfer on an open port. Each step returns false
// when the radio did not answer as it must, with what went wrong in
// failure(); the caller then stops at once.
class Session {
public:
    Session(SerialPort& port, TransferObserver& observer, int upperBound)
        : m_port(port), m_observer(observer), m_upperBound(upperBound) {}

    // The facts of the last step that returned false.
    [[nodiscard]] TransferFailure& failure() { return m_failure; }

    // The radio listens for the handshake only now and then, so each byte
    // goes out on its own after a short pause, and the whole string is
    // tried up to four times. The reply byte is kept across attempts: the
    // receive buffer is cleared only before the first one. A purge the
    // driver refuses ends the session here and below: bytes left over from
    // an earlier reply would be taken for the next one.
    bool handshake() {
        clearReceived();
        std::vector<std::vector<std::uint8_t>> replies;
        for (int attempt = 0; attempt < protocol::kHandshakeAttempts; ++attempt) {
            if (m_observer.stopRequested()) {
                return false;
            }
            for (const std::uint8_t byte : protocol::kHandshake) {
                m_port.pause(protocol::kHandshakeBytePauseMs);
                if (!purge()) {
                    return false;
                }
                sendByte(byte);
            }
            const std::size_t got = receive(1);
            if (m_received[0] == protocol::kHandshakeAccept ||
                m_received[0] == protocol::kHandshakeAcceptAlternative) {
                return true;
            }
            replies.push_back(receivedBytes(got));
        }
        switch (judgeUnacceptedHandshake(replies)) {
        case UnacceptedHandshake::Silence:
            m_failure.cause = FailureCause::NoHandshakeAnswer;
            break;
        case UnacceptedHandshake::Echo:
            m_failure.cause = FailureCause::HandshakeEcho;
            break;
        case UnacceptedHandshake::Noise:
            m_failure.cause = FailureCause::HandshakeNoise;
            break;
        }
        for (const auto& reply : replies) {
            hear(reply);
        }
        return false;
    }

    // Whatever the radio says about itself is read and let go; only its
    // answer to the confirmation counts.
    bool identify() {
        m_port.pause(protocol::kIdentificationPauseMs);
        clearReceived();
        if (!purge()) {
            return false;
        }
        sendByte(protocol::kIdentificationRequest);
        receive(protocol::kIdentificationReplySize);
        if (acknowledgeExchange()) {
            return true;
        }
        m_failure.cause = FailureCause::IdentificationNotConfirmed;
        hear(receivedBytes(m_lastReceived));
        return false;
    }

    bool readImage(RadioImage& image) {
        for (std::size_t address = 0; address < protocol::kReadLength;
             address += protocol::kBlockSize) {
            if (m_observer.stopRequested()) {
                return false;
            }
            beginBlock(address);
            const auto command = protocol::blockCommand(protocol::kReadCommand, address);
            if (!purge()) {
                return false;
            }
            m_port.write(command);
            // A short reply would leave zeros or stale bytes where the data
            // belongs; it is no reply at all.
            if (const std::size_t got = receive(protocol::kReadReplySize);
                got < protocol::kReadReplySize) {
                m_failure.cause = got == 0 ? FailureCause::NoAnswer : FailureCause::ShortReply;
                hear(receivedBytes(got));
                return false;
            }
            const auto data = std::span<const std::uint8_t>(m_received)
                                  .subspan(protocol::kReadReplyHeaderSize, protocol::kBlockSize);
            std::copy(data.begin(), data.end(), image.range(address, protocol::kBlockSize).begin());
            if (!acknowledgeExchange()) {
                refusedOrSilent();
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
            beginBlock(address);
            const auto command = protocol::blockCommand(protocol::kWriteCommand, address);
            const auto data = image.range(address, protocol::kBlockSize);
            std::copy(data.begin(), data.end(), m_sent.begin());
            clearReceived();
            if (!purge()) {
                return false;
            }
            // From the first block command on, the radio may take what it
            // is sent: a write that stops now leaves part of it behind.
            m_failure.partWritten = true;
            m_port.write(command);
            m_port.write(std::span<const std::uint8_t>(m_sent).first(protocol::kBlockSize));
            m_lastReceived = receive(1);
            if (m_received[0] != protocol::kAcknowledge) {
                refusedOrSilent();
                return false;
            }
            stepProgress();
        }
        return true;
    }

private:
    // Clears what is waiting on the line; a driver that refuses ends the
    // session, as bytes left over would be taken for the next reply.
    bool purge() {
        if (m_port.purge()) {
            return true;
        }
        m_failure.cause = FailureCause::LineNotCleared;
        return false;
    }

    // ACK to the radio, and ACK must come back.
    bool acknowledgeExchange() {
        clearReceived();
        if (!purge()) {
            return false;
        }
        sendByte(protocol::kAcknowledge);
        m_lastReceived = receive(1);
        return m_received[0] == protocol::kAcknowledge;
    }

    void beginBlock(std::size_t address) {
        m_failure.block = static_cast<int>(address / protocol::kBlockSize) + 1;
        m_failure.blockCount = m_upperBound;
        m_failure.address = address;
    }

    // The one-byte answer that should have been ACK.
    void refusedOrSilent() {
        m_failure.cause = m_lastReceived == 0 ? FailureCause::NoAnswer : FailureCause::BlockRefused;
        hear(receivedBytes(m_lastReceived));
    }

    [[nodiscard]] std::vector<std::uint8_t> receivedBytes(std::size_t count) const {
        return {m_received.begin(), m_received.begin() + static_cast<std::ptrdiff_t>(count)};
    }

    void hear(const std::vector<std::uint8_t>& bytes) {
        for (const std::uint8_t byte : bytes) {
            if (m_failure.heard.size() < kHeardShown) {
                m_failure.heard.push_back(byte);
            }
        }
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
    std::size_t m_lastReceived = 0;
    TransferFailure m_failure;
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

    const auto fail = [&](TransferOutcome outcome, TransferFailure failure) {
        // Half a radio is worse than the old image: a read that did not get
        // through puts everything back.
        if (request.direction == TransferDirection::Read) {
            image = before;
        }
        if (observer.stopRequested()) {
            observer.transferEnded(false);
            return TransferOutcome::Stopped;
        }
        failure.outcome = outcome;
        failure.direction = request.direction;
        failure.language = request.language;
        failure.portName = request.portName;
        if (outcome == TransferOutcome::OpenFailure) {
            failure.openError = port.openError();
        }
        explainFailure(failure);
        observer.reportFailure(failure);
        observer.transferEnded(false);
        return outcome;
    };

    if (!port.open(request.portName)) {
        return fail(TransferOutcome::OpenFailure, TransferFailure{});
    }
    observer.portOpened();
    // A driver that will not set the line up fails the transfer as a port
    // that would not open.
    if (!setUpRadioLine(port)) {
        return fail(TransferOutcome::OpenFailure, TransferFailure{});
    }

    Session session(port, observer, transferBlockCount(request.direction));
    if (!session.handshake() || !session.identify()) {
        return fail(TransferOutcome::CommunicationFailure, std::move(session.failure()));
    }
    const bool done = request.direction == TransferDirection::Read ? session.readImage(image)
                                                                   : session.writeImage(image);
    if (!done) {
        return fail(TransferOutcome::CommunicationFailure, std::move(session.failure()));
    }
    observer.transferEnded(true);
    return TransferOutcome::Success;
}

} // namespace zrx
