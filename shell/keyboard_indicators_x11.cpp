// The lock states as the X server keeps them, by the indicator names of the
// keyboard map. Kept apart because the X headers define macros that clash
// with ordinary names.
#include <QGuiApplication>
#include <optional>

#include "keyboard_indicators.h"

#include <X11/XKBlib.h>

std::optional<bool> X11LockKeyState(LockKey key) {
    auto* x11 = qGuiApp != nullptr ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>()
                                   : nullptr;
    if (x11 == nullptr || x11->display() == nullptr) {
        return std::nullopt;
    }
    const char* name = key == LockKey::CapsLock  ? "Caps Lock"
                       : key == LockKey::NumLock ? "Num Lock"
                                                 : "Scroll Lock";
    Display* display = x11->display();
    const Atom indicator = XInternAtom(display, name, True);
    if (indicator == 0) {
        return std::nullopt;
    }
    int index = 0;
    Bool on = False;
    if (!XkbGetNamedIndicator(display, indicator, &index, &on, nullptr, nullptr)) {
        return std::nullopt;
    }
    return on != False;
}
