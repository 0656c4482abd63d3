// What the engine asks of the port, call by call: the waits and purges that
// pace the handshake, the order of the line set-up, and which reply bytes
// decide. The radio's side is a script of replies, one per read.

#include <gtest/gtest.h>

#include <cstdio>
#include <deque>
#include <string>
#include <vector>

#include "image/radio_image.h"
#include "link/protocol_frames.h"
#include "link/serial_port.h"
#include "link/transfer_engine.h"
#include "link/transfer_messages.h"
#include "random_image.h"
#include "recording_observer.h"

using namespace zrx;

namespace {

std::string hex(std::span<const std::uint8_t> bytes) {
    std::string text;
    for (const std::uint8_t b : bytes) {
        char part[4];
        std::snprintf(part, sizeof part, "%02X", static_cast<unsigned>(b));
        text += text.empty() ? "" : " ";
        text += part;
    }
    return text;
}

// A port that logs every call as a line ("pause 2", "purge", "write 02",
// "read 1") and answers each read with the next scripted reply; a reply
// shorter than the read, or none left, is what a silent line gives.
class ScriptedPort final : public SerialPort {
public:
    explicit ScriptedPort(std::deque<std::vector<std::uint8_t>> replies)
        : m_replies(std::move(replies)) {}

    bool open(std::string_view name) override {
        calls.push_back("open " + std::string(name));
        m_open = !name.empty();
        return m_open;
    }
    [[nodiscard]] bool isOpen() const override { return m_open; }
    void close() override {
        calls.emplace_back("close");
        m_open = false;
    }
    bool setQueueSizes(std::size_t input, std::size_t output) override {
        return log("queues " + std::to_string(input) + " " + std::to_string(output));
    }
    bool setTimeouts(const SerialTimeouts& t) override {
        return log("timeouts " + std::to_string(t.readIntervalMs) + " " +
                   std::to_string(t.readTotalPerByteMs) + " " +
                   std::to_string(t.readTotalConstantMs) + " " +
                   std::to_string(t.writeTotalPerByteMs) + " " +
                   std::to_string(t.writeTotalConstantMs));
    }
    bool configureLine(unsigned baud) override { return log("line " + std::to_string(baud)); }
    bool purge() override { return log("purge"); }
    std::size_t write(std::span<const std::uint8_t> bytes) override {
        calls.push_back("write " + hex(bytes));
        return bytes.size();
    }
    std::size_t read(std::span<std::uint8_t> buffer) override {
        calls.push_back("read " + std::to_string(buffer.size()));
        if (m_replies.empty()) {
            return 0;
        }
        const std::vector<std::uint8_t> reply = std::move(m_replies.front());
        m_replies.pop_front();
        const std::size_t n = std::min(reply.size(), buffer.size());
        std::copy_n(reply.begin(), n, buffer.begin());
        return n;
    }
    void pause(unsigned milliseconds) override {
        calls.push_back("pause " + std::to_string(milliseconds));
    }

    std::vector<std::string> calls;
    // The call the driver refuses: the `refusedTime`-th one that starts
    // with `refused` ("queues", "purge"...).
    std::string refused;
    int refusedTime = 1;

private:
    bool log(std::string call) {
        const bool refuse = !refused.empty() && call.starts_with(refused) && --refusedTime == 0;
        calls.push_back(std::move(call));
        return !refuse;
    }

    std::deque<std::vector<std::uint8_t>> m_replies;
    bool m_open = false;
};

using Calls = std::vector<std::string>;

void append(Calls& calls, std::initializer_list<std::string> more) {
    calls.insert(calls.end(), more);
}

Calls opening() {
    return {"open COM1", "queues 1024 512", "timeouts 30 50 100 50 50", "line 9600"};
}

void appendHandshakeAttempt(Calls& calls) {
    for (const std::uint8_t byte : protocol::kHandshake) {
        append(calls, {"pause 2", "purge", "write " + hex(std::span(&byte, 1))});
    }
    calls.emplace_back("read 1");
}

void appendIdentification(Calls& calls) {
    append(calls, {"pause 1", "purge", "write 02", "read 8", "purge", "write 06", "read 1"});
}

// Replies of a radio that answers the first handshake attempt.
std::deque<std::vector<std::uint8_t>> openingReplies() {
    return {{0x06}, {'Z', 'R', 'X', '4', '1', '2', 0, 1}, {0x06}};
}

TransferOutcome run(ScriptedPort& port, TransferDirection direction, RadioImage& image,
                    RecordingObserver& observer) {
    return runTransfer(port, TransferRequest{direction, "COM1", Language::English}, image,
                       observer);
}

TEST(TransferSequence, ReadPacesTheHandshakeAndPurgesBeforeEveryExchange) {
    const RadioImage radio = randomImage(21);
    auto replies = openingReplies();
    for (std::size_t address = 0; address < RadioImage::kSize; address += 8) {
        std::vector<std::uint8_t> reply{0x57, 0, 0, 0}; // a header nobody checks
        // Byte by byte: GCC 12 takes a range insert here for an overflow.
        for (const std::uint8_t byte : radio.range(address, 8)) {
            reply.push_back(byte);
        }
        replies.push_back(reply);
        replies.push_back({0x06});
    }
    ScriptedPort port(replies);
    RadioImage image;
    RecordingObserver observer;
    ASSERT_EQ(run(port, TransferDirection::Read, image, observer), TransferOutcome::Success);
    EXPECT_EQ(image, radio);

    Calls expected = opening();
    appendHandshakeAttempt(expected);
    appendIdentification(expected);
    for (std::size_t address = 0; address < RadioImage::kSize; address += 8) {
        const auto command = protocol::blockCommand('R', address);
        append(expected,
               {"purge", "write " + hex(command), "read 12", "purge", "write 06", "read 1"});
    }
    expected.emplace_back("close");
    EXPECT_EQ(port.calls, expected);
}

TEST(TransferSequence, WriteSendsCommandThenDataAndReadsOneByte) {
    const RadioImage image = randomImage(22);
    auto replies = openingReplies();
    for (int block = 0; block < 124; ++block) {
        replies.push_back({0x06});
    }
    ScriptedPort port(replies);
    RadioImage sent = image;
    RecordingObserver observer;
    ASSERT_EQ(run(port, TransferDirection::Write, sent, observer), TransferOutcome::Success);

    Calls expected = opening();
    appendHandshakeAttempt(expected);
    appendIdentification(expected);
    for (std::size_t address = 0; address < 0x3E0; address += 8) {
        append(expected, {"purge", "write " + hex(protocol::blockCommand('W', address)),
                          "write " + hex(image.range(address, 8)), "read 1"});
    }
    expected.emplace_back("close");
    EXPECT_EQ(port.calls, expected);
}

TEST(TransferSequence, FourUnansweredAttemptsThenNothingMore) {
    // Wrong bytes, then silence, then a wrong byte again: none of them opens
    // the session, and nothing follows the fourth attempt.
    ScriptedPort port({{0x15}, {}, {0x00}, {0x07}});
    RadioImage image;
    RecordingObserver observer;
    EXPECT_EQ(run(port, TransferDirection::Read, image, observer),
              TransferOutcome::CommunicationFailure);
    Calls expected = opening();
    for (int attempt = 0; attempt < 4; ++attempt) {
        appendHandshakeAttempt(expected);
    }
    expected.emplace_back("close");
    EXPECT_EQ(port.calls, expected);
}

TEST(TransferSequence, HandshakeAnswersThatOpenTheSession) {
    for (const std::uint8_t answer : {std::uint8_t{0x06}, std::uint8_t{0x16}}) {
        auto replies = openingReplies();
        replies.front() = {answer};
        replies.push_front({});
        replies.push_front({0x15});
        replies.push_front({});
        // Answered on the fourth attempt; the write fails at its first block.
        ScriptedPort port(replies);
        RadioImage image;
        RecordingObserver observer;
        EXPECT_EQ(run(port, TransferDirection::Write, image, observer),
                  TransferOutcome::CommunicationFailure);
        Calls expected = opening();
        for (int attempt = 0; attempt < 4; ++attempt) {
            appendHandshakeAttempt(expected);
        }
        appendIdentification(expected);
        append(expected, {"purge", "write 57 00 00 08", "write " + hex(image.range(0, 8)), "read 1",
                          "close"});
        EXPECT_EQ(port.calls, expected) << "answer " << int{answer};
    }
}

TEST(TransferSequence, OnlyTheConfirmReplyDecidesNotTheIdentification) {
    for (const std::vector<std::uint8_t>& identification :
         {std::vector<std::uint8_t>{}, std::vector<std::uint8_t>{0x15},
          std::vector<std::uint8_t>(8, 0x00)}) {
        std::deque<std::vector<std::uint8_t>> replies{{0x06}, identification, {0x06}};
        for (int block = 0; block < 124; ++block) {
            replies.push_back({0x06});
        }
        ScriptedPort port(replies);
        RadioImage image;
        RecordingObserver observer;
        EXPECT_EQ(run(port, TransferDirection::Write, image, observer), TransferOutcome::Success)
            << identification.size() << " identification bytes";
    }
}

// A reply byte that does not arrive reads as 0, never as what an earlier
// reply left in the buffer: an identification, a read reply or a write
// reply that happens to hold 0x06 must not stand in for a missing ACK.
TEST(TransferSequence, AMissingAcknowledgeIsNeverTakenFromAnEarlierReply) {
    {
        ScriptedPort port({{0x06}, {0x06, 0x06, 0x06, 0x06, 0x06, 0x06, 0x06, 0x06}, {}});
        RadioImage image;
        RecordingObserver observer;
        EXPECT_EQ(run(port, TransferDirection::Read, image, observer),
                  TransferOutcome::CommunicationFailure);
        EXPECT_EQ(port.calls.back(), "close");
        EXPECT_EQ(port.calls[port.calls.size() - 2], "read 1");
    }
    {
        auto replies = openingReplies();
        replies.push_back(std::vector<std::uint8_t>(12, 0x06));
        replies.push_back({});
        ScriptedPort port(replies);
        const RadioImage before = randomImage(23);
        RadioImage image = before;
        RecordingObserver observer;
        EXPECT_EQ(run(port, TransferDirection::Read, image, observer),
                  TransferOutcome::CommunicationFailure);
        EXPECT_EQ(image, before);
        EXPECT_TRUE(observer.percents.empty());
    }
    {
        auto replies = openingReplies();
        replies.push_back({0x06});
        replies.push_back({});
        ScriptedPort port(replies);
        RadioImage image;
        RecordingObserver observer;
        EXPECT_EQ(run(port, TransferDirection::Write, image, observer),
                  TransferOutcome::CommunicationFailure);
        EXPECT_EQ(observer.percents, std::vector<std::string>{"0%"});
    }
}

TEST(TransferSequence, ShortReadReplyIsACommunicationFailure) {
    auto replies = openingReplies();
    replies.push_back({0x52, 0x00, 0x00, 0x08, 1, 2, 3, 4, 5, 6, 7}); // 11 of 12
    ScriptedPort port(replies);
    const RadioImage before = randomImage(24);
    RadioImage image = before;
    RecordingObserver observer;
    EXPECT_EQ(run(port, TransferDirection::Read, image, observer),
              TransferOutcome::CommunicationFailure);
    EXPECT_EQ(image, before);
    // No acknowledge goes out for a reply that did not arrive whole.
    EXPECT_EQ(port.calls.back(), "close");
    EXPECT_EQ(port.calls[port.calls.size() - 2], "read 12");
}

// A driver that refuses the set-up leaves a port no better than one that did
// not open, and one that refuses a purge leaves stale bytes to be taken for
// the next reply: either way nothing more goes to the radio, the port
// closes, and the image stays as it was.
TEST(TransferSequence, ARefusedSetUpOrPurgeEndsTheTransferAtOnce) {
    struct Row {
        std::string refused;
        int time;
        TransferOutcome outcome;
    };
    const Row rows[] = {
        {"queues", 1, TransferOutcome::OpenFailure},
        {"timeouts", 1, TransferOutcome::OpenFailure},
        {"line", 1, TransferOutcome::OpenFailure},
        {"purge", 1, TransferOutcome::CommunicationFailure},  // the first handshake byte
        {"purge", 9, TransferOutcome::CommunicationFailure},  // the identification
        {"purge", 10, TransferOutcome::CommunicationFailure}, // its confirmation
        {"purge", 11, TransferOutcome::CommunicationFailure}, // the first block
        {"purge", 12, TransferOutcome::CommunicationFailure}, // its acknowledge
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.refused + " " + std::to_string(row.time));
        auto replies = openingReplies();
        replies.push_back(std::vector<std::uint8_t>(12, 0x5A));
        replies.push_back({0x06});
        ScriptedPort port(replies);
        port.refused = row.refused;
        port.refusedTime = row.time;
        const RadioImage before = randomImage(25);
        RadioImage image = before;
        RecordingObserver observer;
        EXPECT_EQ(run(port, TransferDirection::Read, image, observer), row.outcome);
        EXPECT_EQ(image, before);
        ASSERT_GE(port.calls.size(), 2u);
        EXPECT_EQ(port.calls.back(), "close");
        EXPECT_TRUE(port.calls[port.calls.size() - 2].starts_with(row.refused));
        const LocalText& message = row.outcome == TransferOutcome::OpenFailure
                                       ? kOpenFailureText
                                       : kCommunicationFailureText;
        EXPECT_EQ(observer.failures,
                  std::vector<std::string>{std::string(message.in(Language::English))});
    }
}

// What a failure reports besides its message: the cause, where it
// stopped, what came back instead, and the second line that says so.
TEST(TransferSequence, AFailureSaysWhatHappenedAndWhere) {
    using Replies = std::deque<std::vector<std::uint8_t>>;
    const auto opened = [](Replies more) {
        Replies replies = openingReplies();
        replies.insert(replies.end(), more.begin(), more.end());
        return replies;
    };
    const std::vector<std::uint8_t> goodReply{0x52, 0, 0, 8, 1, 2, 3, 4, 5, 6, 7, 8};
    struct Case {
        const char* name;
        TransferDirection direction;
        Replies replies;
        FailureCause cause;
        int block;
        std::string heard;
        std::string detail;
    };
    const std::vector<Case> cases = {
        {"silence",
         TransferDirection::Read,
         {},
         FailureCause::NoHandshakeAnswer,
         0,
         "",
         "the radio did not answer the handshake (4 attempts): check the cable, that the radio "
         "is switched on and that it is in programming mode"},
        {"echo",
         TransferDirection::Write,
         {{'M'}, {'M'}, {}, {'M'}},
         FailureCause::HandshakeEcho,
         0,
         "4D 4D 4D",
         "the handshake's own bytes came back (4D 4D 4D): a loop-back plug or the wrong cable, "
         "not a radio"},
        {"noise",
         TransferDirection::Read,
         {{}, {0x37}},
         FailureCause::HandshakeNoise,
         0,
         "37",
         "only noise answered the handshake (37): another device on this port, or wrong line "
         "settings"},
        {"identification",
         TransferDirection::Read,
         {{0x16}, {1, 2, 3, 4, 5, 6, 7, 8}, {0x15}},
         FailureCause::IdentificationNotConfirmed,
         0,
         "15",
         "the radio accepted the handshake but did not confirm its identification (answered "
         "15)"},
        {"silent at block 3", TransferDirection::Read,
         opened({goodReply, {0x06}, goodReply, {0x06}}), FailureCause::NoAnswer, 3, "",
         "the radio stopped answering at block 3 of 128"},
        {"reply cut short", TransferDirection::Read, opened({{0x52, 0, 0}}),
         FailureCause::ShortReply, 1, "52 00 00",
         "the radio's reply to block 1 of 128 was cut short (3 of 12 bytes)"},
        {"read block refused", TransferDirection::Read, opened({goodReply, {0x15}}),
         FailureCause::BlockRefused, 1, "15",
         "the radio refused block 1 of 128 (answered 15 instead of ACK)"},
        {"write block refused", TransferDirection::Write, opened({{0x06}, {0x06}, {0x15}}),
         FailureCause::BlockRefused, 3, "15",
         "the radio refused block 3 of 124 (answered 15 instead of ACK). The radio may now hold "
         "part of the new memory; writing again completes it."},
        {"write unanswered", TransferDirection::Write, opened({}), FailureCause::NoAnswer, 1, "",
         "the radio stopped answering at block 1 of 124. The radio may now hold part of the new "
         "memory; writing again completes it."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedPort port(c.replies);
        RadioImage image;
        RecordingObserver observer;
        EXPECT_EQ(run(port, c.direction, image, observer), TransferOutcome::CommunicationFailure);
        ASSERT_EQ(observer.reports.size(), 1u);
        const TransferFailure& failure = observer.reports.front();
        EXPECT_EQ(failure.cause, c.cause);
        EXPECT_EQ(failure.block, c.block);
        EXPECT_EQ(failure.address, c.block > 0 ? std::size_t(c.block - 1) * 8 : 0u);
        EXPECT_EQ(hex(failure.heard), c.heard);
        EXPECT_EQ(failure.partWritten, c.direction == TransferDirection::Write && c.block > 0);
        EXPECT_EQ(failure.message, "Communication with the radio failed");
        EXPECT_EQ(failure.detail, c.detail);
        EXPECT_EQ(failure.portName, "COM1");
        // Observers that know only the first line see it as they always did.
        EXPECT_EQ(observer.failures, std::vector<std::string>{failure.message});
    }
}

TEST(TransferSequence, TheSecondLineSpeaksTheRunningLanguage) {
    const std::vector<std::pair<Language, std::string>> expected = {
        {Language::English, "Communication with the radio failed: the radio stopped answering at "
                            "block 1 of 124. The radio may now hold part of the new memory; "
                            "writing again completes it."},
        {Language::SimplifiedChinese, "通信出錯：电台在第 1 块（共 124 块）处停止应答。"
                                      "电台现在可能只存有部分新数据；再写一次即可完成。"},
        {Language::TraditionalChinese, "通信出錯：電台在第 1 塊（共 124 塊）處停止應答。"
                                       "電台現在可能只存有部分新資料；再寫一次即可完成。"},
    };
    for (const auto& [language, line] : expected) {
        ScriptedPort port(openingReplies());
        RadioImage image;
        RecordingObserver observer;
        runTransfer(port, TransferRequest{TransferDirection::Write, "COM1", language}, image,
                    observer);
        ASSERT_EQ(observer.reports.size(), 1u);
        EXPECT_EQ(failureLine(observer.reports.front()), line);
    }
    // A port that does not open says which and why.
    ScriptedPort port({});
    RadioImage image;
    RecordingObserver observer;
    runTransfer(port, TransferRequest{TransferDirection::Read, "", Language::TraditionalChinese},
                image, observer);
    ASSERT_EQ(observer.reports.size(), 1u);
    EXPECT_EQ(observer.reports.front().cause, FailureCause::PortNotOpened);
    EXPECT_EQ(failureLine(observer.reports.front()), "無法打開串口：系統無法開啟它");
}

TEST(TransferSequence, PercentLabelTruncates) {
    EXPECT_EQ(percentText(1, 128), "0%");
    EXPECT_EQ(percentText(64, 128), "50%");
    EXPECT_EQ(percentText(127, 128), "99%");
    EXPECT_EQ(percentText(128, 128), "100%");
    EXPECT_EQ(percentText(1, 124), "0%");
    EXPECT_EQ(percentText(62, 124), "50%");
    EXPECT_EQ(percentText(123, 124), "99%");
    EXPECT_EQ(percentText(124, 124), "100%");
    EXPECT_EQ(transferBlockCount(TransferDirection::Read), 128);
    EXPECT_EQ(transferBlockCount(TransferDirection::Write), 124);
}

} // namespace
