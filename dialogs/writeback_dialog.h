#pragma once

#include <QDialog>

class QKeyEvent;

// A settings dialog without push buttons that keeps no copy of what it edits:
// it shows the radio image when it opens and writes its fields back however
// it is closed, by Enter (which ends it as OK would), by Escape or by the
// close box. So Escape keeps the user's changes, as the radio tool always has.
class CWriteBackDialog : public QDialog {
    Q_OBJECT
public:
    using QDialog::QDialog;

    void done(int result) override;

protected:
    // Stores every field into the radio image.
    virtual void WriteBack() = 0;
    void keyPressEvent(QKeyEvent* event) override;
};
