// The programming protocol end to end: the engine on the real POSIX serial
// port, talking to zrx-sim on a pseudo-terminal.

#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <thread>

#include "image/channel_data_file.h"
#include "image/image_layout.h"
#include "image/new_image.h"
#include "link/posix_serial_port.h"
#include "link/protocol_frames.h"
#include "link/transfer_engine.h"
#include "radio_simulator.h"
#include "random_image.h"
#include "recording_observer.h"
#include "temp_dir.h"

using namespace zrx;

namespace {

// Bytes the PC sends before the first block when the radio answers the
// first handshake: the handshake, the identification request and confirm.
constexpr std::size_t kOpeningBytes = protocol::kHandshake.size() + 2;
constexpr std::size_t kReadBlockBytes = protocol::kCommandSize + 1; // command + ACK
constexpr std::size_t kWriteBlockBytes = protocol::kCommandSize + protocol::kBlockSize;

class TransferEngineTest : public ::testing::Test {
protected:
    std::string path(const std::string& name) const { return (m_dir / name).string(); }
    std::string logPath() const { return path("line.log"); }

    std::string saveImage(const std::string& name, const RadioImage& image) const {
        EXPECT_TRUE(saveChannelDataFile(m_dir / name, image));
        return path(name);
    }

    TransferOutcome run(const std::string& device, TransferDirection direction, RadioImage& image,
                        Language language = Language::English) {
        PosixSerialPort port;
        const TransferOutcome outcome =
            runTransfer(port, TransferRequest{direction, device, language}, image, observer);
        EXPECT_FALSE(port.isOpen());
        return outcome;
    }

    // The flag is 1 from the very first thing the engine does to the very
    // last, and 0 after every run, whatever its outcome.
    void expectFlagFramesTheRun() const {
        ASSERT_GE(observer.events.size(), 2u);
        EXPECT_EQ(observer.events.front(), "flag 1");
        EXPECT_EQ(observer.events.back(), "flag 0");
    }

    TempDir m_dir;
    RecordingObserver observer;
};

TEST_F(TransferEngineTest, ReadFetchesAll1024BytesBlockByBlock) {
    const RadioImage radio = randomImage(1);
    RadioSimulator sim({"--memory", saveImage("radio.sin", radio)}, logPath());
    RadioImage image = makeNewImage();

    ASSERT_EQ(run(sim.device(), TransferDirection::Read, image), TransferOutcome::Success);
    EXPECT_EQ(image, radio); // including the list selections at 0x3E0 and up
    ASSERT_EQ(sim.stop(), 0);

    const auto received = sim.traffic().received;
    ASSERT_EQ(received.size(), kOpeningBytes + 128 * kReadBlockBytes);
    EXPECT_TRUE(
        std::equal(protocol::kHandshake.begin(), protocol::kHandshake.end(), received.begin()));
    EXPECT_EQ(received[8], 0x02);
    EXPECT_EQ(received[9], 0x06);
    for (std::size_t block = 0; block < 128; ++block) {
        const std::size_t at = kOpeningBytes + block * kReadBlockBytes;
        const std::size_t address = block * 8;
        EXPECT_EQ(received[at], 0x52);
        EXPECT_EQ(received[at + 1], address >> 8);
        EXPECT_EQ(received[at + 2], address & 0xFF);
        EXPECT_EQ(received[at + 3], 0x08);
        EXPECT_EQ(received[at + 4], 0x06) << "acknowledge of block " << block;
    }
    expectFlagFramesTheRun();
    EXPECT_EQ(observer.events[1], "opened");
    EXPECT_EQ(observer.events[observer.events.size() - 2], "ended 1");
}

TEST_F(TransferEngineTest, ReadProgressCountsBlocksOf128) {
    RadioSimulator sim({});
    RadioImage image;
    ASSERT_EQ(run(sim.device(), TransferDirection::Read, image), TransferOutcome::Success);
    ASSERT_EQ(observer.percents.size(), 128u);
    EXPECT_EQ(observer.percents[0], "0%");   // 1 * 100 / 128
    EXPECT_EQ(observer.percents[1], "1%");   // 2 * 100 / 128
    EXPECT_EQ(observer.percents[63], "50%"); // 64 blocks
    EXPECT_EQ(observer.percents[126], "99%");
    EXPECT_EQ(observer.percents[127], "100%");
    EXPECT_NE(std::find(observer.events.begin(), observer.events.end(), "progress 64/128 50%"),
              observer.events.end());
}

TEST_F(TransferEngineTest, WriteSendsOnlyTheFirst992Bytes) {
    const RadioImage before = randomImage(2);
    const RadioImage image = randomImage(3);
    const std::string saved = path("saved.sin");
    RadioSimulator sim({"--memory", saveImage("before.sin", before), "--save", saved}, logPath());

    RadioImage sent = image;
    ASSERT_EQ(run(sim.device(), TransferDirection::Write, sent), TransferOutcome::Success);
    EXPECT_EQ(sent, image);
    ASSERT_EQ(sim.stop(), 0);

    RadioImage radio;
    ASSERT_TRUE(loadChannelDataFile(saved, radio));
    for (std::size_t offset = 0; offset < RadioImage::kSize; ++offset) {
        const auto expected =
            offset < layout::kRadioWriteLength ? image.byte(offset) : before.byte(offset);
        ASSERT_EQ(radio.byte(offset), expected) << "offset " << offset;
    }

    const auto received = sim.traffic().received;
    ASSERT_EQ(received.size(), kOpeningBytes + 124 * kWriteBlockBytes);
    for (std::size_t block = 0; block < 124; ++block) {
        const std::size_t at = kOpeningBytes + block * kWriteBlockBytes;
        const std::size_t address = block * 8;
        EXPECT_EQ(received[at], 0x57);
        EXPECT_EQ(received[at + 1], address >> 8);
        EXPECT_EQ(received[at + 2], address & 0xFF);
        EXPECT_EQ(received[at + 3], 0x08);
        const auto data = image.range(address, 8);
        EXPECT_TRUE(std::equal(data.begin(), data.end(),
                               received.begin() + static_cast<std::ptrdiff_t>(at + 4)))
            << "data of block " << block;
    }
    // The last block is 0x3D8..0x3DF.
    const std::size_t last = kOpeningBytes + 123 * kWriteBlockBytes;
    EXPECT_EQ(received[last + 1], 0x03);
    EXPECT_EQ(received[last + 2], 0xD8);
    EXPECT_TRUE(std::equal(received.begin() + static_cast<std::ptrdiff_t>(last + 4), received.end(),
                           image.range(0x3D8, 8).begin()));

    ASSERT_EQ(observer.percents.size(), 124u);
    EXPECT_EQ(observer.percents[61], "50%");
    EXPECT_EQ(observer.percents.back(), "100%");
    expectFlagFramesTheRun();
}

TEST_F(TransferEngineTest, HandshakeReplyOf0x16IsAcceptedLike0x06) {
    RadioSimulator sim({"--handshake-reply", "0x16"});
    RadioImage image;
    EXPECT_EQ(run(sim.device(), TransferDirection::Read, image), TransferOutcome::Success);
}

TEST_F(TransferEngineTest, RadioAnsweringOnlyTheFourthAttemptIsAccepted) {
    const RadioImage radio = randomImage(4);
    RadioSimulator sim({"--answer-attempt", "4", "--memory", saveImage("radio.sin", radio)},
                       logPath());
    RadioImage image;
    ASSERT_EQ(run(sim.device(), TransferDirection::Read, image), TransferOutcome::Success);
    EXPECT_EQ(image, radio);
    sim.stop();
    const auto traffic = sim.traffic();
    // 32 handshake bytes before the radio's first word.
    const auto firstReply = std::find_if(traffic.lines.begin(), traffic.lines.end(),
                                         [](const std::string& l) { return l.starts_with("tx"); });
    EXPECT_EQ(firstReply - traffic.lines.begin(), 32);
}

// The radio counts handshake attempts per connection: one that answers
// only a fifth attempt never answers, however often the tool tries again.
TEST_F(TransferEngineTest, HandshakeAttemptsCountAfreshForEveryConnection) {
    RadioSimulator sim({"--answer-attempt", "5"}, logPath());
    for (int session = 0; session < 2; ++session) {
        RadioImage image;
        EXPECT_EQ(run(sim.device(), TransferDirection::Read, image),
                  TransferOutcome::CommunicationFailure)
            << "session " << session;
        // The next session starts once the radio has taken this one's end in.
        ASSERT_TRUE(sim.awaitSessionsClosed(session + 1));
    }
    sim.stop();
    const auto traffic = sim.traffic();
    EXPECT_EQ(traffic.received.size(), 64u);
    EXPECT_TRUE(traffic.sent.empty());
}

TEST_F(TransferEngineTest, ReadReplyHeaderIsNeverCompared) {
    const RadioImage radio = randomImage(8);
    RadioSimulator sim({"--strange-read-header", "--memory", saveImage("radio.sin", radio)});
    RadioImage image;
    ASSERT_EQ(run(sim.device(), TransferDirection::Read, image), TransferOutcome::Success);
    EXPECT_EQ(image, radio);
}

TEST_F(TransferEngineTest, IdentificationReplyIsNeverExamined) {
    RadioSimulator sim({"--odd-identification"});
    RadioImage image;
    EXPECT_EQ(run(sim.device(), TransferDirection::Write, image), TransferOutcome::Success);
}

// A radio that never says the right thing: four handshakes of 8 bytes, one
// byte at a time, then the failure, and not a byte more.
class UnansweredHandshakeTest : public TransferEngineTest,
                                public ::testing::WithParamInterface<std::vector<std::string>> {};

TEST_P(UnansweredHandshakeTest, FailsAfterExactly32HandshakeBytes) {
    RadioSimulator sim(GetParam(), logPath());
    const RadioImage before = randomImage(5);
    RadioImage image = before;
    EXPECT_EQ(run(sim.device(), TransferDirection::Read, image),
              TransferOutcome::CommunicationFailure);
    EXPECT_EQ(image, before);
    sim.stop();
    const auto received = sim.traffic().received;
    ASSERT_EQ(received.size(), 32u);
    for (std::size_t i = 0; i < received.size(); ++i) {
        EXPECT_EQ(received[i], protocol::kHandshake[i % 8]);
    }
    EXPECT_EQ(observer.failures, std::vector<std::string>{"Communication with the radio failed"});
    expectFlagFramesTheRun();
}

INSTANTIATE_TEST_SUITE_P(Radios, UnansweredHandshakeTest,
                         ::testing::Values(std::vector<std::string>{"--silent"},
                                           std::vector<std::string>{"--handshake-reply", "0x15"}));

struct FaultCase {
    const char* name;
    std::vector<std::string> arguments;
    TransferDirection direction;
    std::size_t bytesTheRadioGets; // everything the PC sent, up to the failure
};

class RadioFaultTest : public TransferEngineTest,
                       public ::testing::WithParamInterface<FaultCase> {};

// Every fault ends in the communication failure; nothing more reaches the
// radio after the failing exchange, and a read leaves the image as it was.
TEST_P(RadioFaultTest, EndsInCommunicationFailureAndSendsNothingMore) {
    const FaultCase& fault = GetParam();
    RadioSimulator sim(fault.arguments, logPath());
    const RadioImage before = randomImage(6);
    RadioImage image = before;

    EXPECT_EQ(run(sim.device(), fault.direction, image), TransferOutcome::CommunicationFailure);
    EXPECT_EQ(image, before);
    EXPECT_EQ(observer.failures, std::vector<std::string>{"Communication with the radio failed"});
    expectFlagFramesTheRun();
    EXPECT_EQ(observer.events[observer.events.size() - 2], "ended 0");

    sim.stop();
    EXPECT_EQ(sim.traffic().received.size(), fault.bytesTheRadioGets);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, RadioFaultTest,
    ::testing::Values(FaultCase{"BadReadAckAtFirstBlock",
                                {"--bad-ack-at", "1"},
                                TransferDirection::Read,
                                kOpeningBytes + kReadBlockBytes},
                      FaultCase{"BadReadAckAtLastBlock",
                                {"--bad-ack-at", "128"},
                                TransferDirection::Read,
                                kOpeningBytes + 128 * kReadBlockBytes},
                      FaultCase{"ShortReadReply",
                                {"--short-reply-at", "40"},
                                TransferDirection::Read,
                                kOpeningBytes + 39 * kReadBlockBytes + protocol::kCommandSize},
                      FaultCase{"HangUpDuringRead",
                                {"--hang-up-at", "17"},
                                TransferDirection::Read,
                                kOpeningBytes + 16 * kReadBlockBytes + protocol::kCommandSize},
                      FaultCase{"BadWriteAck",
                                {"--bad-ack-at", "60"},
                                TransferDirection::Write,
                                kOpeningBytes + 60 * kWriteBlockBytes},
                      FaultCase{"BadWriteAckAtLastBlock",
                                {"--bad-ack-at", "124"},
                                TransferDirection::Write,
                                kOpeningBytes + 124 * kWriteBlockBytes},
                      FaultCase{"HangUpDuringWrite",
                                {"--hang-up-at", "3"},
                                TransferDirection::Write,
                                kOpeningBytes + 3 * kWriteBlockBytes}),
    [](const ::testing::TestParamInfo<FaultCase>& param) { return std::string(param.param.name); });

TEST_F(TransferEngineTest, FailureMessagesFollowTheLanguage) {
    const struct {
        Language language;
        const char* openFailure;
        const char* communicationFailure;
    } cases[] = {
        {Language::English, "Could not open the port", "Communication with the radio failed"},
        {Language::SimplifiedChinese, "无法打开串口", "通信出錯"},
        {Language::TraditionalChinese, "無法打開串口", "通信出錯"},
    };
    for (const auto& c : cases) {
        observer = RecordingObserver();
        RadioImage image;
        EXPECT_EQ(run("", TransferDirection::Read, image, c.language),
                  TransferOutcome::OpenFailure);
        RadioSimulator sim({"--bad-ack-at", "1"});
        EXPECT_EQ(run(sim.device(), TransferDirection::Write, image, c.language),
                  TransferOutcome::CommunicationFailure);
        EXPECT_EQ(observer.failures,
                  (std::vector<std::string>{c.openFailure, c.communicationFailure}));
    }
}

TEST_F(TransferEngineTest, OpenFailureLeavesTheUserFreeToCancel) {
    RadioImage image;
    EXPECT_EQ(run(path("no-such-device"), TransferDirection::Write, image),
              TransferOutcome::OpenFailure);
    // No "opened": the dialog's buttons were never disabled.
    EXPECT_EQ(observer.events,
              (std::vector<std::string>{"flag 1", "failure Could not open the port", "ended 0",
                                        "flag 0"}));
}

TEST_F(TransferEngineTest, APortInUseCannotBeOpened) {
    RadioSimulator sim({}, logPath());
    PosixSerialPort otherProgram;
    ASSERT_TRUE(otherProgram.open(sim.device()));
    RadioImage image;
    EXPECT_EQ(run(sim.device(), TransferDirection::Write, image), TransferOutcome::OpenFailure);
    EXPECT_EQ(observer.failures, std::vector<std::string>{"Could not open the port"});
    expectFlagFramesTheRun();
    otherProgram.close();
    sim.stop();
    EXPECT_TRUE(sim.traffic().received.empty());
}

TEST_F(TransferEngineTest, RadioServesOneTransferAfterAnother) {
    const RadioImage radio = randomImage(7);
    RadioSimulator sim({"--memory", saveImage("radio.sin", radio)});
    RadioImage first;
    RadioImage second = makeNewImage();
    ASSERT_EQ(run(sim.device(), TransferDirection::Read, first), TransferOutcome::Success);
    ASSERT_EQ(run(sim.device(), TransferDirection::Write, second), TransferOutcome::Success);
    ASSERT_EQ(run(sim.device(), TransferDirection::Read, first), TransferOutcome::Success);
    EXPECT_TRUE(
        std::equal(first.bytes().begin(), first.bytes().begin() + 0x3E0, second.bytes().begin()));
    EXPECT_TRUE(std::equal(first.bytes().begin() + 0x3E0, first.bytes().end(),
                           radio.bytes().begin() + 0x3E0));
}

} // namespace
