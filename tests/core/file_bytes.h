#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

// Whole files as byte strings, for tests that write fixtures and compare
// what a program left on disk.
inline void writeBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
