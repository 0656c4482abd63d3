#include <QApplication>
#include <QDir>
#include <QStandardPaths>

#include "command_line.h"
#include "programapp.h"

namespace {

// The print switches print without showing a window, so they must also work
// where there is no screen (a server, a terminal session): there the program
// runs on Qt's offscreen platform, and what it has to say goes to stderr.
void allowPrintingWithoutDisplay(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    using Shell = CCommandLineInfo::Shell;
    const Shell shell = ParseCommandLine(arguments).shellCommand;
    const bool printing = shell == Shell::FilePrint || shell == Shell::FilePrintTo;
    if (printing && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
        qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
}

bool hasDisplay() {
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

// Installed in a system folder, the program keeps the user's changes to
// Program.ini in the user's configuration folder
// ($XDG_CONFIG_HOME/zrx-pc-encoder/ on Linux).
QString perUserSettingsFile() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (folder.isEmpty()) {
        return {};
    }
    return folder + QStringLiteral("/zrx-pc-encoder/Program.ini");
}

} // namespace

int main(int argc, char* argv[]) {
    allowPrintingWithoutDisplay(argc, argv);
    QApplication application(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();

    CProgramApp program;
    program.SetPerUserSettingsFile(perUserSettingsFile());
    const StartupContext context{QCoreApplication::applicationFilePath(), QDir::currentPath(),
                                 arguments, hasDisplay()};
    if (!program.InitInstance(context)) {
        return program.StartupExitCode();
    }
    return QApplication::exec();
}
