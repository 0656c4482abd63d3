#include "handshake_answers.h"

#include <algorithm>

#include "protocol_frames.h"

namespace zrx {

bool looksLikeEcho(std::span<const std::uint8_t> reply) {
    const std::span<const std::uint8_t> sent(protocol::kHandshake);
    for (std::size_t k = std::min(reply.size(), sent.size()); k >= 1; --k) {
        if (std::equal(reply.begin(), reply.begin() + static_cast<std::ptrdiff_t>(k),
                       sent.end() - static_cast<std::ptrdiff_t>(k))) {
            return true;
        }
    }
    return false;
}

UnacceptedHandshake
judgeUnacceptedHandshake(const std::vector<std::vector<std::uint8_t>>& replies) {
    bool heardAnything = false;
    bool allEchoes = true;
    for (const auto& reply : replies) {
        if (reply.empty()) {
            continue;
        }
        heardAnything = true;
        allEchoes = allEchoes && looksLikeEcho(reply);
    }
    if (!heardAnything) {
        return UnacceptedHandshake::Silence;
    }
    return allEchoes ? UnacceptedHandshake::Echo : UnacceptedHandshake::Noise;
}

} // namespace zrx
