#include "pcba_key_filter.h"

#include <QKeyEvent>

#include <algorithm>

#include "editing/code_characters.h"

namespace {

bool isAsciiLetterOrDigit(QChar c) {
    return zrx::editing::pcbaCharacterFor(c.unicode()) != 0;
}

} // namespace

bool PcbaKeyFilter::Passes(const QKeyEvent& event) {
    const int key = event.key();
    switch (key) {
    case Qt::Key_Backspace:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return true;
    default:
        break;
    }
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    // Ctrl+Alt is AltGr on Windows, which types characters like any key.
    if (modifiers.testFlag(Qt::ControlModifier) && !modifiers.testFlag(Qt::AltModifier)) {
        return key < Qt::Key_A || key > Qt::Key_Z;
    }
    const QString text = event.text();
    return std::all_of(text.cbegin(), text.cend(), isAsciiLetterOrDigit);
}

bool PcbaKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && !Passes(*static_cast<QKeyEvent*>(event))) {
        return true;
    }
    return QObject::eventFilter(watched, event);
}
