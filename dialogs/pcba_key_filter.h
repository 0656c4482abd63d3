#pragma once

#include <QObject>

class QKeyEvent;

// The characters the PCBA code box takes: ASCII letters and digits (shown in
// upper case) and Backspace. Every other character, space and punctuation
// included, is swallowed, and so are Ctrl combinations that edit through a
// control character (Ctrl+V, Ctrl+C). Keys that type no character act as
// usual: Enter (OK), Escape (Cancel), Tab, Delete, the arrows, Shift+Insert.
class PcbaKeyFilter : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    [[nodiscard]] static bool Passes(const QKeyEvent& event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
