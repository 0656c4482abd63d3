#pragma once

#include "image/language.h"
#include "image/radio_image.h"
#include "image/settings_field.h"
#include "writeback_dialog.h"

class QComboBox;

// The Side Key dialog: the functions of the radio's two side keys, a short
// and a long press each, as four drop-down lists filled in the program's
// language from the radio image when it opens and written back into it
// however it closes.
class CSideKeyDlg : public CWriteBackDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 161;

    CSideKeyDlg(zrx::RadioImage& image, zrx::Language language, QWidget* parent = nullptr);

    // The list that shows `field` (one of the four side-key fields).
    [[nodiscard]] QComboBox* List(zrx::SettingsField field) const;

protected:
    void WriteBack() override;

private:
    void OnInitDialog();

    zrx::RadioImage& m_image;
    zrx::Language m_language;
};
