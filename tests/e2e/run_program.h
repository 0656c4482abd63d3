#pragma once

#include <filesystem>
#include <string>
#include <vector>

// What a finished program left behind.
struct ProgramRun {
    int exitStatus = -1; // -1: it did not end normally
    std::string out;
    std::string err;
};

// Runs `program` with `arguments` (no shell), standard input empty, and
// captures its standard output and error.
ProgramRun runProgram(const std::filesystem::path& program,
                      const std::vector<std::string>& arguments);

// The zrx binary of this build (from ZRX_OUTPUT_DIR).
std::filesystem::path zrxProgram();

std::string readFile(const std::filesystem::path& path);
void writeFile(const std::filesystem::path& path, const std::string& bytes);
