// Start-up time and memory of the program: from launching a process to its
// main window shown on the screen, and the resident memory at that moment.
//
//   zrx_startup_bench [RUNS]          (run under xvfb-run for an X11 screen)
//
// Each run starts this same executable again with --child; the child runs
// exactly the program's start-up (CProgramApp with the build's out/ folder as
// its module directory, so Program.ini and Eng.dll are read from there) and
// reports the monotonic clock when the frame is exposed. Both processes read
// the same system-wide monotonic clock, so the difference covers process
// creation, dynamic linking, Qt's start and the program's own start-up.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "shell/mainframe.h"
#include "app/programapp.h"

namespace {

long long monotonicNanoseconds() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

long residentKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    // Files under /proc report no size, so read to the end rather than test atEnd().
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').value(0).toLong();
        }
    }
    return -1;
}

int runChild(int argc, char* argv[], const QString& outputFolder) {
    QApplication application(argc, argv);
    CProgramApp program;
    const StartupContext context{
        QDir(outputFolder).filePath(QStringLiteral("Program")), QDir::currentPath(), {}};
    if (!program.InitInstance(context)) {
        return 1;
    }
    QWindow* window = program.MainFrame()->windowHandle();
    QElapsedTimer waited;
    waited.start();
    while (window == nullptr || !window->isExposed()) {
        QApplication::processEvents(QEventLoop::AllEvents, 1);
        window = program.MainFrame()->windowHandle();
        if (waited.elapsed() > 10000) {
            return 1;
        }
    }
    const long long shown = monotonicNanoseconds();
    QApplication::processEvents();
    std::printf("%lld %ld\n", shown, residentKilobytes());
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    const QString outputFolder = QString::fromLocal8Bit(qgetenv("ZRX_OUTPUT_DIR"));
    if (argc >= 2 && QByteArray(argv[1]) == "--child") {
        return runChild(argc, argv,
                        outputFolder.isEmpty() ? QStringLiteral(ZRX_OUTPUT_DIR_DEFAULT)
                                               : outputFolder);
    }
    const int runs = argc >= 2 ? std::max(1, std::atoi(argv[1])) : 10;
    std::vector<double> milliseconds;
    std::vector<double> megabytes;
    for (int i = 0; i < runs; ++i) {
        QProcess child;
        const long long started = monotonicNanoseconds();
        child.start(QString::fromLocal8Bit(argv[0]), {QStringLiteral("--child")});
        if (!child.waitForFinished(30000) || child.exitCode() != 0) {
            std::fprintf(stderr, "run %d failed: %s\n", i + 1,
                         child.readAllStandardError().constData());
            return 1;
        }
        const QList<QByteArray> fields = child.readAllStandardOutput().trimmed().split(' ');
        milliseconds.push_back(static_cast<double>(fields.value(0).toLongLong() - started) / 1e6);
        megabytes.push_back(static_cast<double>(fields.value(1).toLong()) / 1024.0);
    }
    std::sort(milliseconds.begin(), milliseconds.end());
    std::sort(megabytes.begin(), megabytes.end());
    const std::size_t middle = milliseconds.size() / 2;
    std::printf("platform: %s, runs: %d\n",
                qgetenv("QT_QPA_PLATFORM").isEmpty() ? "default"
                                                     : qgetenv("QT_QPA_PLATFORM").constData(),
                runs);
    std::printf(
        "launch to main window shown: min %.1f ms, median %.1f ms, max %.1f ms (goal <= 400 ms)\n",
        milliseconds.front(), milliseconds[middle], milliseconds.back());
    std::printf(
        "resident memory when shown:  min %.1f MB, median %.1f MB, max %.1f MB (goal <= 80 MB)\n",
        megabytes.front(), megabytes[middle], megabytes.back());
    return 0;
}
