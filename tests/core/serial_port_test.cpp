// The POSIX serial port: which names open what, what is refused, and how
// reads wait, on a pseudo-terminal the test drives itself.

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <fstream>
#include <numeric>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include "link/posix_serial_port.h"
#include "link/radio_line_setup.h"
#include "link/transfer_guard.h"
#include "temp_dir.h"

using namespace zrx;
using Clock = std::chrono::steady_clock;

namespace {

// The other end of a serial line, for tests that play the radio by hand.
class PtyLine {
public:
    PtyLine() {
        m_master = ::posix_openpt(O_RDWR | O_NOCTTY);
        EXPECT_GE(m_master, 0);
        EXPECT_EQ(::grantpt(m_master), 0);
        EXPECT_EQ(::unlockpt(m_master), 0);
        char name[128] = {};
        EXPECT_EQ(::ptsname_r(m_master, name, sizeof name), 0);
        m_device = name;
    }
    ~PtyLine() { hangUp(); }
    PtyLine(const PtyLine&) = delete;
    PtyLine& operator=(const PtyLine&) = delete;

    [[nodiscard]] const std::string& device() const { return m_device; }
    void send(const std::vector<std::uint8_t>& bytes) const {
        ASSERT_EQ(::write(m_master, bytes.data(), bytes.size()),
                  static_cast<ssize_t>(bytes.size()));
    }
    std::vector<std::uint8_t> receive(std::size_t count) const {
        std::vector<std::uint8_t> bytes(count);
        std::size_t got = 0;
        while (got < count) {
            const ssize_t n = ::read(m_master, bytes.data() + got, count - got);
            if (n <= 0) {
                break;
            }
            got += static_cast<std::size_t>(n);
        }
        bytes.resize(got);
        return bytes;
    }
    // The line as another program may leave it: flow control of both
    // kinds, 2 stop bits, parity checking, the eighth bit stripped. (A
    // pty's master reads and sets the settings of its slave; a pty always
    // carries 8 bits without parity, whatever it is told.)
    void leaveDirty() const {
        termios dirty{};
        ASSERT_EQ(::tcgetattr(m_master, &dirty), 0);
        dirty.c_iflag |= IXON | IXOFF | ISTRIP | INPCK;
        dirty.c_cflag |= CSTOPB | CRTSCTS;
        ASSERT_EQ(::tcsetattr(m_master, TCSANOW, &dirty), 0);
    }
    [[nodiscard]] termios settings() const {
        termios now{};
        EXPECT_EQ(::tcgetattr(m_master, &now), 0);
        return now;
    }
    void hangUp() {
        if (m_master >= 0) {
            ::close(m_master);
            m_master = -1;
        }
    }

private:
    int m_master = -1;
    std::string m_device;
};

class OpenPort : public ::testing::Test {
protected:
    void SetUp() override {
        line.leaveDirty();
        ASSERT_TRUE(port.open(line.device()));
        ASSERT_TRUE(setUpRadioLine(port));
    }

    PtyLine line;
    PosixSerialPort port;
};

TEST_F(OpenPort, EveryByteValuePassesUnchangedBothWays) {
    // 0x03 (interrupt), 0x0D (carriage return), 0x11/0x13 (XON/XOFF), 0x7F
    // (erase) and the rest are data to the radio, nothing else, whatever
    // the line was left with.
    const termios now = line.settings();
    EXPECT_EQ(now.c_cflag & (CSIZE | PARENB | CSTOPB | CRTSCTS), static_cast<tcflag_t>(CS8));
    EXPECT_EQ(now.c_iflag & (IXON | IXOFF | ISTRIP | INPCK), 0u);
    std::vector<std::uint8_t> all(256);
    std::iota(all.begin(), all.end(), 0);
    line.send(all);
    std::vector<std::uint8_t> got(256);
    ASSERT_EQ(port.read(got), 256u);
    EXPECT_EQ(got, all);

    ASSERT_EQ(port.write(all), 256u);
    EXPECT_EQ(line.receive(256), all);
}

TEST_F(OpenPort, ReadTakesWhatArrivedWhenTheLineFallsSilent) {
    line.send({1, 2, 3});
    std::vector<std::uint8_t> buffer(8, 0xEE);
    EXPECT_EQ(port.read(buffer), 3u);
    EXPECT_EQ(buffer, (std::vector<std::uint8_t>{1, 2, 3, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE}));
}

TEST_F(OpenPort, ReadOfNothingGivesUpAfterItsTotalTimeOut) {
    std::uint8_t byte = 0;
    const auto start = Clock::now();
    EXPECT_EQ(port.read(std::span(&byte, 1)), 0u);
    const auto waited = Clock::now() - start;
    // 50 ms per byte plus 100 ms: the radio gets all of it to answer.
    EXPECT_GE(waited, std::chrono::milliseconds(145));
    EXPECT_LT(waited, std::chrono::seconds(2));
}

TEST_F(OpenPort, ReadEndsWhenTheLineHangsUp) {
    line.send({7});
    line.hangUp();
    std::vector<std::uint8_t> buffer(12);
    EXPECT_LE(port.read(buffer), 1u);
    EXPECT_EQ(port.read(buffer), 0u);
    EXPECT_EQ(port.write(std::vector<std::uint8_t>{6}), 0u);
}

TEST_F(OpenPort, PurgeDiscardsWhatWasNotReadYet) {
    line.send({1, 2, 3});
    // One write reaches the port whole: once its first byte is in, so is
    // the rest.
    std::uint8_t first = 0;
    ASSERT_EQ(port.read(std::span(&first, 1)), 1u);
    ASSERT_EQ(first, 1);
    ASSERT_TRUE(port.purge());
    line.send({9});
    std::uint8_t byte = 0;
    ASSERT_EQ(port.read(std::span(&byte, 1)), 1u);
    EXPECT_EQ(byte, 9);
}

TEST_F(OpenPort, TheLineIsOursAloneUntilClosed) {
    PosixSerialPort second;
    EXPECT_FALSE(second.open(line.device()));
    EXPECT_EQ(second.openError(), PortOpenError::InUse);
    port.close();
    EXPECT_FALSE(port.isOpen());
    EXPECT_TRUE(second.open(line.device()));
    EXPECT_EQ(second.openError(), PortOpenError::None);
}

// A device this user may not open is told apart from a missing one, so the
// program can name the cause. The check runs in a child that is not the
// super-user, who may open anything.
TEST(PosixSerialPort, TellsAPermissionProblemApart) {
    PtyLine line;
    ASSERT_EQ(::chmod(line.device().c_str(), 0), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::geteuid() == 0 && ::setuid(65534) != 0) {
            ::_exit(100);
        }
        PosixSerialPort port;
        const bool opened = port.open(line.device());
        ::_exit(opened ? 101 : static_cast<int>(port.openError()));
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), static_cast<int>(PortOpenError::PermissionDenied));
}

TEST(PosixSerialPort, RefusesWhatIsNotASerialDevice) {
    TempDir dir;
    const auto fifo = dir / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::pair<std::string, PortOpenError> cases[] = {
        {"", PortOpenError::NoName},
        {(dir / "absent").string(), PortOpenError::NotFound},
        {"/dev/ttyZRX-absent", PortOpenError::NotFound},
        {dir.path().string(), PortOpenError::NotSerialDevice},
        {"/dev/null", PortOpenError::NotSerialDevice},   // a character device, but no terminal
        {fifo.string(), PortOpenError::NotSerialDevice}, // and it must not block either
    };
    PosixSerialPort port;
    for (const auto& [name, reason] : cases) {
        EXPECT_FALSE(port.open(name)) << name;
        EXPECT_EQ(port.openError(), reason) << name;
        EXPECT_FALSE(port.isOpen());
    }
}

TEST(PosixSerialPort, NeverOpensARegularFileForWriting) {
    TempDir dir;
    const auto file = dir / "Program.ini";
    std::ofstream(file) << "[Setup]\nCOM=COM1\n";
    ::chmod(file.c_str(), 0666);
    struct stat before {};
    ASSERT_EQ(::stat(file.c_str(), &before), 0);

    PosixSerialPort port;
    EXPECT_FALSE(port.open(file.string()));
    EXPECT_FALSE(port.purge());
    EXPECT_FALSE(setUpRadioLine(port));
    EXPECT_EQ(port.write(std::vector<std::uint8_t>{0x02, 'P'}), 0u);

    struct stat after {};
    ASSERT_EQ(::stat(file.c_str(), &after), 0);
    EXPECT_EQ(after.st_size, before.st_size);
    EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
    std::ifstream in(file);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "[Setup]\nCOM=COM1\n");
}

TEST(TransferGuard, OnlyOneOfManyStartPressesGetsTheFlag) {
    for (int round = 0; round < 50; ++round) {
        std::atomic<int> flag{0};
        std::atomic<int> winners{0};
        std::atomic<bool> go{false};
        std::vector<std::thread> presses;
        for (int i = 0; i < 4; ++i) {
            presses.emplace_back([&] {
                while (!go) {
                }
                if (claimTransferFlag(flag)) {
                    ++winners;
                }
            });
        }
        go = true;
        for (auto& press : presses) {
            press.join();
        }
        EXPECT_EQ(winners, 1);
        EXPECT_EQ(flag, 1);
        flag = 0; // the worker ended
        EXPECT_TRUE(claimTransferFlag(flag));
    }
}

} // namespace
