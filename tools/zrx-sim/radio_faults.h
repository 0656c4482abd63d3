#pragma once

#include <cstddef>
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
    // A memory cell that does not take a write: the radio acknowledges the
    // block, and the cell keeps the value it had.
    std::optional<std::size_t> stuckCell;
    // The read block at this address comes back with other data bytes, a
    // different set each time, the first `garbledReads` times it is read: a
    // line that spoils a reply into bytes of the right length.
    std::optional<std::size_t> garbledBlock;
    int garbledReads = 1;
    // No radio at all on the line:
    bool echo = false;  // every byte comes straight back (a loop-back plug, a wrong cable)
    bool noise = false; // every byte is answered by garbage (a wrong device or speed)
    // A bench that swaps radios: once a write has been read back whole, the
    // radio leaves the cable and nothing answers this many handshakes; then
    // a new radio with the starting memory is there.
    std::optional<int> swapGap;
};

} // namespace zrx::sim
