// Knowing what a write does, from the window: Compare with Radio reads the
// radio without touching the document, lists the differences and can write
// them or take the radio's memory as one undo step; Help > Save Diagnostic
// Report holds the last transfer's trace and the settings, and nothing of
// the user's files.

#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QtTest>

#include "core/radio_simulator.h"
#include "core/temp_dir.h"
#include "dialogs/comparedlg.h"
#include "document/programdoc.h"
#include "gui_test_support.h"
#include "image/channel_data_file.h"
#include "image/image_differences.h"
#include "image/new_image.h"
#include "shell/command_ids.h"
#include "shell/mainframe.h"
#include "transfer/transferdlg.h"

using namespace zrx;

namespace {

void start(CTransferDlg* dialog) {
    dialog->OnStart();
}

RadioImage fileImage(const std::filesystem::path& path) {
    RadioImage image;
    static_cast<void>(loadChannelDataFile(path, image));
    return image;
}

} // namespace

class KnowWindowTest : public QObject {
    Q_OBJECT

private slots:
    // Each of the dialog's three ends, against a radio that holds the
    // factory memory while the document has channel 3 changed.
    void compareWithRadio_data() {
        QTest::addColumn<QString>("button");
        QTest::newRow("Close") << "close";
        QTest::newRow("Use the Radio's") << "radio";
        QTest::newRow("Write These Changes") << "write";
    }
    void compareWithRadio() {
        QFETCH(QString, button);
        TempDir dir;
        const RadioImage factory = makeNewImage();
        QVERIFY(saveChannelDataFile(dir / "radio.sin", factory).ok());
        const std::string memory = (dir / "radio.sin").string();
        RadioSimulator radio({"--memory", memory, "--save", memory});
        StartedProgram program;
        QVERIFY(program.start("Eng", QByteArray::fromStdString(radio.device())));
        CProgramDoc* doc = program.app.Document();
        doc->OnNewDocument(factory);
        QVERIFY(doc->EditChannel(3, {"455.12500", "455.12500", "Off", "Off", "No", "Wide", "Add"},
                                 QString()));
        const RadioImage edited = doc->EffectiveImage();
        const int steps = doc->UndoStack().count();

        QStringList rows;
        {
            ModalAnswers answers;
            answers.expect<CTransferDlg>("the read", start)
                .expect<CCompareDlg>("the differences", [&](CCompareDlg* dialog) {
                    QTableWidget* table = dialog->Table();
                    QVERIFY(table != nullptr);
                    for (int row = 0; row < table->rowCount(); ++row) {
                        QStringList cells;
                        for (int column = 0; column < 4; ++column) {
                            cells << table->item(row, column)->text();
                        }
                        rows << cells.join(QLatin1Char('|'));
                    }
                    (button == "close"   ? dialog->CloseButton()
                     : button == "radio" ? dialog->UseRadioButton()
                                         : dialog->WriteButton())
                        ->click();
                });
            if (button == "write") {
                answers.expect<CTransferDlg>("the write", start);
            }
            program.app.MainFrame()->Dispatch(cmd::kCompareWithRadio);
        }
        QVERIFY2(rows.contains(QStringLiteral("3|Rx Freq|(empty)|455.12500")),
                 qPrintable(rows.join(QLatin1Char('\n'))));

        if (button == "radio") {
            // The radio's memory, as one step that Undo takes back; as after
            // a read, the form's own lists stay as they were.
            QCOMPARE(doc->UndoStack().count(), steps + 1);
            QVERIFY(compareImages(doc->EffectiveImage(), factory, CompareScope::WrittenBytes,
                                  Language::English)
                        .empty());
            doc->UndoStack().undo();
            QVERIFY(doc->EffectiveImage() == edited);
            return;
        }
        // The read never touched the document.
        QCOMPARE(doc->UndoStack().count(), steps);
        QVERIFY(doc->EffectiveImage() == edited);
        radio.stop();
        const RadioImage inRadio = fileImage(dir / "radio.sin");
        QCOMPARE(
            compareImages(inRadio, edited, CompareScope::WrittenBytes, Language::English).empty(),
            button == "write");
    }

    // With nothing to tell apart the dialog says so in one line, and a
    // failed read shows its message and no comparison at all.
    void compareWithNothingOrNoRadio() {
        RadioSimulator radio({});
        StartedProgram program;
        QVERIFY(program.start("Eng", QByteArray::fromStdString(radio.device())));
        program.app.Document()->OnNewDocument(makeNewImage());
        QString line;
        {
            ModalAnswers answers;
            answers.expect<CTransferDlg>("the read", start)
                .expect<CCompareDlg>("the differences", [&](CCompareDlg* dialog) {
                    QVERIFY(dialog->Table() == nullptr);
                    QVERIFY(!dialog->WriteButton()->isEnabled());
                    line = dialog->findChild<QLabel*>()->text();
                    dialog->CloseButton()->click();
                });
            program.app.MainFrame()->Dispatch(cmd::kCompareWithRadio);
        }
        QCOMPARE(line, QStringLiteral("Nothing differs: the radio holds what this file would "
                                      "write."));

        RadioSimulator failing({"--bad-ack-at", "3"});
        program.app.State().portName = QString::fromStdString(failing.device());
        QString failure;
        {
            ModalAnswers answers;
            answers.expect<CTransferDlg>("the read", [&failure](CTransferDlg* dialog) {
                dialog->SetFailureNotice(
                    [&failure](const QString& message, const QString&) { failure = message; });
                dialog->OnStart();
            });
            program.app.MainFrame()->Dispatch(cmd::kCompareWithRadio);
        }
        QCOMPARE(failure, QStringLiteral("Communication with the radio failed"));
    }

    void diagnosticReportHoldsTheLastTransfer() {
        TempDir dir;
        RadioSimulator radio({});
        StartedProgram program;
        QVERIFY(program.start("Eng", QByteArray::fromStdString(radio.device())));
        CProgramDoc* doc = program.app.Document();
        QVERIFY(saveChannelDataFile(dir / "Secret Channels.sin", makeNewImage()).ok());
        QVERIFY(
            doc->OnOpenDocument(QString::fromStdString((dir / "Secret Channels.sin").string())));
        {
            ModalAnswers answers;
            answers.expect<CTransferDlg>("the read", start);
            program.app.MainFrame()->Dispatch(cmd::kRead);
        }

        const QString report = QString::fromStdString((dir / "report.txt").string());
        QString offered;
        program.app.SetReportFilePrompt([&](const QString& suggested) {
            offered = suggested;
            return report;
        });
        program.app.MainFrame()->Dispatch(cmd::kSaveDiagnostic);
        QVERIFY(offered.endsWith(QStringLiteral(".txt")));
        QFile file(report);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        for (const QString& part :
             {QStringLiteral("== Program ==\nversion: "), QStringLiteral("\nQt: "),
              QStringLiteral("\nlanguage: English\n"), QStringLiteral("== Serial ports ==\n"),
              QStringLiteral("\nchosen port: ") + program.app.State().portName + "\n",
              QStringLiteral("== Program.ini ==\n"), QStringLiteral("Language=Eng"),
              QStringLiteral("== Last transfer ==\n"), QStringLiteral("handshake accepted"),
              QStringLiteral("ended: the transfer went through")}) {
            QVERIFY2(text.contains(part), qPrintable(part));
        }
        QVERIFY(!text.contains(QStringLiteral("Secret Channels")));
        QCOMPARE(program.app.MainFrame()->statusBar()->currentMessage(),
                 QStringLiteral("Diagnostic report saved to ") + QDir::toNativeSeparators(report));

        // A folder that is not there: the message names the file, no report.
        const QString nowhere = QString::fromStdString((dir / "gone" / "report.txt").string());
        program.app.SetReportFilePrompt([&](const QString&) { return nowhere; });
        program.app.MainFrame()->Dispatch(cmd::kSaveDiagnostic);
        QCOMPARE(program.observer.messages.size(), 1);
        QVERIFY(program.observer.messages[0].contains(QStringLiteral("could not be saved to ") +
                                                      QDir::toNativeSeparators(nowhere)));
    }
};

QTEST_MAIN(KnowWindowTest)
#include "know_window_test.moc"
