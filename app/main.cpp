#include <QApplication>
#include <QDir>
#include <QStandardPaths>

#include "programapp.h"

namespace {

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
    QApplication application(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();

    CProgramApp program;
    program.SetPerUserSettingsFile(perUserSettingsFile());
    const StartupContext context{QCoreApplication::applicationFilePath(), QDir::currentPath(),
                                 arguments};
    if (!program.InitInstance(context)) {
        return program.StartupExitCode();
    }
    return QApplication::exec();
}
