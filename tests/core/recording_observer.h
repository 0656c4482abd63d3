#pragma once

#include <string>
#include <vector>

#include "link/transfer_observer.h"

// Everything a transfer told its observer, in order, as readable events:
// "flag 1", "opened", "progress 1/128 0%", "failure <text>", "ended 1".
class RecordingObserver : public zrx::TransferObserver {
public:
    void setTransferFlag(int value) override { events.push_back("flag " + std::to_string(value)); }
    void portOpened() override { events.emplace_back("opened"); }
    void setProgress(int position, int upperBound, std::string_view percentText) override {
        percents.emplace_back(percentText);
        events.push_back("progress " + std::to_string(position) + "/" + std::to_string(upperBound) +
                         " " + std::string(percentText));
    }
    void showFailure(std::string_view message) override {
        failures.emplace_back(message);
        events.push_back("failure " + std::string(message));
    }
    void reportFailure(const zrx::TransferFailure& failure) override {
        reports.push_back(failure);
        showFailure(failure.message);
    }
    void transferEnded(bool success) override { events.push_back(success ? "ended 1" : "ended 0"); }

    std::vector<std::string> events;
    std::vector<std::string> percents;
    std::vector<std::string> failures;
    std::vector<zrx::TransferFailure> reports; // what came with each failure
};
