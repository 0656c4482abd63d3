// Ready plans and the checks before a write, from the window: New from Plan
// offers the shipped plan with its note and refuses a plan the radio could
// not use; Write shows what the checks find first, can be cancelled, and
// can be told not to ask again.

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>
#include <fstream>

#include "core/environment_override.h"
#include "core/radio_simulator.h"
#include "core/temp_dir.h"
#include "dialogs/findingsdlg.h"
#include "dialogs/plandlg.h"
#include "document/programdoc.h"
#include "gui_test_support.h"
#include "image/channel_codec.h"
#include "plans/plan_loading.h"
#include "shell/command_ids.h"
#include "shell/mainframe.h"
#include "transfer/transferdlg.h"

namespace {

// The shipped plans, in the program folder of a test's own.
void addShippedPlans(const ProgramFolder& folder) {
    QDir().mkpath(folder.file(QStringLiteral("plans")));
    const QDir shipped(qEnvironmentVariable("ZRX_OUTPUT_DIR") + QStringLiteral("/plans"));
    for (const QString& name : shipped.entryList(QDir::Files)) {
        QFile::copy(shipped.filePath(name), folder.file(QStringLiteral("plans/") + name));
    }
}

} // namespace

class PlansWindowTest : public QObject {
    Q_OBJECT

private slots:
    void newFromPlanOffersPlansWithTheirNotes() {
        TempDir data;
        const EnvironmentOverride dataHome("XDG_DATA_HOME", data.path().string());
        // A plan of the user's own that the radio could not use.
        std::filesystem::create_directories(data / "zrx-pc-encoder/plans");
        std::ofstream(data / "zrx-pc-encoder/plans/Airband.csv") << "CH,Rx Freq\r\n1,118.1\r\n";
        StartedProgram program;
        QVERIFY(program.start("Eng"));
        addShippedPlans(program.folder);
        CProgramDoc* doc = program.app.Document();

        QStringList listed;
        QString note;
        QStringList refusals;
        ModalAnswers answers;
        answers
            .expect<CPlanDlg>("the plans",
                              [&](CPlanDlg* dialog) {
                                  for (int i = 0; i < dialog->List()->count(); ++i) {
                                      listed << dialog->List()->item(i)->text();
                                  }
                                  dialog->List()->setCurrentRow(1);
                                  note = dialog->Note()->text();
                                  dialog->accept();
                              })
            .expect<CPlanDlg>("the plans again",
                              [](CPlanDlg* dialog) {
                                  dialog->List()->setCurrentRow(0);
                                  dialog->accept();
                              })
            .expect<QMessageBox>("the refusal", [&](QMessageBox* box) {
                refusals << box->text();
                box->accept();
            });
        program.app.MainFrame()->Dispatch(cmd::kFileNewFromPlan);
        QCOMPARE(listed, (QStringList{"Airband (user)", "PMR446 (shipped)"}));
        QVERIFY2(note.contains(QStringLiteral("0.5 W")), qPrintable(note));
        const zrx::plans::PlanLoad pmr = zrx::plans::loadPlan(
            program.folder.file(QStringLiteral("plans/PMR446.csv")).toStdString());
        QVERIFY(pmr);
        QVERIFY(doc->Image() == pmr.image);
        QVERIFY(doc->GetPathName().isEmpty());
        QVERIFY(!doc->IsModified());

        // The user's plan lies outside the radio's band: refused, nothing changes.
        program.app.MainFrame()->Dispatch(cmd::kFileNewFromPlan);
        QCOMPARE(refusals.size(), 1);
        QVERIFY2(refusals.front().contains(QStringLiteral("400-470 MHz")),
                 qPrintable(refusals.front()));
        QVERIFY(doc->Image() == pmr.image);
    }

    void writeShowsTheFindingsFirst() {
        RadioSimulator radio({});
        StartedProgram program;
        QVERIFY(program.start("Eng", QByteArray::fromStdString(radio.device())));
        CProgramDoc* doc = program.app.Document();
        // Two channels that duplicate each other.
        for (int n : {1, 2}) {
            doc->EditChannel(n, {"450.00000", "450.00000", "Off", "Off", "No", "Wide", "Add"}, {});
        }
        CMainFrame* frame = program.app.MainFrame();

        QString reason;
        {
            ModalAnswers answers;
            answers.expect<CFindingsDlg>("the findings", [&](CFindingsDlg* dialog) {
                QVERIFY(dialog->Table() != nullptr);
                QCOMPARE(dialog->Table()->rowCount(), 1);
                reason = dialog->Table()->item(0, 1)->text();
                dialog->reject();
            });
            frame->Dispatch(cmd::kWrite);
        }
        QCOMPARE(reason, QStringLiteral("CH 1, 2"));
        radio.stop();
        QVERIFY(radio.traffic().received.empty());

        RadioSimulator second({});
        program.app.State().portName = QString::fromStdString(second.device());
        {
            ModalAnswers answers;
            answers
                .expect<CFindingsDlg>("the findings",
                                      [](CFindingsDlg* dialog) {
                                          dialog->DoNotCheckBox()->setChecked(true);
                                          dialog->AcceptButton()->click();
                                      })
                .expect<CTransferDlg>("the transfer",
                                      [](CTransferDlg* dialog) { dialog->OnStart(); });
            frame->Dispatch(cmd::kWrite);
        }
        QVERIFY(
            program.folder.readFile(QStringLiteral("Program.ini")).contains("CheckBeforeWrite=0"));
        // Not asked again.
        {
            ModalAnswers answers;
            answers.expect<CTransferDlg>("the transfer",
                                         [](CTransferDlg* dialog) { dialog->OnStart(); });
            frame->Dispatch(cmd::kWrite);
        }
    }
};

QTEST_MAIN(PlansWindowTest)
#include "plans_window_test.moc"
