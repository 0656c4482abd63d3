#pragma once

#include "image/language.h"
#include "image/radio_image.h"
#include "image/settings_field.h"
#include "writeback_dialog.h"

class QComboBox;
class QLineEdit;

// The Option Function dialog: nineteen drop-down lists of radio-wide options
// and the PTT ID Code box, filled in the program's language from the radio
// image when it opens and written back into it however it closes.
class COptionFunctionDlg : public CWriteBackDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 156;
    static constexpr int kIdPttIdCode = 1092;

    COptionFunctionDlg(zrx::RadioImage& image, zrx::Language language, QWidget* parent = nullptr);

    // The list that shows `field` (one of the Option Function fields).
    [[nodiscard]] QComboBox* List(zrx::SettingsField field) const;
    [[nodiscard]] QLineEdit* PttIdCodeBox() const { return m_pttIdCode; }

protected:
    void WriteBack() override;

private:
    void OnInitDialog();

    zrx::RadioImage& m_image;
    zrx::Language m_language;
    QLineEdit* m_pttIdCode = nullptr;
};
