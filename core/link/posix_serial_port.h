#pragma once

#ifndef _WIN32

#include "serial_port.h"

namespace zrx {

// A serial port on a POSIX system through termios. Raw mode, exclusive use
// (TIOCEXCL against other programs, and an flock that holds even against the
// super-user), non-blocking descriptor with poll() so that a read returns the
// moment its bytes are in and never waits past its time-outs.
class PosixSerialPort final : public SerialPort {
public:
    PosixSerialPort() = default;
    ~PosixSerialPort() override;
    PosixSerialPort(const PosixSerialPort&) = delete;
    PosixSerialPort& operator=(const PosixSerialPort&) = delete;

    [[nodiscard]] bool open(std::string_view name) override;
    [[nodiscard]] bool isOpen() const override { return m_fd >= 0; }
    [[nodiscard]] PortOpenError openError() const override { return m_openError; }
    void close() override;

    [[nodiscard]] bool setQueueSizes(std::size_t input, std::size_t output) override;
    [[nodiscard]] bool setTimeouts(const SerialTimeouts& timeouts) override;
    [[nodiscard]] bool configureLine(unsigned baud) override;

    [[nodiscard]] bool purge() override;
    std::size_t write(std::span<const std::uint8_t> bytes) override;
    std::size_t read(std::span<std::uint8_t> buffer) override;

private:
    PortOpenError openDevice(std::string_view name);

    int m_fd = -1;
    bool m_pseudoTerminal = false;
    PortOpenError m_openError = PortOpenError::None;
    SerialTimeouts m_timeouts;
};

} // namespace zrx

#endif
