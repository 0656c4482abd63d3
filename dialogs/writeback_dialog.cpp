#include "writeback_dialog.h"

#include <QKeyEvent>

void CWriteBackDialog::done(int result) {
    WriteBack();
    QDialog::done(result);
}

void CWriteBackDialog::keyPressEvent(QKeyEvent* event) {
    // With no default button to press, Enter ends the dialog as OK.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
