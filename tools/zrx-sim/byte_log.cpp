#include "byte_log.h"

#include <cerrno>
#include <cstring>

namespace zrx::sim {

ByteLog::~ByteLog() {
    if (m_file != nullptr) {
        std::fclose(m_file);
    }
}

bool ByteLog::open(const std::filesystem::path& path, std::string& error) {
    m_file = std::fopen(path.c_str(), "w");
    if (m_file == nullptr) {
        error = std::strerror(errno);
        return false;
    }
    return true;
}

void ByteLog::record(const char* direction, std::uint8_t byte) {
    if (m_file != nullptr) {
        std::fprintf(m_file, "%s %02X\n", direction, static_cast<unsigned>(byte));
    }
}

void ByteLog::closed() {
    if (m_file != nullptr) {
        std::fputs("-- closed\n", m_file);
    }
}

void ByteLog::flush() {
    if (m_file != nullptr) {
        std::fflush(m_file);
    }
}

} // namespace zrx::sim
