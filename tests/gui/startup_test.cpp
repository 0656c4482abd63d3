#include <QMenuBar>
#include <QMessageBox>
#include <QtTest>

#include "app/command_line.h"
#include "document/programdoc.h"
#include "gui_test_support.h"
#include "image/new_image.h"
#include "shell/inifile.h"
#include "shell/mainframe.h"

// Start-up from Program.ini: what is read, which library is loaded, and
// every way it can fail.
class StartupTest : public QObject {
    Q_OBJECT

private:
    static QString firstMenuTitle(const CProgramApp& app) {
        return app.MainFrame()->menuBar()->actions().value(0)->text();
    }

private slots:
    void noSettingsFileShowsMessageAndCreatesNothing() {
        ProgramFolder folder;
        folder.addAllLibraries();
        CProgramApp app;
        AppObserver observer;
        observer.attach(app);
        QVERIFY(!app.InitInstance(folder.context()));
        QCOMPARE(app.StartupExitCode(), 1);
        QCOMPARE(observer.messages,
                 QStringList{QStringLiteral("ZRX PC Encoder|Load language DLL fail")});
        QVERIFY(app.MainFrame() == nullptr);
        QVERIFY(QApplication::topLevelWidgets().isEmpty() ||
                std::none_of(QApplication::topLevelWidgets().cbegin(),
                             QApplication::topLevelWidgets().cend(),
                             [](QWidget* w) { return w->isVisible(); }));
        QVERIFY(!QFile::exists(folder.file(QStringLiteral("Program.ini"))));
        QVERIFY(app.State().portName.isEmpty()); // the initial COM1 does not survive start-up
    }

    void englishWithoutComStartsWithEmptyPort() {
        ProgramFolder folder;
        folder.addAllLibraries();
        folder.writeIni("[Setup]\r\nLanguage=Eng\r\n");
        const QByteArray before = folder.readFile(QStringLiteral("Program.ini"));
        CProgramApp app;
        AppObserver observer;
        observer.attach(app);
        QVERIFY(app.InitInstance(folder.context()));
        QVERIFY(observer.messages.isEmpty());
        QCOMPARE(app.State().language, zrx::Language::English);
        QVERIFY(app.State().portName.isEmpty());
        QCOMPARE(app.State().moduleDirectory,
                 QDir::toNativeSeparators(folder.path()) + QDir::separator());
        QVERIFY(app.MainFrame()->isVisible());
        QCOMPARE(app.MainFrame()->windowTitle(), QStringLiteral("ZRX PC Encoder"));
        QCOMPARE(firstMenuTitle(app), QStringLiteral("&File"));
        // A new document, and nothing written to the settings file.
        QVERIFY(app.Document()->Image() == zrx::makeNewImage());
        QVERIFY(app.Document()->GetPathName().isEmpty());
        QCOMPARE(folder.readFile(QStringLiteral("Program.ini")), before);
    }

    void lowerCaseCodeFindsTheLibraryWhateverItsCase() {
        ProgramFolder folder;
        folder.addAllLibraries();
        folder.writeIni("[setup]\nlanguage=chs\ncom=com3\n");
        CProgramApp app;
        AppObserver observer;
        observer.attach(app);
        QVERIFY(app.InitInstance(folder.context()));
        QCOMPARE(app.State().language, zrx::Language::SimplifiedChinese);
        QCOMPARE(app.State().portName, QStringLiteral("com3")); // taken as stored
        QCOMPARE(firstMenuTitle(app), QStringLiteral("文件(&F)"));
        QCOMPARE(QFileInfo(app.Library()->Path())
                     .fileName()
                     .compare(QStringLiteral("Chs.dll"), kFileNameCase),
                 0);
    }

    void unknownCodeLoadsItsOwnLibraryButCodeTextsStayEnglish() {
        ProgramFolder folder;
        folder.addAllLibraries();
        folder.addLibrary(QStringLiteral("Cht"), QStringLiteral("Fra.dll"));
        folder.writeIni("[Setup]\nLanguage=Fra\nCOM=COM2\n");
        CProgramApp app;
        AppObserver observer;
        observer.attach(app);
        QVERIFY(app.InitInstance(folder.context()));
        QCOMPARE(app.State().language, zrx::Language::English);
        QCOMPARE(firstMenuTitle(app), QStringLiteral("文件(&F)")); // resources from Fra.dll
        QCOMPARE(QFileInfo(app.Library()->Path()).fileName(), QStringLiteral("Fra.dll"));
    }

    void missingLibraryShowsMessageInTheChosenLanguage() {
        ProgramFolder folder;
        folder.addLibrary(QStringLiteral("Eng"));
        folder.addLibrary(QStringLiteral("Chs"));
        folder.writeIni("[Setup]\nLanguage=Cht\nCOM=COM1\n");
        const QByteArray before = folder.readFile(QStringLiteral("Program.ini"));
        CProgramApp app;
        AppObserver observer;
        observer.attach(app);
        QVERIFY(!app.InitInstance(folder.context()));
        QCOMPARE(observer.messages,
                 QStringList{QStringLiteral("ZRX PC Encoder|加載語言庫鏈接庫失敗")});
        QVERIFY(app.MainFrame() == nullptr);
        QCOMPARE(folder.readFile(QStringLiteral("Program.ini")), before);
    }

    void brokenLibraryOrNameWithFolderIsNotLoaded() {
        ProgramFolder folder;
        folder.writeFile(QStringLiteral("Chs.dll"), QByteArray("not a catalogue"));
        folder.writeIni("[Setup]\nLanguage=Chs\n");
        {
            CProgramApp app;
            AppObserver observer;
            observer.attach(app);
            QVERIFY(!app.InitInstance(folder.context()));
            QCOMPARE(observer.messages,
                     QStringList{QStringLiteral("ZRX PC Encoder|加载语言链接库失败")});
        }
        // A code that names another folder is not followed there.
        QDir(folder.path()).mkdir(QStringLiteral("sub"));
        QFile::copy(QDir(QString::fromLocal8Bit(qgetenv("ZRX_OUTPUT_DIR")))
                        .filePath(QStringLiteral("Eng.dll")),
                    folder.file(QStringLiteral("sub/Eng.dll")));
        folder.writeIni("[Setup]\nLanguage=sub/Eng\n");
        CProgramApp app;
        AppObserver observer;
        observer.attach(app);
        QVERIFY(!app.InitInstance(folder.context()));
        QCOMPARE(observer.messages.size(), 1);
    }

    void libraryIsFoundInTheWorkingDirectoryToo() {
        ProgramFolder folder;
        folder.writeIni("[Setup]\nLanguage=Cht\n");
        QVERIFY(QFile::copy(QDir(QString::fromLocal8Bit(qgetenv("ZRX_OUTPUT_DIR")))
                                .filePath(QStringLiteral("Cht.dll")),
                            QDir(folder.workingDirectory()).filePath(QStringLiteral("Cht.dll"))));
        CProgramApp app;
        AppObserver observer;
        observer.attach(app);
        QVERIFY(app.InitInstance(folder.context()));
        QCOMPARE(app.State().language, zrx::Language::TraditionalChinese);
    }

    void longValuesAreCutAt255Characters() {
        ProgramFolder folder;
        folder.addAllLibraries();
        const QByteArray port(300, 'P');
        folder.writeIni("[Setup]\nLanguage=Eng\nCOM=" + port + "\n");
        CProgramApp app;
        AppObserver observer;
        observer.attach(app);
        QVERIFY(app.InitInstance(folder.context()));
        QCOMPARE(app.State().portName, QString(255, QLatin1Char('P')));
    }

    void commandLineFileIsOpened() {
        ProgramFolder folder;
        folder.addAllLibraries();
        folder.writeIni("[Setup]\nLanguage=Eng\nCOM=COM1\n");
        QByteArray bytes(1030, '\x42');
        folder.writeFile(QStringLiteral("radio.sin"), bytes);
        CProgramApp app;
        AppObserver observer;
        observer.attach(app);
        QVERIFY(app.InitInstance(folder.context({folder.file(QStringLiteral("radio.sin"))})));
        QCOMPARE(app.Document()->GetPathName(), folder.file(QStringLiteral("radio.sin")));
        QCOMPARE(app.Document()->Image().byte(0x3FF), std::uint8_t{0x42});
        QCOMPARE(app.MainFrame()->windowTitle(), QStringLiteral("ZRX PC Encoder"));
    }

    void commandLineFileThatCannotBeOpenedEndsTheProgram() {
        ProgramFolder folder;
        folder.addAllLibraries();
        folder.writeIni("[Setup]\nLanguage=Eng\n");
        folder.writeFile(QStringLiteral("short.sin"), QByteArray(1023, '\0'));
        CProgramApp app;
        AppObserver observer;
        observer.attach(app);
        QString shown;
        ModalAnswers answers;
        answers.expect<QMessageBox>("the error box", [&shown](QMessageBox* box) {
            shown = box->windowTitle() + QLatin1Char('|') + box->text();
            box->accept();
        });
        QVERIFY(!app.InitInstance(folder.context({folder.file(QStringLiteral("short.sin"))})));
        QVERIFY(shown.startsWith(QStringLiteral("ZRX PC Encoder|")));
        QVERIFY(shown.contains(QStringLiteral("short.sin")));
        QVERIFY(app.MainFrame() == nullptr || !app.MainFrame()->isVisible());
    }

    void printSwitchOpensTheFileAndEndsWithoutAWindow() {
        // No print system answers: the file is loaded, nothing can be
        // printed, and the program says so and ends with status 1.
        qputenv("CUPS_SERVER", "/nonexistent/zrx-startup-test.sock");
        ProgramFolder folder;
        folder.addAllLibraries();
        folder.writeIni("[Setup]\nLanguage=Eng\n");
        folder.writeFile(QStringLiteral("radio.sin"), QByteArray(1024, '\x11'));
        CProgramApp app;
        AppObserver observer;
        observer.attach(app);
        QVERIFY(!app.InitInstance(
            folder.context({QStringLiteral("/p"), folder.file(QStringLiteral("radio.sin"))})));
        QCOMPARE(app.Document()->Image().byte(0), std::uint8_t{0x11});
        QCOMPARE(app.StartupExitCode(), 1);
        QVERIFY(!app.MainFrame()->isVisible());
        QCOMPARE(observer.messages,
                 QStringList{QStringLiteral("ZRX PC Encoder|There is no default printer.")});
    }

    void commandLineSwitches_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("shell");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("printer");
        using Shell = CCommandLineInfo::Shell;
        QTest::newRow("nothing") << QStringList{} << int(Shell::FileNew) << ""
                                 << "";
        QTest::newRow("file") << QStringList{"a.sin", "b.sin"} << int(Shell::FileOpen) << "a.sin"
                              << "";
        QTest::newRow("absolute path is a file, not a switch")
            << QStringList{"/home/me/p.sin"} << int(Shell::FileOpen) << "/home/me/p.sin"
            << "";
        QTest::newRow("print") << QStringList{"/P", "a.sin"} << int(Shell::FilePrint) << "a.sin"
                               << "";
        QTest::newRow("print to") << QStringList{"-pt", "a.sin", "Office", "drv", "LPT1"}
                                  << int(Shell::FilePrintTo) << "a.sin"
                                  << "Office";
        QTest::newRow("print switch without file") << QStringList{"/p"} << int(Shell::FileNew) << ""
                                                   << "";
        QTest::newRow("other switches ignored")
            << QStringList{"/Embedding", "-dde", "x.sin"} << int(Shell::FileOpen) << "x.sin"
            << "";
    }

    void commandLineSwitches() {
        QFETCH(QStringList, arguments);
        QFETCH(int, shell);
        QFETCH(QString, fileName);
        QFETCH(QString, printer);
        const CCommandLineInfo info = ParseCommandLine(arguments);
        QCOMPARE(int(info.shellCommand), shell);
        QCOMPARE(info.fileName, fileName);
        QCOMPARE(info.printerName, printer);
    }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
