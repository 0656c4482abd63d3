#include "line_probe.h"

#include <algorithm>
#include <array>

#include "link/protocol_frames.h"

namespace zrx {

namespace {

// After a stray byte: take whatever else arrives, giving up 100 ms after the
// start or 30 ms after the latest byte.
constexpr SerialTimeouts kListenTimeouts{
    .readIntervalMs = 30,
    .readTotalPerByteMs = 0,
    .readTotalConstantMs = 100,
    .writeTotalPerByteMs = protocol::kTimeouts.writeTotalPerByteMs,
    .writeTotalConstantMs = protocol::kTimeouts.writeTotalConstantMs,
};
constexpr std::size_t kListenBytes = 16;

std::vector<std::uint8_t> receive(SerialPort& port, std::size_t count) {
    std::vector<std::uint8_t> bytes(count);
    bytes.resize(port.read(bytes));
    return bytes;
}

void send(SerialPort& port, std::uint8_t byte) {
    const std::array<std::uint8_t, 1> one{byte};
    port.write(one);
}

bool accepts(std::uint8_t byte) {
    return byte == protocol::kHandshakeAccept || byte == protocol::kHandshakeAcceptAlternative;
}

} // namespace

LineVerdict judgeUnanswered(const std::vector<std::vector<std::uint8_t>>& replies) {
    switch (judgeUnacceptedHandshake(replies)) {
    case UnacceptedHandshake::Silence:
        return LineVerdict::NoReply;
    case UnacceptedHandshake::Echo:
        return LineVerdict::Echo;
    case UnacceptedHandshake::Noise:
        break;
    }
    return LineVerdict::Noise;
}

std::optional<LineProbe> probeLine(SerialPort& port) {
    LineProbe probe;
    bool accepted = false;
    for (int attempt = 0; attempt < protocol::kHandshakeAttempts && !accepted; ++attempt) {
        for (const std::uint8_t byte : protocol::kHandshake) {
            port.pause(protocol::kHandshakeBytePauseMs);
            if (!port.purge()) {
                return std::nullopt;
            }
            send(port, byte);
        }
        std::vector<std::uint8_t> reply = receive(port, 1);
        if (!reply.empty() && accepts(reply.front())) {
            probe.handshakeReply = reply.front();
            accepted = true;
            break;
        }
        if (!reply.empty()) {
            if (!port.setTimeouts(kListenTimeouts)) {
                return std::nullopt;
            }
            const auto more = receive(port, kListenBytes);
            reply.insert(reply.end(), more.begin(), more.end());
            if (!port.setTimeouts(protocol::kTimeouts)) {
                return std::nullopt;
            }
        }
        probe.unanswered.push_back(std::move(reply));
    }
    if (!accepted) {
        probe.verdict = judgeUnanswered(probe.unanswered);
        return probe;
    }
    // The same opening as a transfer's, and nothing after it.
    port.pause(protocol::kIdentificationPauseMs);
    if (!port.purge()) {
        return std::nullopt;
    }
    send(port, protocol::kIdentificationRequest);
    probe.identification = receive(port, protocol::kIdentificationReplySize);
    if (!port.purge()) {
        return std::nullopt;
    }
    send(port, protocol::kAcknowledge);
    probe.confirmReply = receive(port, 1);
    probe.verdict = probe.confirmReply == std::vector<std::uint8_t>{protocol::kAcknowledge}
                        ? LineVerdict::Radio
                        : LineVerdict::HandshakeOnly;
    return probe;
}

} // namespace zrx
