// The safety net as a user meets it, against zrx-sim through the real serial
// code: zrx write --verify and --backup, the backups every read keeps and
// zrx doctor (zrx fleet has its own suite).

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "core/child_process.h"
#include "core/environment_override.h"
#include "core/file_bytes.h"
#include "core/radio_simulator.h"
#include "core/random_image.h"
#include "core/temp_dir.h"
#include "image/channel_data_file.h"
#include "image/image_layout.h"
#include "image/new_image.h"
#include "link/posix_serial_port.h"
#include "safety/backup_store.h"
#include "zrx_run_fixture.h"

using namespace zrx;
namespace fs = std::filesystem;

namespace {

class ZrxSafety : public ZrxRun {
protected:
    std::vector<BackupEntry> backups() const {
        return listBackups(dataHome / "zrx-pc-encoder" / "backups");
    }
    std::size_t filesInBackupFolder() const {
        std::error_code ec;
        const fs::path folder = dataHome / "zrx-pc-encoder" / "backups";
        return fs::exists(folder, ec)
                   ? static_cast<std::size_t>(
                         std::distance(fs::directory_iterator(folder), fs::directory_iterator()))
                   : 0;
    }

    static RadioImage imageOf(const std::string& path) {
        RadioImage image;
        EXPECT_TRUE(loadChannelDataFile(path, image)) << path;
        return image;
    }

    fs::path dataHome = dir / "data";
    // Backups go to this test's own folder, never the real home.
    EnvironmentOverride data{"XDG_DATA_HOME", dataHome.string()};
};

// The last line of `text` that contains `part`, or empty.
std::string lineWith(const std::string& text, const std::string& part) {
    std::istringstream in(text);
    std::string found;
    for (std::string line; std::getline(in, line);) {
        if (const auto at = line.find(part); at != std::string::npos) {
            found = line.substr(
                line.rfind('\r', at) == std::string::npos ? 0 : line.rfind('\r', at) + 1);
        }
    }
    return found;
}

TEST_F(ZrxSafety, VerifyProvesTheWriteAndCatchesACellThatDidNotTakeIt) {
    const RadioImage radio = makeNewImage();
    const RadioImage image = randomImage(21);
    ASSERT_NE(image.byte(0x123), radio.byte(0x123));
    char expected[128];
    std::snprintf(expected, sizeof expected,
                  "zrx: verification failed at 0x123: wrote 0x%02X, read 0x%02X (1 byte differ)",
                  image.byte(0x123), radio.byte(0x123));
    struct Case {
        std::vector<std::string> fault;
        int status;
        std::string message;
    };
    const std::vector<Case> cases = {
        {{}, 0, ""},
        {{"--stuck-cell", "0x123"}, 1, expected},
        // Never written, so never compared: the list selections at 0x3E0 on.
        {{"--stuck-cell", "0x3E5"}, 0, ""},
        {{"--bad-ack-at", "7"}, 1, "zrx: Communication with the radio failed"},
        // Block 126 exists only in the read that checks the write.
        {{"--bad-ack-at", "126"},
         1,
         "zrx: the write went through, but reading it back failed: Communication with the radio "
         "failed"},
    };
    const std::string file = save("image.sin", image);
    const std::string memory = save("radio.sin", radio);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fault.empty() ? "no fault" : c.fault.front() + " " + c.fault.back());
        std::vector<std::string> arguments = {"--memory", memory};
        arguments.insert(arguments.end(), c.fault.begin(), c.fault.end());
        RadioSimulator sim(arguments);
        EXPECT_EQ(zrx({"write", "--port", sim.device(), file, "--verify", "--force"}), c.status)
            << errors;
        if (!c.message.empty()) {
            EXPECT_EQ(lineWith(errors, "zrx: "), c.message) << errors;
        }
    }
}

TEST_F(ZrxSafety, EverySuccessfulReadKeepsAByteExactBackupAndNoFailedOneDoes) {
    const RadioImage radio = randomImage(31);
    const std::string memory = save("radio.sin", radio);
    for (const auto& fault : std::vector<std::vector<std::string>>{{"--silent"},
                                                                   {"--bad-ack-at", "128"},
                                                                   {"--hang-up-at", "64"},
                                                                   {"--short-reply-at", "1"}}) {
        SCOPED_TRACE(fault.front());
        std::vector<std::string> arguments = {"--memory", memory};
        arguments.insert(arguments.end(), fault.begin(), fault.end());
        RadioSimulator sim(arguments);
        EXPECT_EQ(zrx({"read", "--port", sim.device(), "--out", (dir / "out.sin").string()}), 1);
        EXPECT_EQ(filesInBackupFolder(), 0u);
    }
    {
        RadioSimulator sim({"--memory", memory});
        ASSERT_EQ(zrx({"read", "--port", sim.device(), "--out", (dir / "out.sin").string()}), 0)
            << errors;
    }
    ASSERT_EQ(backups().size(), 1u);
    EXPECT_EQ(readBytes(backups()[0].path), readBytes(memory));
    EXPECT_EQ(readBytes(dir / "out.sin"), readBytes(memory));

    // write --backup keeps the radio as it was, then writes.
    const std::string saved = (dir / "after.sin").string();
    {
        RadioSimulator sim({"--memory", memory, "--save", saved});
        ASSERT_EQ(
            zrx({"write", "--backup", "--port", sim.device(), save("new.sin", makeNewImage())}), 0)
            << errors;
        ASSERT_EQ(sim.stop(), 0);
    }
    EXPECT_EQ(imageOf(saved).range(0, layout::kRadioWriteLength)[0], makeNewImage().byte(0));
    const auto entries = backups();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].originTag, "zrx-write");
    EXPECT_EQ(readBytes(entries[0].path), readBytes(memory));
    EXPECT_EQ(filesInBackupFolder(), 2u);

    ASSERT_EQ(zrx({"backups"}), 0) << errors;
    const auto writeLine = output.find("zrx write --backup");
    const auto readLine = output.find("zrx read");
    EXPECT_NE(writeLine, std::string::npos) << output;
    EXPECT_LT(writeLine, readLine) << "newest first:\n" << output;
    EXPECT_NE(output.find((dataHome / "zrx-pc-encoder" / "backups").string()), std::string::npos);
}

TEST_F(ZrxSafety, WriteBackupWritesNothingWhenTheRadioCannotBeReadFirst) {
    const std::string saved = (dir / "after.sin").string();
    RadioSimulator sim({"--bad-ack-at", "100", "--save", saved});
    EXPECT_EQ(zrx({"write", "--backup", "--port", sim.device(), save("new.sin", randomImage(5)),
                   "--force"}),
              1);
    EXPECT_NE(errors.find("zrx: Communication with the radio failed\n"), std::string::npos);
    ASSERT_EQ(sim.stop(), 0);
    EXPECT_FALSE(fs::exists(saved)); // the radio's memory never changed
    EXPECT_EQ(filesInBackupFolder(), 0u);
}

TEST_F(ZrxSafety, DoctorTellsWhatIsOnTheLineWithoutTouchingTheMemory) {
    struct Case {
        std::vector<std::string> simulator;
        int status;
        std::string radioLine;
        int handshakes; // attempts sent
        bool identified;
    };
    const std::vector<Case> cases = {
        {{},
         0,
         "Radio: yes - a radio answered (handshake 06, identification 5A 52 58 34 31 32 00 01)",
         1,
         true},
        {{"--handshake-reply", "0x16", "--answer-attempt", "3"},
         0,
         "Radio: yes - a radio answered (handshake 16, identification 5A 52 58 34 31 32 00 01)",
         3,
         true},
        {{"--silent"}, 1, "Radio: NO - no reply at all: check the cable", 4, false},
        {{"--echo"},
         1,
         // Usually the last byte of each attempt ("heard 4D 4D 4D 4D"); on a
         // busy machine an earlier one may come back late as well.
         "Radio: NO - the bytes sent come straight back (heard ",
         4,
         false},
        {{"--noise"}, 1, "Radio: NO - only noise came back (heard ", 4, false},
    };
    const std::vector<std::uint8_t> handshake = {0x02, 'P', 'R', 'O', 'G', 'R', 'A', 'M'};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.simulator.empty() ? "radio" : c.simulator.front());
        const std::string log =
            (dir / (std::to_string(c.handshakes) + c.radioLine.substr(7, 4) + ".log")).string();
        RadioSimulator sim(c.simulator, log);
        EXPECT_EQ(zrx({"doctor", "--port", sim.device()}), c.status) << errors;
        EXPECT_EQ(output.find("Port exists: yes - " + sim.device() +
                              "\nSerial device: yes\nYou may open it: yes\n"
                              "Not in use by another program: yes\n" +
                              c.radioLine),
                  0u)
            << output;
        sim.stop();
        // Only the opening of a session, never a read or write command.
        std::vector<std::uint8_t> opening;
        for (int attempt = 0; attempt < c.handshakes; ++attempt) {
            opening.insert(opening.end(), handshake.begin(), handshake.end());
        }
        if (c.identified) {
            opening.insert(opening.end(), {0x02, 0x06});
        }
        EXPECT_EQ(sim.traffic().received, opening);
    }
}

TEST_F(ZrxSafety, DoctorNamesWhatIsWrongWithThePort) {
    const fs::path settings = dir / "Program.ini";
    writeBytes(settings, "[Setup]\nCOM=COM1\n");
    const auto modified = fs::last_write_time(settings);
    EXPECT_EQ(zrx({"doctor", "--port", settings.string()}), 1);
    EXPECT_EQ(output, "Port exists: yes\nSerial device: NO - " + settings.string() +
                          ": a regular file, not a serial port; it was left untouched\n");
    EXPECT_EQ(readBytes(settings), "[Setup]\nCOM=COM1\n");
    EXPECT_EQ(fs::last_write_time(settings), modified);
    EXPECT_EQ(zrx({"doctor", "--port", dir.path().string(), "--lang", "chs"}), 1);
    EXPECT_NE(output.find("是文件夹，不是串口"), std::string::npos) << output;
    EXPECT_EQ(zrx({"doctor", "--port", (dir / "absent").string()}), 1);
    EXPECT_EQ(output, "Port exists: NO - no such device: " + (dir / "absent").string() + "\n");

    // A port another program holds (here this test, the way a transfer holds it).
    RadioSimulator sim({});
    PosixSerialPort holder;
    ASSERT_TRUE(holder.open(sim.device()));
    EXPECT_EQ(zrx({"doctor", "--port", sim.device()}), 1);
    EXPECT_NE(output.find("You may open it: yes\nNot in use by another program: NO - " +
                          sim.device() + ": another program has it open"),
              std::string::npos)
        << output;
}

} // namespace
