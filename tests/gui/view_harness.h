#pragma once

// Drives the channel table as a user would: presses on cell rectangles and
// typed keys, always to the widget that has the focus.

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <functional>

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

// Runs `handle` on the next modal dialog once it is showing.
inline void onNextModal(std::function<void(QWidget*)> handle) {
    auto* timer = new QTimer;
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, [timer, handle]() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            for (QWidget* top : QApplication::topLevelWidgets()) {
                if (top->isVisible() && top->isModal()) {
                    modal = top;
                }
            }
        }
        if (modal != nullptr) {
            timer->stop();
            timer->deleteLater();
            handle(modal);
        }
    });
    timer->start();
}

} // namespace harness
