// Times a read in the program (Read, Start, until the dialog has closed and
// the grid shows the radio) beside `zrx read` of the same radio, both against
// zrx-sim pacing the line at 9600 baud, in one run.
//
//   QT_QPA_PLATFORM=offscreen zrx_program_read_bench [runs]

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "gui/gui_test_support.h"
#include "shell/command_ids.h"
#include "shell/mainframe.h"
#include "transfer/transferdlg.h"

namespace {

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const QString out =
        qEnvironmentVariable("ZRX_OUTPUT_DIR", QStringLiteral(ZRX_OUTPUT_DIR_DEFAULT));
    qputenv("ZRX_OUTPUT_DIR", out.toLocal8Bit());
    // Every read keeps a backup; the bench's go to a folder of its own, not
    // into the user's data folder.
    QTemporaryDir backups;
    qputenv("XDG_DATA_HOME", backups.path().toLocal8Bit());

    QProcess simulator;
    simulator.start(out + QStringLiteral("/zrx-sim"),
                    {QStringLiteral("--memory"), out + QStringLiteral("/Default.sin")});
    if (!simulator.waitForReadyRead(5000)) {
        std::fprintf(stderr, "zrx-sim did not start\n");
        return 1;
    }
    const QString device = QString::fromLocal8Bit(simulator.readLine()).trimmed();

    ProgramFolder folder;
    folder.addAllLibraries();
    folder.writeIni("[Setup]\nLanguage=Eng\n");
    CProgramApp app;
    AppObserver observer;
    observer.attach(app);
    if (!app.InitInstance(folder.context())) {
        return 1;
    }
    app.State().portName = device;
    // Presses Start as soon as the dialog shows, as a user's first click.
    QTimer starter;
    QObject::connect(&starter, &QTimer::timeout, [] {
        if (auto* dialog = qobject_cast<CTransferDlg*>(QApplication::activeModalWidget());
            dialog != nullptr && !dialog->WorkerStarted()) {
            dialog->findChild<QPushButton*>(QStringLiteral("1"))->click();
        }
    });
    starter.start(1);

    QTemporaryDir scratch;
    std::vector<double> cli;
    std::vector<double> program;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        QProcess zrx;
        zrx.setStandardErrorFile(QProcess::nullDevice()); // its progress bar
        zrx.start(out + QStringLiteral("/zrx"),
                  {QStringLiteral("read"), QStringLiteral("--port"), device,
                   QStringLiteral("--out"), scratch.filePath(QStringLiteral("read.sin"))});
        zrx.waitForFinished(60000);
        const int status = zrx.exitStatus() == QProcess::NormalExit ? zrx.exitCode() : 1;
        cli.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e9);
        if (status != 0) {
            std::fprintf(stderr, "zrx read failed\n");
            return 1;
        }
        timer.restart();
        app.MainFrame()->Dispatch(cmd::kRead);
        program.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e9);
    }
    std::printf("read at 9600 baud, median of %d runs\n", runs);
    std::printf("  zrx read          %.3f s\n", median(cli));
    std::printf("  program Read      %.3f s  (Start pressed as the dialog shows)\n",
                median(program));
    std::printf("  difference        %+.3f s  (goal: at most +0.200 s)\n",
                median(program) - median(cli));
    simulator.kill();
    simulator.waitForFinished();
    return 0;
}
