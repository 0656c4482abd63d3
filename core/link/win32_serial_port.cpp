#ifdef _WIN32

#include "win32_serial_port.h"

#include "binary_line_state.h"
#include "port_name.h"

#include <string>

namespace zrx {

static_assert(line_state::kNoParity == NOPARITY && line_state::kOneStopBit == ONESTOPBIT);
static_assert(line_state::kLineOn == DTR_CONTROL_ENABLE &&
              line_state::kLineOn == RTS_CONTROL_ENABLE);
static_assert(line_state::kHandshake == DTR_CONTROL_HANDSHAKE &&
              line_state::kHandshake == RTS_CONTROL_HANDSHAKE);

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

bool Win32SerialPort::setQueueSizes(std::size_t input, std::size_t output) {
    return SetupComm(m_handle, clampToDword(input), clampToDword(output)) != FALSE;
}

bool Win32SerialPort::setTimeouts(const SerialTimeouts& timeouts) {
    COMMTIMEOUTS system{};
    system.ReadIntervalTimeout = timeouts.readIntervalMs;
    system.ReadTotalTimeoutMultiplier = timeouts.readTotalPerByteMs;
    system.ReadTotalTimeoutConstant = timeouts.readTotalConstantMs;
    system.WriteTotalTimeoutMultiplier = timeouts.writeTotalPerByteMs;
    system.WriteTotalTimeoutConstant = timeouts.writeTotalConstantMs;
    return SetCommTimeouts(m_handle, &system) != FALSE;
}

bool Win32SerialPort::configureLine(unsigned baud) {
    // Read, change, write back: what the driver reports is the starting
    // point, and everything that would change or hold back the data is
    // switched off (see binaryLineState).
    DCB reported{};
    reported.DCBlength = sizeof reported;
    if (!GetCommState(m_handle, &reported)) {
        return false;
    }
    DCB wanted = binaryLineState(reported, baud);
    return SetCommState(m_handle, &wanted) != FALSE;
}

bool Win32SerialPort::purge() {
    return PurgeComm(m_handle, PURGE_TXCLEAR | PURGE_RXCLEAR) != FALSE;
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
