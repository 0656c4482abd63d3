#pragma once

#include <cstdint>
#include <optional>

namespace zrx::sim {

// Ways the simulated radio can misbehave, for tests and demonstrations.
// Block numbers count the block commands of one session from 1.
struct RadioFaults {
    std::uint8_t handshakeReply = 0x06;     // the byte that answers the handshake
    std::optional<int> answerOnlyAttempt;   // answer only this handshake attempt (1..)
    bool silent = false;                    // never answer anything
    bool oddIdentification = false;         // a short, strange identification reply
    bool strangeReadHeader = false;         // read replies start with 4 bytes of noise
    std::optional<int> badAcknowledgeBlock; // NAK instead of ACK at this read or write block
    std::optional<int> shortReplyBlock;     // only part of the read reply at this block
    std::optional<int> hangUpBlock;         // drop the line when this block's command arrives
};

} // namespace zrx::sim
