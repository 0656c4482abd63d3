#include "radio_model.h"

#include <algorithm>

#include "link/protocol_frames.h"

namespace zrx::sim {

namespace {

constexpr std::uint8_t kNegativeAcknowledge = 0x15;

// What the radio says about itself. The PC never looks at it.
constexpr std::uint8_t kIdentification[protocol::kIdentificationReplySize] = {'Z', 'R', 'X',  '4',
                                                                              '1', '2', 0x00, 0x01};
// A radio with different firmware: fewer bytes, none of them text.
constexpr std::uint8_t kOddIdentification[] = {0xA5, 0x00, 0xFF};

std::size_t blockAddress(const std::vector<std::uint8_t>& frame) {
    return static_cast<std::size_t>(frame[1]) << 8 | frame[2];
}

bool validBlock(const std::vector<std::uint8_t>& frame) {
    return frame[3] == protocol::kBlockSize &&
           blockAddress(frame) + protocol::kBlockSize <= RadioImage::kSize;
}

} // namespace

void RadioModel::waitForHandshake() {
    m_stage = Stage::Handshake;
    m_handshakeMatched = 0;
    m_frame.clear();
}

void RadioModel::sessionEnded() {
    waitForHandshake();
    // Handshake attempts count afresh for every session: "answer only the
    // fourth attempt" means the fourth of each connection.
    m_unansweredAttempts = 0;
}

RadioReaction RadioModel::receive(std::uint8_t byte) {
    if (m_awayHandshakes > 0) {
        return offTheCable(byte);
    }
    if (m_faults.echo) {
        return RadioReaction{.reply = {byte}};
    }
    if (m_faults.noise) {
        return noiseFor(byte);
    }
    RadioReaction reaction = react(byte);
    if (m_faults.silent) {
        reaction.reply.clear();
    }
    return reaction;
}

RadioReaction RadioModel::noiseFor(std::uint8_t) {
    // One or two bytes of garbage for every byte received, as a device at
    // another speed or with other line settings gives. Never an ACK or the
    // other handshake answer, so noise is never taken for a radio.
    RadioReaction reaction;
    const int count = std::uniform_int_distribution<int>(1, 2)(m_noise);
    while (static_cast<int>(reaction.reply.size()) < count) {
        const auto byte =
            static_cast<std::uint8_t>(std::uniform_int_distribution<int>(0, 255)(m_noise));
        if (byte != protocol::kAcknowledge && byte != protocol::kHandshakeAcceptAlternative) {
            reaction.reply.push_back(byte);
        }
    }
    return reaction;
}

RadioReaction RadioModel::react(std::uint8_t byte) {
    RadioReaction reaction;
    switch (m_stage) {
    case Stage::Handshake:
        reaction = onHandshakeByte(byte);
        break;
    case Stage::IdentificationRequest:
        if (byte != protocol::kIdentificationRequest) {
            return unexpected(byte);
        }
        if (m_faults.oddIdentification) {
            reaction.reply.assign(std::begin(kOddIdentification), std::end(kOddIdentification));
        } else {
            reaction.reply.assign(std::begin(kIdentification), std::end(kIdentification));
        }
        m_stage = Stage::IdentificationConfirm;
        break;
    case Stage::IdentificationConfirm:
        if (byte != protocol::kAcknowledge) {
            return unexpected(byte);
        }
        reaction.reply = {protocol::kAcknowledge};
        m_stage = Stage::Commands;
        m_blockNumber = 0;
        break;
    case Stage::Commands:
        reaction = onCommandByte(byte);
        break;
    case Stage::ReadAck:
        if (byte != protocol::kAcknowledge) {
            return unexpected(byte);
        }
        reaction.reply = {faultAt(m_faults.badAcknowledgeBlock) ? kNegativeAcknowledge
                                                                : protocol::kAcknowledge};
        m_stage = Stage::Commands;
        // A bench that swaps radios takes this one off once its write has
        // been read back whole.
        if (m_faults.swapGap && m_writtenUnread && m_lastBlockRead) {
            m_writtenUnread = false;
            m_awayHandshakes = *m_faults.swapGap;
            waitForHandshake();
        }
        break;
    }
    return reaction;
}

RadioReaction RadioModel::onHandshakeByte(std::uint8_t byte) {
    RadioReaction reaction;
    if (byte == protocol::kHandshake[m_handshakeMatched]) {
        ++m_handshakeMatched;
    } else {
        m_handshakeMatched = byte == protocol::kHandshake[0] ? 1 : 0;
    }
    if (m_handshakeMatched < protocol::kHandshake.size()) {
        return reaction;
    }
    m_handshakeMatched = 0;
    const int attempt = ++m_unansweredAttempts;
    if (m_faults.answerOnlyAttempt && *m_faults.answerOnlyAttempt != attempt) {
        return reaction;
    }
    m_unansweredAttempts = 0;
    reaction.reply = {m_faults.handshakeReply};
    m_stage = Stage::IdentificationRequest;
    return reaction;
}

RadioReaction RadioModel::onCommandByte(std::uint8_t byte) {
    if (m_frame.empty() && byte != protocol::kReadCommand && byte != protocol::kWriteCommand) {
        return unexpected(byte);
    }
    m_frame.push_back(byte);
    const bool isRead = m_frame.front() == protocol::kReadCommand;
    const std::size_t frameSize =
        isRead ? protocol::kCommandSize : protocol::kCommandSize + protocol::kBlockSize;
    if (m_frame.size() < frameSize) {
        return {};
    }
    ++m_blockNumber;
    RadioReaction reaction;
    if (faultAt(m_faults.hangUpBlock)) {
        reaction.hangUp = true;
    } else if (!validBlock(m_frame)) {
        reaction.reply = {kNegativeAcknowledge};
    } else {
        reaction = isRead ? onReadCommand() : onWriteCommand();
    }
    m_frame.clear();
    return reaction;
}

RadioReaction RadioModel::onReadCommand() {
    RadioReaction reaction;
    const std::size_t address = blockAddress(m_frame);
    // The reply's header repeats the command; some radios send other things
    // there, and the PC must not care.
    reaction.reply.assign(m_frame.begin(), m_frame.end());
    if (m_faults.strangeReadHeader) {
        reaction.reply = {0xEE, 0x15, static_cast<std::uint8_t>(~m_frame[2]), 0x00};
    }
    const auto data = m_memory.range(address, protocol::kBlockSize);
    reaction.reply.insert(reaction.reply.end(), data.begin(), data.end());
    if (m_faults.garbledBlock && *m_faults.garbledBlock == address &&
        m_timesGarbled < m_faults.garbledReads) {
        ++m_timesGarbled;
        for (std::size_t i = protocol::kReadReplyHeaderSize; i < reaction.reply.size(); ++i) {
            reaction.reply[i] ^= static_cast<std::uint8_t>(m_timesGarbled);
        }
    }
    if (faultAt(m_faults.shortReplyBlock)) {
        reaction.reply.resize(protocol::kReadReplySize / 2);
    }
    m_stage = Stage::ReadAck;
    m_lastBlockRead = address + protocol::kBlockSize == protocol::kReadLength;
    return reaction;
}

RadioReaction RadioModel::onWriteCommand() {
    RadioReaction reaction;
    const std::size_t address = blockAddress(m_frame);
    const auto data = std::span<const std::uint8_t>(m_frame).subspan(protocol::kCommandSize);
    const auto target = m_memory.range(address, protocol::kBlockSize);
    for (std::size_t i = 0; i < protocol::kBlockSize; ++i) {
        if (!m_faults.stuckCell || *m_faults.stuckCell != address + i) {
            target[i] = data[i];
        }
    }
    reaction.reply = {faultAt(m_faults.badAcknowledgeBlock) ? kNegativeAcknowledge
                                                            : protocol::kAcknowledge};
    reaction.stored = true;
    reaction.writeFinished = address + protocol::kBlockSize == protocol::kWriteLength;
    m_writtenUnread = m_writtenUnread || reaction.writeFinished;
    return reaction;
}

RadioReaction RadioModel::offTheCable(std::uint8_t byte) {
    // Nothing answers; the handshakes that arrive meanwhile are counted
    // (however the tool opens and closes the line) until the next radio is
    // on the cable, as new as the first one was.
    if (byte == protocol::kHandshake[m_handshakeMatched]) {
        ++m_handshakeMatched;
    } else {
        m_handshakeMatched = byte == protocol::kHandshake[0] ? 1 : 0;
    }
    if (m_handshakeMatched == protocol::kHandshake.size()) {
        m_handshakeMatched = 0;
        if (--m_awayHandshakes == 0) {
            m_memory = m_newRadio;
            waitForHandshake();
        }
    }
    return {};
}

RadioReaction RadioModel::unexpected(std::uint8_t byte) {
    waitForHandshake();
    return onHandshakeByte(byte);
}

} // namespace zrx::sim
