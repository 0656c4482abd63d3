// Program Many Radios against simulated radios on several pseudo-terminals:
// the rows say the same as `zrx fleet` does, trouble on one port leaves the
// others alone, Stop lets a radio in progress finish, and the log saved is
// the fleet log.

#include <QCheckBox>
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "core/radio_simulator.h"
#include "core/random_image.h"
#include "safety/fleet_log.h"
#include "table/csv_reader.h"
#include "transfer/fleetdlg.h"

namespace {

constexpr int kDeadlineMs = 60000;

std::vector<DetectedPort> portsOf(const std::vector<const RadioSimulator*>& radios) {
    std::vector<DetectedPort> ports;
    for (const RadioSimulator* radio : radios) {
        const QString device = QString::fromStdString(radio->device());
        ports.push_back({device, device, true});
    }
    return ports;
}

QString cell(const QTableWidget* table, int row, int column) {
    const QTableWidgetItem* item = table->item(row, column);
    return item != nullptr ? item->text() : QString();
}

} // namespace

class FleetWindowTest : public QObject {
    Q_OBJECT

private slots:
    // A good radio, one whose memory will not take a byte, and a port where
    // nothing answers: each port's rows say what happened to it alone.
    void eachPortKeepsItsOwnOutcome() {
        RadioSimulator good({});
        RadioSimulator stuck({"--stuck-cell", "0x2A0"});
        RadioSimulator silent({"--silent"});
        CFleetDlg window(randomImage(11), zrx::Language::English,
                         portsOf({&good, &stuck, &silent}));
        window.show();
        window.OnStart();
        QVERIFY(window.Running());
        QTRY_VERIFY_WITH_TIMEOUT(window.Radios().size() == 2, kDeadlineMs);
        // Each radio's outcome as the log has it, for the message of a
        // failure below.
        QStringList outcomes;
        for (const zrx::FleetRadio& radio : window.Radios()) {
            outcomes << QString::fromStdString(radio.port + ": " +
                                               (radio.ok ? "ok" : radio.reason));
        }
        const QByteArray logged = outcomes.join(QStringLiteral("; ")).toUtf8();
        QTableWidget* ports = window.PortRows();
        // The rows follow the log through the window's event loop.
        QTRY_VERIFY_WITH_TIMEOUT(cell(ports, 0, 3) != QStringLiteral("0") ||
                                     cell(ports, 0, 4) != QStringLiteral("0"),
                                 kDeadlineMs);
        QVERIFY2(cell(ports, 0, 3) == QStringLiteral("1") &&
                     cell(ports, 0, 4) == QStringLiteral("0"),
                 logged.constData());
        QTRY_COMPARE_WITH_TIMEOUT(cell(ports, 1, 4), QStringLiteral("1"), kDeadlineMs);
        QCOMPARE(cell(ports, 2, 1), QStringLiteral("waiting for a radio"));
        QCOMPARE(cell(ports, 2, 3) + cell(ports, 2, 4), QStringLiteral("00"));

        for (const zrx::FleetRadio& radio : window.Radios()) {
            const bool isGood = radio.port == good.device();
            QCOMPARE(radio.ok, isGood);
            QCOMPARE(radio.verify,
                     isGood ? zrx::FleetVerify::Verified : zrx::FleetVerify::Mismatch);
        }
        QTableWidget* log = window.LogTable();
        QCOMPARE(log->rowCount(), 2);

        QSignalSpy ended(&window, &CFleetDlg::finished);
        window.OnStop();
        QVERIFY(ended.wait(kDeadlineMs));
        QVERIFY(!window.Running());
        QVERIFY(window.StartButton()->isEnabled());

        // Save Log writes the fleet log's heading and one row per radio.
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("fleet.csv"));
        QVERIFY(window.SaveLog(path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const zrx::CsvReadResult csv = zrx::readCsv(file.readAll().toStdString());
        QVERIFY(!csv.error);
        QCOMPARE(csv.records.size(), std::size_t{3});
        QCOMPARE(csv.records.front().cells, zrx::fleetLogHeading());
    }

    // Stop while a radio is being written at the line's real speed: that
    // radio is finished and logged, and no other starts.
    void stopLetsTheRadioInProgressFinish() {
        const std::string log =
            QDir::temp().filePath(QStringLiteral("zrx-fleet-window.log")).toStdString();
        RadioSimulator radio({"--baud", "9600", "--swap-radios", "1"}, log);
        CFleetDlg window(randomImage(12), zrx::Language::English, portsOf({&radio}));
        window.OnStart();
        // Well into the write: the radio has received a few hundred bytes.
        QTRY_VERIFY_WITH_TIMEOUT(radio.traffic().received.size() > 300, kDeadlineMs);
        QSignalSpy ended(&window, &CFleetDlg::finished);
        window.OnStop();
        QVERIFY(!window.StopButton()->isEnabled());
        QVERIFY(ended.wait(kDeadlineMs));
        QCOMPARE(window.Radios().size(), std::size_t{1});
        QVERIFY(window.Radios().front().ok);
        QCOMPARE(window.Radios().front().verify, zrx::FleetVerify::Verified);
        std::remove(log.c_str());
    }

    // Closing while radios are in progress asks; No keeps the window open,
    // Yes stops and closes once the run is over.
    void closingAsksWhileRunning() {
        RadioSimulator radio({"--silent"});
        CFleetDlg window(randomImage(13), zrx::Language::English, portsOf({&radio}));
        int asked = 0;
        bool answer = false;
        window.SetCloseQuestion([&] {
            ++asked;
            return answer;
        });
        window.show();
        window.OnStart();
        window.close();
        QCOMPARE(asked, 1);
        QVERIFY(window.isVisible());
        QVERIFY(window.Running());
        answer = true;
        QSignalSpy ended(&window, &CFleetDlg::finished);
        window.close();
        QCOMPARE(asked, 2);
        QVERIFY(ended.wait(kDeadlineMs));
        QTRY_VERIFY_WITH_TIMEOUT(!window.isVisible(), kDeadlineMs);
    }
};

QTEST_MAIN(FleetWindowTest)
#include "fleet_window_test.moc"
