#pragma once

#include <algorithm>
#include <chrono>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "await_condition.h"
#include "child_process.h"

// zrx-sim running for one test: the device path it printed, and its byte
// log read back as the bytes the radio received and sent.
class RadioSimulator {
public:
    // `arguments` go to zrx-sim after "--baud 0" (unless they name a speed
    // themselves): tests do not wait for a real line's speed.
    RadioSimulator(const std::vector<std::string>& arguments, std::string logPath = {})
        : m_logPath(std::move(logPath)) {
        std::vector<std::string> all;
        if (std::find(arguments.begin(), arguments.end(), "--baud") == arguments.end()) {
            all = {"--baud", "0"};
        }
        if (!m_logPath.empty()) {
            all.insert(all.end(), {"--log", m_logPath});
        }
        all.insert(all.end(), arguments.begin(), arguments.end());
        m_process = std::make_unique<ChildProcess>("zrx-sim", all);
        m_device = m_process->readLine();
    }

    [[nodiscard]] const std::string& device() const { return m_device; }
    int stop() { return m_process->stop(); }
    ChildProcess& process() { return *m_process; }

    struct Traffic {
        std::vector<std::uint8_t> received; // what the radio got from the PC
        std::vector<std::uint8_t> sent;     // what it answered
        std::vector<std::string> lines;     // "rx 52", "tx 06" in order
        int sessionsClosed = 0;             // times the tool closed the line
    };

    // The log as it stands; call after stop() for the complete record.
    [[nodiscard]] Traffic traffic() const {
        Traffic traffic;
        std::ifstream in(m_logPath);
        std::string line;
        while (std::getline(in, line)) {
            if (line == "-- closed") {
                ++traffic.sessionsClosed;
                continue;
            }
            if (line.size() != 5) {
                continue;
            }
            const auto byte = static_cast<std::uint8_t>(std::stoul(line.substr(3), nullptr, 16));
            (line.starts_with("rx") ? traffic.received : traffic.sent).push_back(byte);
            traffic.lines.push_back(line);
        }
        return traffic;
    }

    // Waits until the radio has seen the tool close the line `count` times
    // in all; false when that has not happened within `timeout`.
    [[nodiscard]] bool
    awaitSessionsClosed(int count,
                        std::chrono::milliseconds timeout = std::chrono::seconds(20)) const {
        return awaitCondition([&] { return traffic().sessionsClosed >= count; }, timeout);
    }

private:
    std::string m_logPath;
    std::unique_ptr<ChildProcess> m_process;
    std::string m_device;
};
