// The main window and the dialogs as they come out with the fonts and the
// screen scale at hand. ctest runs this with the Liberation fonts, with only
// the URW fonts, with DejaVu alone and at 1.5 times the scale, so whatever a
// machine has installed, the whole table shows and no text is cut.

#include <QAbstractButton>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>

#include "app/aboutdlg.h"
#include "app/languagedlg.h"
#include "dialogs/optionfunctiondlg.h"
#include "dialogs/pcbadlg.h"
#include "dialogs/sidekeydlg.h"
#include "document/programdoc.h"
#include "editor/programview.h"
#include "grid/msflexgrid.h"
#include "gui_test_support.h"
#include "image/new_image.h"
#include "shell/language_choice.h"
#include "shell/mainframe.h"
#include "transfer/transferdlg.h"

namespace {

// Every label and button of `dialog` is wide and tall enough for its text.
void verifyNothingClipped(QWidget* dialog) {
    for (QWidget* child : dialog->findChildren<QWidget*>()) {
        QString text;
        if (auto* label = qobject_cast<QLabel*>(child)) {
            text = label->text();
        } else if (auto* button = qobject_cast<QAbstractButton*>(child)) {
            text = button->text();
        }
        if (text.isEmpty() || !child->isVisibleTo(dialog)) {
            continue;
        }
        const QSize needed = child->fontMetrics().size(Qt::TextShowMnemonic, text);
        QVERIFY2(needed.width() <= child->width() && needed.height() <= child->height(),
                 qPrintable(QStringLiteral("%1: \"%2\" needs %3x%4, has %5x%6")
                                .arg(dialog->windowTitle(), text)
                                .arg(needed.width())
                                .arg(needed.height())
                                .arg(child->width())
                                .arg(child->height())));
    }
}

} // namespace

class LayoutTest : public QObject {
    Q_OBJECT

private slots:
    void mainWindowShowsTheWholeTable_data() {
        QTest::addColumn<QByteArray>("code");
        QTest::newRow("English") << QByteArray("Eng");
        QTest::newRow("Simplified Chinese") << QByteArray("Chs");
        QTest::newRow("Traditional Chinese") << QByteArray("Cht");
    }

    void mainWindowShowsTheWholeTable() {
        QFETCH(QByteArray, code);
        StartedProgram program;
        QVERIFY(program.start(code));
        CProgramApp& app = program.app;
        CMainFrame* frame = app.MainFrame();
        QVERIFY(QTest::qWaitForWindowExposed(frame));

        // The frame keeps its size where the form fits in it, and grows
        // only where it does not.
        auto* scroller = qobject_cast<QScrollArea*>(frame->centralWidget());
        QVERIFY(scroller != nullptr);
        QWidget* form = app.View();
        QVERIFY(frame->width() >= CMainFrame::kWidth && frame->height() >= CMainFrame::kHeight);
        if (frame->size() != QSize(CMainFrame::kWidth, CMainFrame::kHeight)) {
            QVERIFY(form->minimumWidth() >
                        scroller->width() - (frame->width() - CMainFrame::kWidth) ||
                    form->minimumHeight() >
                        scroller->height() - (frame->height() - CMainFrame::kHeight));
        }
        QVERIFY(!scroller->horizontalScrollBar()->isVisible());
        QVERIFY(!scroller->verticalScrollBar()->isVisible());
        QVERIFY(scroller->focusPolicy() == Qt::NoFocus);

        // All 17 rows and 8 columns inside the grid, which scrolls nowhere.
        CMSFlexGrid* grid = qobject_cast<CProgramView*>(form)->grid();
        QVERIFY(!grid->horizontalScrollBar()->isVisible());
        QVERIFY(!grid->verticalScrollBar()->isVisible());
        const QRect lastCell = grid->visualRect(grid->model()->index(16, 7));
        QVERIFY(grid->viewport()->rect().contains(lastCell));
        QVERIFY(grid->geometry().bottom() < form->height());
        QVERIFY(grid->geometry().right() < form->width());
        // Chinese headings stand clear of the lines above and below them.
        const QString heading = grid->GetTextMatrix(0, 1);
        const int glyphs = grid->fontMetrics().boundingRect(heading).height();
        QVERIFY2(grid->rowHeight(0) >= glyphs + 2, qPrintable(heading));
    }

    // Qt's own buttons and a file error speak the running language too.
    void qtTextsAndFileErrorsSpeakTheLanguage_data() {
        QTest::addColumn<QByteArray>("code");
        QTest::addColumn<QString>("ok");
        QTest::addColumn<QString>("missing");
        QTest::newRow("English") << QByteArray("Eng") << "OK"
                                 << "no such file or folder";
        QTest::newRow("Simplified Chinese") << QByteArray("Chs") << "确定"
                                            << "文件或文件夹不存在";
        QTest::newRow("Traditional Chinese") << QByteArray("Cht") << "確定"
                                             << "檔案或資料夾不存在";
    }

    void qtTextsAndFileErrorsSpeakTheLanguage() {
        QFETCH(QByteArray, code);
        QFETCH(QString, ok);
        QFETCH(QString, missing);
        StartedProgram program;
        QVERIFY(program.start(code));
        CProgramApp& app = program.app;
        QMessageBox box(QMessageBox::NoIcon, QString(), QString(), QMessageBox::Ok);
        QCOMPARE(box.button(QMessageBox::Ok)->text().remove(QLatin1Char('&')), ok);
        QString shown;
        ModalAnswers answers;
        answers.expect<QMessageBox>("the error box", [&shown](QMessageBox* error) {
            shown = error->text();
            error->accept();
        });
        QVERIFY(!app.Document()->OnOpenDocument(program.folder.file(QStringLiteral("absent.sin"))));
        QVERIFY2(shown.endsWith(missing), qPrintable(shown));
    }

    void dialogsShowTheirTextsWhole_data() { mainWindowShowsTheWholeTable_data(); }

    void dialogsShowTheirTextsWhole() {
        QFETCH(QByteArray, code);
        StartedProgram program;
        QVERIFY(program.start(code));
        CProgramApp& app = program.app;
        CAboutDlg about(app.MainFrame());
        CLanguageDlg language(zrx::Language::English, app.MainFrame());
        std::atomic<int> flag{0};
        CTransferDlg transfer(flag, TransferSetup{}, zrx::TransferDirection::Read,
                              QStringLiteral("Read Data"), zrx::makeNewImage(), app.MainFrame());
        transfer.OnInitDialog();
        zrx::RadioImage image = zrx::makeNewImage();
        const auto running = LanguageFromCode(QString::fromLatin1(code));
        COptionFunctionDlg option(image, running, app.MainFrame());
        CSideKeyDlg sideKey(image, running, app.MainFrame());
        CPcbaDlg pcba(image, app.MainFrame());
        for (QDialog* dialog : {static_cast<QDialog*>(&about), static_cast<QDialog*>(&language),
                                static_cast<QDialog*>(&transfer), static_cast<QDialog*>(&option),
                                static_cast<QDialog*>(&sideKey), static_cast<QDialog*>(&pcba)}) {
            dialog->show();
            QVERIFY(QTest::qWaitForWindowExposed(dialog));
            verifyNothingClipped(dialog);
            dialog->hide();
        }
    }
};

QTEST_MAIN(LayoutTest)
#include "layout_test.moc"
