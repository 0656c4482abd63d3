#pragma once

// The line settings a transfer writes on Windows, made from those the driver
// reports. A template over the settings structure, so that the rules need no
// Windows header: the Windows port uses it with the system's DCB, tests on
// any system with a structure of the same members.

namespace zrx {

namespace line_state {

// The system's values for these members (the Windows port checks that they
// match its headers).
inline constexpr unsigned kNoParity = 0;   // NOPARITY
inline constexpr unsigned kOneStopBit = 0; // ONESTOPBIT
inline constexpr unsigned kLineOn = 1;     // DTR_CONTROL_ENABLE, RTS_CONTROL_ENABLE
inline constexpr unsigned kHandshake = 2;  // DTR_CONTROL_HANDSHAKE, RTS_CONTROL_HANDSHAKE
inline constexpr char kXon = 0x11;
inline constexpr char kXoff = 0x13;

} // namespace line_state

// The driver's settings with `baud`, 8 data bits, no parity and 1 stop bit,
// and with everything that would change, drop or hold back the radio's
// bytes switched off. Another program may have left any of it on:
// - "discard null bytes" drops every 0x00 of the radio's memory, and a read
//   then goes through with the data shifted;
// - XON/XOFF takes 0x11 and 0x13 out of the data as flow control, and stops
//   sending after a 0x13 from the radio;
// - CTS and DSR flow control stop sending, and DSR sensitivity drops what
//   arrives, whenever the cable leaves those lines low, as most radio cables
//   do;
// - the error character replaces bytes, and abort-on-error stops every read
//   and write after a single line error until the error is cleared.
// DTR and RTS stay as they were, on or off: some cables take their power
// from them. A line in handshake mode is flow control, though: the driver
// would drop it whenever its input queue ran full, cutting such a cable's
// power in the middle of a transfer. It stays on for good instead, which is
// how a handshake line stands while the queue has room. RTS toggle mode
// (RTS up while sending, for half-duplex adapters) holds back no data and
// stays.
template <typename Settings>
[[nodiscard]] Settings binaryLineState(Settings settings, unsigned baud) {
    settings.DCBlength = sizeof settings;
    settings.BaudRate = baud;
    settings.ByteSize = 8;
    settings.Parity = line_state::kNoParity;
    settings.StopBits = line_state::kOneStopBit;
    settings.fBinary = 1;
    settings.fParity = 0;
    settings.fOutxCtsFlow = 0;
    settings.fOutxDsrFlow = 0;
    settings.fDsrSensitivity = 0;
    settings.fOutX = 0;
    settings.fInX = 0;
    settings.fTXContinueOnXoff = 1;
    settings.fErrorChar = 0;
    settings.fNull = 0;
    settings.fAbortOnError = 0;
    if (settings.fDtrControl == line_state::kHandshake) {
        settings.fDtrControl = line_state::kLineOn;
    }
    if (settings.fRtsControl == line_state::kHandshake) {
        settings.fRtsControl = line_state::kLineOn;
    }
    // Unused without XON/XOFF, but a driver refuses the whole state when
    // the two are the same character, as some report them (both 0).
    settings.XonChar = line_state::kXon;
    settings.XoffChar = line_state::kXoff;
    settings.wReserved = 0;
    return settings;
}

} // namespace zrx
