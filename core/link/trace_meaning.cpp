#include "trace_meaning.h"

#include <cstdio>

#include "protocol_frames.h"

namespace zrx {

namespace {

std::string characterName(std::uint8_t byte) {
    if (byte == 0x02) {
        return "STX";
    }
    if (byte >= 0x20 && byte < 0x7F) {
        return std::string("'") + static_cast<char>(byte) + "'";
    }
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", unsigned{byte});
    return text;
}

bool isAcknowledge(std::span<const std::uint8_t> bytes) {
    return bytes.size() == 1 && bytes[0] == protocol::kAcknowledge;
}

std::string notAcknowledge(std::span<const std::uint8_t> bytes, const std::string& what) {
    if (bytes.empty()) {
        return "no answer: " + what + " not confirmed";
    }
    return "not ACK: " + what + " refused";
}

} // namespace

void ExchangeMeaning::restart() {
    *this = ExchangeMeaning{};
}

std::string ExchangeMeaning::blockName() const {
    const int count = m_blockWrite ? protocol::kWriteBlockCount : protocol::kReadBlockCount;
    const auto number = static_cast<int>(m_blockAddress / protocol::kBlockSize) + 1;
    char text[64];
    std::snprintf(text, sizeof text, "block %d of %d, 0x%03zX-0x%03zX", number, count,
                  m_blockAddress, m_blockAddress + protocol::kBlockSize - 1);
    return text;
}

std::string ExchangeMeaning::sentByte(std::uint8_t byte) {
    if (m_stage == Stage::Handshake && byte == protocol::kHandshake[m_handshakeIndex]) {
        if (m_handshakeIndex == 0) {
            ++m_attempt;
        }
        std::string meaning =
            "handshake, attempt " + std::to_string(m_attempt) + ": " + characterName(byte);
        ++m_handshakeIndex;
        m_last = Last::HandshakeByte;
        if (m_handshakeIndex == protocol::kHandshake.size()) {
            m_handshakeIndex = 0;
            m_last = Last::HandshakeSent;
        }
        return meaning;
    }
    if (m_stage == Stage::Identification && byte == protocol::kIdentificationRequest) {
        m_last = Last::IdentificationRequest;
        return "identification request";
    }
    if (byte == protocol::kAcknowledge) {
        if (m_last == Last::IdentificationReply) {
            m_last = Last::IdentificationConfirmed;
            return "ACK: the PC confirms the identification";
        }
        if (m_last == Last::ReadReply) {
            m_last = Last::BlockAcknowledged;
            return "ACK: the PC took " + blockName();
        }
    }
    m_last = Last::Other;
    return "unexpected at this point";
}

std::string ExchangeMeaning::sent(std::span<const std::uint8_t> bytes) {
    m_readsSinceSend = 0;
    if (bytes.size() == 1) {
        return sentByte(bytes[0]);
    }
    const bool command =
        bytes.size() == protocol::kCommandSize &&
        (bytes[0] == protocol::kReadCommand || bytes[0] == protocol::kWriteCommand) &&
        bytes[3] == protocol::kBlockSize;
    if (command) {
        m_stage = Stage::Blocks;
        m_blockWrite = bytes[0] == protocol::kWriteCommand;
        m_blockAddress = (std::size_t{bytes[1]} << 8) | bytes[2];
        m_last = m_blockWrite ? Last::WriteCommand : Last::ReadCommand;
        return (m_blockWrite ? "write command: " : "read command: ") + blockName();
    }
    if (bytes.size() == protocol::kBlockSize && m_last == Last::WriteCommand) {
        m_last = Last::WriteData;
        return "data of " + blockName();
    }
    m_last = Last::Other;
    return "unexpected at this point";
}

std::string ExchangeMeaning::received(std::span<const std::uint8_t> bytes, std::size_t requested) {
    if (++m_readsSinceSend > 1) {
        return bytes.empty() ? "nothing more" : "more bytes after that";
    }
    switch (m_last) {
    case Last::HandshakeSent:
        if (bytes.size() == 1 && (bytes[0] == protocol::kHandshakeAccept ||
                                  bytes[0] == protocol::kHandshakeAcceptAlternative)) {
            m_stage = Stage::Identification;
            return "handshake accepted";
        }
        return bytes.empty() ? "no answer to handshake attempt " + std::to_string(m_attempt)
                             : "not an answer to the handshake";
    case Last::IdentificationRequest:
        m_last = Last::IdentificationReply;
        return "identification: " + std::to_string(bytes.size()) + " of " +
               std::to_string(protocol::kIdentificationReplySize) + " bytes";
    case Last::IdentificationConfirmed:
        return isAcknowledge(bytes) ? "ACK: the radio confirms the identification"
                                    : notAcknowledge(bytes, "identification");
    case Last::ReadCommand:
        m_last = Last::ReadReply;
        if (bytes.size() < requested) {
            m_last = Last::Other;
            return bytes.empty() ? "no reply to " + blockName()
                                 : "reply cut short (" + std::to_string(bytes.size()) + " of " +
                                       std::to_string(requested) + " bytes): " + blockName();
        }
        return "reply: 4 header bytes, then the data of " + blockName();
    case Last::BlockAcknowledged:
        return isAcknowledge(bytes) ? "ACK: " + blockName() + " done"
                                    : notAcknowledge(bytes, blockName());
    case Last::WriteData:
        return isAcknowledge(bytes) ? "ACK: " + blockName() + " written"
                                    : notAcknowledge(bytes, blockName());
    case Last::Nothing:
    case Last::HandshakeByte:
    case Last::IdentificationReply:
    case Last::ReadReply:
    case Last::WriteCommand:
    case Last::Other:
        break;
    }
    return bytes.empty() ? "nothing" : "unexpected at this point";
}

} // namespace zrx
