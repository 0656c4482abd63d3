#include <QApplication>
#include <QDir>

#include "programapp.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();

    CProgramApp program;
    const StartupContext context{QCoreApplication::applicationFilePath(), QDir::currentPath(),
                                 arguments};
    if (!program.InitInstance(context)) {
        return program.StartupExitCode();
    }
    return QApplication::exec();
}
