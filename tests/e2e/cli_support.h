#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/temp_dir.h"
#include "image/new_image.h"
#include "run_program.h"

// What the command-line tests share.

inline std::string newImageBytes() {
    const zrx::RadioImage image = zrx::makeNewImage();
    return {image.bytes().begin(), image.bytes().end()};
}

inline ProgramRun runZrx(const std::vector<std::string>& arguments) {
    return runProgram(zrxProgram(), arguments);
}

// A failure: status 1, nothing on stdout, one line on stderr naming `name`.
inline void expectFailure(const ProgramRun& run, const std::string& name) {
    EXPECT_EQ(run.exitStatus, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_EQ(run.err.rfind("zrx: ", 0), 0u) << run.err;
    EXPECT_NE(run.err.find(name), std::string::npos) << run.err;
}

// Each test in a temporary folder of its own.
class Cli : public ::testing::Test {
protected:
    TempDir m_dir;
    [[nodiscard]] std::string path(const std::string& name) const { return utf8(m_dir / name); }
};
