#pragma once

#include <QDialog>
#include <functional>
#include <memory>
#include <vector>

#include "image/language.h"
#include "image/radio_image.h"
#include "safety/fleet_plan.h"
#include "transfer/serial_port_list.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;
class QTimer;

namespace zrx {
class FleetRun;
}

// Program Many Radios: the memory in the document written into radio after
// radio, on every ticked port at once, each checked by reading it back. A
// row per port shows where it stands; a row per radio is the log, which
// Save Log keeps as the same CSV file `zrx fleet --log` writes. The same
// engine runs `zrx fleet`, so the rows mean the same.
//
// Stop, and closing the window while radios are being programmed (after
// asking), let the radios in progress finish: a write is never cut off.
class CFleetDlg : public QDialog {
    Q_OBJECT
public:
    CFleetDlg(zrx::RadioImage templateImage, zrx::Language language,
              std::vector<DetectedPort> ports, QWidget* parent = nullptr);
    ~CFleetDlg() override;

    void OnStart();
    void OnStop();
    // Writes the log as CSV to `path`; false, saying why, when it cannot.
    bool SaveLog(const QString& path);
    [[nodiscard]] bool Running() const { return m_run != nullptr; }

    // How the window asks before it closes on a running fleet (true: stop
    // and close), how Save Log asks for a file name, and how a message is
    // told; the standard dialogs by default, tests answer themselves.
    void SetCloseQuestion(std::function<bool()> ask) { m_askClose = std::move(ask); }
    void SetLogFilePrompt(std::function<QString()> prompt) { m_logPrompt = std::move(prompt); }
    void SetMessage(std::function<void(const QString&)> tell) { m_tell = std::move(tell); }

    [[nodiscard]] QListWidget* PortList() const { return m_portList; }
    [[nodiscard]] QTableWidget* PortRows() const { return m_portRows; }
    [[nodiscard]] QTableWidget* LogTable() const { return m_log; }
    [[nodiscard]] QPushButton* StartButton() const { return m_start; }
    [[nodiscard]] QPushButton* StopButton() const { return m_stop; }
    [[nodiscard]] QCheckBox* BackupBox() const { return m_backup; }
    [[nodiscard]] const std::vector<zrx::FleetRadio>& Radios() const { return m_radios; }

signals:
    // The run has ended: every port's loop is over.
    void finished();

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    class Relay;

    void BuildWidgets();
    void ShowPort(std::size_t index, const zrx::FleetPortStatus& status);
    void AddRadio(const zrx::FleetRadio& radio);
    void CheckEnded();
    void UpdateButtons();
    // True when the window may close now; otherwise it closes once the run ends.
    bool MayClose();

    zrx::RadioImage m_template;
    zrx::Language m_language;
    std::vector<DetectedPort> m_ports;
    std::unique_ptr<Relay> m_relay;
    std::unique_ptr<zrx::FleetRun> m_run;
    std::vector<zrx::FleetRadio> m_radios;
    bool m_closeWhenEnded = false;
    std::function<bool()> m_askClose;
    std::function<QString()> m_logPrompt;
    std::function<void(const QString&)> m_tell;

    QListWidget* m_portList = nullptr;
    QCheckBox* m_backup = nullptr;
    QPushButton* m_start = nullptr;
    QPushButton* m_stop = nullptr;
    QPushButton* m_saveLog = nullptr;
    QPushButton* m_close = nullptr;
    QTableWidget* m_portRows = nullptr;
    QTableWidget* m_log = nullptr;
    QLabel* m_summary = nullptr;
    QTimer* m_endCheck = nullptr;
};
