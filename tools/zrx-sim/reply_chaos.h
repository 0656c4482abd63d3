#pragma once

#include <cstdint>
#include <random>

#include "radio_model.h"

namespace zrx::sim {

// A radio on a bad day, for robustness runs: now and then a reply is lost,
// cut short, replaced by noise, followed by noise, or the line drops. The
// same seed gives the same misbehaviour for the same conversation.
class ReplyChaos {
public:
    explicit ReplyChaos(std::uint32_t seed) : m_random(seed) {}

    // Possibly spoils the reaction to one received byte.
    void apply(RadioReaction& reaction);

private:
    std::uint8_t randomByte();

    std::mt19937 m_random;
};

} // namespace zrx::sim
