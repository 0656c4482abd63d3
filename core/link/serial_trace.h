#pragma once

#include <chrono>
#include <cstddef>
#include <deque>
#include <filesystem>
#include <fstream>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "serial_port.h"
#include "trace_meaning.h"

namespace zrx {

// Where the lines of a trace go. Lines may come from several threads at
// once (a fleet traces all its ports into one); each arrives whole.
class TraceSink {
public:
    TraceSink() = default;
    virtual ~TraceSink() = default;
    TraceSink(const TraceSink&) = delete;
    TraceSink& operator=(const TraceSink&) = delete;

    // One line, without its line end.
    void addLine(std::string_view line);
    // Milliseconds since the trace began: what each line starts with.
    [[nodiscard]] double elapsedMilliseconds() const;

protected:
    // Called with the sink's lock held.
    virtual void keep(std::string line) = 0;
    // Starts the clock again; for a trace that is emptied.
    void restartClock();
    mutable std::mutex m_mutex;

private:
    std::chrono::steady_clock::time_point m_start = std::chrono::steady_clock::now();
};

// A trace kept in memory, as the program keeps the last transfer's for a
// diagnostic report: bounded, so a long session costs little. It keeps the
// first `headLines` lines (how the session began) and the latest
// `tailLines` (how it ended), and counts the lines left out between.
class MemoryTrace final : public TraceSink {
public:
    explicit MemoryTrace(std::size_t headLines = 400, std::size_t tailLines = 4000);

    // Empties the trace and starts its clock again: for the next transfer.
    void clear();
    // The lines kept, with one line saying how many were left out where
    // some were.
    [[nodiscard]] std::vector<std::string> lines() const;
    // The same, each line ended by '\n'.
    [[nodiscard]] std::string text() const;
    [[nodiscard]] std::size_t linesLeftOut() const;

private:
    void keep(std::string line) override;

    std::size_t m_headLines;
    std::size_t m_tailLines;
    std::vector<std::string> m_head;
    std::deque<std::string> m_tail;
    std::size_t m_leftOut = 0;
};

// A trace written to a file line by line as it happens, each line flushed,
// so whatever ends the program leaves the trace up to that moment.
class FileTrace final : public TraceSink {
public:
    // Creates or empties the file; false with the system's reason when it
    // cannot be written.
    [[nodiscard]] bool open(const std::filesystem::path& path, std::string& error);
    // The first reason a line could not be written; empty while all were.
    [[nodiscard]] std::string error() const;

private:
    void keep(std::string line) override;

    std::ofstream m_file;
    std::string m_error;
};

// A serial port that does everything through `inner` and writes each step
// to a trace: opening and closing, the line's set-up, and every byte sent
// and received, with the time, the direction and what it means in the
// programming protocol. Pauses and purges leave no line. `label`, when
// given, starts every line (a fleet names the port).
class TracingSerialPort final : public SerialPort {
public:
    TracingSerialPort(std::unique_ptr<SerialPort> inner, TraceSink& sink, std::string label = {});

    [[nodiscard]] bool open(std::string_view name) override;
    [[nodiscard]] bool isOpen() const override { return m_inner->isOpen(); }
    [[nodiscard]] PortOpenError openError() const override { return m_inner->openError(); }
    void close() override;

    [[nodiscard]] bool setQueueSizes(std::size_t input, std::size_t output) override;
    [[nodiscard]] bool setTimeouts(const SerialTimeouts& timeouts) override;
    [[nodiscard]] bool configureLine(unsigned baud) override;

    [[nodiscard]] bool purge() override;
    std::size_t write(std::span<const std::uint8_t> bytes) override;
    std::size_t read(std::span<std::uint8_t> buffer) override;
    void pause(unsigned milliseconds) override { m_inner->pause(milliseconds); }

    // A line of the caller's own in the trace: "read 2 of 2", "ended: ...".
    void note(std::string_view text);

private:
    void line(std::string_view direction, std::string_view bytes, std::string_view meaning);

    std::unique_ptr<SerialPort> m_inner;
    TraceSink& m_sink;
    std::string m_label;
    ExchangeMeaning m_meaning;
};

} // namespace zrx
