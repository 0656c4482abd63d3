#pragma once

#include <QDialog>
#include <vector>

#include "image/language.h"
#include "plans/plan_library.h"

class QLabel;
class QListWidget;

// File > New from Plan: the ready channel plans, those that came with the
// program and the user's own, with each plan's note beside it.
class CPlanDlg : public QDialog {
    Q_OBJECT
public:
    CPlanDlg(std::vector<zrx::plans::PlanEntry> plans, zrx::Language language,
             QWidget* parent = nullptr);

    // The plan chosen, once the dialog was accepted; nullptr otherwise.
    [[nodiscard]] const zrx::plans::PlanEntry* Chosen() const;

    [[nodiscard]] QListWidget* List() const { return m_list; }
    [[nodiscard]] QLabel* Note() const { return m_note; }

private:
    void ShowNote();

    std::vector<zrx::plans::PlanEntry> m_plans;
    zrx::Language m_language;
    QListWidget* m_list = nullptr;
    QLabel* m_note = nullptr;
};
