#include "serial_trace.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "safety/hex_bytes.h"
#include "transfer_failure.h"

namespace zrx {

namespace {

constexpr std::string_view kSent = "PC > radio";
constexpr std::string_view kReceived = "radio > PC";
constexpr std::string_view kEvent = "";
// Room for a read reply's 12 bytes, so that meanings line up.
constexpr std::size_t kBytesColumn = 35;

std::string padded(std::string_view text, std::size_t width) {
    std::string out(text);
    if (out.size() < width) {
        out.append(width - out.size(), ' ');
    }
    return out;
}

} // namespace

void TraceSink::addLine(std::string_view line) {
    const std::lock_guard lock(m_mutex);
    keep(std::string(line));
}

double TraceSink::elapsedMilliseconds() const {
    const std::lock_guard lock(m_mutex);
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - m_start)
        .count();
}

void TraceSink::restartClock() {
    m_start = std::chrono::steady_clock::now();
}

MemoryTrace::MemoryTrace(std::size_t headLines, std::size_t tailLines)
    : m_headLines(headLines), m_tailLines(tailLines) {}

void MemoryTrace::keep(std::string line) {
    if (m_head.size() < m_headLines) {
        m_head.push_back(std::move(line));
        return;
    }
    m_tail.push_back(std::move(line));
    if (m_tail.size() > m_tailLines) {
        m_tail.pop_front();
        ++m_leftOut;
    }
}

void MemoryTrace::clear() {
    const std::lock_guard lock(m_mutex);
    m_head.clear();
    m_tail.clear();
    m_leftOut = 0;
    restartClock();
}

std::vector<std::string> MemoryTrace::lines() const {
    const std::lock_guard lock(m_mutex);
    std::vector<std::string> all(m_head.begin(), m_head.end());
    if (m_leftOut > 0) {
        all.push_back("... " + std::to_string(m_leftOut) + " lines left out ...");
    }
    all.insert(all.end(), m_tail.begin(), m_tail.end());
    return all;
}

std::string MemoryTrace::text() const {
    std::string text;
    for (const std::string& line : lines()) {
        text += line;
        text += '\n';
    }
    return text;
}

std::size_t MemoryTrace::linesLeftOut() const {
    const std::lock_guard lock(m_mutex);
    return m_leftOut;
}

bool FileTrace::open(const std::filesystem::path& path, std::string& error) {
    const std::lock_guard lock(m_mutex);
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        error = std::strerror(EISDIR);
        return false;
    }
    errno = 0;
    m_file.open(path, std::ios::binary | std::ios::trunc);
    if (!m_file) {
        error = std::strerror(errno != 0 ? errno : EIO);
        return false;
    }
    restartClock();
    return true;
}

std::string FileTrace::error() const {
    const std::lock_guard lock(m_mutex);
    return m_error;
}

void FileTrace::keep(std::string line) {
    if (!m_error.empty()) {
        return;
    }
    errno = 0;
    line += '\n';
    m_file << line;
    m_file.flush();
    if (!m_file) {
        m_error = std::strerror(errno != 0 ? errno : EIO);
    }
}

TracingSerialPort::TracingSerialPort(std::unique_ptr<SerialPort> inner, TraceSink& sink,
                                     std::string label)
    : m_inner(std::move(inner)), m_sink(sink), m_label(std::move(label)) {}

void TracingSerialPort::line(std::string_view direction, std::string_view bytes,
                             std::string_view meaning) {
    char time[32];
    std::snprintf(time, sizeof time, "%10.1f ms  ", m_sink.elapsedMilliseconds());
    std::string text = time;
    if (!m_label.empty()) {
        text += m_label + "  ";
    }
    text += padded(direction, kSent.size()) + "  ";
    if (!bytes.empty() || !direction.empty()) {
        text += padded(bytes, kBytesColumn) + "  ";
    }
    text += meaning;
    text.erase(text.find_last_not_of(' ') + 1);
    m_sink.addLine(text);
}

bool TracingSerialPort::open(std::string_view name) {
    const bool opened = m_inner->open(name);
    m_meaning.restart();
    line(kEvent, {},
         "open " + std::string(name) + ": " +
             (opened
                  ? std::string("ok")
                  : "failed, " + describeOpenError(m_inner->openError(), name, Language::English)));
    return opened;
}

void TracingSerialPort::close() {
    if (m_inner->isOpen()) {
        line(kEvent, {}, "close");
    }
    m_inner->close();
}

namespace {

std::string refusedUnless(bool done) {
    return done ? std::string() : std::string(" (refused by the driver)");
}

} // namespace

bool TracingSerialPort::setQueueSizes(std::size_t input, std::size_t output) {
    const bool done = m_inner->setQueueSizes(input, output);
    line(kEvent, {},
         "driver queues: " + std::to_string(input) + " bytes in, " + std::to_string(output) +
             " bytes out" + refusedUnless(done));
    return done;
}

bool TracingSerialPort::setTimeouts(const SerialTimeouts& t) {
    const bool done = m_inner->setTimeouts(t);
    line(kEvent, {},
         "time-outs: " + std::to_string(t.readIntervalMs) + " ms between bytes, a read " +
             std::to_string(t.readTotalPerByteMs) + " ms a byte + " +
             std::to_string(t.readTotalConstantMs) + " ms, a write " +
             std::to_string(t.writeTotalPerByteMs) + " ms a byte + " +
             std::to_string(t.writeTotalConstantMs) + " ms" + refusedUnless(done));
    return done;
}

bool TracingSerialPort::configureLine(unsigned baud) {
    const bool done = m_inner->configureLine(baud);
    line(kEvent, {},
         "line: " + std::to_string(baud) +
             " baud, 8 data bits, no parity, 1 stop bit, no flow "
             "control" +
             refusedUnless(done));
    return done;
}

bool TracingSerialPort::purge() {
    const bool done = m_inner->purge();
    if (!done) {
        line(kEvent, {}, "purge refused by the driver");
    }
    return done;
}

std::size_t TracingSerialPort::write(std::span<const std::uint8_t> bytes) {
    const std::size_t sent = m_inner->write(bytes);
    std::string meaning = m_meaning.sent(bytes);
    if (sent < bytes.size()) {
        meaning += " (only " + std::to_string(sent) + " of " + std::to_string(bytes.size()) +
                   " bytes went out)";
    }
    line(kSent, hexBytes(bytes), meaning);
    return sent;
}

std::size_t TracingSerialPort::read(std::span<std::uint8_t> buffer) {
    const std::size_t got = m_inner->read(buffer);
    const auto bytes = buffer.first(got);
    std::string meaning = m_meaning.received(bytes, buffer.size());
    if (got < buffer.size()) {
        meaning += " (" + std::to_string(got) + " of " + std::to_string(buffer.size()) +
                   " bytes asked for)";
    }
    line(kReceived, got == 0 ? "-" : hexBytes(bytes), meaning);
    return got;
}

void TracingSerialPort::note(std::string_view text) {
    line(kEvent, {}, text);
}

} // namespace zrx
