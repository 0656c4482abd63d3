#include "port_selection.h"

#include <QAction>
#include <QMenu>
#include <iterator>

#include "shell/command_ids.h"

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
    const std::vector<DetectedPort> ports = m_lister ? m_lister() : std::vector<DetectedPort>{};
    if (m_separator == nullptr) {
        m_separator = m_menu->addSeparator();
    }
    // The separator shows only when there is something below it.
    m_separator->setVisible(!ports.empty());
    for (const DetectedPort& port : ports) {
        auto* action = new QAction(port.label, m_menu);
        action->setData(port.portName);
        action->setStatusTip(port.portName);
        const bool current = m_portName == port.portName;
        action->setCheckable(current);
        action->setChecked(current);
        const QString name = port.portName;
        connect(action, &QAction::triggered, this, [this, name] { m_portName = name; });
        m_menu->addAction(action);
        m_detected.append(action);
    }
}

bool PortSelection::OnCmdMsg(int id) {
    const QString text = comPortText(id);
    if (text.isEmpty()) {
        return false;
    }
    m_portName = text;
    return true;
}

bool PortSelection::OnUpdateCmdUI(int id, CCmdUI& ui) {
    const QString text = comPortText(id);
    if (text.isEmpty()) {
        return false;
    }
    // The whole text, case and all: "com3" checks nothing.
    ui.checked = m_portName == text;
    return true;
}
