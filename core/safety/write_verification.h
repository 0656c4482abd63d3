#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "image/language.h"
#include "image/radio_image.h"
#include "link/serial_port.h"
#include "link/transfer_engine.h"
#include "link/transfer_observer.h"

namespace zrx {

// Where the radio's memory differs from what was written, over the
// addresses a write covers (0x000-0x3DF).
struct WriteDifference {
    std::size_t firstAddress = 0;
    std::uint8_t written = 0;
    std::uint8_t read = 0;
    std::size_t count = 0; // how many bytes differ in all
};

[[nodiscard]] std::optional<WriteDifference> compareWritten(const RadioImage& written,
                                                            const RadioImage& readBack);

// One line: "verification failed at 0x123: wrote 0x45, read 0x67 (3 bytes differ)".
[[nodiscard]] std::string describeDifference(const WriteDifference& difference, Language language);

enum class VerifiedWriteOutcome {
    Verified,
    OpenFailure,    // the port did not open; nothing was sent
    WriteFailed,    // the write did not get through
    ReadBackFailed, // the write went through, reading it back did not
    Mismatch,       // the radio holds other bytes than were written
    Stopped,        // the observer asked to stop
};

struct VerifiedWrite {
    VerifiedWriteOutcome outcome = VerifiedWriteOutcome::WriteFailed;
    std::optional<WriteDifference> difference; // when Mismatch
    std::optional<RadioImage> readBack;        // the radio's memory, once read back
};

// Writes `image` to the radio, then reads the whole memory back in a second
// session and compares what a write covers. Both sessions are the ordinary
// transfers, byte for byte; the observer sees the write's blocks and then
// the read's. Failure messages go to the observer as for any transfer.
// With `readTwice` the read-back is itself verified (see readAndVerify), so
// that a reply spoilt on the line is not taken for a bad write.
[[nodiscard]] VerifiedWrite writeAndVerify(SerialPort& port, const std::string& portName,
                                           Language language, const RadioImage& image,
                                           TransferObserver& observer, bool readTwice = false);

// The one line a user reads about a verified write that did not end well
// (empty for Verified): the transfer's own message, or the difference.
[[nodiscard]] std::string describeVerifiedWrite(const VerifiedWrite& result,
                                                std::string_view transferMessage,
                                                Language language);

} // namespace zrx
