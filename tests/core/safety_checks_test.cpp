// The pure parts of the safety net: comparing a write with what came back,
// judging what answered the handshake and the way out of a permission
// refusal.

#include <gtest/gtest.h>

#include "image/image_layout.h"
#include "random_image.h"
#include "safety/device_access.h"
#include "safety/line_probe.h"
#include "safety/write_verification.h"

using namespace zrx;

namespace {

TEST(WriteVerification, NamesTheFirstDifferenceAndCountsThemWithinTheWrittenRange) {
    const RadioImage written = randomImage(3);
    RadioImage readBack = written;
    EXPECT_FALSE(compareWritten(written, readBack));
    // The list selections from 0x3E0 are never written, so never compared.
    for (std::size_t a = layout::kRadioWriteLength; a < RadioImage::kSize; ++a) {
        readBack.setByte(a, static_cast<std::uint8_t>(~written.byte(a)));
    }
    EXPECT_FALSE(compareWritten(written, readBack));
    readBack.setByte(0x3DF, static_cast<std::uint8_t>(written.byte(0x3DF) ^ 1));
    readBack.setByte(0x0A5, 0x00);
    readBack.setByte(0x200, static_cast<std::uint8_t>(written.byte(0x200) + 1));
    const auto difference = compareWritten(written, readBack);
    ASSERT_TRUE(difference);
    EXPECT_EQ(difference->firstAddress, 0x0A5u);
    EXPECT_EQ(difference->written, written.byte(0x0A5));
    EXPECT_EQ(difference->read, 0x00);
    EXPECT_EQ(difference->count, written.byte(0x0A5) == 0 ? 2u : 3u);

    EXPECT_EQ(describeDifference(WriteDifference{0x0A5, 0x4C, 0x00, 3}, Language::English),
              "verification failed at 0x0A5: wrote 0x4C, read 0x00 (3 bytes differ)");
    EXPECT_EQ(describeDifference(WriteDifference{0x3DF, 0xFF, 0x7F, 1}, Language::English),
              "verification failed at 0x3DF: wrote 0xFF, read 0x7F (1 byte differ)");
    EXPECT_EQ(
        describeDifference(WriteDifference{0x3DF, 0xFF, 0x7F, 1}, Language::SimplifiedChinese),
        "校验失败，地址 0x3DF：写入 0xFF，读回 0x7F（共 1 个字节不同）");
}

TEST(LineProbe, TellsAnEchoFromNoise) {
    using Replies = std::vector<std::vector<std::uint8_t>>;
    struct Case {
        Replies replies;
        LineVerdict verdict;
    };
    const std::vector<Case> cases = {
        {{{}, {}, {}, {}}, LineVerdict::NoReply},
        // The last handshake byte comes back; on a slower line more of them.
        {{{'M'}, {'M'}, {'M'}, {'M'}}, LineVerdict::Echo},
        {{{'A', 'M'}, {'R', 'A', 'M'}, {}, {'M'}}, LineVerdict::Echo},
        // An echoing cable with a radio behind it still echoes.
        {{{'M', 0x06}}, LineVerdict::Echo},
        {{{0x02, 'P', 'R', 'O', 'G', 'R', 'A', 'M'}}, LineVerdict::Echo},
        {{{'M'}, {0x33, 0xE5}, {'M'}, {'M'}}, LineVerdict::Noise},
        {{{0x00}, {}, {}, {}}, LineVerdict::Noise},
        {{{'P'}}, LineVerdict::Noise},
        {{{'A'}}, LineVerdict::Noise},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(judgeUnanswered(c.replies), c.verdict)
            << "first reply of " << c.replies.front().size() << " bytes";
    }
}

TEST(DeviceAccess, NamesTheGroupAndTheWayOut) {
    struct Case {
        DeviceAccess access;
        std::string advice;
    };
    const std::vector<Case> cases = {
        {{"dialout", true, false, false},
         "permission denied: the device belongs to group dialout and you are not in it; run "
         "\"sudo usermod -aG dialout $USER\", then log out and in again"},
        {{"uucp", true, false, true},
         "permission denied: you were added to group uucp after this login began; log out and "
         "in again"},
        // Joining the group would not help: it may not use the device either.
        {{"dialout", false, false, false}, "permission denied"},
        {{"dialout", true, true, true}, "permission denied"},
        {{"", true, false, false}, "permission denied"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(permissionAdvice(c.access, Language::English), c.advice) << c.access.group;
    }
    EXPECT_EQ(permissionAdvice(cases[0].access, Language::TraditionalChinese),
              "權限不足：裝置屬於 dialout 群組，而您不在其中；請執行 \"sudo usermod -aG dialout "
              "$USER\"，然後重新登入");
}

} // namespace
