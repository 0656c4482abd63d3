// What the end-to-end tests share on every system: the program under test
// and whole-file reads and writes.
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "run_program.h"

std::filesystem::path zrxProgram() {
    const char* dir = std::getenv("ZRX_OUTPUT_DIR");
    if (dir == nullptr) {
        throw std::runtime_error("ZRX_OUTPUT_DIR is not set");
    }
#ifdef _WIN32
    return std::filesystem::absolute(dir) / "zrx.exe";
#else
    return std::filesystem::absolute(dir) / "zrx";
#endif
}

std::string utf8(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}
