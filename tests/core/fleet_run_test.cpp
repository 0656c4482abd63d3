// The fleet engine against several zrx-sim radios at once, through the real
// serial code: how many radios it programs and what it reports from its
// port threads (trouble on one port: see the zrx fleet suite).

#include <gtest/gtest.h>

#include <atomic>
#include <map>
#include <mutex>
#include <set>

#include "image/channel_data_file.h"
#include "image/image_layout.h"
#include "image/settings_codes.h"
#include "radio_simulator.h"
#include "random_image.h"
#include "safety/fleet_run.h"
#include "temp_dir.h"

using namespace zrx;
using namespace std::chrono_literals;

namespace {

// Keeps what the run reports, and notices two calls at once.
class RecordingFleet final : public FleetObserver {
public:
    void portChanged(std::size_t index, const FleetPortStatus& status) override {
        enter();
        {
            const std::lock_guard lock(m_mutex);
            auto& states = m_states[index];
            if (states.empty() || states.back().state != status.state) {
                states.push_back(status);
            }
            if (status.progressTotal > 0) {
                states.back() = status; // the furthest a radio in progress got
            }
        }
        leave();
    }
    void radioDone(const FleetRadio& radio) override {
        enter();
        {
            const std::lock_guard lock(m_mutex);
            m_radios.push_back(radio);
        }
        leave();
    }

    [[nodiscard]] std::vector<FleetRadio> radios() const {
        const std::lock_guard lock(m_mutex);
        return m_radios;
    }
    // The states port `index` went through, each with its last status.
    [[nodiscard]] std::vector<FleetPortStatus> states(std::size_t index) const {
        const std::lock_guard lock(m_mutex);
        const auto it = m_states.find(index);
        return it == m_states.end() ? std::vector<FleetPortStatus>{} : it->second;
    }
    [[nodiscard]] int overlaps() const { return m_overlaps; }

private:
    void enter() {
        if (m_inside.exchange(true)) {
            ++m_overlaps;
        }
    }
    void leave() { m_inside = false; }

    mutable std::mutex m_mutex;
    std::vector<FleetRadio> m_radios;
    std::map<std::size_t, std::vector<FleetPortStatus>> m_states;
    std::atomic<bool> m_inside{false};
    std::atomic<int> m_overlaps{0};
};

RadioImage fleetTemplate() {
    RadioImage image = randomImage(23);
    encodePcbaCode(image, "BOX42");
    return image;
}

bool holdsTemplate(const std::filesystem::path& saved) {
    RadioImage image;
    if (!loadChannelDataFile(saved, image)) {
        return false;
    }
    for (std::size_t address = 0; address < layout::kRadioWriteLength; ++address) {
        if (image.byte(address) != fleetTemplate().byte(address)) {
            return false;
        }
    }
    return true;
}

class FleetRunTest : public ::testing::Test {
protected:
    // A radio that saves its memory after each write to radio<N>.sin.
    RadioSimulator& addRadio(std::vector<std::string> arguments) {
        const auto number = std::to_string(m_radios.size() + 1);
        arguments.insert(arguments.end(), {"--save", (dir / ("radio" + number + ".sin")).string()});
        m_radios.push_back(std::make_unique<RadioSimulator>(arguments));
        return *m_radios.back();
    }
    FleetPlan planFor(const std::vector<std::string>& ports) {
        FleetPlan plan;
        plan.templateImage = fleetTemplate();
        plan.ports = ports;
        // Looks come quickly: radios here answer at once.
        plan.lookInterval = 20ms;
        return plan;
    }
    std::filesystem::path saved(int radio) const {
        return dir / ("radio" + std::to_string(radio) + ".sin");
    }

    TempDir dir;
    RecordingFleet observer;

private:
    std::vector<std::unique_ptr<RadioSimulator>> m_radios;
};

TEST_F(FleetRunTest, PortsTakeRadioAfterRadioUntilTheCountAndNeverMore) {
    std::vector<std::string> ports;
    for (int i = 0; i < 2; ++i) {
        // These benches swap in a new radio once its radio is done, away for
        // the two looks of four handshakes that tell the port it has gone.
        ports.push_back(addRadio({"--swap-radios", "8"}).device());
    }
    // On this one the radio stays on the cable: it is never written again.
    ports.push_back(addRadio({}).device());
    FleetPlan plan = planFor(ports);
    plan.count = 5;
    FleetRun run(plan, observer);
    run.start();
    ASSERT_TRUE(run.wait(30s));

    const std::vector<FleetRadio> radios = observer.radios();
    std::string outcomes;
    for (const FleetRadio& radio : radios) {
        outcomes += radio.port + ": " + (radio.ok ? "ok" : radio.reason) + "\n";
    }
    ASSERT_EQ(radios.size(), 5u) << outcomes;
    std::set<int> units;
    std::map<std::string, int> perPort;
    for (const FleetRadio& radio : radios) {
        EXPECT_TRUE(radio.ok) << radio.unit << ": " << radio.reason;
        EXPECT_EQ(radio.verify, FleetVerify::Verified);
        EXPECT_EQ(radio.pcbaCode, "BOX42");
        EXPECT_EQ(radio.identification,
                  (std::vector<std::uint8_t>{'Z', 'R', 'X', '4', '1', '2', 0x00, 0x01}));
        EXPECT_LE(radio.started, radio.ended);
        units.insert(radio.unit);
        ++perPort[radio.port];
    }
    EXPECT_EQ(units, (std::set<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(perPort[ports[0]] + perPort[ports[1]], 4);
    EXPECT_EQ(perPort[ports[2]], 1);
    const FleetSummary summary = run.summary();
    EXPECT_EQ(summary.programmed, 5);
    EXPECT_TRUE(summary.countReached);
    EXPECT_EQ(observer.overlaps(), 0);
    for (std::size_t port = 0; port < ports.size(); ++port) {
        EXPECT_TRUE(holdsTemplate(saved(static_cast<int>(port) + 1)));
        EXPECT_EQ(run.ports()[port].state, FleetPortState::Finished);
        EXPECT_EQ(run.ports()[port].programmed, perPort[ports[port]]);
        // Each radio is written, then read back, and the progress of the
        // two together runs to its end.
        std::vector<FleetPortState> order;
        for (const FleetPortStatus& status : observer.states(port)) {
            order.push_back(status.state);
            if (status.state == FleetPortState::Verifying) {
                EXPECT_EQ(status.progress, status.progressTotal);
                EXPECT_EQ(status.progressTotal, 124 + 128);
            }
        }
        ASSERT_GE(order.size(), 5u);
        EXPECT_EQ(std::vector(order.begin(), order.begin() + 4),
                  (std::vector{FleetPortState::Waiting, FleetPortState::Writing,
                               FleetPortState::Verifying, FleetPortState::TakeAway}));
        EXPECT_EQ(order.back(), FleetPortState::Finished);
    }
}

TEST_F(FleetRunTest, ACountOfOneWritesOneRadioThoughTwoAreReady) {
    const std::string first = addRadio({}).device();
    const std::string second = addRadio({}).device();
    FleetPlan plan = planFor({first, second});
    plan.count = 1;
    FleetRun run(plan, observer);
    run.start();
    ASSERT_TRUE(run.wait(20s));
    ASSERT_EQ(observer.radios().size(), 1u);
    EXPECT_TRUE(observer.radios()[0].ok);
    // A radio simulator saves only after a write: one of them never saw one.
    EXPECT_NE(std::filesystem::exists(saved(1)), std::filesystem::exists(saved(2)));
}

} // namespace
