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

// Runs `program` with `arguments` (no shell; UTF-8), standard input empty,
// and captures its standard output and error byte for byte.
ProgramRun runProgram(const std::filesystem::path& program,
                      const std::vector<std::string>& arguments);

// The zrx program of this build (from ZRX_OUTPUT_DIR).
std::filesystem::path zrxProgram();

// A path as UTF-8, whatever the system's own encoding of file names.
std::string utf8(const std::filesystem::path& path);

std::string readFile(const std::filesystem::path& path);
void writeFile(const std::filesystem::path& path, const std::string& bytes);
