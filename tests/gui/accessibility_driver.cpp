// Shows the main window and each of its dialogs in turn, as their commands
// open them, for scripts/accessibility-tree.sh to read as a screen reader
// does. Not a test of its own: after each window has shown it prints
// "READY <what>\t<window title>" and waits for a line on its standard input
// (the reader is done) before it closes that window and goes on; "DONE" at
// the end. Every wait has a deadline.
//
//   zrx_accessibility_driver Eng|Chs|Cht
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QMessageBox>
#include <QSocketNotifier>
#include <QTimer>
#include <QtTest>
#include <cstdio>
#include <unistd.h>

#include "document/programdoc.h"
#include "editor/channel_grid_editor.h"
#include "editor/programview.h"
#include "grid/msflexgrid.h"
#include "gui_test_support.h"
#include "shell/command_ids.h"
#include "shell/mainframe.h"

namespace {

constexpr int kReaderDeadlineMs = 200000;

bool g_ok = true;

void settle(int ms) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
}

// Tells the reader that `window` is up and waits until it has read it.
void offer(const char* what, QWidget* window) {
    settle(300);
    std::printf("READY %s\t%s\n", what, qPrintable(window->windowTitle()));
    std::fflush(stdout);
    QEventLoop loop;
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &loop, [&loop, &input] {
        char buffer[64];
        if (::read(STDIN_FILENO, buffer, sizeof buffer) <= 0) {
            g_ok = false; // the reader went away
        }
        input.setEnabled(false);
        loop.quit();
    });
    QTimer::singleShot(kReaderDeadlineMs, &loop, [&loop, what] {
        std::fprintf(stderr, "nobody read the window %s\n", what);
        g_ok = false;
        loop.quit();
    });
    loop.exec();
}

// The dialog a command opens, offered to the reader and then closed.
void offerDialog(CMainFrame* frame, int command, const char* what) {
    ModalAnswers answers(kReaderDeadlineMs + 10000);
    answers.expect<QDialog>(QString::fromLatin1(what), [what](QDialog* dialog) {
        offer(what, dialog);
        dialog->reject();
    });
    frame->Dispatch(command);
    g_ok = !answers.failed() && g_ok;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: zrx_accessibility_driver Eng|Chs|Cht\n");
        return 2;
    }
    modal::failureReporter() = [](const QString& message) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
        g_ok = false;
    };
    StartedProgram program;
    if (!program.start(QByteArray(argv[1]), "COM1")) {
        return 1;
    }
    CMainFrame* frame = program.app.MainFrame();
    auto* view = qobject_cast<CProgramView*>(program.app.View());
    if (!QTest::qWaitForWindowExposed(frame) || view == nullptr) {
        return 1;
    }
    // One channel to hear, with the keyboard on its Rx frequency.
    program.app.Document()->EditChannel(
        3, {"446.00625", "446.00625", "67.0", "Off", "No", "Narrow", "Add"}, {});
    view->grid()->setFocus(Qt::TabFocusReason);
    view->grid()->setCurrentCell(3, 1);
    offer("main", frame);

    view->gridEditor()->ShowCellEditor();
    offer("editor", frame);
    view->gridEditor()->DiscardOpenEditor();

    offerDialog(frame, cmd::kOption, "option");
    offerDialog(frame, cmd::kSideKey, "sidekey");
    offerDialog(frame, cmd::kEmbed, "pcba");
    offerDialog(frame, cmd::kRead, "transfer");
    offerDialog(frame, cmd::kAppAbout, "about");
    offerDialog(frame, cmd::kLanguage, "language");
    {
        // Default Factory without Default.sin beside the program: a message.
        ModalAnswers answers(kReaderDeadlineMs + 10000);
        answers.expect<QMessageBox>("message", [](QMessageBox* box) {
            offer("message", box);
            box->accept();
        });
        view->OnDefaultFactory();
        g_ok = !answers.failed() && g_ok;
    }
    std::printf("DONE\n");
    std::fflush(stdout);
    return g_ok ? 0 : 1;
}
