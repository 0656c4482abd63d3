#include "keyboard_indicators.h"

// Q_OS_WIN comes from Qt: without a Qt header first, the Windows branch
// below would never be compiled, even on Windows.
#include <QtGlobal>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <QDir>
#include <QFile>
#endif

#ifdef ZRX_HAVE_X11
// Asks the X server, when the program runs on one (keyboard_indicators_x11.cpp).
std::optional<bool> X11LockKeyState(LockKey key);
#endif

namespace {

#ifndef Q_OS_WIN
// Linux shows the lock states on the keyboard LEDs, which the kernel lists
// as input<n>::capslock and so on.
std::optional<bool> ledState(LockKey key) {
    const char* suffix = key == LockKey::CapsLock  ? "::capslock"
                         : key == LockKey::NumLock ? "::numlock"
                                                   : "::scrolllock";
    const QDir leds(QStringLiteral("/sys/class/leds"));
    const QStringList names =
        leds.entryList({QStringLiteral("input*") + QLatin1String(suffix)}, QDir::AllEntries);
    if (names.isEmpty()) {
        return std::nullopt;
    }
    QFile brightness(leds.filePath(names.front()) + QStringLiteral("/brightness"));
    if (!brightness.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    return brightness.readAll().trimmed() != "0";
}
#endif

} // namespace

std::optional<bool> LockKeyState(LockKey key) {
#ifdef Q_OS_WIN
    const int virtualKey = key == LockKey::CapsLock  ? VK_CAPITAL
                           : key == LockKey::NumLock ? VK_NUMLOCK
                                                     : VK_SCROLL;
    return (GetKeyState(virtualKey) & 1) != 0;
#else
#ifdef ZRX_HAVE_X11
    if (const std::optional<bool> state = X11LockKeyState(key)) {
        return state;
    }
#endif
    return ledState(key);
#endif
}
