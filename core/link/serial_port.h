#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

namespace zrx {

// How long the port waits for the line. A read returns as soon as all the
// requested bytes are in; otherwise it gives up when more than
// `readIntervalMs` pass between two received bytes, or when the whole call
// has taken `readTotalPerByteMs` per requested byte plus `readTotalConstantMs`.
// A write gives up after `writeTotalPerByteMs` per byte plus
// `writeTotalConstantMs`.
struct SerialTimeouts {
    unsigned readIntervalMs = 0;
    unsigned readTotalPerByteMs = 0;
    unsigned readTotalConstantMs = 0;
    unsigned writeTotalPerByteMs = 0;
    unsigned writeTotalConstantMs = 0;
};

// Why a port did not open, as far as the system tells.
enum class PortOpenError {
    None,             // it opened
    NoName,           // the port name is empty
    NotFound,         // no such device
    NotSerialDevice,  // a file, a folder or a device that is not a terminal
    PermissionDenied, // the device exists but this user may not open it
    InUse,            // another program holds it
    Other,            // anything else, such as a driver that refused the line settings
};

// One serial line to the radio, with the operations the programming protocol
// needs and nothing more. The set-up calls and purge() say whether the
// driver did what was asked: a line with unknown time-outs could block a
// read for ever, and one with unknown settings or stale input could hand
// over changed data. Reads and writes report only how many bytes moved:
// what the radio answers decides the rest, so a port that stops working
// shows up as missing reply bytes.
class SerialPort {
public:
    virtual ~SerialPort() = default;

    // Opens the device for reading and writing, exclusively. `name` is the
    // port name exactly as the user or the settings file gave it ("COM1",
    // "/dev/ttyUSB0"). Only a serial device is accepted: anything else, such
    // as a regular file, fails here and is never written to.
    [[nodiscard]] virtual bool open(std::string_view name) = 0;
    [[nodiscard]] virtual bool isOpen() const = 0;
    // Why the last open() failed; None after one that succeeded.
    [[nodiscard]] virtual PortOpenError openError() const { return PortOpenError::Other; }
    virtual void close() = 0;

    // Sizes of the driver's receive and transmit queues.
    [[nodiscard]] virtual bool setQueueSizes(std::size_t input, std::size_t output) = 0;
    [[nodiscard]] virtual bool setTimeouts(const SerialTimeouts& timeouts) = 0;
    // `baud` bits per second, 8 data bits, no parity (and no parity check),
    // 1 stop bit, and nothing that changes, drops or holds back bytes: no
    // software or hardware flow control, no character replacement. The
    // modem control lines (DTR, RTS) stay as they were: some cables draw
    // their power from them.
    [[nodiscard]] virtual bool configureLine(unsigned baud) = 0;

    // Discards what is still queued for sending and what was received but
    // not yet read.
    [[nodiscard]] virtual bool purge() = 0;
    // Returns how many bytes were sent before the write time-out.
    virtual std::size_t write(std::span<const std::uint8_t> bytes) = 0;
    // Returns how many bytes arrived, at most `buffer.size()`.
    virtual std::size_t read(std::span<std::uint8_t> buffer) = 0;

    // Waits the given time; the protocol paces some of its bytes this way.
    virtual void pause(unsigned milliseconds);
};

// The serial port of the system the program runs on.
[[nodiscard]] std::unique_ptr<SerialPort> makeSystemSerialPort();

} // namespace zrx
