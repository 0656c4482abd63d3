// Takes the pictures of a read in progress and of the Port menu with a USB
// cable plugged in, in the three languages, for the README. Run by
// scripts/screenshots-transfer.sh inside xvfb-run.
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

#include "editor/programview.h"
#include "gui_test_support.h"
#include "screen_capture.h"
#include "shell/command_ids.h"
#include "shell/mainframe.h"
#include "transfer/port_selection.h"
#include "transfer/transferdlg.h"

namespace {

using capture::kTitleBarAllowance;
using capture::settle;

bool snap(const QString& folder, const QRect& area, const QString& name) {
    return capture::snap(area, QDir(folder).filePath(name));
}

bool shoot(const QString& folder, const QString& code, const QString& device) {
    StartedProgram program;
    if (!program.start(code.toLatin1(), "COM1")) {
        return false;
    }
    CProgramApp& app = program.app;
    CMainFrame* frame = app.MainFrame();
    if (!QTest::qWaitForWindowExposed(frame)) {
        return false;
    }
    settle(500);
    const QString prefix = code.toLower();
    bool ok = true;

    // A read from the simulated radio, pictured half way.
    app.State().portName = device;
    bool shot = false;
    auto* poll = new QTimer(&app);
    QObject::connect(poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<CTransferDlg*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            return;
        }
        if (dialog->Progress()->value() == 0 && !dialog->WorkerStarted()) {
            dialog->findChild<QPushButton*>(QStringLiteral("1"))->click();
        } else if (!shot && dialog->Progress()->value() >= 70) {
            shot = true;
            ok = snap(folder, dialog->frameGeometry(), prefix + QStringLiteral("-transfer.png")) &&
                 ok;
        }
    });
    poll->start(10);
    frame->Dispatch(cmd::kRead);
    poll->stop();
    ok = ok && shot;

    // The Port menu with a USB cable that the computer reports.
    auto* view = qobject_cast<CProgramView*>(app.View());
    view->Ports()->SetLister([&app] {
        // A CH340 cable as the system reports it, beside this machine's own ports.
        const PortFacts cable{QStringLiteral("ttyUSB0"),
                              QStringLiteral("/dev/ttyUSB0"),
                              QStringLiteral("USB Serial"),
                              QString(),
                              0x1a86,
                              0x7523};
        std::vector<DetectedPort> ports = DetectSerialPorts(app.State().language);
        ports.insert(ports.begin(), DescribePort(cable, app.State().language));
        return ports;
    });
    app.State().portName = QStringLiteral("/dev/ttyUSB0");
    QMenu* portMenu = frame->MenuContaining(cmd::kCom1);
    frame->menuBar()->setActiveAction(portMenu->menuAction());
    settle(500);
    const QRect title = frame->menuBar()
                            ->actionGeometry(portMenu->menuAction())
                            .translated(frame->menuBar()->mapToGlobal(QPoint(0, 0)));
    ok = snap(folder, portMenu->geometry().united(title).adjusted(0, kTitleBarAllowance, 0, 0),
              prefix + QStringLiteral("-port-menu.png")) &&
         ok;
    portMenu->hide();
    frame->hide();
    settle(200);
    return ok;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc < 3) {
        qWarning("usage: zrx_transfer_screenshots OUTPUT_FOLDER DEVICE");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QString device = QString::fromLocal8Bit(argv[2]);
    bool ok = true;
    for (const QString& code :
         {QStringLiteral("Eng"), QStringLiteral("Chs"), QStringLiteral("Cht")}) {
        ok = shoot(folder, code, device) && ok;
    }
    return ok ? 0 : 1;
}
