// Takes the pictures of the program's own help window for docs/, in English
// and in Simplified Chinese: Help > Help on a desktop without a viewer for
// help files, the "Getting started" page open. Run by
// scripts/screenshots-help.sh inside xvfb-run; each picture is a crop of
// the X screen, window manager frame included.
#include <QApplication>
#include <QProcess>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QtTest>

#include "shell/command_ids.h"
#include "app/helpviewer.h"
#include "shell/mainframe.h"
#include "gui_test_support.h"

namespace {

constexpr int kTitleBarAllowance = 28; // the window manager's title bar above the window
constexpr int kMargin = 6;

void settle(int ms) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
}

bool snap(const QRect& area, const QString& path) {
    const QRect screen = QApplication::primaryScreen()->geometry();
    const QRect crop = area.adjusted(-kMargin, -kMargin - kTitleBarAllowance, kMargin, kMargin)
                           .intersected(screen);
    const QString geometry = QStringLiteral("%1x%2+%3+%4")
                                 .arg(crop.width())
                                 .arg(crop.height())
                                 .arg(crop.x())
                                 .arg(crop.y());
    return QProcess::execute(QStringLiteral("import"),
                             {QStringLiteral("-window"), QStringLiteral("root"),
                              QStringLiteral("-crop"), geometry, QStringLiteral("+repage"),
                              path}) == 0;
}

bool shoot(const QString& code, const QString& outputFolder) {
    ProgramFolder folder;
    folder.addAllLibraries();
    folder.writeIni("[Setup]\nLanguage=" + code.toLatin1() + "\n");
    const QString help = code.toLower() + QStringLiteral(".chm");
    const QString built = QDir(QString::fromLocal8Bit(qgetenv("ZRX_OUTPUT_DIR"))).filePath(help);
    if (!QFile::copy(built, folder.file(help))) {
        return false;
    }
    CProgramApp app;
    AppObserver observer;
    observer.attach(app);
    if (!app.InitInstance(folder.context())) {
        return false;
    }
    app.Help().SetViewer([](const QUrl&) { return false; }); // no desktop viewer
    app.Help().SetUnpacker(
        QDir(QString::fromLocal8Bit(qgetenv("ZRX_OUTPUT_DIR"))).filePath("zrx-chm-unpack"));
    app.MainFrame()->Dispatch(cmd::kHelp);
    CHelpViewer* window = app.Help().Window();
    if (window == nullptr || !QTest::qWaitForWindowExposed(window)) {
        return false;
    }
    window->move(40, 40 + kTitleBarAllowance);
    window->resize(900, 640);
    QTreeWidget* contents = window->Contents();
    contents->setCurrentItem(contents->topLevelItem(1));
    settle(800);
    const bool ok = snap(window->geometry(),
                         QDir(outputFolder).filePath(code.toLower() + QStringLiteral("-help.png")));
    window->close();
    app.MainFrame()->hide();
    settle(200);
    return ok;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc < 2) {
        qWarning("usage: zrx_help_screenshots OUTPUT_FOLDER");
        return 2;
    }
    const QString outputFolder = QString::fromLocal8Bit(argv[1]);
    bool ok = true;
    for (const QString& code : {QStringLiteral("Eng"), QStringLiteral("Chs")}) {
        ok = shoot(code, outputFolder) && ok;
    }
    return ok ? 0 : 1;
}
