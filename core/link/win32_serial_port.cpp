#ifdef _WIN32

#include "win32_serial_port.h"

#include "port_name.h"

#include <string>

namespace zrx {

namespace {

// Port names come as UTF-8; the system wants UTF-16.
std::wstring wideName(std::string_view name) {
    if (name.empty()) {
        return {};
    }
    const int length =
        MultiByteToWideChar(CP_UTF8, 0, name.data(), static_cast<int>(name.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 0), L'\0');
    if (length > 0) {
        MultiByteToWideChar(CP_UTF8, 0, name.data(), static_cast<int>(name.size()), wide.data(),
                            length);
    }
    return wide;
}

DWORD clampToDword(std::size_t value) {
    return value > MAXDWORD ? MAXDWORD : static_cast<DWORD>(value);
}

} // namespace

Win32SerialPort::~Win32SerialPort() {
    close();
}

bool Win32SerialPort::open(std::string_view name) {
    close();
    const std::wstring path = wideName(win32DevicePathForPortName(name));
    if (path.empty()) {
        m_openError = PortOpenError::NoName;
        return false;
    }
    // Read and write, no sharing, existing device only, no overlapped I/O.
    const HANDLE handle = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                      OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        // A port another program holds answers "access denied": nothing
        // but sharing stops a user from opening a serial port on Windows.
        switch (GetLastError()) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
            m_openError = PortOpenError::NotFound;
            break;
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
            m_openError = PortOpenError::InUse;
            break;
        default:
            m_openError = PortOpenError::Other;
        }
        return false;
    }
    // A name that leads to an ordinary file opens as well; only a
    // communications device has line settings. Anything else is closed
    // again before a single byte is written into it.
    DCB state{};
    state.DCBlength = sizeof state;
    if (!GetCommState(handle, &state)) {
        CloseHandle(handle);
        m_openError = PortOpenError::NotSerialDevice;
        return false;
    }
    m_handle = handle;
    m_openError = PortOpenError::None;
    return true;
}

void Win32SerialPort::close() {
    if (m_handle != INVALID_HANDLE_VALUE) {
        CloseHandle(m_handle);
        m_handle = INVALID_HANDLE_VALUE;
    }
}

void Win32SerialPort::setQueueSizes(std::size_t input, std::size_t output) {
    SetupComm(m_handle, clampToDword(input), clampToDword(output));
}

void Win32SerialPort::setTimeouts(const SerialTimeouts& timeouts) {
    COMMTIMEOUTS system{};
    system.ReadIntervalTimeout = timeouts.readIntervalMs;
    system.ReadTotalTimeoutMultiplier = timeouts.readTotalPerByteMs;
    system.ReadTotalTimeoutConstant = timeouts.readTotalConstantMs;
    system.WriteTotalTimeoutMultiplier = timeouts.writeTotalPerByteMs;
    system.WriteTotalTimeoutConstant = timeouts.writeTotalConstantMs;
    SetCommTimeouts(m_handle, &system);
}

void Win32SerialPort::configureLine(unsigned baud) {
    // Read, change what the protocol needs, write back: flow control,
    // special characters and error replacement stay as the driver has them.
    DCB state{};
    state.DCBlength = sizeof state;
    GetCommState(m_handle, &state);
    state.BaudRate = baud;
    state.ByteSize = 8;
    state.Parity = NOPARITY;
    state.fParity = FALSE;
    state.StopBits = ONESTOPBIT;
    state.fBinary = TRUE;
    SetCommState(m_handle, &state);
}

void Win32SerialPort::purge() {
    PurgeComm(m_handle, PURGE_TXCLEAR | PURGE_RXCLEAR);
}

std::size_t Win32SerialPort::write(std::span<const std::uint8_t> bytes) {
    DWORD written = 0;
    WriteFile(m_handle, bytes.data(), clampToDword(bytes.size()), &written, nullptr);
    return written;
}

std::size_t Win32SerialPort::read(std::span<std::uint8_t> buffer) {
    DWORD received = 0;
    ReadFile(m_handle, buffer.data(), clampToDword(buffer.size()), &received, nullptr);
    return received;
}

void Win32SerialPort::pause(unsigned milliseconds) {
    Sleep(milliseconds);
}

std::unique_ptr<SerialPort> makeSystemSerialPort() {
    return std::make_unique<Win32SerialPort>();
}

} // namespace zrx

#endif
