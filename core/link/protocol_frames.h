#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "image/image_layout.h"
#include "image/radio_image.h"
#include "serial_port.h"

// The ZRX412's programming protocol on the wire: what each frame holds, how
// big the blocks are and how long the PC waits for the radio. The engine and
// the simulator both take their numbers from here.
namespace zrx::protocol {

inline constexpr unsigned kBaudRate = 9600;
// One byte on the line: start bit, 8 data bits, stop bit.
inline constexpr unsigned kBitsPerByte = 10;

// Driver queues asked for when the port opens.
inline constexpr std::size_t kInputQueueSize = 1024;
inline constexpr std::size_t kOutputQueueSize = 512;

// So a read of 1 byte gives up after at most 150 ms, one of 12 bytes after
// 700 ms, and any of them as soon as 30 ms pass without a byte once the
// reply has begun.
inline constexpr SerialTimeouts kTimeouts{
    .readIntervalMs = 30,
    .readTotalPerByteMs = 50,
    .readTotalConstantMs = 100,
    .writeTotalPerByteMs = 50,
    .writeTotalConstantMs = 50,
};

// Handshake: STX and "PROGRAM", each byte written on its own after a short
// pause and a purge, up to four times until the radio answers.
inline constexpr std::array<std::uint8_t, 8> kHandshake{0x02, 'P', 'R', 'O', 'G', 'R', 'A', 'M'};
inline constexpr int kHandshakeAttempts = 4;
inline constexpr unsigned kHandshakeBytePauseMs = 2;
// Either answer opens the session; radios differ in which one they send.
inline constexpr std::uint8_t kHandshakeAccept = 0x06;
inline constexpr std::uint8_t kHandshakeAcceptAlternative = 0x16;

// Identification: the PC asks with STX, the radio answers 8 bytes that the
// PC does not look at, the PC confirms with ACK and the radio must ACK back.
inline constexpr unsigned kIdentificationPauseMs = 1;
inline constexpr std::uint8_t kIdentificationRequest = 0x02;
inline constexpr std::size_t kIdentificationReplySize = 8;

inline constexpr std::uint8_t kAcknowledge = 0x06;

// Block commands: letter, address high byte, address low byte, length.
inline constexpr std::uint8_t kReadCommand = 'R';
inline constexpr std::uint8_t kWriteCommand = 'W';
inline constexpr std::size_t kCommandSize = 4;
inline constexpr std::size_t kBlockSize = 8;
// A read reply repeats a 4-byte header before the block's data.
inline constexpr std::size_t kReadReplyHeaderSize = 4;
inline constexpr std::size_t kReadReplySize = kReadReplyHeaderSize + kBlockSize;

// A read fetches the whole memory; a write stops short of the form's list
// selections at 0x3E0 and never sends them to the radio.
inline constexpr std::size_t kReadLength = RadioImage::kSize;
inline constexpr std::size_t kWriteLength = layout::kRadioWriteLength;
inline constexpr int kReadBlockCount = static_cast<int>(kReadLength / kBlockSize);
inline constexpr int kWriteBlockCount = static_cast<int>(kWriteLength / kBlockSize);

// The 4 command bytes for the block at `address`.
[[nodiscard]] constexpr std::array<std::uint8_t, kCommandSize> blockCommand(std::uint8_t letter,
                                                                            std::size_t address) {
    return {letter, static_cast<std::uint8_t>((address >> 8) & 0xFFu),
            static_cast<std::uint8_t>(address & 0xFFu), static_cast<std::uint8_t>(kBlockSize)};
}

} // namespace zrx::protocol
