// `zrx read` and `zrx write` as a user runs them, against zrx-sim.

#include <gtest/gtest.h>

#include <fstream>
#include <random>

#include "core/child_process.h"
#include "core/file_bytes.h"
#include "core/radio_simulator.h"
#include "core/random_image.h"
#include "core/temp_dir.h"
#include "image/channel_data_file.h"
#include "image/image_layout.h"
#include "zrx_run_fixture.h"

using namespace zrx;
namespace fs = std::filesystem;

namespace {

class ZrxTransfer : public ZrxRun {
protected:
    std::vector<std::string> filesInDir() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir.path())) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST_F(ZrxTransfer, ReadThenWriteCopiesOneRadioIntoAnother) {
    const RadioImage source = randomImage(11);
    const RadioImage target = randomImage(12);
    const std::string copy = (dir / "copy.sin").string();
    {
        RadioSimulator radio({"--memory", save("source.sin", source)});
        ASSERT_EQ(zrx({"read", "--port", radio.device(), "--out", copy}), 0) << errors;
        EXPECT_NE(errors.find("\n128 of 128 blocks\n"), std::string::npos) << errors;
    }
    RadioImage read;
    ASSERT_TRUE(loadChannelDataFile(copy, read));
    EXPECT_EQ(read, source);

    const std::string written = (dir / "target-after.sin").string();
    RadioSimulator radio({"--memory", save("target.sin", target), "--save", written});
    // Random bytes are no channel plan: --force writes them as they are.
    ASSERT_EQ(zrx({"write", "--port", radio.device(), copy, "--force"}), 0) << errors;
    EXPECT_NE(errors.find("\n124 of 124 blocks\n"), std::string::npos) << errors;
    ASSERT_EQ(radio.stop(), 0);

    RadioImage after;
    ASSERT_TRUE(loadChannelDataFile(written, after));
    for (std::size_t offset = 0; offset < RadioImage::kSize; ++offset) {
        ASSERT_EQ(after.byte(offset),
                  offset < layout::kRadioWriteLength ? source.byte(offset) : target.byte(offset))
            << "offset " << offset;
    }
}

// Whatever goes wrong on the line, read leaves no file, not even a partial
// or temporary one, and an existing file keeps its contents.
TEST_F(ZrxTransfer, FailedReadsLeaveNoFileBehind) {
    const std::vector<std::vector<std::string>> faults = {{"--silent"},
                                                          {"--bad-ack-at", "5"},
                                                          {"--short-reply-at", "128"},
                                                          {"--hang-up-at", "64"},
                                                          {"--bad-ack-at", "128"}};
    const std::string kept = save("kept.sin", randomImage(13));
    const std::string keptBytes = readBytes(kept);
    for (const auto& fault : faults) {
        SCOPED_TRACE(fault.front());
        {
            RadioSimulator radio(fault);
            EXPECT_EQ(zrx({"read", "--port", radio.device(), "--out", (dir / "new.sin").string()}),
                      1);
            EXPECT_NE(errors.find("zrx: Communication with the radio failed\n"), std::string::npos)
                << errors;
        }
        {
            RadioSimulator radio(fault);
            EXPECT_EQ(zrx({"read", "--port", radio.device(), "--out", kept}), 1);
        }
        EXPECT_EQ(filesInDir(), std::vector<std::string>{"kept.sin"});
        EXPECT_EQ(readBytes(kept), keptBytes);
    }
}

TEST_F(ZrxTransfer, FailedWritesReportTheFailure) {
    const std::string image = save("image.sin", randomImage(14));
    for (const auto& fault : std::vector<std::vector<std::string>>{
             {"--bad-ack-at", "7"}, {"--hang-up-at", "124"}, {"--handshake-reply", "0x15"}}) {
        SCOPED_TRACE(fault.front());
        RadioSimulator radio(fault);
        EXPECT_EQ(zrx({"write", "--port", radio.device(), image, "--force"}), 1);
        EXPECT_NE(errors.find("zrx: Communication with the radio failed\n"), std::string::npos)
            << errors;
    }
}

TEST_F(ZrxTransfer, ARegularFileNamedAsThePortIsNeverWritten) {
    const fs::path settings = dir / "Program.ini";
    std::ofstream(settings) << "[Setup]\nCOM=COM1\n";
    const std::string image = save("image.sin", randomImage(15));

    EXPECT_EQ(zrx({"write", "--port", settings.string(), image, "--force"}), 1);
    EXPECT_TRUE(errors.ends_with("zrx: Could not open the port\n  " + settings.string() +
                                 ": not a serial device\n"))
        << errors;
    EXPECT_EQ(zrx({"read", "--port", settings.string(), "--out", (dir / "x.sin").string()}), 1);
    EXPECT_EQ(readBytes(settings), "[Setup]\nCOM=COM1\n");
    EXPECT_FALSE(fs::exists(dir / "x.sin"));
}

TEST_F(ZrxTransfer, MessagesComeInTheChosenLanguage) {
    EXPECT_EQ(zrx({"read", "--port", "", "--out", (dir / "x.sin").string(), "--lang", "cht"}), 1);
    EXPECT_EQ(errors, "zrx: 無法打開串口\n  未指定串口\n");
    EXPECT_EQ(zrx({"read", "--port", (dir / "absent").string(), "--out", (dir / "x.sin").string(),
                   "--lang", "chs"}),
              1);
    EXPECT_EQ(errors, "zrx: 无法打开串口\n  设备不存在：" + (dir / "absent").string() + "\n");
    RadioSimulator radio({"--bad-ack-at", "1"});
    EXPECT_EQ(zrx({"write", "--port", radio.device(), save("image.sin", randomImage(16)), "--lang",
                   "chs", "--force"}),
              1);
    EXPECT_NE(errors.find("zrx: 通信出錯\n"), std::string::npos);
}

TEST_F(ZrxTransfer, WriteOfAnUnreadableFileNeverTouchesThePort) {
    RadioSimulator radio({}, (dir / "line.log").string());
    EXPECT_EQ(zrx({"write", "--port", radio.device(), (dir / "missing.sin").string()}), 1);
    EXPECT_NE(errors.find("missing.sin"), std::string::npos) << errors;
    radio.stop();
    EXPECT_TRUE(radio.traffic().lines.empty());
}

} // namespace
