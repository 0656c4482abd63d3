// A radio on a bad day: zrx-sim spoils replies at random (lost, cut short,
// noise instead, noise after) and drops the line at random points. Whatever
// happens, the engine ends within its time-outs with success or the
// communication failure, closes the port and clears the flag.

#include <gtest/gtest.h>

#include <chrono>
#include <iostream>

#include "image/new_image.h"
#include "link/posix_serial_port.h"
#include "link/transfer_engine.h"
#include "radio_simulator.h"
#include "recording_observer.h"

using namespace zrx;

namespace {

// The slowest way a transfer can end with a spoilt reply: every handshake
// attempt unanswered, or one reply lost near the end after all blocks.
// Anything beyond this means a wait that is not bounded by a time-out.
constexpr auto kLongestRun = std::chrono::seconds(8);

TEST(TransferRobustness, SpoiltRepliesAndHangUpsAlwaysEndCleanly) {
    int succeeded = 0;
    int failed = 0;
    for (std::uint32_t seed = 1; seed <= 24; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        RadioSimulator sim({"--chaos", std::to_string(seed)});
        const auto direction = seed % 2 == 1 ? TransferDirection::Read : TransferDirection::Write;
        const RadioImage before = makeNewImage();
        RadioImage image = before;
        RecordingObserver observer;
        PosixSerialPort port;

        const auto start = std::chrono::steady_clock::now();
        const TransferOutcome outcome = runTransfer(
            port, TransferRequest{direction, sim.device(), Language::English}, image, observer);
        EXPECT_LT(std::chrono::steady_clock::now() - start, kLongestRun);

        EXPECT_FALSE(port.isOpen());
        EXPECT_EQ(observer.events.back(), "flag 0");
        if (outcome == TransferOutcome::Success) {
            ++succeeded;
            EXPECT_TRUE(observer.failures.empty());
            EXPECT_EQ(observer.percents.back(), "100%");
        } else {
            ++failed;
            EXPECT_EQ(outcome, TransferOutcome::CommunicationFailure);
            EXPECT_EQ(observer.failures,
                      std::vector<std::string>{"Communication with the radio failed"});
            if (direction == TransferDirection::Read) {
                EXPECT_EQ(image, before);
            }
        }
    }
    std::cout << "robustness run: " << succeeded << " transfers got through, " << failed
              << " failed cleanly\n";
}

} // namespace
