// Seeded chaos sessions through the real serial code: for each seed,
// zrx-sim spoils replies at random (lost, cut short, noise, a dropped line)
// and `zrx read` or `zrx write --verify` runs against it as a user runs
// them. Every session must end within its time-outs in success or the
// communication failure, never with a partial or temporary file, and every
// successful read must leave exactly one byte-exact backup.
//
//   zrx_chaos_soak [sessions] [minutes] [mode]   (zrx and zrx-sim from ZRX_OUTPUT_DIR)
//
// mode: "mixed" (reads and verified writes alternating, the default),
// "reads" (every session `zrx read`) or "verified-reads" (every session
// `zrx read --verify`): the last two give the figure of reads that
// succeeded with wrong bytes, without and with the double read.

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
// A verified read is up to three reads, each of which may meet a spoilt
// reply at its slowest.
constexpr double kLongestVerifiedRead = 3 * 4.0;
constexpr auto kHang = std::chrono::seconds(30);

struct Figures {
    int sessions = 0;
    int succeeded = 0;
    int failedCleanly = 0; // the communication failure, nothing left behind
    int verifyCaught = 0;  // a verified write whose read-back differed
    int wrongData = 0;     // a read that succeeded with other bytes than the radio's
    int reads = 0;         // sessions that were reads
    int thirdReads = 0;    // verified reads whose first two reads differed
    int disagreed = 0;     // verified reads that failed because no two reads agreed
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

// The communication failure (of a read, or of a write's read-back) as its
// last words: the message, then one line that says what happened.
bool failedWithReason(const std::string& errors) {
    for (const std::string message : {"zrx: Communication with the radio failed\n  ",
                                      "reading it back failed: Communication with the radio "
                                      "failed\n  "}) {
        const auto at = errors.rfind(message);
        if (at != std::string::npos &&
            errors.find('\n', at + message.size()) == errors.size() - 1) {
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char** argv) {
    const int sessions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;
    const double minutes = argc > 2 ? std::atof(argv[2]) : 60.0;
    const std::string mode = argc > 3 ? argv[3] : "mixed";
    if (mode != "mixed" && mode != "reads" && mode != "verified-reads") {
        std::fprintf(stderr, "mode: mixed, reads or verified-reads\n");
        return 2;
    }
    const bool verifiedReads = mode == "verified-reads";
    const double bound = verifiedReads ? kLongestVerifiedRead : kLongestSession;
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
        const bool read = mode != "mixed" || seed % 2 == 1;
        RadioSimulator radio({"--chaos", std::to_string(seed), "--memory", memory});
        const std::size_t backupsBefore = countFiles(backups);
        std::error_code ec;
        fs::remove(out, ec);
        const auto start = Clock::now();
        std::vector<std::string> arguments =
            read ? std::vector<std::string>{"read", "--port", radio.device(), "--out", out}
                 : std::vector<std::string>{"write",  "--verify",     "--force",
                                            "--port", radio.device(), image};
        if (verifiedReads) {
            arguments.insert(arguments.end(), {"--verify", "--json"});
        }
        ChildProcess zrx("zrx", arguments);
        const int status = zrx.wait(kHang);
        const double taken = std::chrono::duration<double>(Clock::now() - start).count();
        radio.stop();
        ++figures.sessions;
        figures.longest = std::max(figures.longest, taken);
        const std::string& errors = zrx.standardError();
        figures.reads += read ? 1 : 0;
        if (status < 0) {
            ++figures.hangs;
        } else if (status == 0) {
            ++figures.succeeded;
            if (read && readBytes(out) != memoryBytes) {
                ++figures.wrongData;
            }
            if (zrx.standardOutput().find("\"reads\": 3") != std::string::npos) {
                ++figures.thirdReads;
            }
        } else if (status == 1 && failedWithReason(errors)) {
            ++figures.failedCleanly;
            if (errors.find("no two agree") != std::string::npos) {
                ++figures.disagreed;
            }
        } else if (status == 1 && !read &&
                   errors.find("zrx: verification failed at 0x") != std::string::npos) {
            ++figures.verifyCaught;
        } else {
            ++figures.badEndings;
            std::fprintf(stderr, "seed %d: status %d: %s\n", seed, status, errors.c_str());
        }
        if (taken > bound) {
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
    std::printf("chaos sessions: %d (%s)\n", figures.sessions,
                mode == "mixed" ? "reads and verified writes alternating"
                : verifiedReads ? "zrx read --verify"
                                : "zrx read");
    std::printf("  succeeded %d, failed cleanly %d, verification caught a bad read-back %d\n",
                figures.succeeded, figures.failedCleanly, figures.verifyCaught);
    std::printf("  hangs %d, other endings %d, partial or stray files %d, backup faults %d\n",
                figures.hangs, figures.badEndings, figures.leftovers, figures.backupFaults);
    std::printf("  reads that succeeded with wrong bytes %d of %d reads\n", figures.wrongData,
                figures.reads);
    if (verifiedReads) {
        std::printf("  a third read settled the reads %d times; no two reads agreed %d times\n",
                    figures.thirdReads, figures.disagreed);
    }
    std::printf("  longest session %.2f s (bound %.1f s)\n", figures.longest, bound);
    const bool clean = figures.hangs == 0 && figures.badEndings == 0 && figures.leftovers == 0 &&
                       figures.backupFaults == 0 && figures.longest <= bound &&
                       (!verifiedReads || figures.wrongData == 0);
    return clean ? 0 : 1;
}
