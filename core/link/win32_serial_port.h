#pragma once

#ifdef _WIN32

#include "serial_port.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

namespace zrx {

// A serial port through the Windows communications functions, a thin layer
// that hands each operation to its one system call.
class Win32SerialPort final : public SerialPort {
public:
    Win32SerialPort() = default;
    ~Win32SerialPort() override;
    Win32SerialPort(const Win32SerialPort&) = delete;
    Win32SerialPort& operator=(const Win32SerialPort&) = delete;

    [[nodiscard]] bool open(std::string_view name) override;
    [[nodiscard]] bool isOpen() const override { return m_handle != INVALID_HANDLE_VALUE; }
    [[nodiscard]] PortOpenError openError() const override { return m_openError; }
    void close() override;

    [[nodiscard]] bool setQueueSizes(std::size_t input, std::size_t output) override;
    [[nodiscard]] bool setTimeouts(const SerialTimeouts& timeouts) override;
    [[nodiscard]] bool configureLine(unsigned baud) override;

    [[nodiscard]] bool purge() override;
    std::size_t write(std::span<const std::uint8_t> bytes) override;
    std::size_t read(std::span<std::uint8_t> buffer) override;
    void pause(unsigned milliseconds) override;

private:
    HANDLE m_handle = INVALID_HANDLE_VALUE;
    PortOpenError m_openError = PortOpenError::None;
};

} // namespace zrx

#endif
