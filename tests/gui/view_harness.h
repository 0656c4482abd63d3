#pragma once

// Drives the channel table as a user would: presses on cell rectangles and
// typed keys, always to the widget that has the focus.

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "grid/msflexgrid.h"

namespace harness {

inline void settle() {
    // Arrow keys queued by the editors are handled on the next turns.
    for (int i = 0; i < 4; ++i) {
        QCoreApplication::processEvents();
    }
}

inline void clickCell(CMSFlexGrid* grid, int row, int col) {
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      grid->cellInteriorRect(row, col).center());
    settle();
}

inline QWidget* focused() {
    return QApplication::focusWidget();
}

inline void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target = focused();
    QVERIFY(target != nullptr);
    QTest::keyClick(target, k, modifiers);
    settle();
}

inline void type(const QString& text) {
    QWidget* target = focused();
    QVERIFY(target != nullptr);
    QTest::keyClicks(target, text);
    settle();
}

} // namespace harness
