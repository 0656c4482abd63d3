#pragma once

#include <cstddef>
#include <cstdint>
#include <random>
#include <vector>

#include "image/radio_image.h"
#include "radio_faults.h"

namespace zrx::sim {

// What the radio does after one received byte.
struct RadioReaction {
    std::vector<std::uint8_t> reply; // bytes to send back, in order
    bool hangUp = false;             // drop the line instead of answering
    bool stored = false;             // a write block changed the memory
    bool writeFinished = false;      // the last block of a write has been stored
};

// The ZRX412 as the programming protocol sees it: it waits for the
// handshake, identifies itself, then serves read and write blocks of its
// memory. Bytes come in one at a time, as from the line; anything it does not
// expect sends it back to waiting for the handshake.
class RadioModel {
public:
    RadioModel(const RadioImage& memory, const RadioFaults& faults)
        : m_memory(memory), m_newRadio(memory), m_faults(faults) {}

    RadioReaction receive(std::uint8_t byte);

    [[nodiscard]] const RadioImage& memory() const { return m_memory; }

    // The tool closed the port: whatever session was open is over.
    void sessionEnded();

private:
    void waitForHandshake();
    enum class Stage { Handshake, IdentificationRequest, IdentificationConfirm, Commands, ReadAck };

    RadioReaction react(std::uint8_t byte);
    RadioReaction noiseFor(std::uint8_t byte);
    RadioReaction onHandshakeByte(std::uint8_t byte);
    RadioReaction onCommandByte(std::uint8_t byte);
    RadioReaction onReadCommand();
    RadioReaction onWriteCommand();
    RadioReaction unexpected(std::uint8_t byte);
    RadioReaction offTheCable(std::uint8_t byte);
    [[nodiscard]] bool faultAt(const std::optional<int>& block) const {
        return block && *block == m_blockNumber;
    }

    RadioImage m_memory;
    RadioImage m_newRadio; // what the next radio of a swap holds
    RadioFaults m_faults;
    bool m_writtenUnread = false; // a write has ended and not yet been read back whole
    bool m_lastBlockRead = false; // the read block waiting for its ACK is the last one
    int m_awayHandshakes = 0;     // handshakes left unanswered until the next radio is on
    Stage m_stage = Stage::Handshake;
    std::size_t m_handshakeMatched = 0;
    int m_unansweredAttempts = 0;
    int m_blockNumber = 0;
    int m_timesGarbled = 0;
    std::vector<std::uint8_t> m_frame;
    // Noise is the same from run to run, so tests see the same line.
    std::minstd_rand m_noise{20240501};
};

} // namespace zrx::sim
