#include "terminal.h"

#include <cstdio>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <sys/ioctl.h>
#include <unistd.h>
#endif

#include "image/utf8.h"

namespace zrx::cli {

namespace {

// The characters a terminal draws two columns wide: Hangul Jamo, CJK and
// its punctuation, Hangul syllables, compatibility ideographs, full-width
// forms, and the ideographs beyond the first plane.
bool wide(char32_t c) {
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) ||
           (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
           (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

} // namespace

bool standardErrorRedraws() {
#ifdef _WIN32
    if (_isatty(_fileno(stderr)) == 0) {
        return false;
    }
    const HANDLE console = GetStdHandle(STD_ERROR_HANDLE);
    DWORD mode = 0;
    return GetConsoleMode(console, &mode) != 0 &&
           ((mode & ENABLE_VIRTUAL_TERMINAL_PROCESSING) != 0 ||
            SetConsoleMode(console, mode | ENABLE_VIRTUAL_TERMINAL_PROCESSING) != 0);
#else
    return ::isatty(STDERR_FILENO) == 1;
#endif
}

int standardErrorColumns() {
#ifdef _WIN32
    CONSOLE_SCREEN_BUFFER_INFO info{};
    if (GetConsoleScreenBufferInfo(GetStdHandle(STD_ERROR_HANDLE), &info) != 0) {
        const int columns = info.srWindow.Right - info.srWindow.Left + 1;
        if (columns > 0) {
            return columns;
        }
    }
#else
    winsize size{};
    if (::ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0) {
        return size.ws_col;
    }
#endif
    return 80;
}

std::size_t displayWidth(std::string_view text) {
    std::size_t width = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        width += wide(utf8::next(text, pos)) ? 2u : 1u;
    }
    return width;
}

std::string fitColumns(std::string_view text, int columns) {
    int used = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t next = pos;
        const int width = wide(utf8::next(text, next)) ? 2 : 1;
        if (used + width > columns) {
            break;
        }
        used += width;
        pos = next;
    }
    return std::string(text.substr(0, pos));
}

} // namespace zrx::cli
