#include "dtmf_key_filter.h"

#include <QKeyEvent>

#include <algorithm>

#include "editing/code_characters.h"

namespace {

bool typesNothing(const QString& text) {
    return std::none_of(text.cbegin(), text.cend(), [](QChar c) { return c.isPrint(); });
}

} // namespace

bool DtmfKeyFilter::Passes(const QKeyEvent& event) {
    const int key = event.key();
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    // Tab, Shift+Tab and Escape type nothing and always leave the box: a
    // box that holds the focus for ever would lock a keyboard user in.
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
        return true;
    default:
        break;
    }
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    const bool control = modifiers.testFlag(Qt::ControlModifier);
    const bool alt = modifiers.testFlag(Qt::AltModifier);
    // Ctrl+Alt is AltGr on Windows, which types characters like any key.
    if (control && !alt) {
        return key >= Qt::Key_A && key <= Qt::Key_D;
    }
    if (modifiers.testFlag(Qt::MetaModifier)) {
        return false;
    }
    // The character decides, not the key that made it, so the result is
    // the same on every keyboard layout: Shift+3 gives "#" on a US keyboard
    // and "§" on a German one, and only "#" gets in.
    const QString text = event.text();
    if (text.size() == 1 && zrx::editing::dtmfSymbolFor(text.front().unicode()) != 0) {
        return true;
    }
    return alt && typesNothing(text);
}

bool DtmfKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && !Passes(*static_cast<QKeyEvent*>(event))) {
        return true;
    }
    return QObject::eventFilter(watched, event);
}
