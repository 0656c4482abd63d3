#include "fleetdlg.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDateTime>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "safety/fleet_log.h"
#include "safety/fleet_ports.h"
#include "safety/fleet_run.h"
#include "safety/hex_bytes.h"
#include "shell/qt_text.h"
#include "shell/resources.h"
#include "table/csv_writer.h"

namespace {

using zrx::LocalText;

constexpr LocalText kCaption{"Program Many Radios", "多台电台编程", "多台電台編程"};
constexpr LocalText kPortsLabel{"Ports with a programming cable:", "接有写频线的端口：",
                                "接有寫頻線的端口："};
constexpr LocalText kBackup{"Back up each radio before writing", "写入前备份每台电台",
                            "寫入前備份每台電台"};
constexpr LocalText kStart{"&Start", "开始(&S)", "開始(&S)"};
constexpr LocalText kStop{"S&top", "停止(&T)", "停止(&T)"};
constexpr LocalText kSaveLog{"Save &Log...", "保存记录(&L)...", "儲存記錄(&L)..."};
constexpr LocalText kClose{"&Close", "关闭(&C)", "關閉(&C)"};
constexpr LocalText kPortHeadings[] = {
    {"Port", "端口", "端口"}, {"State", "状态", "狀態"},  {"Progress", "进度", "進度"},
    {"Done", "完成", "完成"}, {"Failed", "失败", "失敗"},
};
constexpr LocalText kLogHeadings[] = {
    {"Radio", "电台", "電台"},          {"Port", "端口", "端口"},   {"Started", "开始", "開始"},
    {"Ended", "结束", "結束"},          {"Result", "结果", "結果"}, {"Check", "校验", "校驗"},
    {"Identification", "识别", "識別"}, {"Backup", "备份", "備份"},
};
constexpr LocalText kOk{"programmed", "已写入", "已寫入"};
constexpr LocalText kFailed{"failed", "失败", "失敗"};
constexpr LocalText kVerified{"verified", "已校验", "已校驗"};
constexpr LocalText kMismatch{"holds other bytes", "内容不符", "內容不符"};
constexpr LocalText kReadBackFailed{"not read back", "未能读回", "未能讀回"};
constexpr LocalText kNotWritten{"not written", "未写入", "未寫入"};
constexpr LocalText kSummary{"%1 programmed, %2 failed", "已写入 %1 台，失败 %2 台",
                             "已寫入 %1 台，失敗 %2 台"};
constexpr LocalText kStopping{"Stopping: the radios in progress are finished first.",
                              "正在停止：先完成正在写入的电台。",
                              "正在停止：先完成正在寫入的電台。"};
constexpr LocalText kNoPort{"Tick at least one port.", "请至少勾选一个端口。",
                            "請至少勾選一個端口。"};
constexpr LocalText kAskClose{"Radios are being programmed. Stop once those in progress are "
                              "finished, and close?",
                              "正在为电台写入。等正在写入的电台完成后停止并关闭吗？",
                              "正在為電台寫入。等正在寫入的電台完成後停止並關閉嗎？"};
constexpr LocalText kLogFailed{"Could not save the log: %1", "无法保存记录：%1",
                               "無法儲存記錄：%1"};
constexpr LocalText kLogFilter{"Fleet log (*.csv)", "批量记录 (*.csv)", "批量記錄 (*.csv)"};

QString timeText(std::chrono::system_clock::time_point when) {
    const auto milliseconds =
        std::chrono::duration_cast<std::chrono::milliseconds>(when.time_since_epoch()).count();
    return QDateTime::fromMSecsSinceEpoch(milliseconds).toString(QStringLiteral("HH:mm:ss"));
}

const LocalText& verifyText(zrx::FleetVerify verify) {
    switch (verify) {
    case zrx::FleetVerify::Verified:
        return kVerified;
    case zrx::FleetVerify::Mismatch:
        return kMismatch;
    case zrx::FleetVerify::ReadBackFailed:
        return kReadBackFailed;
    case zrx::FleetVerify::NotWritten:
        break;
    }
    return kNotWritten;
}

QTableWidget* table(const LocalText* headings, int columns, zrx::Language language,
                    QWidget* parent) {
    auto* widget = new QTableWidget(0, columns, parent);
    QStringList labels;
    for (int c = 0; c < columns; ++c) {
        labels << toQString(headings[c], language);
    }
    widget->setHorizontalHeaderLabels(labels);
    widget->verticalHeader()->hide();
    widget->setEditTriggers(QAbstractItemView::NoEditTriggers);
    widget->setSelectionBehavior(QAbstractItemView::SelectRows);
    widget->horizontalHeader()->setStretchLastSection(true);
    return widget;
}

} // namespace

// Carries what the ports' threads report to the window's thread, without
// waiting there: the window may be waiting for the run itself.
class CFleetDlg::Relay final : public zrx::FleetObserver {
public:
    explicit Relay(CFleetDlg* window) : m_window(window) {}
    void portChanged(std::size_t index, const zrx::FleetPortStatus& status) override {
        QMetaObject::invokeMethod(
            m_window, [window = m_window, index, status] { window->ShowPort(index, status); },
            Qt::QueuedConnection);
    }
    void radioDone(const zrx::FleetRadio& radio) override {
        QMetaObject::invokeMethod(
            m_window, [window = m_window, radio] { window->AddRadio(radio); },
            Qt::QueuedConnection);
    }

private:
    CFleetDlg* m_window;
};

CFleetDlg::CFleetDlg(zrx::RadioImage templateImage, zrx::Language language,
                     std::vector<DetectedPort> ports, QWidget* parent)
    : QDialog(parent), m_template(templateImage), m_language(language), m_ports(std::move(ports)),
      m_relay(std::make_unique<Relay>(this)) {
    m_askClose = [this] {
        return QMessageBox::question(this, res("String", "ZRX PC Encoder"),
                                     toQString(kAskClose, m_language)) == QMessageBox::Yes;
    };
    m_logPrompt = [this] {
        return QFileDialog::getSaveFileName(this, QString(), QString(),
                                            toQString(kLogFilter, m_language));
    };
    m_tell = [this](const QString& text) {
        QMessageBox::warning(this, res("String", "ZRX PC Encoder"), text);
    };
    BuildWidgets();
    UpdateButtons();
}

CFleetDlg::~CFleetDlg() {
    // The run ends before the window it reports to: the radios in progress
    // finish first, however the window goes.
    m_run.reset();
}

void CFleetDlg::BuildWidgets() {
    setWindowTitle(toQString(kCaption, m_language));
    auto* layout = new QVBoxLayout(this);
    auto* portsLabel = new QLabel(toQString(kPortsLabel, m_language), this);
    m_portList = new QListWidget(this);
    portsLabel->setBuddy(m_portList);
    for (const DetectedPort& port : m_ports) {
        auto* item = new QListWidgetItem(port.label, m_portList);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        // Programming cables are USB adapters: those are ticked to begin with.
        item->setCheckState(port.usb ? Qt::Checked : Qt::Unchecked);
    }
    m_portList->setMaximumHeight(m_portList->sizeHintForRow(0) * 5 + 6);
    m_backup = new QCheckBox(toQString(kBackup, m_language), this);

    m_start = new QPushButton(toQString(kStart, m_language), this);
    m_stop = new QPushButton(toQString(kStop, m_language), this);
    m_saveLog = new QPushButton(toQString(kSaveLog, m_language), this);
    m_close = new QPushButton(toQString(kClose, m_language), this);
    m_start->setDefault(true);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {m_start, m_stop, m_saveLog}) {
        buttons->addWidget(button);
    }
    buttons->addStretch();
    buttons->addWidget(m_close);

    m_portRows = table(kPortHeadings, 5, m_language, this);
    m_portRows->horizontalHeader()->setStretchLastSection(false);
    for (int column : {0, 3, 4}) {
        m_portRows->horizontalHeader()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    }
    m_portRows->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_portRows->setColumnWidth(2, 160);
    m_log = table(kLogHeadings, 8, m_language, this);
    m_log->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_summary = new QLabel(this);

    layout->addWidget(portsLabel);
    layout->addWidget(m_portList);
    layout->addWidget(m_backup);
    layout->addLayout(buttons);
    layout->addWidget(m_portRows, 1);
    layout->addWidget(m_log, 2);
    layout->addWidget(m_summary);
    resize(760, 600);

    connect(m_start, &QPushButton::clicked, this, &CFleetDlg::OnStart);
    connect(m_stop, &QPushButton::clicked, this, &CFleetDlg::OnStop);
    connect(m_saveLog, &QPushButton::clicked, this, [this] {
        const QString path = m_logPrompt();
        if (!path.isEmpty()) {
            SaveLog(path);
        }
    });
    connect(m_close, &QPushButton::clicked, this, &CFleetDlg::close);
    m_endCheck = new QTimer(this);
    m_endCheck->setInterval(100);
    connect(m_endCheck, &QTimer::timeout, this, &CFleetDlg::CheckEnded);
}

void CFleetDlg::UpdateButtons() {
    const bool running = m_run != nullptr;
    m_start->setEnabled(!running);
    m_portList->setEnabled(!running);
    m_backup->setEnabled(!running);
    m_stop->setEnabled(running && !m_run->stopping());
    m_saveLog->setEnabled(!m_radios.empty());
}

void CFleetDlg::OnStart() {
    if (m_run) {
        return;
    }
    zrx::FleetPlan plan;
    plan.templateImage = m_template;
    plan.language = m_language;
    plan.backup = m_backup->isChecked();
    for (int i = 0; i < m_portList->count(); ++i) {
        if (m_portList->item(i)->checkState() == Qt::Checked) {
            plan.ports.push_back(m_ports[static_cast<std::size_t>(i)].portName.toStdString());
        }
    }
    if (plan.ports.empty()) {
        m_tell(toQString(kNoPort, m_language));
        return;
    }
    m_portRows->setRowCount(static_cast<int>(plan.ports.size()));
    for (int row = 0; row < m_portRows->rowCount(); ++row) {
        m_portRows->setItem(row, 0,
                            new QTableWidgetItem(
                                QString::fromStdString(plan.ports[static_cast<std::size_t>(row)])));
        for (int column : {1, 3, 4}) {
            m_portRows->setItem(row, column, new QTableWidgetItem);
        }
        auto* bar = new QProgressBar(m_portRows);
        bar->setRange(0, 1);
        bar->setValue(0);
        m_portRows->setCellWidget(row, 2, bar);
    }
    m_run = std::make_unique<zrx::FleetRun>(std::move(plan), *m_relay);
    m_run->start();
    m_endCheck->start();
    UpdateButtons();
}

void CFleetDlg::OnStop() {
    if (!m_run) {
        return;
    }
    m_run->stop();
    m_summary->setText(toQString(kStopping, m_language));
    UpdateButtons();
}

void CFleetDlg::ShowPort(std::size_t index, const zrx::FleetPortStatus& status) {
    const int row = static_cast<int>(index);
    if (row >= m_portRows->rowCount()) {
        return;
    }
    QString state = toQString(zrx::fleetPortStateText(status.state, m_language));
    if (!status.detail.empty()) {
        state += QStringLiteral(": ") + QString::fromStdString(status.detail);
    }
    m_portRows->item(row, 1)->setText(state);
    if (auto* bar = qobject_cast<QProgressBar*>(m_portRows->cellWidget(row, 2))) {
        bar->setRange(0, std::max(status.progressTotal, 1));
        bar->setValue(status.progress);
    }
    m_portRows->item(row, 3)->setText(QString::number(status.programmed));
    m_portRows->item(row, 4)->setText(QString::number(status.failed));
}

void CFleetDlg::AddRadio(const zrx::FleetRadio& radio) {
    m_radios.push_back(radio);
    const int row = m_log->rowCount();
    m_log->insertRow(row);
    const QString texts[] = {
        QString::number(radio.unit),
        QString::fromStdString(radio.port),
        timeText(radio.started),
        timeText(radio.ended),
        toQString(radio.ok ? kOk : kFailed, m_language) +
            (radio.reason.empty() ? QString() : QStringLiteral(": ") + toQString(radio.reason)),
        toQString(verifyText(radio.verify), m_language),
        QString::fromStdString(zrx::hexBytes(radio.identification)),
        QString::fromStdString(radio.backup.string()),
    };
    for (int column = 0; column < 8; ++column) {
        m_log->setItem(row, column, new QTableWidgetItem(texts[column]));
    }
    m_log->scrollToBottom();
    int programmed = 0;
    for (const zrx::FleetRadio& done : m_radios) {
        programmed += done.ok ? 1 : 0;
    }
    m_summary->setText(toQString(kSummary, m_language)
                           .arg(programmed)
                           .arg(static_cast<int>(m_radios.size()) - programmed));
    UpdateButtons();
}

void CFleetDlg::CheckEnded() {
    if (!m_run || !m_run->wait(std::chrono::milliseconds(0))) {
        return;
    }
    // Every port's loop is over; what they last posted comes first.
    QCoreApplication::sendPostedEvents(this);
    m_endCheck->stop();
    m_run.reset();
    UpdateButtons();
    emit finished();
    if (m_closeWhenEnded) {
        m_closeWhenEnded = false;
        QDialog::reject();
    }
}

bool CFleetDlg::MayClose() {
    if (!m_run) {
        return true;
    }
    if (!m_closeWhenEnded && !m_askClose()) {
        return false;
    }
    m_closeWhenEnded = true;
    OnStop();
    return false;
}

void CFleetDlg::closeEvent(QCloseEvent* event) {
    if (MayClose()) {
        QDialog::closeEvent(event);
    } else {
        event->ignore();
    }
}

void CFleetDlg::reject() {
    if (MayClose()) {
        QDialog::reject();
    }
}

bool CFleetDlg::SaveLog(const QString& path) {
    std::vector<std::vector<std::string>> rows{zrx::fleetLogHeading()};
    for (const zrx::FleetRadio& radio : m_radios) {
        rows.push_back(zrx::fleetLogRow(radio));
    }
    const std::string text = zrx::writeCsv(rows);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(text.data(), static_cast<qint64>(text.size())) !=
            static_cast<qint64>(text.size()) ||
        !file.flush()) {
        m_tell(toQString(kLogFailed, m_language).arg(file.errorString()));
        return false;
    }
    return true;
}
