#pragma once

#include <QHash>
#include <QMainWindow>
#include <array>
#include <functional>

#include "cmd_target.h"

class QAction;
class QLabel;
class QMenu;
class QToolBar;
class QTimer;

// The program's one top-level window: menu, toolbar, the form view in the
// middle and the status bar. It owns one QAction per command id and sends
// every command along the chain view -> document -> frame -> application.
class CMainFrame : public QMainWindow, public CCmdTarget {
    Q_OBJECT
public:
    static constexpr int kWidth = 610;
    static constexpr int kHeight = 540;

    explicit CMainFrame(QWidget* parent = nullptr);

    // Builds the menu, accelerators, toolbar and status bar. False when the
    // toolbar's images cannot be loaded; the program then does not start.
    bool Create();

    // The targets after the frame's view: the view itself first, then the
    // document, and the application last.
    void SetCommandTargets(CCmdTarget* view, CCmdTarget* document, CCmdTarget* application);

    // Sends `id` to the first target that handles it; false when none does.
    bool Dispatch(int id);
    // Refreshes the enabled and checked states from the update handlers.
    void UpdateCommandUI();

    // The form the frame must show whole: where it does not fit in the
    // client area of 610 x 540 (larger fonts, a scaled screen), the frame
    // grows, as far as the screen allows, when it is shown.
    void SetForm(QWidget* form) { m_form = form; }
    // Asked before the window closes (Exit, the close box); false keeps it
    // open. The application asks about unsaved changes here.
    void SetCloseGuard(std::function<bool()> guard) { m_closeGuard = std::move(guard); }

    [[nodiscard]] QAction* Action(int id) const { return m_actions.value(id); }
    [[nodiscard]] QToolBar* ToolBar() const { return m_toolBar; }
    // The menu popup that holds the command `id`, or nullptr.
    [[nodiscard]] QMenu* MenuContaining(int id) const;

    bool OnCmdMsg(int id) override;
    bool OnUpdateCmdUI(int id, CCmdUI& ui) override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QAction* CreateAction(int id, const char* menuText);
    void CreateMenus();
    void CreateAccelerators();
    bool CreateToolBar();
    void CreateStatusBar();
    void UpdateIndicators();
    void CenterWindow();
    void GrowToShowForm();

    QHash<int, QAction*> m_actions;
    QToolBar* m_toolBar = nullptr;
    std::array<QLabel*, 3> m_indicators{};
    QTimer* m_indicatorTimer = nullptr;
    QWidget* m_form = nullptr;
    std::function<bool()> m_closeGuard;
    CCmdTarget* m_view = nullptr;
    CCmdTarget* m_document = nullptr;
    CCmdTarget* m_application = nullptr;
};
