#include "port_selection.h"

#include <QAction>
#include <QMenu>
#include <iterator>

#include "shell/command_ids.h"
#include "transfer/other_port_box.h"

namespace {

// The port text of a COMn command, or an empty text for any other command.
QString comPortText(int id) {
    for (std::size_t i = 0; i < std::size(cmd::kComPorts); ++i) {
        if (cmd::kComPorts[i] == id) {
            return QStringLiteral("COM%1").arg(i + 1);
        }
    }
    return {};
}

bool isFixedComPort(const QString& portName) {
    for (const int id : cmd::kComPorts) {
        if (comPortText(id) == portName) {
            return true;
        }
    }
    return false;
}

} // namespace

PortSelection::PortSelection(QString& portName, Lister lister, QObject* parent)
    : QObject(parent), m_portName(portName), m_lister(std::move(lister)) {}

void PortSelection::AttachMenu(QMenu* menu) {
    m_menu = menu;
    if (m_menu == nullptr) {
        return;
    }
    connect(m_menu, &QMenu::aboutToShow, this, &PortSelection::RefreshDetected);
    RefreshDetected();
}

void PortSelection::RefreshDetected() {
    if (m_menu == nullptr) {
        return;
    }
    for (QAction* action : std::as_const(m_detected)) {
        m_menu->removeAction(action);
        action->deleteLater();
    }
    m_detected.clear();
    if (m_current != nullptr) {
        m_menu->removeAction(m_current);
        m_current->deleteLater();
        m_current = nullptr;
    }
    if (m_separator == nullptr) {
        m_separator = m_menu->addSeparator();
        m_other = new QAction(m_menu);
        connect(m_other, &QAction::triggered, this, &PortSelection::OnOtherPort);
        m_menu->addAction(m_other);
    }
    // The language may have been set after the menu was attached.
    m_other->setText(OtherPortMenuText(m_language));

    const std::vector<DetectedPort> ports = m_lister ? m_lister() : std::vector<DetectedPort>{};
    bool listed = m_portName.isEmpty() || isFixedComPort(m_portName);
    for (const DetectedPort& port : ports) {
        m_detected.append(AddPortAction(port.label, port.portName));
        listed = listed || port.portName == m_portName;
    }
    // A port typed into Program.ini or the box: shown, so that the check
    // mark always tells which port a read or write would use.
    if (!listed) {
        m_current = AddPortAction(m_portName, m_portName);
    }
}

QAction* PortSelection::AddPortAction(const QString& label, const QString& portName) {
    auto* action = new QAction(label, m_menu);
    action->setData(portName);
    action->setStatusTip(portName);
    const bool current = m_portName == portName;
    action->setCheckable(current);
    action->setChecked(current);
    connect(action, &QAction::triggered, this, [this, portName] { Choose(portName); });
    m_menu->insertAction(m_other, action);
    return action;
}

void PortSelection::Choose(const QString& portName) {
    m_portName = portName;
    if (m_keeper) {
        m_keeper(portName);
    }
}

void PortSelection::OnOtherPort() {
    if (!m_asker) {
        return;
    }
    const std::optional<QString> typed = m_asker(m_portName);
    if (!typed) {
        return;
    }
    if (const std::optional<QString> name = UsablePortName(*typed)) {
        Choose(*name);
    }
}

bool PortSelection::OnCmdMsg(int id) {
    const QString text = comPortText(id);
    if (text.isEmpty()) {
        return false;
    }
    Choose(text);
    return true;
}

bool PortSelection::OnUpdateCmdUI(int id, CCmdUI& ui) {
    const QString text = comPortText(id);
    if (text.isEmpty()) {
        return false;
    }
    // The whole text, case and all: "com3" checks none of these (it has an
    // item of its own below them).
    ui.checked = m_portName == text;
    return true;
}
