#include "mainframe.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QPixmap>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <algorithm>

#include "command_ids.h"
#include "dialog_template.h"
#include "keyboard_indicators.h"
#include "menu_table.h"
#include "resources.h"

namespace {

constexpr int kButtonImageSize = 18;
constexpr int kToolbarImageCount = 7;
constexpr int kIndicatorIntervalMs = 250;

// The standard child ids of the toolbar and the status bar.
constexpr int kToolBarId = 59392;
constexpr int kStatusBarId = 59393;

} // namespace

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent) {
    // The caption is the program's title alone, whatever file is open.
    setWindowTitle(res("String", "ZRX PC Encoder"));
    setWindowIcon(QIcon(QStringLiteral(":/icon128.png")));
    resize(kWidth, kHeight);
    ShowFocusFromTheStart(this);
}

bool CMainFrame::Create() {
    CreateMenus();
    CreateAccelerators();
    if (!CreateToolBar()) {
        return false;
    }
    CreateStatusBar();
    UpdateCommandUI();
    return true;
}

void CMainFrame::SetCommandTargets(CCmdTarget* view, CCmdTarget* document,
                                   CCmdTarget* application) {
    m_view = view;
    m_document = document;
    m_application = application;
}

bool CMainFrame::Dispatch(int id) {
    const std::array<CCmdTarget*, 4> chain = {m_view, m_document, this, m_application};
    bool handled = false;
    for (CCmdTarget* target : chain) {
        if (target != nullptr && target->OnCmdMsg(id)) {
            handled = true;
            break;
        }
    }
    UpdateCommandUI();
    return handled;
}

void CMainFrame::UpdateCommandUI() {
    const std::array<CCmdTarget*, 4> chain = {m_view, m_document, this, m_application};
    for (auto it = m_actions.cbegin(); it != m_actions.cend(); ++it) {
        CCmdUI ui;
        for (CCmdTarget* target : chain) {
            if (target != nullptr && target->OnUpdateCmdUI(it.key(), ui)) {
                break;
            }
        }
        // Only a checked item is checkable, so an unchecked one shows no
        // empty box beside its text, as in a classic menu.
        it.value()->setEnabled(ui.enabled);
        if (!ui.text.isEmpty()) {
            it.value()->setText(ui.text);
        }
        it.value()->setCheckable(ui.checked);
        it.value()->setChecked(ui.checked);
    }
}

QMenu* CMainFrame::MenuContaining(int id) const {
    QAction* action = m_actions.value(id);
    for (QAction* popup : menuBar()->actions()) {
        if (QMenu* menu = popup->menu(); menu != nullptr && menu->actions().contains(action)) {
            return menu;
        }
    }
    return nullptr;
}

bool CMainFrame::OnCmdMsg(int id) {
    switch (id) {
    case cmd::kViewToolbar:
        m_toolBar->setVisible(!m_toolBar->isVisible());
        return true;
    case cmd::kViewStatusBar:
        statusBar()->setVisible(!statusBar()->isVisible());
        return true;
    case cmd::kAppExit:
        // Closing asks about unsaved changes (closeEvent).
        close();
        return true;
    case cmd::kNextPane:
    case cmd::kPrevPane:
        // The frame has no panes to move between.
        return true;
    default:
        return false;
    }
}

bool CMainFrame::OnUpdateCmdUI(int id, CCmdUI& ui) {
    switch (id) {
    case cmd::kViewToolbar:
        ui.checked = m_toolBar != nullptr && !m_toolBar->isHidden();
        return true;
    case cmd::kViewStatusBar:
        ui.checked = !statusBar()->isHidden();
        return true;
    default:
        return false;
    }
}

QAction* CMainFrame::CreateAction(int id, const char* menuText) {
    QAction* action = m_actions.value(id);
    if (action == nullptr) {
        action = new QAction(this);
        action->setData(id);
        m_actions.insert(id, action);
        connect(action, &QAction::triggered, this, [this, id] { Dispatch(id); });
    }
    if (menuText != nullptr) {
        action->setText(res("Menu128", menuText));
    }
    if (const char* prompt = CommandPrompt(id)) {
        const QString text = res("String", prompt);
        const qsizetype newline = text.indexOf(QLatin1Char('\n'));
        action->setStatusTip(newline < 0 ? text : text.left(newline));
        if (newline >= 0) {
            action->setToolTip(text.mid(newline + 1).trimmed());
        }
    }
    return action;
}

void CMainFrame::CreateMenus() {
    for (const MenuPopup& popup : MainMenu()) {
        QMenu* menu = menuBar()->addMenu(res("Menu128", popup.title));
        for (const MenuItem& item : popup.items) {
            if (item.text == nullptr) {
                menu->addSeparator();
                continue;
            }
            QAction* action = CreateAction(item.id, item.text);
            // The menu shows texts only; the images belong to the toolbar.
            action->setIconVisibleInMenu(false);
            menu->addAction(action);
        }
        // Check marks and enabled states are asked for just before a menu opens.
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandUI);
    }
}

void CMainFrame::CreateAccelerators() {
    // Accelerators are separate from the menu items (the menu only shows the
    // keys as text), so a key never depends on a menu being built.
    for (const Accelerator& accelerator : Accelerators()) {
        auto* shortcut = new QAction(this);
        shortcut->setShortcut(QKeySequence(accelerator.keys));
        shortcut->setShortcutContext(Qt::WindowShortcut);
        shortcut->setData(accelerator.id);
        shortcut->setObjectName(QStringLiteral("accelerator%1").arg(accelerator.id));
        const int id = accelerator.id;
        connect(shortcut, &QAction::triggered, this, [this, id] {
            // What a command may do depends on more than the last command
            // (a picked channel, the clipboard): asked afresh for each key.
            UpdateCommandUI();
            if (QAction* action = m_actions.value(id); action == nullptr || action->isEnabled()) {
                Dispatch(id);
            }
        });
        addAction(shortcut);
    }
}

bool CMainFrame::CreateToolBar() {
    // The images at their size, and at twice it for scaled screens, where
    // the first would come out blurred.
    const QPixmap strip(QStringLiteral(":/toolbar128.png"));
    const QPixmap strip2x(QStringLiteral(":/toolbar128@2x.png"));
    if (strip.width() != kButtonImageSize * kToolbarImageCount ||
        strip.height() != kButtonImageSize || strip2x.size() != strip.size() * 2) {
        return false;
    }
    m_toolBar = new QToolBar(this);
    m_toolBar->setObjectName(QString::number(kToolBarId));
    m_toolBar->setIconSize(QSize(kButtonImageSize, kButtonImageSize));
    m_toolBar->setMovable(true);   // the gripper
    m_toolBar->setFloatable(true); // and it can stand alone as a small window
    m_toolBar->setAllowedAreas(Qt::AllToolBarAreas);
    m_toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (const ToolbarButton& button : ToolbarButtons()) {
        if (button.id == 0) {
            m_toolBar->addSeparator();
            continue;
        }
        QAction* action = CreateAction(button.id, nullptr);
        QIcon icon(
            strip.copy(button.image * kButtonImageSize, 0, kButtonImageSize, kButtonImageSize));
        QPixmap large = strip2x.copy(button.image * kButtonImageSize * 2, 0, kButtonImageSize * 2,
                                     kButtonImageSize * 2);
        large.setDevicePixelRatio(2);
        icon.addPixmap(large);
        action->setIcon(icon);
        // A screen reader names the button as the menu does, without the
        // mnemonic, the key and the dots ("Open", not "&Open...\tCtrl+O").
        action->setIconText(CommandName(button.id).remove(QStringLiteral("...")));
        m_toolBar->addAction(action);
    }
    addToolBar(Qt::TopToolBarArea, m_toolBar);
    return true;
}

void CMainFrame::CreateStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QString::number(kStatusBarId));
    const std::array<const char*, 3> names = {QT_TRANSLATE_NOOP("String", "CAP"),
                                              QT_TRANSLATE_NOOP("String", "NUM"),
                                              QT_TRANSLATE_NOOP("String", "SCRL")};
    for (std::size_t i = 0; i < names.size(); ++i) {
        auto* pane = new QLabel(res("String", names[i]), bar);
        pane->setObjectName(QString::fromLatin1(names[i]));
        pane->setAlignment(Qt::AlignCenter);
        pane->setFrameShape(QFrame::Panel);
        pane->setFrameShadow(QFrame::Sunken);
        pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(pane->text()) + 10);
        bar->addPermanentWidget(pane);
        m_indicators[i] = pane;
    }
    UpdateIndicators();
    m_indicatorTimer = new QTimer(this);
    connect(m_indicatorTimer, &QTimer::timeout, this, &CMainFrame::UpdateIndicators);
    m_indicatorTimer->start(kIndicatorIntervalMs);
}

void CMainFrame::UpdateIndicators() {
    const std::array<LockKey, 3> keys = {LockKey::CapsLock, LockKey::NumLock, LockKey::ScrollLock};
    for (std::size_t i = 0; i < keys.size(); ++i) {
        // A lit indicator reads normally; an unlit one (or one the system
        // cannot tell) is greyed.
        m_indicators[i]->setEnabled(LockKeyState(keys[i]).value_or(false));
    }
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (m_closeGuard && !m_closeGuard()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

void CMainFrame::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    GrowToShowForm();
    CenterWindow();
}

void CMainFrame::GrowToShowForm() {
    QWidget* central = centralWidget();
    if (m_form == nullptr || central == nullptr) {
        return;
    }
    const QSize needed = m_form->minimumSize();
    const QSize shown = central->size();
    const QSize missing(std::max(0, needed.width() - shown.width()),
                        std::max(0, needed.height() - shown.height()));
    if (missing.width() == 0 && missing.height() == 0) {
        return;
    }
    QSize target = size() + missing;
    if (const QScreen* where = screen() != nullptr ? screen() : QGuiApplication::primaryScreen()) {
        // The window's own frame (title bar, borders) takes room too.
        const QSize decoration = frameGeometry().size() - geometry().size();
        target = target.boundedTo(where->availableGeometry().size() - decoration);
    }
    resize(target.expandedTo(size()));
}

void CMainFrame::hideEvent(QHideEvent* event) {
    QMainWindow::hideEvent(event);
    CenterWindow();
}

void CMainFrame::CenterWindow() {
    const QScreen* target = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
    if (target == nullptr) {
        return;
    }
    const QRect available = target->availableGeometry();
    QRect frame = frameGeometry();
    frame.moveCenter(available.center());
    move(frame.topLeft());
}
