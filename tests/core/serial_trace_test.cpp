// The trace of a session: every byte on the line with its time, its
// direction and its meaning, recorded through the real serial port against
// zrx-sim, and kept bounded in memory.

#include <gtest/gtest.h>

#include <regex>

#include "image/channel_data_file.h"
#include "link/posix_serial_port.h"
#include "link/serial_trace.h"
#include "link/transfer_engine.h"
#include "radio_simulator.h"
#include "random_image.h"
#include "recording_observer.h"
#include "temp_dir.h"

using namespace zrx;

namespace {

std::vector<std::string> linesMatching(const std::vector<std::string>& lines,
                                       const std::string& pattern) {
    const std::regex re(pattern);
    std::vector<std::string> found;
    for (const std::string& line : lines) {
        if (std::regex_search(line, re)) {
            found.push_back(line);
        }
    }
    return found;
}

TransferOutcome tracedRead(const std::string& device, TraceSink& trace, RadioImage& image) {
    TracingSerialPort port(std::make_unique<PosixSerialPort>(), trace);
    RecordingObserver observer;
    return runTransfer(port, TransferRequest{TransferDirection::Read, device, Language::English},
                       image, observer);
}

TEST(SerialTrace, AReadHoldsTheHandshakeAnd128ReadBlocks) {
    TempDir dir;
    const RadioImage radio = randomImage(5);
    ASSERT_TRUE(saveChannelDataFile(dir / "radio.sin", radio));
    RadioSimulator sim({"--memory", (dir / "radio.sin").string()});
    MemoryTrace trace;
    RadioImage image;
    ASSERT_EQ(tracedRead(sim.device(), trace, image), TransferOutcome::Success);
    EXPECT_EQ(image, radio);

    const std::vector<std::string> lines = trace.lines();
    EXPECT_EQ(trace.linesLeftOut(), 0u);
    EXPECT_NE(lines.front().find("open " + sim.device() + ": ok"), std::string::npos);
    EXPECT_NE(lines.back().find("close"), std::string::npos);
    // Each line starts with the milliseconds since the start.
    EXPECT_EQ(linesMatching(lines, R"(^ +[0-9]+\.[0-9] ms  )").size(), lines.size());
    EXPECT_EQ(linesMatching(lines, "PC > radio  .*handshake, attempt 1: ").size(), 8u);
    EXPECT_EQ(linesMatching(lines, "PC > radio  4D  +handshake, attempt 1: 'M'$").size(), 1u);
    EXPECT_EQ(linesMatching(lines, "radio > PC  06  +handshake accepted$").size(), 1u);
    EXPECT_EQ(linesMatching(lines, "PC > radio  02  +identification request$").size(), 1u);
    EXPECT_EQ(
        linesMatching(lines, "radio > PC  5A 52 58 34 31 32 00 01  +identification: 8 of 8").size(),
        1u);
    const auto commands = linesMatching(lines, "PC > radio  52 .. .. 08  +read command: block ");
    const auto replies = linesMatching(lines, "radio > PC  52 .. .. 08( ..){8}  +reply: ");
    const auto done = linesMatching(lines, "radio > PC  06  +ACK: block [0-9]+ of 128, .* done$");
    ASSERT_EQ(commands.size(), 128u);
    EXPECT_EQ(replies.size(), 128u);
    EXPECT_EQ(done.size(), 128u);
    EXPECT_NE(commands[0].find("block 1 of 128, 0x000-0x007"), std::string::npos);
    EXPECT_NE(commands[127].find("52 03 F8 08"), std::string::npos);
    EXPECT_NE(commands[127].find("block 128 of 128, 0x3F8-0x3FF"), std::string::npos);
}

TEST(SerialTrace, AFailedBlockIsNamedAndAMemoryTraceKeepsItsBeginningAndEnd) {
    RadioSimulator sim({"--bad-ack-at", "40"});
    MemoryTrace trace(10, 20);
    RadioImage image;
    ASSERT_EQ(tracedRead(sim.device(), trace, image), TransferOutcome::CommunicationFailure);
    const std::vector<std::string> lines = trace.lines();
    ASSERT_EQ(lines.size(), 10u + 1u + 20u);
    EXPECT_NE(lines.front().find("open "), std::string::npos);
    EXPECT_EQ(lines[10], "... " + std::to_string(trace.linesLeftOut()) + " lines left out ...");
    EXPECT_GT(trace.linesLeftOut(), 100u);
    EXPECT_NE(lines.back().find("close"), std::string::npos);
    EXPECT_EQ(linesMatching(lines, "radio > PC  15  +not ACK: block 40 of 128, 0x138-0x13F refused")
                  .size(),
              1u);

    trace.clear();
    EXPECT_TRUE(trace.lines().empty());
    EXPECT_EQ(trace.linesLeftOut(), 0u);
}

} // namespace
