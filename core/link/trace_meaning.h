#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace zrx {

// What the bytes of a programming session mean, told as they pass: the
// handshake and its attempts, the identification, and each block by its
// number and addresses ("read block 3 of 128, 0x010-0x017"). It follows
// the conversation from the PC's side only, as a trace sees it, so it
// also reads the doctor's probe and a fleet's looks for a radio.
class ExchangeMeaning {
public:
    // A new session on a freshly opened port.
    void restart();
    // The meaning of bytes the PC sent.
    [[nodiscard]] std::string sent(std::span<const std::uint8_t> bytes);
    // The meaning of `bytes` arriving for a read of `requested` bytes.
    [[nodiscard]] std::string received(std::span<const std::uint8_t> bytes, std::size_t requested);

private:
    enum class Stage { Handshake, Identification, Blocks };
    enum class Last {
        Nothing,
        HandshakeByte,
        HandshakeSent,
        IdentificationRequest,
        IdentificationReply,
        IdentificationConfirmed,
        ReadCommand,
        ReadReply,
        BlockAcknowledged,
        WriteCommand,
        WriteData,
        Other,
    };

    [[nodiscard]] std::string blockName() const;
    [[nodiscard]] std::string sentByte(std::uint8_t byte);

    Stage m_stage = Stage::Handshake;
    Last m_last = Last::Nothing;
    int m_attempt = 0;
    std::size_t m_handshakeIndex = 0;
    std::size_t m_blockAddress = 0;
    bool m_blockWrite = false;
    // Reads since the last bytes sent: a second read listens for more.
    int m_readsSinceSend = 0;
};

} // namespace zrx
