// The line settings the Windows port writes over whatever another program
// left on the line. The same rules run here on the system's own DCB in the
// Windows build, and on a structure of the same members elsewhere.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "link/binary_line_state.h"

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#endif

using namespace zrx;

namespace {

#ifdef _WIN32
using LineSettings = DCB;
#else
// Windows' DCB, member for member.
struct LineSettings {
    std::uint32_t DCBlength;
    std::uint32_t BaudRate;
    std::uint32_t fBinary : 1;
    std::uint32_t fParity : 1;
    std::uint32_t fOutxCtsFlow : 1;
    std::uint32_t fOutxDsrFlow : 1;
    std::uint32_t fDtrControl : 2;
    std::uint32_t fDsrSensitivity : 1;
    std::uint32_t fTXContinueOnXoff : 1;
    std::uint32_t fOutX : 1;
    std::uint32_t fInX : 1;
    std::uint32_t fErrorChar : 1;
    std::uint32_t fNull : 1;
    std::uint32_t fRtsControl : 2;
    std::uint32_t fAbortOnError : 1;
    std::uint32_t fDummy2 : 17;
    std::uint16_t wReserved;
    std::uint16_t XonLim;
    std::uint16_t XoffLim;
    std::uint8_t ByteSize;
    std::uint8_t Parity;
    std::uint8_t StopBits;
    char XonChar;
    char XoffChar;
    char ErrorChar;
    char EofChar;
    char EvtChar;
    std::uint16_t wReserved1;
};
#endif

// Everything another program can leave on that bends or stops the data.
LineSettings everythingLeftOn() {
    LineSettings line{};
    line.BaudRate = 115200;
    line.ByteSize = 7;
    line.Parity = 2; // even
    line.StopBits = 2;
    line.fParity = 1;
    line.fOutxCtsFlow = 1;
    line.fOutxDsrFlow = 1;
    line.fDsrSensitivity = 1;
    line.fOutX = 1;
    line.fInX = 1;
    line.fErrorChar = 1;
    line.ErrorChar = '?';
    line.fNull = 1;
    line.fAbortOnError = 1;
    line.wReserved = 1;
    return line;
}

// From a state a driver may report (all zero: not binary, XON and XOFF the
// same character) and from one with everything left on, under each state of
// DTR and RTS: nothing that bends or stops the data survives, and DTR and
// RTS stay as they were, a handshake line turned on for good.
TEST(BinaryLineState, NothingThatBendsOrStopsTheDataSurvivesAndDtrRtsStayAsTheyWere) {
    struct Control {
        const char* name;
        unsigned dtrLeft, rtsLeft, dtr, rts;
    };
    const Control controls[] = {
        {"DTR and RTS on", 1, 1, 1, 1},
        {"DTR and RTS off", 0, 0, 0, 0},
        {"DTR and RTS handshake", 2, 2, 1, 1},
        {"DTR off, RTS toggling while sending", 0, 3, 0, 3},
    };
    for (const Control& control : controls) {
        for (LineSettings left : {LineSettings{}, everythingLeftOn()}) {
            SCOPED_TRACE(std::string(control.name) + (left.fNull ? ", everything left on" : ""));
            left.fDtrControl = control.dtrLeft & 3u;
            left.fRtsControl = control.rtsLeft & 3u;
            const LineSettings line = binaryLineState(left, 9600);
            EXPECT_EQ(line.DCBlength, sizeof line);
            EXPECT_EQ(line.BaudRate, 9600u);
            EXPECT_EQ(line.ByteSize, 8u);
            EXPECT_EQ(line.Parity, 0u);
            EXPECT_EQ(line.StopBits, 0u);
            EXPECT_EQ(line.fBinary, 1u);
            EXPECT_EQ(line.fParity, 0u);
            EXPECT_FALSE(line.fOutxCtsFlow || line.fOutxDsrFlow || line.fDsrSensitivity);
            EXPECT_FALSE(line.fOutX || line.fInX);
            EXPECT_EQ(line.fTXContinueOnXoff, 1u);
            EXPECT_FALSE(line.fErrorChar || line.fNull || line.fAbortOnError);
            // Standard and distinct, or a driver refuses the state.
            EXPECT_EQ(line.XonChar, 0x11);
            EXPECT_EQ(line.XoffChar, 0x13);
            EXPECT_EQ(line.wReserved, 0u);
            EXPECT_EQ(line.fDtrControl, control.dtr);
            EXPECT_EQ(line.fRtsControl, control.rts);
        }
    }
}

} // namespace
