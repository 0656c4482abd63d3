#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

namespace zrx::sim {

// A record of the line: one line per byte, "rx 52" for a byte the radio
// received and "tx 06" for one it sent, in the order they crossed, and
// "-- closed" where the tool closed the line.
class ByteLog {
public:
    ByteLog() = default;
    ~ByteLog();
    ByteLog(const ByteLog&) = delete;
    ByteLog& operator=(const ByteLog&) = delete;

    [[nodiscard]] bool open(const std::filesystem::path& path, std::string& error);
    void received(std::uint8_t byte) { record("rx", byte); }
    void sent(std::uint8_t byte) { record("tx", byte); }
    // The tool closed the line: "-- closed", so a reader of the log knows
    // the radio has taken the end of the session in.
    void closed();
    // Hands what was recorded to the system, so a reader sees it at once.
    void flush();

private:
    void record(const char* direction, std::uint8_t byte);

    std::FILE* m_file = nullptr;
};

} // namespace zrx::sim
