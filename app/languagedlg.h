#pragma once

#include <QDialog>

#include "image/language.h"

class QComboBox;

// The language choice: a list of the three languages, named in the running
// language, with the current one selected. OK takes the selected position
// (the first when nothing is selected) as the chosen language.
class CLanguageDlg : public QDialog {
    Q_OBJECT
public:
    explicit CLanguageDlg(zrx::Language current, QWidget* parent = nullptr);

    // The chosen language: the current one until OK is pressed.
    [[nodiscard]] zrx::Language Chosen() const { return m_chosen; }
    [[nodiscard]] QComboBox* List() const { return m_list; }

    void accept() override;

private:
    QComboBox* m_list = nullptr;
    zrx::Language m_chosen;
};
