// Read and Write from the real window, through the real serial code, against
// zrx-sim on a pseudo-terminal.

#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

#include "core/environment_override.h"
#include "core/file_bytes.h"
#include "core/radio_simulator.h"
#include "core/random_image.h"
#include "core/temp_dir.h"
#include "document/programdoc.h"
#include "editor/programview.h"
#include "grid/msflexgrid.h"
#include "gui_test_support.h"
#include "image/channel_codec.h"
#include "image/channel_data_file.h"
#include "image/image_layout.h"
#include "image/new_image.h"
#include "link/posix_serial_port.h"
#include "safety/backup_store.h"
#include "shell/command_ids.h"
#include "shell/mainframe.h"
#include "transfer/transferdlg.h"

namespace {

// Bytes the radio receives in a whole read: the handshake, the
// identification request and confirm, then per block a command and an ACK.
constexpr std::size_t kReadTrafficBytes = 8 + 1 + 1 + 128 * (4 + 1);

QPushButton* button(QWidget* dialog, int id) {
    return dialog->findChild<QPushButton*>(QString::number(id));
}

zrx::RadioImage radioWithTwoChannels() {
    zrx::RadioImage image = zrx::makeNewImage();
    zrx::encodeChannel(image, 1, {"462.56250", "467.56250", "67.0", "D023N", "No", "Wide", "Add"});
    zrx::encodeChannel(image, 16,
                       {"446.00625", "446.00625", "Off", "D754I", "Yes", "Narrow", "Del"});
    image.setByte(zrx::layout::kModelIndex, 0);
    image.setByte(zrx::layout::kRangeIndex, 0);
    return image;
}

// What the user saw of one transfer dialog.
struct Seen {
    QString caption;
    QList<int> positions;
    QString lastPercent;
    bool stayedOpenOnEscape = true;
    QString message;
    bool buttonsEnabledDuringMessage = false;
};

} // namespace

class TransferTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        m_folder.addAllLibraries();
        // The radios here hold noise, which the checks before a write would
        // stop at: they are the business of another test.
        m_folder.writeIni("[Setup]\r\nLanguage=Eng\r\nCOM=COM1\r\nCheckBeforeWrite=0\r\n");
        m_app = std::make_unique<CProgramApp>();
        m_observer.attach(*m_app);
        QVERIFY(m_app->InitInstance(m_folder.context()));
    }
    void cleanupTestCase() { m_app.reset(); }
    void init() { QCOMPARE(m_app->State().transferFlag.load(), 0); }
    void cleanup() { QCOMPARE(m_app->State().transferFlag.load(), 0); }

    // The toolbar's Read: Start, the bar steps block by block, Escape and
    // the close box are refused while the radio talks, the dialog closes by
    // itself and the grid and lists show the radio.
    void readFillsTheGridAndLists() {
        TempDir dir;
        const std::string memory = (dir / "radio.sin").string();
        QVERIFY(zrx::saveChannelDataFile(memory, radioWithTwoChannels()));
        RadioSimulator radio({"--memory", memory});
        m_app->State().portName = QString::fromStdString(radio.device());
        const EnvironmentOverride data("XDG_DATA_HOME", (dir / "data").string());
        view()->modelList()->setCurrentIndex(-1);
        view()->rangeList()->setCurrentIndex(-1);

        const Seen seen = run(cmd::kRead, 1);
        QCOMPARE(seen.caption, QStringLiteral("Read Data"));
        QList<int> expected;
        for (int i = 1; i <= 128; ++i) {
            expected << i;
        }
        QCOMPARE(seen.positions, expected);
        QCOMPARE(seen.lastPercent, QStringLiteral("100%"));
        QVERIFY(seen.stayedOpenOnEscape);
        QVERIFY(seen.message.isEmpty());

        CMSFlexGrid* grid = view()->grid();
        const QStringList first = {"462.56250", "467.56250", "67.0", "D023N", "No", "Wide", "Add"};
        const QStringList last = {"446.00625", "446.00625", "Off", "D754I", "Yes", "Narrow", "Del"};
        for (int c = 0; c < 7; ++c) {
            QCOMPARE(grid->GetTextMatrix(1, c + 1), first[c]);
            QCOMPARE(grid->GetTextMatrix(16, c + 1), last[c]);
            QCOMPARE(grid->GetTextMatrix(2, c + 1), QString());
        }
        QCOMPARE(view()->modelList()->currentIndex(), 0);
        QCOMPARE(view()->rangeList()->currentIndex(), 0);
        QVERIFY(m_app->Document()->Image() == radioWithTwoChannels());
        // What the radio held is in no file: closing now would ask.
        QVERIFY(m_app->Document()->IsModified());
        // The read is also kept, byte for byte, as a backup.
        const auto backups = zrx::listBackups(dir / "data/zrx-pc-encoder/backups");
        QCOMPARE(backups.size(), std::size_t{1});
        QCOMPARE(backups[0].originTag, std::string("program-read"));
        QCOMPARE(readBytes(backups[0].path), readBytes(memory));
    }

    // Ctrl+W sends bytes 0x000-0x3DF; what the radio keeps from 0x3E0 on is
    // its own. Start pressed twice and Enter start one worker only.
    void writeDeliversTheFirst992BytesOnce() {
        TempDir dir;
        const zrx::RadioImage before = randomImage(7);
        const std::string memory = (dir / "radio.sin").string();
        const std::string saved = (dir / "saved.sin").string();
        const std::string log = (dir / "line.log").string();
        QVERIFY(zrx::saveChannelDataFile(memory, before));
        RadioSimulator radio({"--memory", memory, "--save", saved}, log);
        m_app->State().portName = QString::fromStdString(radio.device());
        const zrx::RadioImage sent = m_app->Document()->Image();

        // The worker writes a copy of its own: what changes in the
        // document while it runs does not reach the radio.
        const Seen seen = run(0, 3, Qt::Key_W, [this] {
            CProgramDoc* doc = m_app->Document();
            doc->SetByte(0x3D0, static_cast<std::uint8_t>(doc->Image().byte(0x3D0) ^ 0xFFu), {});
        });
        QCOMPARE(seen.caption, QStringLiteral("Write Data"));
        QCOMPARE(seen.positions.size(), 124);
        QCOMPARE(seen.lastPercent, QStringLiteral("100%"));
        radio.stop();
        const std::string written = readBytes(saved);
        QCOMPARE(written.size(), std::size_t{1024});
        for (std::size_t i = 0; i < 1024; ++i) {
            const std::uint8_t expected = i < 0x3E0 ? sent.byte(i) : before.byte(i);
            QCOMPARE(static_cast<std::uint8_t>(written[i]), expected);
        }
        // One handshake (8 bytes), one identification: one worker.
        const auto traffic = radio.traffic();
        QCOMPARE(traffic.received.size(), std::size_t{8 + 1 + 1 + 124 * 12});
    }

    void failureLeavesGridAndImage_data() {
        QTest::addColumn<QStringList>("simulator");
        QTest::addColumn<bool>("noPort");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("buttonsEnabled");
        QTest::newRow("silent radio")
            << QStringList{"--silent"} << false << "Communication with the radio failed" << false;
        QTest::newRow("refused block") << QStringList{"--bad-ack-at", "40"} << false
                                       << "Communication with the radio failed" << false;
        QTest::newRow("no port name") << QStringList{} << true << "Could not open the port" << true;
    }

    // A failed read shows its message captioned with the program's title,
    // then the dialog closes and nothing the user sees has changed.
    void failureLeavesGridAndImage() {
        QFETCH(QStringList, simulator);
        QFETCH(bool, noPort);
        QFETCH(QString, message);
        QFETCH(bool, buttonsEnabled);
        std::vector<std::string> arguments;
        for (const QString& argument : simulator) {
            arguments.push_back(argument.toStdString());
        }
        RadioSimulator radio(arguments);
        m_app->State().portName = noPort ? QString() : QString::fromStdString(radio.device());
        TempDir data;
        const EnvironmentOverride dataHome("XDG_DATA_HOME", data.path().string());
        m_app->Document()->EditChannel(
            5, {"455.00000", "455.00000", "Off", "Off", "No", "Wide", "Add"}, {});
        const zrx::RadioImage image = m_app->Document()->Image();
        const QString cell = view()->grid()->GetTextMatrix(5, 1);

        const Seen seen = run(cmd::kRead, 1);
        QCOMPARE(seen.message, message);
        QCOMPARE(seen.buttonsEnabledDuringMessage, buttonsEnabled);
        QVERIFY(m_app->Document()->Image() == image);
        QVERIFY(std::filesystem::is_empty(data.path())); // no backup of a read that failed
        QCOMPARE(view()->grid()->GetTextMatrix(5, 1), cell);
    }

    // Cancel before Start closes the dialog and not a byte reaches the radio.
    void cancelBeforeStartSendsNothing() {
        TempDir dir;
        const std::string log = (dir / "line.log").string();
        RadioSimulator radio({}, log);
        m_app->State().portName = QString::fromStdString(radio.device());
        ModalAnswers answers;
        answers.expect<CTransferDlg>("the transfer dialog",
                                     [](CTransferDlg* dialog) { button(dialog, 2)->click(); });
        m_app->MainFrame()->Action(cmd::kWrite)->trigger();
        // The radio's log, once it has stopped, holds every byte the port sent.
        radio.stop();
        QVERIFY(radio.traffic().lines.empty());
    }

    // The window goes while its worker talks to the radio (the program is
    // ending): the worker stops before its next exchange, the port is free
    // again and the flag cleared, and nothing touches the gone dialog.
    void dialogDestroyedMidTransferStopsItsWorker() {
        TempDir dir;
        const std::string log = (dir / "line.log").string();
        RadioSimulator radio({"--baud", "9600"}, log);
        std::atomic<int> flag{0};
        auto* dialog = new CTransferDlg(
            flag, TransferSetup{QString::fromStdString(radio.device()), zrx::Language::English},
            zrx::TransferDirection::Read, QStringLiteral("Read Data"), zrx::makeNewImage());
        dialog->OnInitDialog();
        dialog->show();
        dialog->OnStart();
        QTRY_VERIFY(dialog->Progress()->value() >= 4);
        delete dialog;
        QCOMPARE(flag.load(), 0);
        zrx::PosixSerialPort port;
        QVERIFY(port.open(radio.device()));
        port.close();
        radio.stop();
        QVERIFY(radio.traffic().received.size() < kReadTrafficBytes);
    }

private:
    CProgramView* view() const { return qobject_cast<CProgramView*>(m_app->View()); }

    // Sends `command` (or the key with Ctrl), presses Start `presses` times
    // (the extra ones with Enter in between) and records what the dialog showed.
    Seen run(int command, int presses, Qt::Key key = Qt::Key_unknown,
             std::function<void()> midway = {}) {
        Seen seen;
        QPointer<CTransferDlg> transfer;
        ModalAnswers answers;
        answers.expect<CTransferDlg>(
            "the transfer dialog", [&seen, &transfer, presses, midway](CTransferDlg* dialog) {
                transfer = dialog;
                seen.caption = dialog->windowTitle();
                QObject::connect(dialog->Progress(), &QProgressBar::valueChanged, dialog,
                                 [&seen, dialog, midway](int value) {
                                     seen.positions << value;
                                     if (value == 10) {
                                         QTest::keyClick(dialog, Qt::Key_Escape);
                                         dialog->close();
                                         seen.stayedOpenOnEscape = dialog->isVisible();
                                         if (midway) {
                                             midway();
                                         }
                                     }
                                 });
                QObject::connect(dialog, &QDialog::finished, dialog,
                                 [&seen, dialog] { seen.lastPercent = dialog->Percent()->text(); });
                for (int i = 0; i < presses; ++i) {
                    button(dialog, 1)->click();
                    if (i + 1 < presses) {
                        QTest::keyClick(dialog, Qt::Key_Return);
                    }
                }
            });
        // A failed transfer says why before its dialog closes.
        answers.allow<QMessageBox>("the failure message", [&seen, &transfer](QMessageBox* box) {
            seen.message = box->windowTitle() == QStringLiteral("ZRX PC Encoder")
                               ? box->text()
                               : QStringLiteral("wrong caption: ") + box->windowTitle();
            seen.buttonsEnabledDuringMessage = transfer != nullptr &&
                                               button(transfer, 1)->isEnabled() &&
                                               button(transfer, 2)->isEnabled();
            box->button(QMessageBox::Ok)->click();
        });
        if (command != 0) {
            m_app->MainFrame()->Action(command)->trigger();
        } else {
            m_app->MainFrame()->activateWindow();
            if (QTest::qWaitForWindowActive(m_app->MainFrame())) {
                QTest::keyClick(m_app->MainFrame(), key, Qt::ControlModifier);
            }
        }
        return seen;
    }

    ProgramFolder m_folder;
    AppObserver m_observer;
    std::unique_ptr<CProgramApp> m_app;
};

QTEST_MAIN(TransferTest)
#include "transfer_test.moc"
