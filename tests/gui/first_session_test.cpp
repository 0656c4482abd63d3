// What a first session meets besides the channel table: the Port menu with
// any port and the port kept for the next start, what a read or a write
// says it did, and the settings that cannot be stored saying so. Every box
// is answered through the program's own hooks; no modal window opens.

#include <QMenu>
#include <QStatusBar>
#include <QtTest>

#include "core/environment_override.h"
#include "core/radio_simulator.h"
#include "core/temp_dir.h"
#include "editor/programview.h"
#include "editor/transfer_commands.h"
#include "gui_test_support.h"
#include "shell/command_ids.h"
#include "shell/mainframe.h"
#include "transfer/port_selection.h"
#include "transfer/transferdlg.h"

namespace {

const QByteArray kOtherSection = "\r\n[Later]\r\nCOM=keep\r\n";

QByteArray iniWithPort(const QByteArray& port) {
    return "[Setup]\r\nLanguage=Eng\r\nCOM=" + port + "\r\n" + kOtherSection;
}

// The Port menu as the user sees it once it opens: each item's text, with
// "*" before a checked one; "-" for the separator.
QStringList portMenu(CMainFrame* frame) {
    QMenu* menu = frame->MenuContaining(cmd::kCom1);
    emit menu->aboutToShow();
    QStringList items;
    for (const QAction* action : menu->actions()) {
        items << (action->isSeparator() ? QStringLiteral("-")
                                        : (action->isChecked() ? "*" : "") + action->text());
    }
    return items;
}

QStringList comItems(int checked) {
    QStringList items;
    for (int i = 1; i <= 8; ++i) {
        items << (i == checked ? QStringLiteral("*COM&%1") : QStringLiteral("COM&%1")).arg(i);
    }
    return items;
}

} // namespace

class FirstSessionTest : public QObject {
    Q_OBJECT

private slots:
    void portMenuListsThePortsAndChecksTheCurrentOne_data() {
        QTest::addColumn<QString>("portName");
        QTest::addColumn<bool>("portsDetected");
        QTest::addColumn<QStringList>("belowComPorts");
        const QString usb = QStringLiteral("ttyUSB0 \u2014 USB serial (CH340)");
        const QString serial = QStringLiteral("ttyS0 \u2014 serial port");
        const QString other = QStringLiteral("&Other port\u2026");
        QTest::newRow("COM5") << "COM5" << true << QStringList{"-", usb, serial, other};
        QTest::newRow("lower case")
            << "com3" << true << QStringList{"-", usb, serial, "*com3", other};
        QTest::newRow("empty") << "" << true << QStringList{"-", usb, serial, other};
        QTest::newRow("COM12") << "COM12" << true << QStringList{"-", usb, serial, "*COM12", other};
        QTest::newRow("a detected device")
            << "/dev/ttyS0" << true << QStringList{"-", usb, "*" + serial, other};
        QTest::newRow("a device typed into Program.ini")
            << "/dev/ttyACM7" << true << QStringList{"-", usb, serial, "*/dev/ttyACM7", other};
        QTest::newRow("none detected")
            << "/dev/ttyS0" << false << QStringList{"-", "*/dev/ttyS0", other};
    }

    // COM1 to COM8 checked by their exact text, then the ports the computer
    // has (read again each time the menu opens), then the port in use when
    // it is none of those, then Other port....
    void portMenuListsThePortsAndChecksTheCurrentOne() {
        QFETCH(QString, portName);
        QFETCH(bool, portsDetected);
        QFETCH(QStringList, belowComPorts);
        ProgramFolder folder;
        folder.writeIni(iniWithPort(portName.toUtf8()));
        auto program = start(folder);
        QCOMPARE(program->State().portName, portName);
        view(*program)->Ports()->SetLister([portsDetected] {
            std::vector<DetectedPort> ports;
            if (portsDetected) {
                ports = {{"/dev/ttyUSB0", "ttyUSB0 \u2014 USB serial (CH340)", true},
                         {"/dev/ttyS0", "ttyS0 \u2014 serial port", false}};
            }
            return ports;
        });
        program->MainFrame()->UpdateCommandUI();
        QCOMPARE(portMenu(program->MainFrame()),
                 comItems(portName == QLatin1String("COM5") ? 5 : 0) + belowComPorts);
    }

    // Any port shows in the menu with its check mark; every pick, from the
    // menu or typed into Other port..., is kept in Program.ini at once
    // (that line only) and is the port after a restart.
    void portMenuShowsAndKeepsAnyPort() {
        ProgramFolder folder;
        folder.writeIni(iniWithPort("/dev/ttyACM7"));
        auto program = start(folder);

        struct Pick {
            const char* what;
            std::optional<QString> typed; // for Other port...
            int command;                  // otherwise: a command, or 0 for the detected port
            QString expected;
        };
        const Pick picks[] = {
            {"typed, with spaces around", QStringLiteral("  /dev/ttyS9 "), 0, "/dev/ttyS9"},
            {"box cancelled", std::nullopt, 0, "/dev/ttyS9"},
            {"a line break refused", QStringLiteral("COM5\nLanguage=Chs"), 0, "/dev/ttyS9"},
            {"blank refused", QStringLiteral("   "), 0, "/dev/ttyS9"},
            {"COM3", {}, cmd::kCom3, "COM3"},
            {"the detected port", {}, -1, "/dev/ttyUSB0"},
            {"a name of a Windows device", QStringLiteral("COM12"), 0, "COM12"},
        };
        PortSelection* ports = view(*program)->Ports();
        for (const Pick& pick : picks) {
            QStringList asked;
            ports->SetAsker([&asked, &pick](const QString& current) {
                asked << current;
                return pick.typed;
            });
            const QString before = program->State().portName;
            if (pick.command > 0) {
                program->MainFrame()->Action(pick.command)->trigger();
            } else if (pick.command < 0) {
                portMenu(program->MainFrame());
                ports->DetectedActions().front()->trigger();
            } else {
                ports->OtherPortAction()->trigger();
                QCOMPARE(asked, QStringList{before});
            }
            QVERIFY2(program->State().portName == pick.expected, pick.what);
            QCOMPARE(folder.readFile(QStringLiteral("Program.ini")),
                     iniWithPort(pick.expected.toUtf8()));
        }

        program.reset();
        program = start(folder);
        QCOMPARE(program->State().portName, QStringLiteral("COM12"));
    }

    // A language change that cannot be kept in Program.ini does not restart
    // into the old language: the user is told and the program goes on. A
    // port that cannot be kept is named in the status bar.
    void settingsThatCannotBeStoredSaySo() {
        ProgramFolder folder;
        folder.writeIni(iniWithPort("COM1"));
        auto program = start(folder);
        // A folder where the file was: nothing can be written there, whoever
        // runs the test.
        QVERIFY(QFile::remove(folder.file(QStringLiteral("Program.ini"))));
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("Program.ini")));
        const QString ini = QDir::toNativeSeparators(folder.file(QStringLiteral("Program.ini")));
        program->SetLanguageChooser([](zrx::Language) { return zrx::Language::SimplifiedChinese; });
        program->MainFrame()->Dispatch(cmd::kLanguage);
        QVERIFY(m_observer.launched.isEmpty());
        QCOMPARE(m_observer.quitRequests, 0);
        QCOMPARE(m_observer.messages,
                 QStringList{"ZRX PC Encoder|The language could not be saved in " + ini +
                             ", so the program goes on in the current language."});

        program->MainFrame()->Action(cmd::kCom2)->trigger();
        QCOMPARE(program->State().portName, QStringLiteral("COM2"));
        QCOMPARE(program->MainFrame()->statusBar()->currentMessage(),
                 "COM2 is used until the program ends: it could not be saved in " + ini);
    }

    void transfersSayWhatTheyDid_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<bool>("backupFolderUsable");
        QTest::addColumn<QString>("status"); // %1: the port
        QTest::newRow("read") << cmd::kRead << true << "Read 1024 bytes from %1";
        QTest::newRow("read whose backup cannot be kept")
            << cmd::kRead << false
            << "Read 1024 bytes from %1; warning: no backup of the radio's memory was kept: ";
        QTest::newRow("write") << cmd::kWrite << true << "Wrote 992 bytes to %1";
    }

    // Through the real serial code against zrx-sim, with the transfer
    // window run without its modal loop.
    void transfersSayWhatTheyDid() {
        QFETCH(int, command);
        QFETCH(bool, backupFolderUsable);
        QFETCH(QString, status);
        TempDir dir;
        // Backups go below the data folder; a file there takes its place.
        const std::string data = (dir / "data").string();
        if (!backupFolderUsable) {
            QFile blocker(QString::fromStdString(data));
            QVERIFY(blocker.open(QIODevice::WriteOnly));
        }
        const EnvironmentOverride dataHome("XDG_DATA_HOME", data);
        ProgramFolder folder;
        folder.writeIni(iniWithPort("COM1"));
        auto program = start(folder);
        RadioSimulator radio({});
        program->State().portName = QString::fromStdString(radio.device());
        QString failure;
        view(*program)->transferCommands()->SetTransferRunner([&failure](CTransferDlg& dialog) {
            dialog.SetFailureNotice(
                [&failure](const QString& message, const QString&) { failure = message; });
            dialog.OnInitDialog();
            QSignalSpy finished(&dialog, &QDialog::finished);
            dialog.OnStart();
            QVERIFY(finished.wait(30000));
        });
        program->MainFrame()->statusBar()->showMessage(QStringLiteral("left from before"));
        program->MainFrame()->Action(command)->trigger();
        QCOMPARE(failure, QString());
        const QString shown = program->MainFrame()->statusBar()->currentMessage();
        const QString expected = status.arg(program->State().portName);
        QVERIFY2(backupFolderUsable ? shown == expected
                                    : shown.startsWith(expected) && shown.size() > expected.size(),
                 qPrintable(shown));
    }

private:
    std::unique_ptr<CProgramApp> start(const ProgramFolder& folder) {
        folder.addAllLibraries();
        m_observer = AppObserver{};
        auto program = std::make_unique<CProgramApp>();
        m_observer.attach(*program);
        if (!program->InitInstance(folder.context())) {
            return nullptr;
        }
        view(*program)->Ports()->SetLister([] {
            return std::vector<DetectedPort>{
                {"/dev/ttyUSB0", "ttyUSB0 \u2014 USB serial (CH340)", true}};
        });
        return program;
    }

    static CProgramView* view(const CProgramApp& program) {
        return qobject_cast<CProgramView*>(program.View());
    }

    AppObserver m_observer;
};

QTEST_MAIN(FirstSessionTest)
#include "first_session_test.moc"
