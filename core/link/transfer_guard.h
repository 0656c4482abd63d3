#pragma once

#include <atomic>

namespace zrx {

// Takes the transfer flag for a new transfer: only the one caller that finds
// it 0 gets true, and the flag is then already 1. A Start button that
// checks the flag and starts a worker in two steps could start two workers
// when pressed twice before the first one has set the flag; claiming it
// first closes that gap. The worker clears the flag when it ends.
[[nodiscard]] inline bool claimTransferFlag(std::atomic<int>& flag) {
    int expected = 0;
    return flag.compare_exchange_strong(expected, 1);
}

} // namespace zrx
