#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/child_process.h"
#include "core/temp_dir.h"
#include "image/channel_data_file.h"

// A folder of the test's own, and zrx run as a user runs it.
class ZrxRun : public ::testing::Test {
protected:
    // Saves `image` as `name` in the test's folder and returns its path.
    std::string save(const std::string& name, const zrx::RadioImage& image) {
        EXPECT_TRUE(zrx::saveChannelDataFile(dir / name, image));
        return (dir / name).string();
    }

    // Runs zrx; returns its exit status and keeps what it printed.
    int zrx(const std::vector<std::string>& arguments) {
        ChildProcess process("zrx", arguments);
        const int status = process.wait();
        output = process.standardOutput();
        errors = process.standardError();
        return status;
    }

    TempDir dir;
    std::string output;
    std::string errors;
};
