#pragma once

#include <chrono>
#include <thread>

// Looks at `condition` every few milliseconds until it holds or `timeout`
// has passed; true when it held. What tests wait on instead of sleeping.
template <class Condition>
[[nodiscard]] bool awaitCondition(Condition condition,
                                  std::chrono::milliseconds timeout = std::chrono::seconds(20)) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}
