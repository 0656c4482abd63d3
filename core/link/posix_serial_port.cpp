#ifndef _WIN32

#include "posix_serial_port.h"

#include <cerrno>
#include <chrono>
#include <string>

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#ifdef __linux__
#include <sys/sysmacros.h>
#endif
#include <unistd.h>

#include "port_name.h"

namespace zrx {

namespace {

using Clock = std::chrono::steady_clock;
using Milliseconds = std::chrono::milliseconds;

// Milliseconds left until `deadline`, as poll() takes them, rounded up so a
// wait never ends a fraction early.
int millisecondsUntil(Clock::time_point deadline) {
    const auto left = deadline - Clock::now();
    if (left <= Clock::duration::zero()) {
        return 0;
    }
    const auto rounded = std::chrono::ceil<Milliseconds>(left).count();
    return rounded > 60'000 ? 60'000 : static_cast<int>(rounded);
}

speed_t speedFor(unsigned baud) {
    switch (baud) {
    case 1200:
        return B1200;
    case 2400:
        return B2400;
    case 4800:
        return B4800;
    case 19200:
        return B19200;
    case 38400:
        return B38400;
    default:
        return B9600;
    }
}

// The slave side of a pseudo-terminal (/dev/pts/N), such as zrx-sim gives.
bool isPseudoTerminal(const struct stat& info) {
#ifdef __linux__
    // UNIX98 pty slaves have majors 136 to 143.
    const auto deviceMajor = major(info.st_rdev);
    return deviceMajor >= 136 && deviceMajor <= 143;
#else
    static_cast<void>(info);
    return false;
#endif
}

} // namespace

PosixSerialPort::~PosixSerialPort() {
    close();
}

bool PosixSerialPort::open(std::string_view name) {
    close();
    m_openError = openDevice(name);
    return m_openError == PortOpenError::None;
}

PortOpenError PosixSerialPort::openDevice(std::string_view name) {
    if (name.empty()) {
        return PortOpenError::NoName;
    }
    const std::string device = posixDeviceForPortName(name);
    // Look before opening: a regular file, a folder or a pipe named as the
    // port must not even be opened for writing.
    struct stat info {};
    if (::stat(device.c_str(), &info) != 0) {
        return errno == EACCES ? PortOpenError::PermissionDenied : PortOpenError::NotFound;
    }
    if (!S_ISCHR(info.st_mode)) {
        return PortOpenError::NotSerialDevice;
    }
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        switch (errno) {
        case EACCES:
        case EPERM:
            return PortOpenError::PermissionDenied;
        case EBUSY:
            return PortOpenError::InUse;
        case ENOENT:
        case ENXIO:
        case ENODEV:
            return PortOpenError::NotFound;
        default:
            return PortOpenError::Other;
        }
    }
    // Character devices that are not terminals (/dev/null, /dev/zero) are
    // not serial ports either.
    if (::isatty(fd) != 1) {
        ::close(fd);
        return PortOpenError::NotSerialDevice;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::ioctl(fd, TIOCEXCL) != 0) {
        ::close(fd);
        return PortOpenError::InUse;
    }
    m_fd = fd;
    m_pseudoTerminal = isPseudoTerminal(info);
    return PortOpenError::None;
}

void PosixSerialPort::close() {
    if (m_fd < 0) {
        return;
    }
    ::ioctl(m_fd, TIOCNXCL);
    ::flock(m_fd, LOCK_UN);
    ::close(m_fd);
    m_fd = -1;
}

bool PosixSerialPort::setQueueSizes(std::size_t, std::size_t) {
    // The kernel sizes its own tty buffers (4 KiB and more), enough for the
    // 1024 in and 512 out that the protocol asks of a Windows driver.
    return m_fd >= 0;
}

bool PosixSerialPort::setTimeouts(const SerialTimeouts& timeouts) {
    m_timeouts = timeouts;
    return m_fd >= 0;
}

bool PosixSerialPort::configureLine(unsigned baud) {
    if (m_fd < 0) {
        return false;
    }
    termios settings{};
    if (::tcgetattr(m_fd, &settings) != 0) {
        return false;
    }
    // Binary mode: no line editing, echo, signals or character translation,
    // and no flow control: software flow control would swallow 0x11 and
    // 0x13 in the radio's data, and hardware flow control stops sending
    // while a cable leaves CTS low, as most radio cables do.
    settings.c_iflag &= ~static_cast<tcflag_t>(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR |
                                               ICRNL | IXON | IXOFF | IXANY | INPCK);
    settings.c_oflag &= ~static_cast<tcflag_t>(OPOST);
    settings.c_lflag &= ~static_cast<tcflag_t>(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
    // 8 data bits, no parity, 1 stop bit.
    settings.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB | CRTSCTS);
    settings.c_cflag |= static_cast<tcflag_t>(CS8 | CREAD | CLOCAL);
    // Reads never block in the driver: poll() does the waiting.
    settings.c_cc[VMIN] = 0;
    settings.c_cc[VTIME] = 0;
    return ::cfsetispeed(&settings, speedFor(baud)) == 0 &&
           ::cfsetospeed(&settings, speedFor(baud)) == 0 &&
           ::tcsetattr(m_fd, TCSANOW, &settings) == 0;
}

bool PosixSerialPort::purge() {
    if (m_fd < 0) {
        return false;
    }
    // A pseudo-terminal has no transmit queue like a UART's: a written byte
    // is on its way to the other side at once, and flushing "output" there
    // throws away bytes the other side simply has not read yet, which a real
    // line would long have delivered by the time the protocol purges.
    return ::tcflush(m_fd, m_pseudoTerminal ? TCIFLUSH : TCIOFLUSH) == 0;
}

std::size_t PosixSerialPort::write(std::span<const std::uint8_t> bytes) {
    if (m_fd < 0) {
        return 0;
    }
    const auto deadline =
        Clock::now() + Milliseconds(m_timeouts.writeTotalPerByteMs * bytes.size() +
                                    m_timeouts.writeTotalConstantMs);
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::write(m_fd, bytes.data() + sent, bytes.size() - sent);
        if (n > 0) {
            sent += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
            break; // the line is gone
        }
        pollfd waitFor{m_fd, POLLOUT, 0};
        const int timeLeft = millisecondsUntil(deadline);
        if (timeLeft == 0 || ::poll(&waitFor, 1, timeLeft) <= 0 ||
            (waitFor.revents & (POLLERR | POLLHUP | POLLNVAL)) != 0) {
            if (errno == EINTR) {
                continue;
            }
            break;
        }
    }
    return sent;
}

std::size_t PosixSerialPort::read(std::span<std::uint8_t> buffer) {
    if (m_fd < 0 || buffer.empty()) {
        return 0;
    }
    const auto totalDeadline =
        Clock::now() + Milliseconds(m_timeouts.readTotalPerByteMs * buffer.size() +
                                    m_timeouts.readTotalConstantMs);
    const bool intervalLimited = m_timeouts.readIntervalMs != 0;
    auto deadline = totalDeadline;
    std::size_t received = 0;
    bool hungUp = false;
    while (received < buffer.size()) {
        const ssize_t n = ::read(m_fd, buffer.data() + received, buffer.size() - received);
        if (n > 0) {
            received += static_cast<std::size_t>(n);
            // The interval time-out runs from the latest byte, and only once
            // the first byte has come.
            if (intervalLimited) {
                const auto intervalEnd = Clock::now() + Milliseconds(m_timeouts.readIntervalMs);
                deadline = intervalEnd < totalDeadline ? intervalEnd : totalDeadline;
            }
            continue;
        }
        if (n < 0 && errno == EINTR) {
            continue;
        }
        // With VMIN and VTIME at 0 an empty queue reads as 0, otherwise as
        // EAGAIN; any other error means the line is gone.
        if ((n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) || hungUp) {
            break;
        }
        const int timeLeft = millisecondsUntil(deadline);
        if (timeLeft == 0) {
            break;
        }
        pollfd waitFor{m_fd, POLLIN, 0};
        const int ready = ::poll(&waitFor, 1, timeLeft);
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready <= 0) {
            break;
        }
        // After a hang-up take what is still queued, then stop waiting.
        if ((waitFor.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0) {
            hungUp = true;
        } else if ((waitFor.revents & POLLIN) == 0) {
            break;
        }
    }
    return received;
}

std::unique_ptr<SerialPort> makeSystemSerialPort() {
    return std::make_unique<PosixSerialPort>();
}

} // namespace zrx

#endif
