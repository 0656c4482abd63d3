#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "image/language.h"
#include "shell/cmd_target.h"
#include "transfer/serial_port_list.h"

class QAction;
class QMenu;

// The Port menu: COM1 to COM8, each setting the port name to its own text
// and checked when the port name is exactly that text; below them, the
// serial ports this computer has, read again every time the menu opens,
// each setting the port name to its device and checked by the same rule;
// then the port in use when it is none of those (a name typed into
// Program.ini or the box), checked; last "Other port...", a box that takes
// any device name or path. Every port the user picks is handed to the
// keeper at once, so that the next start finds it chosen.
class PortSelection : public QObject, public CCmdTarget {
    Q_OBJECT
public:
    using Lister = std::function<std::vector<DetectedPort>()>;
    // Asks for any port name, the current one filled in; nullopt on Cancel.
    using Asker = std::function<std::optional<QString>(const QString& current)>;
    // Keeps a port the user picked.
    using Keeper = std::function<void(const QString& portName)>;

    // `portName` is the program's port name, which this changes.
    PortSelection(QString& portName, Lister lister, QObject* parent = nullptr);

    void SetLister(Lister lister) { m_lister = std::move(lister); }
    // The box of Other port... in the program's language; without one the
    // item does nothing.
    void SetAsker(Asker asker) { m_asker = std::move(asker); }
    void SetKeeper(Keeper keeper) { m_keeper = std::move(keeper); }
    // The language of the menu's own items; English until set.
    void SetLanguage(zrx::Language language) { m_language = language; }

    // Puts the items below the eight fixed ones into `menu`.
    void AttachMenu(QMenu* menu);
    // Lists the ports again; the menu does this itself before it opens.
    void RefreshDetected();
    [[nodiscard]] const QList<QAction*>& DetectedActions() const { return m_detected; }
    // The item of a port in use that the menu lists nowhere else; nullptr
    // while there is none.
    [[nodiscard]] QAction* CurrentPortAction() const { return m_current; }
    [[nodiscard]] QAction* OtherPortAction() const { return m_other; }

    // Makes `portName` the program's port and keeps it.
    void Choose(const QString& portName);
    // Other port...: the box, and the name typed there chosen.
    void OnOtherPort();

    bool OnCmdMsg(int id) override;
    bool OnUpdateCmdUI(int id, CCmdUI& ui) override;

private:
    QAction* AddPortAction(const QString& label, const QString& portName);

    QString& m_portName;
    Lister m_lister;
    Asker m_asker;
    Keeper m_keeper;
    zrx::Language m_language = zrx::Language::English;
    QMenu* m_menu = nullptr;
    QAction* m_separator = nullptr;
    QList<QAction*> m_detected;
    QAction* m_current = nullptr;
    QAction* m_other = nullptr;
};
