#pragma once

#include <QObject>

class QKeyEvent;

// The keys the PTT ID Code box takes: the sixteen DTMF symbols 0-9, A-D, *
// and #, however the keyboard layout makes them (a, b, c and d count as
// their capitals; keypad digits count), the arrow keys, Backspace and Delete,
// Ctrl with A to D (select all, copy), and Tab, Shift+Tab and Escape, which
// move on and close the dialog as anywhere else. Every other key press is
// swallowed before it reaches the box or the dialog: Enter does nothing while
// the box has the focus, and Ctrl+V does not paste. Alt combinations that
// type nothing are left to the window.
class DtmfKeyFilter : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    [[nodiscard]] static bool Passes(const QKeyEvent& event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
