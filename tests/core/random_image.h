#pragma once

#include <random>

#include "image/radio_image.h"

// A radio image full of seeded random bytes: every byte position carries a
// value a test can tell apart from its neighbours and from 0xFF.
inline zrx::RadioImage randomImage(unsigned seed) {
    std::mt19937 random(seed);
    zrx::RadioImage image;
    for (auto& byte : image.bytes()) {
        byte = static_cast<std::uint8_t>(random() & 0xFFu);
    }
    return image;
}
