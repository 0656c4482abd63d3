// Takes the pictures of the main window, its menus, the About box, the
// language dialog and the radio settings dialogs in the three languages for
// the README. Run by
// scripts/screenshots.sh inside xvfb-run; each picture is a crop of the X
// screen taken with ImageMagick's `import -window root`, so window
// decorations and menus look as a user sees them.
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QtTest>

#include "gui_test_support.h"
#include "screen_capture.h"
#include "shell/command_ids.h"
#include "shell/mainframe.h"

namespace {

using capture::kTitleBarAllowance;
using capture::settle;

QString g_outputFolder; // where this run puts its pictures

bool snap(const QRect& area, const QString& name) {
    return capture::snap(area, QDir(g_outputFolder).filePath(name));
}

// Opens the list with `id` in `dialog` and pictures the dialog with it.
bool snapOpenedList(QWidget* dialog, int id, const QString& name) {
    auto* list = dialog->findChild<QComboBox*>(QString::number(id));
    if (list == nullptr) {
        return false;
    }
    list->showPopup();
    settle(800);
    const QRect popup = list->view()->window()->geometry();
    const bool ok = snap(dialog->geometry().united(popup), name);
    list->hidePopup();
    settle(150);
    return ok;
}

// The Option Function, Side Key and PCBA dialogs as their commands open
// them, each pictured closed, and the Option Function and Side Key dialogs
// once more with their widest list opened.
bool shootSettingsDialogs(CMainFrame* frame, const QString& prefix) {
    bool ok = true;
    const struct {
        int command;
        const char* name;
        int openedList; // 0: none
    } dialogs[] = {
        {cmd::kOption, "option", 1097}, {cmd::kSideKey, "sidekey", 1093}, {cmd::kEmbed, "pcba", 0}};
    for (const auto& shot : dialogs) {
        const QString name = prefix + QLatin1Char('-') + QLatin1String(shot.name);
        ModalAnswers answers;
        answers.expect<QDialog>(name, [&ok, name, shot](QDialog* dialog) {
            settle(600);
            if (auto* code = dialog->findChild<QLineEdit*>(QStringLiteral("1092"));
                code != nullptr && shot.openedList == 0) {
                code->setFocus();
                QTest::keyClicks(code, QStringLiteral("zrx412a"));
                settle(200);
            }
            ok = snap(dialog->geometry(), name + QStringLiteral(".png")) && ok;
            if (shot.openedList != 0) {
                ok = snapOpenedList(dialog, shot.openedList, name + QStringLiteral("-list.png")) &&
                     ok;
            }
            dialog->reject();
        });
        frame->Dispatch(shot.command);
        ok = !answers.failed() && ok;
    }
    return ok;
}

bool shootLanguage(const QString& code) {
    StartedProgram program;
    if (!program.start(code.toLatin1(), "COM1")) {
        return false;
    }
    CProgramApp& app = program.app;
    CMainFrame* frame = app.MainFrame();
    if (!QTest::qWaitForWindowExposed(frame)) {
        return false;
    }
    settle(800);
    const QString prefix = code.toLower();
    bool ok = snap(frame->geometry(), prefix + QStringLiteral("-main.png"));

    // Each menu opened as a click on its title opens it, then one picture of all.
    QStringList parts;
    const QList<QAction*> menus = frame->menuBar()->actions();
    for (qsizetype i = 0; i < menus.size(); ++i) {
        frame->menuBar()->setActiveAction(menus[i]);
        settle();
        QMenu* popup = menus[i]->menu();
        const QRect title = frame->menuBar()->actionGeometry(menus[i]).translated(
            frame->menuBar()->mapToGlobal(QPoint(0, 0)));
        const QRect area = popup->geometry().united(title).adjusted(0, kTitleBarAllowance, 0, 0);
        const QString part = prefix + QStringLiteral("-menu%1.png").arg(i);
        ok = snap(area, part) && ok;
        parts << QDir(g_outputFolder).filePath(part);
        popup->hide();
        settle(150);
    }
    const QString menusPicture =
        QDir(g_outputFolder).filePath(prefix + QStringLiteral("-menus.png"));
    ok = QProcess::execute(QStringLiteral("convert"),
                           QStringList(parts)
                               << QStringLiteral("-background") << QStringLiteral("white")
                               << QStringLiteral("-gravity") << QStringLiteral("north")
                               << QStringLiteral("+append") << menusPicture) == 0 &&
         ok;
    for (const QString& part : parts) {
        QFile::remove(part);
    }

    // The About box, pictured while it waits for OK.
    {
        ModalAnswers answers;
        answers
            .expect<QDialog>(
                "the About box",
                [&ok, prefix](QDialog* about) {
                    settle(600);
                    ok = snap(about->geometry(), prefix + QStringLiteral("-about.png")) && ok;
                    about->accept();
                })
            // The language dialog, cancelled after its picture.
            .expect<QDialog>("the language dialog", [&ok, prefix](QDialog* dialog) {
                settle(600);
                ok = snap(dialog->geometry(), prefix + QStringLiteral("-language.png")) && ok;
                dialog->reject();
            });
        frame->Dispatch(cmd::kAppAbout);
        frame->Dispatch(cmd::kLanguage);
        ok = !answers.failed() && ok;
    }

    ok = shootSettingsDialogs(frame, prefix) && ok;
    frame->hide();
    settle(200);
    return ok;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc < 2) {
        qWarning("usage: zrx_screenshots OUTPUT_FOLDER");
        return 2;
    }
    g_outputFolder = QString::fromLocal8Bit(argv[1]);
    bool ok = true;
    // Not a Qt Test suite: a window that did not show is told here.
    modal::failureReporter() = [&ok](const QString& message) {
        qWarning("%s", qPrintable(message));
        ok = false;
    };
    for (const QString& code :
         {QStringLiteral("Eng"), QStringLiteral("Chs"), QStringLiteral("Cht")}) {
        ok = shootLanguage(code) && ok;
    }
    return ok ? 0 : 1;
}
