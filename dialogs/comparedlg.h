#pragma once

#include <QDialog>
#include <vector>

#include "image/image_differences.h"
#include "image/language.h"

class QPushButton;
class QTableWidget;

// Program > Compare with Radio: every difference between what the radio
// holds and what this file would write, channel by channel and field by
// field, then the radio-wide settings; or one line when nothing differs.
// "Write These Changes" and "Use the Radio's" end it with their own result.
class CCompareDlg : public QDialog {
    Q_OBJECT
public:
    // The dialog's results besides Rejected (Close).
    static constexpr int kWriteChanges = 2;
    static constexpr int kUseRadio = 3;

    CCompareDlg(const std::vector<zrx::ImageDifference>& differences, zrx::Language language,
                QWidget* parent = nullptr);

    [[nodiscard]] QTableWidget* Table() const { return m_table; }
    [[nodiscard]] QPushButton* WriteButton() const { return m_write; }
    [[nodiscard]] QPushButton* UseRadioButton() const { return m_useRadio; }
    [[nodiscard]] QPushButton* CloseButton() const { return m_close; }

private:
    QTableWidget* m_table = nullptr;
    QPushButton* m_write = nullptr;
    QPushButton* m_useRadio = nullptr;
    QPushButton* m_close = nullptr;
};
