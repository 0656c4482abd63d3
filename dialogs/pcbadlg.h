#pragma once

#include <QDialog>

#include "image/radio_image.h"

class QLineEdit;
class PcbaCodeValidator;

// The PCBA code dialog (the Embed command): the board's code of up to 16
// letters and digits, shown from the radio image and stored back only on OK.
class CPcbaDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 166;
    static constexpr int kIdCode = 1092;

    explicit CPcbaDlg(zrx::RadioImage& image, QWidget* parent = nullptr);

    [[nodiscard]] QLineEdit* CodeBox() const { return m_code; }

    // OK: stores the code, then ends the dialog.
    void accept() override;

private:
    void OnInitDialog();

    zrx::RadioImage& m_image;
    QLineEdit* m_code = nullptr;
    PcbaCodeValidator* m_validator = nullptr;
};
