// Times whole transfers against zrx-sim pacing the line at 9600 baud, and
// sets each beside its floor: the time the bytes themselves need on the
// line, both ways, at 10 bit times a byte. Also times how long a silent
// radio takes to be given up, and a verified write (a write, then a read of
// the whole memory to compare) beside the floor of the two together.
//
//   zrx_bench_transfer [runs]      (zrx-sim is taken from the build's output folder)

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "image/new_image.h"
#include "link/posix_serial_port.h"
#include "link/protocol_frames.h"
#include "link/transfer_engine.h"
#include "safety/write_verification.h"

extern char** environ;

namespace {

using namespace zrx;
using Clock = std::chrono::steady_clock;

class QuietObserver final : public TransferObserver {
public:
    void setTransferFlag(int) override {}
    void setProgress(int, int, std::string_view) override {}
    void showFailure(std::string_view) override {}
};

// zrx-sim with the given options, its device read from its first line.
class Simulator {
public:
    Simulator(const std::string& program, std::vector<std::string> options) {
        int out[2];
        if (::pipe(out) != 0) {
            return;
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        options.insert(options.begin(), program);
        std::vector<char*> argv;
        for (auto& option : options) {
            argv.push_back(option.data());
        }
        argv.push_back(nullptr);
        if (posix_spawn(&m_pid, program.c_str(), &actions, nullptr, argv.data(), environ) != 0) {
            m_pid = -1;
        }
        posix_spawn_file_actions_destroy(&actions);
        ::close(out[1]);
        char c = 0;
        while (::read(out[0], &c, 1) == 1 && c != '\n') {
            m_device += c;
        }
        ::close(out[0]);
    }
    ~Simulator() {
        if (m_pid > 0) {
            ::kill(m_pid, SIGTERM);
            ::waitpid(m_pid, nullptr, 0);
        }
    }
    Simulator(const Simulator&) = delete;
    Simulator& operator=(const Simulator&) = delete;

    [[nodiscard]] const std::string& device() const { return m_device; }

private:
    pid_t m_pid = -1;
    std::string m_device;
};

double timeTransfer(const std::string& device, TransferDirection direction, bool& ok) {
    PosixSerialPort port;
    QuietObserver observer;
    RadioImage image = makeNewImage();
    const auto start = Clock::now();
    ok = runTransfer(port, TransferRequest{direction, device, Language::English}, image,
                     observer) == TransferOutcome::Success;
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double timeVerifiedWrite(const std::string& device, bool& ok) {
    PosixSerialPort port;
    QuietObserver observer;
    const auto start = Clock::now();
    ok = writeAndVerify(port, device, Language::English, makeNewImage(), observer).outcome ==
         VerifiedWriteOutcome::Verified;
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Bytes on the line for one transfer, both ways: handshake and its reply,
// identification request, reply, confirm and reply, then every block.
std::size_t lineBytes(TransferDirection direction) {
    const std::size_t opening =
        protocol::kHandshake.size() + 1 + 1 + protocol::kIdentificationReplySize + 1 + 1;
    if (direction == TransferDirection::Read) {
        return opening + static_cast<std::size_t>(protocol::kReadBlockCount) *
                             (protocol::kCommandSize + protocol::kReadReplySize + 1 + 1);
    }
    return opening + static_cast<std::size_t>(protocol::kWriteBlockCount) *
                         (protocol::kCommandSize + protocol::kBlockSize + 1);
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    // The simulator lives in the build's output folder, beside the program.
    const std::string program = std::string(ZRX_OUTPUT_DIR_DEFAULT) + "/zrx-sim";

    std::printf("Transfers against zrx-sim --baud %u, median of %d runs\n", protocol::kBaudRate,
                runs);
    Simulator radio(program, {"--baud", std::to_string(protocol::kBaudRate)});
    if (radio.device().empty()) {
        std::fprintf(stderr, "cannot start %s\n", program.c_str());
        return 1;
    }
    bool allOk = true;
    for (const auto direction : {TransferDirection::Read, TransferDirection::Write}) {
        std::vector<double> times;
        int failures = 0;
        for (int run = 0; run < runs; ++run) {
            bool ok = false;
            const double taken = timeTransfer(radio.device(), direction, ok);
            if (ok) {
                times.push_back(taken);
            } else {
                ++failures;
            }
        }
        if (failures > 0) {
            std::printf("%d of %d transfers failed\n", failures, runs);
            allOk = false;
        }
        if (times.empty()) {
            continue;
        }
        const std::size_t bytes = lineBytes(direction);
        const double floor =
            static_cast<double>(bytes * protocol::kBitsPerByte) / protocol::kBaudRate;
        const double taken = median(times);
        std::printf("%-5s %5zu bytes on the line  %.3f s  floor %.3f s  ratio %.3f  (goal <= "
                    "1.05)\n",
                    direction == TransferDirection::Read ? "read" : "write", bytes, taken, floor,
                    taken / floor);
    }

    {
        std::vector<double> times;
        for (int run = 0; run < runs; ++run) {
            bool ok = false;
            times.push_back(timeVerifiedWrite(radio.device(), ok));
            allOk = allOk && ok;
        }
        const std::size_t bytes =
            lineBytes(TransferDirection::Write) + lineBytes(TransferDirection::Read);
        const double floor =
            static_cast<double>(bytes * protocol::kBitsPerByte) / protocol::kBaudRate;
        const double taken = median(times);
        std::printf("write and verify %5zu bytes on the line  %.3f s  floor %.3f s  ratio %.3f  "
                    "(goal <= 1.05)\n",
                    bytes, taken, floor, taken / floor);
    }

    Simulator silent(program, {"--baud", std::to_string(protocol::kBaudRate), "--silent"});
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        bool ok = true;
        times.push_back(timeTransfer(silent.device(), TransferDirection::Read, ok));
        allOk = allOk && !ok;
    }
    std::printf("silent radio given up after %.3f s  (goal < 0.8 s)\n", median(times));
    if (!allOk) {
        std::printf("some transfer did not end as expected\n");
        return 1;
    }
    return 0;
}
