#include <QAction>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QRadioButton>
#include <QtTest>

#include "gui_test_support.h"
#include "pdf_words.h"
#include "shell/command_ids.h"
#include "shell/mainframe.h"

// The print commands as a user gives them: Ctrl+P, Print Preview and its own
// Print button, Print Setup. The printer is a PDF file here; the print
// switches and a real print queue are tested end to end with the program.
class PrintCommandsTest : public QObject {
    Q_OBJECT

private:
    static QString factoryFile() {
        return qEnvironmentVariable("ZRX_OUTPUT_DIR") + QStringLiteral("/Default.sin");
    }

    // The program started in `code` with the factory channels open, its
    // printer a PDF file in the folder.
    static std::unique_ptr<CProgramApp> start(const ProgramFolder& folder, AppObserver& observer,
                                              const QByteArray& code = "Eng") {
        folder.addAllLibraries();
        folder.writeIni("[Setup]\nLanguage=" + code + "\n");
        QFile::copy(factoryFile(), folder.file(QStringLiteral("radio.sin")));
        auto app = std::make_unique<CProgramApp>();
        observer.attach(*app);
        if (!app->InitInstance(folder.context({folder.file(QStringLiteral("radio.sin"))}))) {
            return nullptr;
        }
        QPrinter& printer = app->Printers().Printer();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(folder.file(QStringLiteral("printed.pdf")));
        return app;
    }

    static PdfWords printed(const ProgramFolder& folder) {
        return readPdfWords(folder.file(QStringLiteral("printed.pdf")).toStdString());
    }

    static bool shows(const PdfWords& page, const std::string& text) {
        return std::any_of(page.words.cbegin(), page.words.cend(),
                           [&text](const PdfWord& w) { return w.text == text; });
    }

    // Accepts the print dialog, noting the page range it offers.
    static void acceptPrintDialog(ModalAnswers& answers, QPoint* range = nullptr) {
        answers.expect<QPrintDialog>("the print dialog", [range](QPrintDialog* dialog) {
            if (range != nullptr) {
                *range = QPoint(dialog->minPage(), dialog->maxPage());
            }
            dialog->accept();
        });
    }

private slots:
    void initTestCase() {
        // No print system answers here: nothing reaches a real printer.
        qputenv("CUPS_SERVER", "/nonexistent/zrx-print-test.sock");
    }

    void ctrlP_printsTheTableOnOnePage() {
        ProgramFolder folder;
        AppObserver observer;
        const auto app = start(folder, observer);
        QVERIFY(app != nullptr);
        QVERIFY(QTest::qWaitForWindowActive(app->MainFrame()));
        QPoint range;
        ModalAnswers answers;
        acceptPrintDialog(answers, &range);
        QTest::keyClick(app->MainFrame(), Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(range, QPoint(1, 1));
        const PdfWords page = printed(folder);
        QVERIFY2(page.error.empty(), page.error.c_str());
        QCOMPARE(page.pages, 1);
        QVERIFY(shows(page, "446.00625"));
        QVERIFY(shows(page, "D754I"));
    }

    void preview_showsOnePageAndItsPrintButtonPrintsIt() {
        ProgramFolder folder;
        AppObserver observer;
        const auto app = start(folder, observer, "Chs");
        QVERIFY(app != nullptr);
        int previewPages = 0;
        ModalAnswers answers;
        answers.expect<QPrintPreviewDialog>("the preview", [&previewPages](
                                                               QPrintPreviewDialog* preview) {
            previewPages = preview->findChild<QPrintPreviewWidget*>()->pageCount();
            // Qt's own texts speak the program's language: "打印" here.
            const QString printText = QCoreApplication::translate("QPrintPreviewDialog", "Print");
            QAction* print = nullptr;
            for (QAction* action : preview->findChildren<QAction*>()) {
                if (action->text() == printText) {
                    print = action;
                }
            }
            QVERIFY2(print != nullptr, "the preview has no Print button");
            print->trigger();
        });
        acceptPrintDialog(answers);
        app->MainFrame()->Dispatch(cmd::kFilePrintPreview);
        QCOMPARE(previewPages, 1);
        const PdfWords page = printed(folder);
        QVERIFY2(page.error.empty(), page.error.c_str());
        QCOMPARE(page.pages, 1);
        QVERIFY(shows(page, "信道"));
        QVERIFY(shows(page, "467.92500"));
    }

    void printSetup_isKeptForTheRestOfTheRun() {
        ProgramFolder folder;
        AppObserver observer;
        const auto app = start(folder, observer);
        QVERIFY(app != nullptr);
        ModalAnswers answers;
        answers.expect<QPageSetupDialog>("the page set-up", [](QPageSetupDialog* dialog) {
            QRadioButton* landscape = nullptr;
            for (QRadioButton* button : dialog->findChildren<QRadioButton*>()) {
                if (button->text().remove(QLatin1Char('&')) == QStringLiteral("Landscape")) {
                    landscape = button;
                }
            }
            QVERIFY(landscape != nullptr);
            landscape->click();
            dialog->accept();
        });
        acceptPrintDialog(answers);
        app->MainFrame()->Dispatch(cmd::kFilePrintSetup);
        app->MainFrame()->Dispatch(cmd::kFilePrint);
        const PdfWords page = printed(folder);
        QVERIFY2(page.error.empty(), page.error.c_str());
        QCOMPARE(page.pages, 1);
        QVERIFY(page.pageWidth > page.pageHeight);
    }
};

QTEST_MAIN(PrintCommandsTest)
#include "print_commands_test.moc"
