// Reading the radio twice and keeping what two reads agree on, block by
// block: the vote itself, and whole verified reads against zrx-sim
// spoiling a block's data on the line.

#include <gtest/gtest.h>

#include "image/channel_data_file.h"
#include "link/posix_serial_port.h"
#include "radio_simulator.h"
#include "random_image.h"
#include "recording_observer.h"
#include "safety/verified_read.h"
#include "temp_dir.h"

using namespace zrx;

namespace {

// `image` with the byte at `address` changed by `delta`.
RadioImage spoilt(RadioImage image, std::size_t address, std::uint8_t delta) {
    image.setByte(address, static_cast<std::uint8_t>(image.byte(address) ^ delta));
    return image;
}

TEST(ReadVote, KeepsTheBlocksTwoReadsAgreeOn) {
    const RadioImage radio = randomImage(31);
    struct Case {
        const char* name;
        std::vector<RadioImage> reads;
        bool agreed;
        std::vector<std::size_t> disputed;
        std::optional<std::size_t> unresolved;
    };
    const std::vector<Case> cases = {
        {"two alike", {radio, radio}, true, {}, {}},
        {"two differ", {radio, spoilt(radio, 0x123, 1)}, false, {0x120}, 0x123},
        {"the third settles it", {spoilt(radio, 0x123, 1), radio, radio}, true, {0x120}, {}},
        {"each read wrong in another block",
         {spoilt(radio, 0x010, 4), spoilt(radio, 0x3FF, 4), spoilt(radio, 0x021, 8)},
         true,
         {0x010, 0x020, 0x3F8},
         {}},
        {"no two agree",
         {spoilt(radio, 0x125, 1), spoilt(radio, 0x124, 2), spoilt(radio, 0x127, 3)},
         false,
         {0x120},
         0x124},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ReadVote vote = voteOnReads(c.reads);
        EXPECT_EQ(vote.image.has_value(), c.agreed);
        if (vote.image) {
            EXPECT_EQ(*vote.image, radio);
        }
        EXPECT_EQ(vote.disputedBlocks, c.disputed);
        EXPECT_EQ(vote.unresolvedAddress, c.unresolved);
    }
}

class VerifiedReadTest : public ::testing::Test {
protected:
    VerifiedRead read(const std::vector<std::string>& faults, RadioImage& image) {
        std::vector<std::string> arguments{"--memory", memory};
        arguments.insert(arguments.end(), faults.begin(), faults.end());
        RadioSimulator sim(arguments);
        PosixSerialPort port;
        return readAndVerify(port, TransferRequest{TransferDirection::Read, sim.device()}, image,
                             observer);
    }

    TempDir dir;
    const RadioImage radio = randomImage(32);
    const std::string memory = [this] {
        EXPECT_TRUE(saveChannelDataFile(dir / "radio.sin", radio));
        return (dir / "radio.sin").string();
    }();
    RecordingObserver observer;
};

TEST_F(VerifiedReadTest, TwoReadsThatAgreeAreTheRadio) {
    RadioImage image;
    const VerifiedRead result = read({}, image);
    EXPECT_EQ(result.outcome, TransferOutcome::Success);
    EXPECT_EQ(result.reads, 2);
    EXPECT_EQ(image, radio);
    // One transfer to whoever shows it: opened once, 256 blocks, one end.
    EXPECT_EQ(observer.events.front(), "flag 1");
    EXPECT_EQ(std::count(observer.events.begin(), observer.events.end(), "opened"), 1);
    EXPECT_EQ(observer.percents.size(), 256u);
    EXPECT_EQ(observer.events[observer.events.size() - 3], "progress 256/256 100%");
    EXPECT_EQ(observer.events[observer.events.size() - 2], "ended 1");
    EXPECT_EQ(observer.events.back(), "flag 0");
}

TEST_F(VerifiedReadTest, ASpoiltBlockIsSettledByAThirdRead) {
    RadioImage image;
    const VerifiedRead result = read({"--garble-block", "0x2A8"}, image);
    EXPECT_EQ(result.outcome, TransferOutcome::Success);
    EXPECT_EQ(result.reads, 3);
    EXPECT_EQ(result.disputedBlocks, std::vector<std::size_t>{0x2A8});
    EXPECT_EQ(image, radio);
    EXPECT_EQ(observer.percents.size(), 384u);
    EXPECT_EQ(observer.events[observer.events.size() - 3], "progress 384/384 100%");
    EXPECT_TRUE(observer.failures.empty());
}

TEST_F(VerifiedReadTest, NoTwoReadsAgreeingFailsAtTheFirstAddressThatDiffers) {
    const RadioImage before = randomImage(33);
    RadioImage image = before;
    const VerifiedRead result = read({"--garble-block", "0x2A8", "--garble-times", "3"}, image);
    EXPECT_EQ(result.outcome, TransferOutcome::CommunicationFailure);
    EXPECT_EQ(result.reads, 3);
    EXPECT_EQ(result.unresolvedAddress, 0x2A8u);
    EXPECT_EQ(image, before);
    ASSERT_EQ(observer.reports.size(), 1u);
    EXPECT_EQ(observer.reports[0].cause, FailureCause::ReadsDisagree);
    EXPECT_EQ(observer.reports[0].detail,
              "three reads of the radio gave three different bytes at 0x2A8; no two agree");
    EXPECT_EQ(observer.events[observer.events.size() - 2], "ended 0");
    EXPECT_EQ(observer.events.back(), "flag 0");
}

TEST_F(VerifiedReadTest, AReadThatFailsEndsItAll) {
    RadioImage image = randomImage(34);
    const RadioImage before = image;
    const VerifiedRead result = read({"--bad-ack-at", "72"}, image);
    EXPECT_EQ(result.outcome, TransferOutcome::CommunicationFailure);
    EXPECT_EQ(result.reads, 0);
    EXPECT_EQ(image, before);
    ASSERT_EQ(observer.reports.size(), 1u);
    EXPECT_EQ(observer.reports[0].block, 72);
    EXPECT_EQ(std::count(observer.events.begin(), observer.events.end(), "ended 0"), 1);
    EXPECT_EQ(observer.events.back(), "flag 0");
}

} // namespace
