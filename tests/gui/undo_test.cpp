// Every kind of change is one step that Undo takes back and Redo makes
// again, named in the Edit menu; undoing back to what was opened leaves
// nothing to save.

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "core/radio_simulator.h"
#include "core/random_image.h"
#include "core/temp_dir.h"
#include "dialogs/pcbadlg.h"
#include "document/programdoc.h"
#include "editor/programview.h"
#include "grid/msflexgrid.h"
#include "gui_test_support.h"
#include "image/channel_data_file.h"
#include "shell/command_ids.h"
#include "shell/mainframe.h"
#include "transfer/transferdlg.h"
#include "view_harness.h"

namespace {

enum class Step { Cell, Range, DefaultFactory, SettingsDialog, Read };

QByteArray randomImageBytes(unsigned seed) {
    const zrx::RadioImage image = randomImage(seed);
    return {reinterpret_cast<const char*>(image.bytes().data()),
            static_cast<qsizetype>(image.bytes().size())};
}

QString itemText(CMainFrame* frame, int id) {
    frame->UpdateCommandUI();
    return frame->Action(id)->text();
}

} // namespace

class UndoTest : public QObject {
    Q_OBJECT

private slots:
    void everyKindOfChangeIsOneStep_data() {
        QTest::addColumn<QByteArray>("language");
        QTest::addColumn<Step>("step");
        QTest::addColumn<QString>("undoText");
        QTest::newRow("cell") << QByteArray("Eng") << Step::Cell << "&Undo Rx Freq, CH 3\tCtrl+Z";
        QTest::newRow("cell, Chinese")
            << QByteArray("Chs") << Step::Cell << "撤销 接收频率，信道 3(&U)\tCtrl+Z";
        QTest::newRow("cell, Traditional")
            << QByteArray("Cht") << Step::Cell << "復原 接收頻率，信道 3(&U)\tCtrl+Z";
        QTest::newRow("Frequency Range")
            << QByteArray("Eng") << Step::Range << "&Undo Frequency Range\tCtrl+Z";
        QTest::newRow("Default Factory")
            << QByteArray("Eng") << Step::DefaultFactory << "&Undo Default Factory\tCtrl+Z";
        QTest::newRow("PCBA code")
            << QByteArray("Eng") << Step::SettingsDialog << "&Undo PCBA\tCtrl+Z";
        QTest::newRow("read") << QByteArray("Eng") << Step::Read << "&Undo Read Data\tCtrl+Z";
    }

    void everyKindOfChangeIsOneStep() {
        QFETCH(QByteArray, language);
        QFETCH(Step, step);
        QFETCH(QString, undoText);
        TempDir dir;
        const std::string memory = (dir / "radio.sin").string();
        QVERIFY(zrx::saveChannelDataFile(memory, randomImage(5)));
        RadioSimulator radio({"--memory", memory});
        StartedProgram program;
        QVERIFY(program.start(language, QByteArray::fromStdString(radio.device())));
        program.folder.writeFile(QStringLiteral("Default.sin"), randomImageBytes(9));
        program.folder.writeFile(QStringLiteral("opened.sin"), randomImageBytes(3));
        CProgramDoc* doc = program.app.Document();
        CMainFrame* frame = program.app.MainFrame();
        auto* view = qobject_cast<CProgramView*>(program.app.View());
        const QString opened = program.folder.file(QStringLiteral("opened.sin"));
        QVERIFY(doc->OnOpenDocument(opened));
        const zrx::RadioImage before = doc->EffectiveImage();
        QVERIFY(!frame->Action(cmd::kEditUndo)->isEnabled());

        ModalAnswers answers;
        switch (step) {
        case Step::Cell:
            harness::clickCell(view->grid(), 3, 1);
            harness::type(QStringLiteral("455.5"));
            harness::key(Qt::Key_Return);
            break;
        case Step::Range:
            view->rangeList()->setCurrentIndex(-1);
            break;
        case Step::DefaultFactory:
            view->findChild<QPushButton*>(QStringLiteral("1068"))->click();
            QCOMPARE(doc->GetPathName(), QString());
            break;
        case Step::SettingsDialog:
            answers.expect<CPcbaDlg>("the PCBA dialog", [](CPcbaDlg* dialog) {
                dialog->findChild<QLineEdit*>(QString::number(CPcbaDlg::kIdCode))
                    ->setText(QStringLiteral("ZRX9"));
                dialog->accept();
            });
            frame->Dispatch(cmd::kEmbed);
            break;
        case Step::Read:
            answers.expect<CTransferDlg>("the transfer dialog",
                                         [](CTransferDlg* dialog) { dialog->OnStart(); });
            frame->Dispatch(cmd::kRead);
            break;
        }
        const zrx::RadioImage after = doc->EffectiveImage();
        QVERIFY(after != before);
        // Like New, the factory memory is nothing to save yet.
        QCOMPARE(doc->IsModified(), step != Step::DefaultFactory);
        QCOMPARE(itemText(frame, cmd::kEditUndo), undoText);

        frame->Dispatch(cmd::kEditUndo);
        QVERIFY(doc->EffectiveImage() == before);
        QCOMPARE(doc->GetPathName(), opened);
        // Back where it was opened: nothing to save.
        QVERIFY(!doc->IsModified());
        QVERIFY(!frame->Action(cmd::kEditUndo)->isEnabled());
        QVERIFY(frame->Action(cmd::kEditRedo)->isEnabled());

        frame->Dispatch(cmd::kEditRedo);
        QVERIFY(doc->EffectiveImage() == after);
        QCOMPARE(doc->IsModified(), step != Step::DefaultFactory);
        // The grid shows the document, whichever way it last changed.
        for (int n = 1; n <= 16; ++n) {
            const zrx::ChannelTexts texts =
                zrx::decodeChannel(after, n, program.app.State().language);
            for (int c = 0; c < 7; ++c) {
                if (step != Step::Cell || n != 3) {
                    QCOMPARE(view->grid()->GetTextMatrix(n, c + 1),
                             QString::fromStdString(texts[static_cast<std::size_t>(c)]));
                }
            }
        }
        // A new document starts a new history.
        doc->SetQuestion(
            [](QWidget*, const QString&, const QString&) { return CProgramDoc::Answer::No; });
        frame->Dispatch(cmd::kFileNew);
        QVERIFY(!frame->Action(cmd::kEditUndo)->isEnabled());
    }
};

QTEST_MAIN(UndoTest)
#include "undo_test.moc"
