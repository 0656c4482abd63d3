#include "reply_chaos.h"

namespace zrx::sim {

void ReplyChaos::apply(RadioReaction& reaction) {
    if (reaction.reply.empty() || reaction.hangUp) {
        return;
    }
    // About one reply in 250 goes wrong: of the 262 replies of a read a
    // third of the runs get through, and the others fail at every stage of
    // the conversation.
    if (std::uniform_int_distribution<int>(0, 249)(m_random) != 0) {
        return;
    }
    auto& reply = reaction.reply;
    switch (std::uniform_int_distribution<int>(0, 4)(m_random)) {
    case 0: // lost
        reply.clear();
        break;
    case 1: // cut short
        reply.resize(std::uniform_int_distribution<std::size_t>(0, reply.size() - 1)(m_random));
        break;
    case 2: { // noise instead of the reply, perhaps longer or shorter
        const auto length =
            std::uniform_int_distribution<std::size_t>(1, reply.size() + 2)(m_random);
        reply.assign(length, 0);
        for (auto& byte : reply) {
            byte = randomByte();
        }
        break;
    }
    case 3: // noise after the reply
        for (int i = 0; i < 3; ++i) {
            reply.push_back(randomByte());
        }
        break;
    default: // the line drops
        reaction.reply.clear();
        reaction.hangUp = true;
        break;
    }
}

std::uint8_t ReplyChaos::randomByte() {
    return static_cast<std::uint8_t>(std::uniform_int_distribution<int>(0, 255)(m_random));
}

} // namespace zrx::sim
