#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "link/handshake_answers.h"
#include "link/serial_port.h"

namespace zrx {

// What is at the other end of the line, judged by the answers to the
// handshake.
enum class LineVerdict {
    NoReply,       // nothing at all: cable, power, or the radio not in programming mode
    Echo,          // the bytes come straight back: a loop-back or a wrong cable
    Noise,         // bytes that mean nothing: a wrong device or wrong line settings
    Radio,         // a radio accepted the handshake and confirmed the identification
    HandshakeOnly, // the handshake was accepted, the identification was not confirmed
};

struct LineProbe {
    LineVerdict verdict = LineVerdict::NoReply;
    // What came back to the handshake attempts that were not accepted.
    std::vector<std::vector<std::uint8_t>> unanswered;
    std::uint8_t handshakeReply = 0;          // 0x06 or 0x16, once accepted
    std::vector<std::uint8_t> identification; // the radio's 8 bytes (or fewer)
    std::vector<std::uint8_t> confirmReply;   // its answer to the confirmation
};

// The verdict for handshake attempts none of which was accepted.
[[nodiscard]] LineVerdict judgeUnanswered(const std::vector<std::vector<std::uint8_t>>& replies);

// On a port set up as a transfer sets it up (setUpRadioLine): sends the
// handshake (up to four attempts, paced as a transfer paces them) and, when
// a radio accepts it, the identification request and confirmation. Never a
// block command: the radio's memory is neither read nor written. Unlike a
// transfer it listens a little longer after an unexpected byte, to tell an
// echo from noise. Empty when the driver refused a purge or a time-out on
// the way: what came back could then be stale, and the line is no more
// usable than one that did not open.
[[nodiscard]] std::optional<LineProbe> probeLine(SerialPort& port);

} // namespace zrx
