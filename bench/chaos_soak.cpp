// Seeded chaos sessions through the real serial code: for each seed,
// zrx-sim spoils replies at random (lost, cut short, noise, a dropped line)
// and `zrx read` or `zrx write --verify` runs against it as a user runs
// them. Every session must end within its time-outs in success or the
// communication failure, never with a partial or temporary file, and every
// successful read must leave exactly one byte-exact backup.
//
//   zrx_chaos_soak [sessions] [minutes]   (zrx and zrx-sim from ZRX_OUTPUT_DIR)

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/child_process.h"
#include "core/environment_override.h"
#include "core/file_bytes.h"
#include "core/radio_simulator.h"
#include "core/random_image.h"
#include "core/temp_dir.h"
#include "image/channel_data_file.h"

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

// The slowest way a session can end with one spoilt reply: every handshake
// attempt unanswered, or a reply lost near the end, in the write or in the
// read that checks it. Beyond this a wait is not bounded by a time-out.
constexpr double kLongestSession = 8.0;
constexpr auto kHang = std::chrono::seconds(30);

struct Figures {
    int sessions = 0;
    int succeeded = 0;
    int failedCleanly = 0; // the communication failure, nothing left behind
    int verifyCaught = 0;  // a verified write whose read-back differed
    int wrongData = 0;     // a read that succeeded with other bytes than the radio's
    int hangs = 0;         // killed after kHang
    int badEndings = 0;    // any other exit status or message
    int leftovers = 0;     // partial, temporary or unexpected files
    int backupFaults = 0;  // a backup missing, extra or not byte-exact
    double longest = 0;
};

std::size_t countFiles(const fs::path& folder) {
    std::error_code ec;
    if (!fs::exists(folder, ec)) {
        return 0;
    }
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

bool endsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

} // namespace

int main(int argc, char** argv) {
    const int sessions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;
    const double minutes = argc > 2 ? std::atof(argv[2]) : 60.0;
    if (std::getenv("ZRX_OUTPUT_DIR") == nullptr) {
        ::setenv("ZRX_OUTPUT_DIR", ZRX_OUTPUT_DIR_DEFAULT, 1);
    }
    TempDir dir;
    const fs::path backups = dir / "data/zrx-pc-encoder/backups";
    EnvironmentOverride dataHome("XDG_DATA_HOME", (dir / "data").string());
    const std::string memory = (dir / "radio.sin").string();
    const std::string image = (dir / "image.sin").string();
    if (!zrx::saveChannelDataFile(memory, randomImage(1)) ||
        !zrx::saveChannelDataFile(image, randomImage(2))) {
        std::fprintf(stderr, "cannot write the test files\n");
        return 1;
    }
    const std::string memoryBytes = readBytes(memory);
    const std::string out = (dir / "out.sin").string();

    Figures figures;
    const auto deadline = Clock::now() + std::chrono::duration<double>(minutes * 60.0);
    for (int seed = 1; seed <= sessions && Clock::now() < deadline; ++seed) {
        const bool read = seed % 2 == 1;
        RadioSimulator radio({"--chaos", std::to_string(seed), "--memory", memory});
        const std::size_t backupsBefore = countFiles(backups);
        std::error_code ec;
        fs::remove(out, ec);
        const auto start = Clock::now();
        ChildProcess zrx(
            "zrx", read ? std::vector<std::string>{"read", "--port", radio.device(), "--out", out}
                        : std::vector<std::string>{"write", "--verify", "--force", "--port",
                                                   radio.device(), image});
        const int status = zrx.wait(kHang);
        const double taken = std::chrono::duration<double>(Clock::now() - start).count();
        radio.stop();
        ++figures.sessions;
        figures.longest = std::max(figures.longest, taken);
        const std::string& errors = zrx.standardError();
        if (status < 0) {
            ++figures.hangs;
        } else if (status == 0) {
            ++figures.succeeded;
            if (read && readBytes(out) != memoryBytes) {
                ++figures.wrongData;
            }
        } else if (status == 1 && (endsWith(errors, "zrx: Communication with the radio failed\n") ||
                                   endsWith(errors, "reading it back failed: Communication with "
                                                    "the radio failed\n"))) {
            ++figures.failedCleanly;
        } else if (status == 1 && !read &&
                   errors.find("zrx: verification failed at 0x") != std::string::npos) {
            ++figures.verifyCaught;
        } else {
            ++figures.badEndings;
            std::fprintf(stderr, "seed %d: status %d: %s\n", seed, status, errors.c_str());
        }
        if (taken > kLongestSession) {
            std::fprintf(stderr, "seed %d took %.2f s\n", seed, taken);
        }
        // Beside the backups' folder: the two inputs, the output of a good
        // read and nothing else; no temporary file anywhere.
        const std::size_t expectedFiles = 2 + (read && status == 0 ? 1 : 0);
        const std::size_t files = countFiles(dir.path()) - (fs::exists(dir / "data") ? 1 : 0);
        if (files != expectedFiles) {
            ++figures.leftovers;
            std::fprintf(stderr, "seed %d left %zu files\n", seed, files);
        }
        const std::size_t newBackups = countFiles(backups) - backupsBefore;
        const bool backupExpected = read && status == 0;
        if (newBackups != (backupExpected ? 1u : 0u)) {
            ++figures.backupFaults;
            std::fprintf(stderr, "seed %d: %zu new backups\n", seed, newBackups);
        } else if (backupExpected) {
            fs::path newest;
            for (const auto& entry : fs::directory_iterator(backups)) {
                newest = std::max(newest, entry.path());
            }
            if (readBytes(newest) != readBytes(out)) {
                ++figures.backupFaults;
                std::fprintf(stderr, "seed %d: the backup differs from the file read\n", seed);
            }
        }
    }
    std::printf("chaos sessions: %d (reads and verified writes alternating)\n", figures.sessions);
    std::printf("  succeeded %d, failed cleanly %d, verification caught a bad read-back %d\n",
                figures.succeeded, figures.failedCleanly, figures.verifyCaught);
    std::printf("  hangs %d, other endings %d, partial or stray files %d, backup faults %d\n",
                figures.hangs, figures.badEndings, figures.leftovers, figures.backupFaults);
    std::printf("  reads that succeeded with wrong bytes %d\n", figures.wrongData);
    std::printf("  longest session %.2f s (bound %.1f s)\n", figures.longest, kLongestSession);
    const bool clean = figures.hangs == 0 && figures.badEndings == 0 && figures.leftovers == 0 &&
                       figures.backupFaults == 0 && figures.longest <= kLongestSession;
    return clean ? 0 : 1;
}
