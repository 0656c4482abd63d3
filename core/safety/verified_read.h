#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

#include "image/radio_image.h"
#include "link/serial_port.h"
#include "link/transfer_engine.h"
#include "link/transfer_observer.h"

namespace zrx {

// The protocol has no checksum: a reply spoilt on the line into other bytes
// of the right length passes for the radio's memory. Reading twice and
// comparing catches that. The unit compared is the 8-byte block, because
// that is what one reply carries and what one spoilt reply spoils: two
// reads that agree on a whole block are strong evidence (random noise
// repeats 8 given bytes once in 2^64 tries), while two reads agreeing on a
// single byte would be weak (once in 256).
struct ReadVote {
    // The memory every block of which at least two reads agree on; empty
    // when some block has no two reads agreeing.
    std::optional<RadioImage> image;
    // The first address of every block where the reads were not all alike.
    std::vector<std::size_t> disputedBlocks;
    // Where no two reads agree: the first byte of that block whose reads differ.
    std::optional<std::size_t> unresolvedAddress;
};

// The vote over two or three complete reads of the same radio.
[[nodiscard]] ReadVote voteOnReads(std::span<const RadioImage> reads);

struct VerifiedRead {
    TransferOutcome outcome = TransferOutcome::CommunicationFailure;
    int reads = 0;                                // complete reads made: 2, or 3 after a dispute
    std::vector<std::size_t> disputedBlocks;      // where the first two reads differed
    std::optional<std::size_t> unresolvedAddress; // why it failed, when no two reads agree
};

// Reads the radio twice, each an ordinary read from handshake to last
// block, and compares the two. When they differ it reads a third time and
// keeps, block by block, what two reads agree on; when some block has no
// two reads agreeing it fails (a communication failure whose detail names
// the first address that differs). `image` changes only on success.
//
// The observer sees one transfer: progress over all the reads' blocks
// (the bound grows by 128 when a third read is needed), the port opened
// once, one failure at most and one end.
[[nodiscard]] VerifiedRead readAndVerify(SerialPort& port, const TransferRequest& request,
                                         RadioImage& image, TransferObserver& observer);

} // namespace zrx
