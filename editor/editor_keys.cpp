#include "editor_keys.h"

#include <QKeyEvent>

using zrx::editing::Key;

Key keyOf(const QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return Key::Enter;
    case Qt::Key_Delete:
        return Key::Delete;
    case Qt::Key_Backspace:
        return Key::Backspace;
    case Qt::Key_Left:
        return Key::Left;
    case Qt::Key_Right:
        return Key::Right;
    case Qt::Key_Up:
        return Key::Up;
    case Qt::Key_Down:
        return Key::Down;
    case Qt::Key_Home:
        return Key::Home;
    case Qt::Key_End:
        return Key::End;
    case Qt::Key_Period:
        return Key::Point;
    case Qt::Key_Comma:
        // The keypad's decimal key gives a comma on some layouts.
        return (event->modifiers() & Qt::KeypadModifier) ? Key::Point : Key::Other;
    default:
        if (event->key() >= Qt::Key_0 && event->key() <= Qt::Key_9) {
            return Key::Digit;
        }
        return Key::Other;
    }
}

zrx::editing::KeyStroke strokeOf(const QKeyEvent* event) {
    return {keyOf(event), (event->modifiers() & Qt::KeypadModifier) != 0,
            (event->modifiers() & Qt::ShiftModifier) != 0};
}
