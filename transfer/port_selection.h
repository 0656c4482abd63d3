#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <functional>
#include <vector>

#include "shell/cmd_target.h"
#include "transfer/serial_port_list.h"

class QAction;
class QMenu;

// The Port menu: COM1 to COM8, each setting the port name to its own text
// and checked when the port name is exactly that text; below them, the
// serial ports this computer has, read again every time the menu opens,
// each setting the port name to its device and checked by the same rule.
// Nothing here writes Program.ini or tries a port.
class PortSelection : public QObject, public CCmdTarget {
    Q_OBJECT
public:
    using Lister = std::function<std::vector<DetectedPort>()>;

    // `portName` is the program's port name, which this changes.
    PortSelection(QString& portName, Lister lister, QObject* parent = nullptr);

    void SetLister(Lister lister) { m_lister = std::move(lister); }
    // Puts the detected ports into `menu`, below its eight fixed items.
    void AttachMenu(QMenu* menu);
    // Lists the ports again; the menu does this itself before it opens.
    void RefreshDetected();
    [[nodiscard]] const QList<QAction*>& DetectedActions() const { return m_detected; }

    bool OnCmdMsg(int id) override;
    bool OnUpdateCmdUI(int id, CCmdUI& ui) override;

private:
    QString& m_portName;
    Lister m_lister;
    QMenu* m_menu = nullptr;
    QAction* m_separator = nullptr;
    QList<QAction*> m_detected;
};
