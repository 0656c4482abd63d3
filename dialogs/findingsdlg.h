#pragma once

#include <QDialog>
#include <vector>

#include "checks/plan_checks.h"
#include "image/language.h"

class QCheckBox;
class QPushButton;
class QTableWidget;

// What the checks found in the memory: one row per finding (how serious,
// which channels, why), or one line saying there is nothing. Shown by
// Program > Check Plan with a Close button, and before a write, when there
// is something to say, with "Write anyway" and "Cancel" and the choice not
// to be asked again.
class CFindingsDlg : public QDialog {
    Q_OBJECT
public:
    enum class Purpose { Review, BeforeWrite };

    CFindingsDlg(const std::vector<zrx::checks::Finding>& findings, Purpose purpose,
                 zrx::Language language, QWidget* parent = nullptr);

    // Before a write: the user ticked "Do not check before writing".
    [[nodiscard]] bool DoNotCheckAgain() const;

    [[nodiscard]] QTableWidget* Table() const { return m_table; }
    [[nodiscard]] QPushButton* AcceptButton() const { return m_accept; }
    [[nodiscard]] QCheckBox* DoNotCheckBox() const { return m_doNotCheck; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QTableWidget* m_table = nullptr;
    QPushButton* m_accept = nullptr;
    QCheckBox* m_doNotCheck = nullptr;
};
