#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "image/language.h"
#include "serial_port.h"

namespace zrx {

enum class TransferDirection { Read, Write };

enum class TransferOutcome {
    Success,
    OpenFailure,
    CommunicationFailure,
    // Given up because the observer asked for it; no message was shown.
    Stopped,
};

// Why a transfer failed, as far as the bytes on the line tell.
enum class FailureCause {
    PortNotOpened,              // see TransferFailure::openError
    NoHandshakeAnswer,          // nothing came back to any handshake attempt
    HandshakeEcho,              // the handshake's own bytes came back: a loop-back, not a radio
    HandshakeNoise,             // bytes came back that answer nothing
    IdentificationNotConfirmed, // the handshake was accepted, the identification was not
    NoAnswer,                   // the radio stopped answering at `block`
    ShortReply,                 // a read reply came cut short at `block`
    BlockRefused,               // something other than ACK came back for `block`
    ReadsDisagree,              // reads of the radio compared: no two agree at `address`
    LineNotCleared,             // the driver would not clear the line's buffers
};

// Everything the program knows about a failed transfer. The first line is
// the message the user has always seen; the second says what happened, in
// the same language.
struct TransferFailure {
    TransferOutcome outcome = TransferOutcome::CommunicationFailure;
    TransferDirection direction = TransferDirection::Read;
    FailureCause cause = FailureCause::NoAnswer;
    Language language = Language::English;
    std::string portName;
    PortOpenError openError = PortOpenError::None;
    // The block the transfer stopped at, 1 for the first; 0 before the
    // blocks began. Out of `blockCount` (128 for a read, 124 for a write).
    int block = 0;
    int blockCount = 0;
    // The first address of that block; for ReadsDisagree the byte's.
    std::size_t address = 0;
    // What came back instead of the expected answer (at most 16 bytes).
    std::vector<std::uint8_t> heard;
    // A write that had begun sending blocks: the radio may now hold part
    // of the new memory.
    bool partWritten = false;

    std::string message; // "Communication with the radio failed"
    std::string detail;  // "the radio stopped answering at block 37 of 124. ..."
};

// The stable English name of a cause, as JSON output gives it: "no-answer".
[[nodiscard]] std::string_view failureCauseTag(FailureCause cause);

// Why a port did not open, for the second line: "COM3 (/dev/ttyS2): no such device".
[[nodiscard]] std::string describeOpenError(PortOpenError error, std::string_view portName,
                                            Language language);

// Fills `failure.message` and `failure.detail` from its facts.
void explainFailure(TransferFailure& failure);

// Both lines in one, for a log's row: "Communication ... failed: the radio ...".
[[nodiscard]] std::string failureLine(const TransferFailure& failure);

} // namespace zrx
