// How a fleet run scales with its ports: 1, 4 and 8 radios, each a zrx-sim
// on its own pseudo-terminal pacing the line at 9600 baud, one radio per
// port, every radio written and verified. Prints the wall time of each run,
// the time per radio, the ratio to one radio (the goal: 8 radios in at most
// 1.15 times the time of one), the floor the line itself sets, and the CPU
// the run and the simulators used, since the machine's cores are what the
// ports share.
//
//   zrx_fleet_bench [runs]      (zrx-sim from ZRX_OUTPUT_DIR)

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <sys/resource.h>
#include <unistd.h>

#include "core/radio_simulator.h"
#include "image/new_image.h"
#include "link/protocol_frames.h"
#include "safety/fleet_run.h"

namespace {

using namespace zrx;
using Clock = std::chrono::steady_clock;

class CountingObserver final : public FleetObserver {
public:
    void portChanged(std::size_t, const FleetPortStatus&) override {}
    void radioDone(const FleetRadio& radio) override {
        ++m_radios;
        m_verified += radio.verify == FleetVerify::Verified ? 1 : 0;
        m_longest = std::max(m_longest, radio.seconds);
    }
    [[nodiscard]] int count() const { return m_radios; }
    [[nodiscard]] int verified() const { return m_verified; }
    [[nodiscard]] double longest() const { return m_longest; }

private:
    int m_radios = 0;
    int m_verified = 0;
    double m_longest = 0;
};

double cpuSeconds(const rusage& usage) {
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double ownCpu() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return cpuSeconds(usage);
}

// The CPU seconds a running process has used, from /proc.
double processCpu(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const auto afterName = text.rfind(')');
    if (afterName == std::string::npos) {
        return 0;
    }
    std::istringstream fields(text.substr(afterName + 2));
    std::string field;
    double ticks = 0;
    // After the name: state is field 3; utime and stime are fields 14 and 15.
    for (int number = 3; number <= 15 && fields >> field; ++number) {
        if (number >= 14) {
            ticks += std::stod(field);
        }
    }
    return ticks / static_cast<double>(sysconf(_SC_CLK_TCK));
}

// Bytes on the line for one verified write, both ways: the write session,
// then the read-back session, each with its handshake and identification.
double lineFloorSeconds() {
    const std::size_t opening =
        protocol::kHandshake.size() + 1 + 1 + protocol::kIdentificationReplySize + 1 + 1;
    const std::size_t write = opening + static_cast<std::size_t>(protocol::kWriteBlockCount) *
                                            (protocol::kCommandSize + protocol::kBlockSize + 1);
    const std::size_t read = opening + static_cast<std::size_t>(protocol::kReadBlockCount) *
                                           (protocol::kCommandSize + protocol::kReadReplySize + 2);
    return static_cast<double>((write + read) * protocol::kBitsPerByte) / protocol::kBaudRate;
}

struct Run {
    double seconds = 0;
    double ownCpu = 0;
    double simulatorCpu = 0;
    double longestRadio = 0; // its write and read-back, without finding it first
    int verified = 0;
};

Run timeFleet(const std::vector<std::unique_ptr<RadioSimulator>>& radios) {
    FleetPlan plan;
    plan.templateImage = makeNewImage();
    for (const auto& radio : radios) {
        plan.ports.push_back(radio->device());
    }
    plan.count = static_cast<int>(radios.size());
    std::vector<double> simulatorsBefore;
    for (const auto& radio : radios) {
        simulatorsBefore.push_back(processCpu(radio->process().pid()));
    }
    CountingObserver observer;
    const double cpuBefore = ownCpu();
    const auto start = Clock::now();
    {
        FleetRun run(plan, observer);
        run.start();
        while (!run.wait(std::chrono::minutes(1))) {
        }
    }
    Run result;
    result.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    result.ownCpu = ownCpu() - cpuBefore;
    for (std::size_t i = 0; i < radios.size(); ++i) {
        result.simulatorCpu += processCpu(radios[i]->process().pid()) - simulatorsBefore[i];
    }
    result.verified = observer.verified();
    result.longestRadio = observer.longest();
    return result;
}

Run median(std::vector<Run> runs) {
    std::sort(runs.begin(), runs.end(),
              [](const Run& a, const Run& b) { return a.seconds < b.seconds; });
    return runs[runs.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    if (std::getenv("ZRX_OUTPUT_DIR") == nullptr) {
        ::setenv("ZRX_OUTPUT_DIR", ZRX_OUTPUT_DIR_DEFAULT, 1);
    }
    std::printf("Fleet runs against zrx-sim --baud %u, one radio per port, median of %d runs, "
                "%u cores\n",
                protocol::kBaudRate, runs, std::thread::hardware_concurrency());
    std::printf("line floor of one verified write: %.3f s\n", lineFloorSeconds());
    double one = 0;
    bool allVerified = true;
    for (const int ports : {1, 4, 8}) {
        std::vector<std::unique_ptr<RadioSimulator>> radios;
        for (int i = 0; i < ports; ++i) {
            radios.push_back(std::make_unique<RadioSimulator>(
                std::vector<std::string>{"--baud", std::to_string(protocol::kBaudRate)}));
            if (radios.back()->device().empty()) {
                std::fprintf(stderr, "cannot start zrx-sim\n");
                return 1;
            }
        }
        std::vector<Run> times;
        for (int run = 0; run < runs; ++run) {
            times.push_back(timeFleet(radios));
            allVerified = allVerified && times.back().verified == ports;
        }
        const Run taken = median(times);
        if (ports == 1) {
            one = taken.seconds;
        }
        std::printf("%d radio%s  %.3f s  %.3f s per radio  %.3f x one radio%s  verified %d/%d  "
                    "slowest write and read-back %.3f s  CPU: run %.2f s, simulators %.2f s\n",
                    ports, ports == 1 ? " " : "s", taken.seconds, taken.seconds / ports,
                    taken.seconds / one, ports == 8 ? " (goal <= 1.15)" : "", taken.verified, ports,
                    taken.longestRadio, taken.ownCpu, taken.simulatorCpu);
    }
    if (!allVerified) {
        std::printf("some radio was not verified\n");
        return 1;
    }
    return 0;
}
