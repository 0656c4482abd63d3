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

// A line as a driver reports it after a reboot: 9600 8N1, DTR and RTS on.
LineSettings freshLine() {
    LineSettings line{};
    line.DCBlength = sizeof line;
    line.BaudRate = 9600;
    line.fBinary = 1;
    line.fDtrControl = 1;
    line.fTXContinueOnXoff = 1;
    line.fRtsControl = 1;
    line.XonLim = 2048;
    line.XoffLim = 512;
    line.ByteSize = 8;
    line.XonChar = 0x11;
    line.XoffChar = 0x13;
    return line;
}

void expectBinary(const LineSettings& line) {
    EXPECT_EQ(line.DCBlength, sizeof line);
    EXPECT_EQ(line.BaudRate, 9600u);
    EXPECT_EQ(line.ByteSize, 8u);
    EXPECT_EQ(line.Parity, 0u);
    EXPECT_EQ(line.StopBits, 0u);
    EXPECT_EQ(line.fBinary, 1u);
    EXPECT_EQ(line.fParity, 0u);
    EXPECT_EQ(line.fOutxCtsFlow, 0u);
    EXPECT_EQ(line.fOutxDsrFlow, 0u);
    EXPECT_EQ(line.fDsrSensitivity, 0u);
    EXPECT_EQ(line.fOutX, 0u);
    EXPECT_EQ(line.fInX, 0u);
    EXPECT_EQ(line.fTXContinueOnXoff, 1u);
    EXPECT_EQ(line.fErrorChar, 0u);
    EXPECT_EQ(line.fNull, 0u);
    EXPECT_EQ(line.fAbortOnError, 0u);
    EXPECT_NE(line.XonChar, line.XoffChar);
    EXPECT_EQ(line.wReserved, 0u);
}

// Each way of leaving the line, alone and all at once, under each state of
// DTR and RTS: nothing that bends or stops the data survives, and DTR and
// RTS stay as they were, a handshake line turned on for good.
TEST(BinaryLineState, NothingThatBendsOrStopsTheDataSurvivesAndDtrRtsStayAsTheyWere) {
    struct Leftover {
        const char* name;
        void (*leave)(LineSettings&);
    };
    const Leftover leftovers[] = {
        {"nothing", [](LineSettings&) {}},
        {"null bytes discarded", [](LineSettings& l) { l.fNull = 1; }},
        {"XON/XOFF both ways, sending stopped after XOFF",
         [](LineSettings& l) {
             l.fOutX = 1;
             l.fInX = 1;
             l.fTXContinueOnXoff = 0;
         }},
        {"CTS and DSR flow control, DSR sensitivity",
         [](LineSettings& l) {
             l.fOutxCtsFlow = 1;
             l.fOutxDsrFlow = 1;
             l.fDsrSensitivity = 1;
         }},
        {"error character, abort on error",
         [](LineSettings& l) {
             l.fErrorChar = 1;
             l.ErrorChar = '?';
             l.fAbortOnError = 1;
         }},
        {"7E2 at 115200, parity checked, not binary",
         [](LineSettings& l) {
             l.BaudRate = 115200;
             l.ByteSize = 7;
             l.Parity = 2;
             l.StopBits = 2;
             l.fParity = 1;
             l.fBinary = 0;
         }},
        {"XON and XOFF the same character, a reserved field set",
         [](LineSettings& l) {
             l.XonChar = 0;
             l.XoffChar = 0;
             l.wReserved = 1;
         }},
    };
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
        LineSettings everything = freshLine();
        for (const Leftover& leftover : leftovers) {
            leftover.leave(everything);
        }
        for (const Leftover& leftover : leftovers) {
            SCOPED_TRACE(std::string(control.name) + "; " + leftover.name);
            LineSettings left = freshLine();
            leftover.leave(left);
            for (LineSettings* start : {&left, &everything}) {
                start->fDtrControl = control.dtrLeft & 3u;
                start->fRtsControl = control.rtsLeft & 3u;
                const LineSettings line = binaryLineState(*start, 9600);
                expectBinary(line);
                EXPECT_EQ(line.fDtrControl, control.dtr);
                EXPECT_EQ(line.fRtsControl, control.rts);
            }
        }
    }
}

} // namespace
