#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

#include "app/aboutdlg.h"
#include "app/languagedlg.h"
#include "document/programdoc.h"
#include "editor/programview.h"
#include "gui_test_support.h"
#include "image/new_image.h"
#include "shell/command_ids.h"
#include "shell/mainframe.h"
#include "view_harness.h"

namespace {

// Picks `entry` in the language dialog and presses OK or Cancel.
void answerLanguageDialog(ModalAnswers& answers, int entry, bool ok,
                          QStringList* entriesSeen = nullptr) {
    answers.expect<CLanguageDlg>("the language dialog", [=](CLanguageDlg* dialog) {
        QComboBox* list = dialog->findChild<QComboBox*>(QStringLiteral("1094"));
        QVERIFY(list != nullptr);
        if (entriesSeen != nullptr) {
            for (int i = 0; i < list->count(); ++i) {
                *entriesSeen << list->itemText(i);
            }
            *entriesSeen << QString::number(list->currentIndex());
        }
        list->setCurrentIndex(entry);
        dialog->findChild<QPushButton*>(ok ? QStringLiteral("1") : QStringLiteral("2"))->click();
    });
}

// The language dialog's caption, label and button texts, in that order.
QStringList languageDialogTexts(QWidget* dialog) {
    const QLabel* label = dialog->findChild<QLabel*>();
    return {dialog->windowTitle(), label != nullptr ? label->text() : QString(),
            dialog->findChild<QPushButton*>(QStringLiteral("1"))->text(),
            dialog->findChild<QPushButton*>(QStringLiteral("2"))->text()};
}

std::unique_ptr<CProgramApp> startIn(const ProgramFolder& folder, AppObserver& observer) {
    auto app = std::make_unique<CProgramApp>();
    observer.attach(*app);
    app->SetPerUserSettingsFile(folder.perUserFile());
    if (!app->InitInstance(folder.context())) {
        return nullptr;
    }
    return app;
}

} // namespace

// The commands of the application: language, help, About, New and Open.
class ShellCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void languageListNamesTheLanguagesInTheRunningOne_data() {
        QTest::addColumn<QByteArray>("code");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("Eng") << QByteArray("Eng") << QStringList{"Eng", "Chs", "Cht", "0"};
        QTest::newRow("Chs") << QByteArray("Chs") << QStringList{"英文", "简体", "繁体", "1"};
        QTest::newRow("Cht") << QByteArray("Cht") << QStringList{"英文", "簡體", "繁體", "2"};
    }

    void languageListNamesTheLanguagesInTheRunningOne() {
        QFETCH(QByteArray, code);
        QFETCH(QStringList, entries);
        ProgramFolder folder;
        folder.addAllLibraries();
        folder.writeIni("[Setup]\nLanguage=" + code + "\nCOM=COM1\n");
        AppObserver observer;
        auto app = startIn(folder, observer);
        QVERIFY(app);
        QStringList seen;
        ModalAnswers answers;
        answerLanguageDialog(answers, static_cast<int>(app->State().language), true, &seen);
        app->MainFrame()->Dispatch(cmd::kLanguage);
        QCOMPARE(seen, entries);
        // The language in force, confirmed with OK: nothing written, no restart.
        QCOMPARE(folder.readFile(QStringLiteral("Program.ini")),
                 QByteArray("[Setup]\nLanguage=" + code + "\nCOM=COM1\n"));
        QVERIFY(observer.launched.isEmpty());
        QCOMPARE(observer.quitRequests, 0);
    }

    void languageDialogTextsComeFromTheLibrary_data() {
        QTest::addColumn<QByteArray>("code");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("Eng") << QByteArray("Eng")
                             << QStringList{"Language", "Language Setting", "OK", "Cancel"};
        QTest::newRow("Chs") << QByteArray("Chs")
                             << QStringList{"语言", "语言设置", "确定", "取消"};
        QTest::newRow("Cht") << QByteArray("Cht")
                             << QStringList{"語言", "語言設置", "確定", "取消"};
    }

    void languageDialogTextsComeFromTheLibrary() {
        QFETCH(QByteArray, code);
        QFETCH(QStringList, texts);
        ProgramFolder folder;
        folder.addAllLibraries();
        folder.writeIni("[Setup]\nLanguage=" + code + "\n");
        AppObserver observer;
        auto app = startIn(folder, observer);
        QVERIFY(app);
        QStringList seen;
        ModalAnswers answers;
        answers.expect<CLanguageDlg>("the language dialog", [&](CLanguageDlg* dialog) {
            seen = languageDialogTexts(dialog);
            dialog->findChild<QPushButton*>(QStringLiteral("2"))->click();
        });
        app->MainFrame()->Dispatch(cmd::kLanguage);
        QCOMPARE(seen, texts);
    }

    void languageDialogOwnCopyIsTheChineseOne() {
        // What shows when the loaded library does not carry the dialog.
        CLanguageDlg dialog(zrx::Language::English);
        QCOMPARE(languageDialogTexts(&dialog), (QStringList{"语言", "语言设置", "确定", "取消"}));
    }

    void cancelAfterChangingTheSelectionChangesNothing() {
        ProgramFolder folder;
        folder.addAllLibraries();
        folder.writeIni("[Setup]\nLanguage=Eng\nCOM=COM1\n");
        AppObserver observer;
        auto app = startIn(folder, observer);
        QVERIFY(app);
        app->State().portName = QStringLiteral("COM4");
        ModalAnswers answers;
        answerLanguageDialog(answers, 2, false);
        app->MainFrame()->Dispatch(cmd::kLanguage);
        QCOMPARE(folder.readFile(QStringLiteral("Program.ini")),
                 QByteArray("[Setup]\nLanguage=Eng\nCOM=COM1\n"));
        QVERIFY(observer.launched.isEmpty());
        QCOMPARE(observer.quitRequests, 0);
    }

    void changeStoresPortThenLanguageKeepsTheRestAndRestarts() {
        ProgramFolder folder;
        folder.addAllLibraries();
        const QByteArray before = "; ZRX settings\r\n[Printer]\r\nName=Office\r\n\r\n"
                                  "[Setup]\r\nLanguage = Eng\r\n\r\n[Later]\r\nCOM=keep\r\n";
        folder.writeIni(before);
        AppObserver observer;
        auto app = startIn(folder, observer);
        QVERIFY(app);
        QVERIFY(app->State().portName.isEmpty());
        app->State().portName = QStringLiteral("COM5"); // as the Port menu would set it
        ModalAnswers answers;
        answerLanguageDialog(answers, 1, true);
        app->MainFrame()->Dispatch(cmd::kLanguage);
        QCOMPARE(folder.readFile(QStringLiteral("Program.ini")),
                 QByteArray("; ZRX settings\r\n[Printer]\r\nName=Office\r\n\r\n"
                            "[Setup]\r\nLanguage=Chs\r\nCOM=COM5\r\n\r\n[Later]\r\nCOM=keep\r\n"));
        // A folder that takes files keeps its settings to itself.
        QVERIFY(!QFile::exists(folder.perUserFile()));
        QCOMPARE(observer.launched, QStringList{app->State().moduleDirectory + programFileName()});
        QCOMPARE(observer.quitRequests, 1);
        QVERIFY(!QFileInfo(observer.launched.front()).isRelative());
    }

    void emptyPortIsNotWritten() {
        ProgramFolder folder;
        folder.addAllLibraries();
        folder.writeIni("[Setup]\nLanguage=Cht\n");
        AppObserver observer;
        auto app = startIn(folder, observer);
        QVERIFY(app);
        ModalAnswers answers;
        answerLanguageDialog(answers, 0, true);
        app->MainFrame()->Dispatch(cmd::kLanguage);
        QCOMPARE(folder.readFile(QStringLiteral("Program.ini")),
                 QByteArray("[Setup]\nLanguage=Eng\n"));
        QCOMPARE(observer.quitRequests, 1);
    }

    void helpAsksForTheLanguagesFileByBareName() {
        ProgramFolder folder;
        folder.addAllLibraries();
        folder.writeIni("[Setup]\nLanguage=Cht\n");
        folder.writeFile(QStringLiteral("cht.chm"), "help");
        AppObserver observer;
        auto app = startIn(folder, observer);
        QVERIFY(app);
        QList<QUrl> asked;
        app->Help().SetViewer([&asked](const QUrl& url) {
            asked << url;
            return true;
        });
        app->MainFrame()->Dispatch(cmd::kHelp);
        QCOMPARE(asked.size(), 1);
        QCOMPARE(asked.front().fileName(), QStringLiteral("cht.chm"));
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    void helpSaysWhenFileOrViewerIsMissing() {
        ProgramFolder folder;
        folder.addAllLibraries();
        folder.writeIni("[Setup]\nLanguage=Eng\n");
        AppObserver observer;
        auto app = startIn(folder, observer);
        QVERIFY(app);
        int calls = 0;
        app->Help().SetViewer([&calls](const QUrl&) {
            ++calls;
            return false;
        });
        app->Help().SetUnpacker(folder.file(QStringLiteral("zrx-chm-unpack")));
        app->MainFrame()->Dispatch(cmd::kHelp); // no eng.chm: nothing asked, the file named
        QCOMPARE(calls, 0);
        QVERIFY(!app->Help().BindingFailed());
        folder.writeFile(QStringLiteral("eng.chm"), "help");
        app->MainFrame()->Dispatch(cmd::kHelp); // no viewer takes it, and no helper is there
        QCOMPARE(calls, 1);
        QVERIFY(app->Help().BindingFailed());
        app->MainFrame()->Dispatch(cmd::kHelp); // remembered: not tried again
        QCOMPARE(calls, 1);
        QCOMPARE(observer.notices.size(), 3); // what each of them is: help_viewer_test
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    void aboutBoxShowsVersionCopyrightAndOk() {
        ProgramFolder folder;
        folder.addAllLibraries();
        folder.writeIni("[Setup]\nLanguage=Eng\n");
        AppObserver observer;
        auto app = startIn(folder, observer);
        QVERIFY(app);
        QStringList texts;
        QString caption;
        bool hasIcon = false;
        ModalAnswers answers;
        answers.expect<CAboutDlg>("the About box", [&](CAboutDlg* modal) {
            caption = modal->windowTitle();
            for (QLabel* label : modal->findChildren<QLabel*>()) {
                if (label->objectName() == QStringLiteral("128")) {
                    hasIcon = !label->pixmap().isNull();
                } else {
                    texts << label->text();
                }
            }
            modal->findChild<QPushButton*>(QStringLiteral("1"))->click();
        });
        app->MainFrame()->Dispatch(cmd::kAppAbout);
        QCOMPARE(caption, QStringLiteral("About"));
        QVERIFY(hasIcon);
        QCOMPARE(texts.value(0), QStringLiteral("Vesion 1.0.1"));
        QVERIFY(texts.value(1).startsWith(QStringLiteral("Copyright")));
    }

    void newRefillsTheImageAndForgetsThePath() {
        ProgramFolder folder;
        folder.addAllLibraries();
        folder.writeIni("[Setup]\nLanguage=Eng\n");
        folder.writeFile(QStringLiteral("a.sin"), QByteArray(1024, '\x33'));
        AppObserver observer;
        auto app = startIn(folder, observer);
        QVERIFY(app);
        QSignalSpy resets(app->Document(), &CProgramDoc::documentReset);
        QVERIFY(app->Document()->OnOpenDocument(folder.file(QStringLiteral("a.sin"))));
        app->MainFrame()->Dispatch(cmd::kFileNew);
        QVERIFY(app->Document()->Image() == zrx::makeNewImage());
        QVERIFY(app->Document()->GetPathName().isEmpty());
        QCOMPARE(resets.count(), 2);
        QVERIFY(!app->Document()->IsModified());
    }

    void openOffersChannelDataFilesAndLoadsTheChosenOne() {
        ProgramFolder folder;
        folder.addAllLibraries();
        folder.writeIni("[Setup]\nLanguage=Eng\n");
        QByteArray bytes(1024, '\x21');
        bytes[0x3E0] = '\x00';
        folder.writeFile(QStringLiteral("radio.sin"), bytes);
        AppObserver observer;
        auto app = startIn(folder, observer);
        QVERIFY(app);
        QStringList filters;
        // The real file dialog, end to end. The name goes into its name box
        // directly: selectFile() leaves a box that has the focus alone.
        ModalAnswers answers;
        answers.expect<QFileDialog>("the Open dialog", [&](QFileDialog* dialog) {
            filters = dialog->nameFilters();
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QVERIFY(name != nullptr);
            name->setText(folder.file(QStringLiteral("radio.sin")));
            QMetaObject::invokeMethod(dialog, "accept", Qt::DirectConnection);
        });
        app->MainFrame()->Dispatch(cmd::kFileOpen);
        QCOMPARE(filters, QStringList{QStringLiteral("Channel Data (*.sin)")});
        QCOMPARE(QFileInfo(app->Document()->GetPathName()).fileName(), QStringLiteral("radio.sin"));
        QCOMPARE(app->Document()->Image().byte(0x3E0), std::uint8_t{0});
        QCOMPARE(app->Document()->Image().byte(0x3E1), std::uint8_t{0x21});
        QCOMPARE(app->MainFrame()->windowTitle(), QStringLiteral("ZRX PC Encoder"));
        QVERIFY(!app->Document()->IsModified());
    }

    void shortFileGivesAnErrorAndKeepsTheImage() {
        ProgramFolder folder;
        folder.addAllLibraries();
        folder.writeIni("[Setup]\nLanguage=Eng\n");
        folder.writeFile(QStringLiteral("short.sin"), QByteArray(1000, '\x55'));
        AppObserver observer;
        auto app = startIn(folder, observer);
        QVERIFY(app);
        app->Document()->SetByte(0x010, 0x46, {});
        const zrx::RadioImage before = app->Document()->Image();
        QString message;
        ModalAnswers answers;
        answers.expect<QMessageBox>("the error box", [&](QMessageBox* box) {
            message = box->windowTitle() + QLatin1Char('|') + box->text();
            box->accept();
        });
        QVERIFY(!app->Document()->OnOpenDocument(folder.file(QStringLiteral("short.sin"))));
        QVERIFY(message.startsWith(QStringLiteral("ZRX PC Encoder|")));
        QVERIFY(message.contains(QStringLiteral("1024")));
        QVERIFY(app->Document()->Image() == before);
        QVERIFY(app->Document()->GetPathName().isEmpty());
    }

    // The factory memory comes in untitled: the toolbar's Save asks for a
    // name, the open edit goes into that file and Default.sin stays as shipped.
    void toolbarSaveAfterDefaultFactoryAsksForANameAndKeepsDefaultSin() {
        ProgramFolder folder;
        folder.addAllLibraries();
        folder.writeIni("[Setup]\nLanguage=Eng\n");
        QFile shipped(QDir(qEnvironmentVariable("ZRX_OUTPUT_DIR")).filePath("Default.sin"));
        QVERIFY(shipped.open(QIODevice::ReadOnly));
        const QByteArray factory = shipped.readAll();
        folder.writeFile(QStringLiteral("Default.sin"), factory);
        AppObserver observer;
        auto app = startIn(folder, observer);
        QVERIFY(app);
        CMainFrame* frame = app->MainFrame();
        QApplication::setActiveWindow(frame);
        QVERIFY(QTest::qWaitForWindowActive(frame));
        auto* view = frame->findChild<CProgramView*>();
        QVERIFY(view != nullptr);

        view->findChild<QPushButton*>(QStringLiteral("1068"))->click();
        QCOMPARE(app->Document()->GetPathName(), QString());
        QStringList asked;
        app->Document()->SetFileNamePrompt(
            [&](QWidget*, CProgramDoc::FileDialogKind, const QString& start) {
                asked << start;
                return folder.file(QStringLiteral("mine.sin"));
            });
        // A frequency typed over channel 2 and not yet committed...
        harness::clickCell(view->grid(), 2, 1);
        harness::type(QStringLiteral("455.5"));
        QVERIFY(view->frequencyEdit()->isVisible());
        // ...is in the file the toolbar's Save writes, under the name given.
        QToolBar* bar = frame->ToolBar();
        QWidget* saveButton = bar->widgetForAction(frame->Action(cmd::kFileSave));
        QVERIFY(saveButton != nullptr);
        QTest::mouseClick(saveButton, Qt::LeftButton);
        harness::settle();
        QVERIFY(view->frequencyEdit()->isHidden());
        QByteArray expected = factory;
        // 455.5 MHz = 45550000 in BCD, low pair first.
        expected.replace(0x20, 4, QByteArray::fromHex("00005545"));
        QCOMPARE(asked, QStringList{QString()});
        QCOMPARE(folder.readFile(QStringLiteral("mine.sin")), expected);
        QCOMPARE(folder.readFile(QStringLiteral("Default.sin")), factory);
    }

    void cancelledOpenChangesNothing() {
        ProgramFolder folder;
        folder.addAllLibraries();
        folder.writeIni("[Setup]\nLanguage=Eng\n");
        AppObserver observer;
        auto app = startIn(folder, observer);
        QVERIFY(app);
        const zrx::RadioImage before = app->Document()->Image();
        int asked = 0;
        app->Document()->SetFileNamePrompt(
            [&asked](QWidget*, CProgramDoc::FileDialogKind kind, const QString&) {
                asked += kind == CProgramDoc::FileDialogKind::Open ? 1 : 100;
                return QString(); // cancelled
            });
        app->MainFrame()->Dispatch(cmd::kFileOpen);
        QCOMPARE(asked, 1);
        QVERIFY(app->Document()->Image() == before);
        QVERIFY(app->Document()->GetPathName().isEmpty());
    }
};

QTEST_MAIN(ShellCommandsTest)
#include "shell_commands_test.moc"
