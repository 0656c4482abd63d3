// No change a user made is lost without a question: each command that
// replaces the document or ends the program asks "Save changes?" first, and
// only when something changed.

#include <QComboBox>
#include <QPushButton>
#include <QtTest>

#include "app/languagedlg.h"
#include "document/programdoc.h"
#include "editor/programview.h"
#include "grid/msflexgrid.h"
#include "gui_test_support.h"
#include "image/image_layout.h"
#include "image/new_image.h"
#include "shell/command_ids.h"
#include "shell/mainframe.h"

namespace {

enum class Command { Exit, CloseWindow, New, Open, DefaultFactory, Language };
using Answer = CProgramDoc::Answer;

QByteArray newImageBytes() {
    const zrx::RadioImage image = zrx::makeNewImage();
    const auto& bytes = image.bytes();
    return QByteArray(reinterpret_cast<const char*>(bytes.data()),
                      static_cast<qsizetype>(bytes.size()));
}

} // namespace

class UnsavedChangesTest : public QObject {
    Q_OBJECT

private slots:
    void commandsAskBeforeAChangeIsLost_data() {
        QTest::addColumn<Command>("command");
        QTest::addColumn<bool>("edited");
        QTest::addColumn<Answer>("answer");
        const QList<QPair<const char*, Command>> commands = {
            {"Exit", Command::Exit},
            {"close box", Command::CloseWindow},
            {"New", Command::New},
            {"Open", Command::Open},
            {"Default Factory", Command::DefaultFactory},
            {"Language", Command::Language},
        };
        for (const auto& [name, command] : commands) {
            QTest::addRow("%s, Yes", name) << command << true << Answer::Yes;
            QTest::addRow("%s, No", name) << command << true << Answer::No;
            QTest::addRow("%s, Cancel", name) << command << true << Answer::Cancel;
            QTest::addRow("%s, nothing changed", name) << command << false << Answer::Cancel;
        }
    }

    void commandsAskBeforeAChangeIsLost() {
        QFETCH(Command, command);
        QFETCH(bool, edited);
        QFETCH(Answer, answer);
        ProgramFolder folder;
        folder.addAllLibraries();
        folder.writeIni("[Setup]\r\nLanguage=Eng\r\nCOM=COM1\r\n");
        folder.writeFile(QStringLiteral("a.sin"), newImageBytes());
        folder.writeFile(QStringLiteral("b.sin"), newImageBytes());
        folder.writeFile(QStringLiteral("Default.sin"), newImageBytes());
        const QString a = folder.file(QStringLiteral("a.sin"));
        CProgramApp app;
        AppObserver observer;
        observer.attach(app);
        QVERIFY(app.InitInstance(folder.context({a})));
        CProgramDoc* doc = app.Document();
        auto* view = qobject_cast<CProgramView*>(app.View());
        QStringList asked;
        doc->SetQuestion([&asked, answer](QWidget*, const QString& caption, const QString& text) {
            asked << caption + QLatin1Char('|') + text;
            return answer;
        });
        if (edited) {
            // A committed edit: channel 1 on 450 MHz.
            doc->EditChannel(1, {"450.00000", "450.00000", "Off", "Off", "No", "Wide", "Add"}, {});
        }

        // The command goes on unless the question was cancelled.
        const bool goesOn = !(edited && answer == Answer::Cancel);
        int fileNamesAsked = 0;
        doc->SetFileNamePrompt([&](QWidget*, CProgramDoc::FileDialogKind, const QString&) {
            ++fileNamesAsked;
            return folder.file(QStringLiteral("b.sin"));
        });
        ModalAnswers answers;
        // Open and Language ask their own question first, then about the change.
        if (command == Command::Language) {
            answers.expect<CLanguageDlg>("the language dialog", [](CLanguageDlg* language) {
                language->List()->setCurrentIndex(1);
                language->accept();
            });
        }

        CMainFrame* frame = app.MainFrame();
        switch (command) {
        case Command::Exit:
            frame->Dispatch(cmd::kAppExit);
            break;
        case Command::CloseWindow:
            frame->close();
            break;
        case Command::New:
            frame->Dispatch(cmd::kFileNew);
            break;
        case Command::Open:
            frame->Dispatch(cmd::kFileOpen);
            break;
        case Command::DefaultFactory:
            view->findChild<QPushButton*>(QStringLiteral("1068"))->click();
            break;
        case Command::Language:
            frame->Dispatch(cmd::kLanguage);
            break;
        }

        const QStringList expected =
            edited ? QStringList{QStringLiteral("ZRX PC Encoder|Save changes?")} : QStringList{};
        QCOMPARE(asked, expected);
        // Yes saved the edit under the document's path; nothing else did.
        const bool saved = folder.readFile(QStringLiteral("a.sin")) != newImageBytes();
        QCOMPARE(saved, edited && answer == Answer::Yes);
        // Cancel stopped the command; otherwise it went on.
        bool wentOn = false;
        switch (command) {
        case Command::Exit:
        case Command::CloseWindow:
            wentOn = !frame->isVisible();
            break;
        case Command::New:
            wentOn = doc->GetPathName().isEmpty();
            break;
        case Command::Open:
            wentOn = doc->GetPathName().endsWith(QStringLiteral("b.sin"));
            break;
        case Command::DefaultFactory:
            // The factory memory comes in untitled.
            wentOn = doc->GetPathName().isEmpty();
            break;
        case Command::Language:
            wentOn = !observer.launched.isEmpty();
            break;
        }
        QCOMPARE(wentOn, goesOn);
        // Only Open asks for a file name (the saves go to a.sin), and only once.
        QCOMPARE(fileNamesAsked, command == Command::Open ? 1 : 0);
    }

    // A Model or Frequency Range change and a settings byte count as
    // changes; a document that was only looked at does not.
    void whatCountsAsAChange() {
        StartedProgram program;
        QVERIFY(program.start("Eng"));
        CProgramApp& app = program.app;
        CProgramDoc* doc = app.Document();
        auto* view = qobject_cast<CProgramView*>(app.View());
        QVERIFY(!doc->IsModified());
        view->rangeList()->setCurrentIndex(-1);
        QVERIFY(doc->IsModified());
        view->rangeList()->setCurrentIndex(0);
        QVERIFY(!doc->IsModified());
        doc->SetByte(zrx::layout::kPcbaCode, 0x41, {});
        QVERIFY(doc->IsModified());
        QVERIFY(doc->OnSaveDocument(program.folder.file(QStringLiteral("saved.sin"))));
        QVERIFY(!doc->IsModified());
    }
};

QTEST_MAIN(UnsavedChangesTest)
#include "unsaved_changes_test.moc"
