#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace zrx {

// What came back to handshake attempts none of which the radio accepted.
enum class UnacceptedHandshake {
    Silence, // nothing at all: cable, power, or the radio not in programming mode
    Echo,    // the bytes sent come straight back: a loop-back or a wrong cable
    Noise,   // bytes that mean nothing: a wrong device or wrong line settings
};

// True when `reply` starts with the last bytes of the handshake, as a line
// that returns what it is sent gives them back (the bytes before are
// purged, the way the handshake is paced).
[[nodiscard]] bool looksLikeEcho(std::span<const std::uint8_t> reply);

// The judgement over every attempt's reply.
[[nodiscard]] UnacceptedHandshake
judgeUnacceptedHandshake(const std::vector<std::vector<std::uint8_t>>& replies);

} // namespace zrx
