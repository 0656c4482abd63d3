#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "image/language.h"
#include "image/radio_image.h"
#include "link/serial_port.h"
#include "link/serial_trace.h"

namespace zrx::cli {

// The trace --trace FILE asks for: the file opened before anything is sent
// to the radio (CommandFailed when it cannot be written), headed by what
// runs where. Null without --trace.
[[nodiscard]] std::unique_ptr<FileTrace> openTraceOrFail(const std::string& path,
                                                         std::string_view what);

// A warning on stderr when `trace` (null: none) could not be written in full.
void warnIfTraceFailed(const FileTrace* trace, Language language);

// The serial port a command talks to the radio through, traced when
// --trace names a file.
class RadioLink {
public:
    // `what` heads the trace: "read on /dev/ttyUSB0".
    RadioLink(const std::string& tracePath, std::string_view what);

    [[nodiscard]] SerialPort& port() { return *m_port; }
    // A line of the trace, such as how a transfer ended; nothing untraced.
    void note(std::string_view text);
    // A warning on stderr when the trace could not be written in full.
    void warnIfTraceFailed(Language language) const;

private:
    std::unique_ptr<FileTrace> m_trace;
    std::unique_ptr<SerialPort> m_port;
    TracingSerialPort* m_traced = nullptr;
};

// What a read of the radio brought in.
struct RadioRead {
    RadioImage image;
    int reads = 1;                           // 2 or 3 with --verify
    std::vector<std::size_t> disputedBlocks; // where the first two reads differed
};

// Reads the whole radio on `portName`, twice and compared with `verify`,
// showing the progress on stderr; CommandFailed with the transfer's
// failure when it does not get through.
[[nodiscard]] RadioRead readRadioOrFail(RadioLink& link, const std::string& portName,
                                        Language language, bool verify);

} // namespace zrx::cli
