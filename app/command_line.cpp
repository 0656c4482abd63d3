#include "command_line.h"

namespace {

// "p", "pt", ... for a switch, an empty text for anything else.
QString switchName(const QString& argument) {
    if (argument.size() < 2 ||
        (argument.front() != QLatin1Char('/') && argument.front() != QLatin1Char('-'))) {
        return {};
    }
    const QString name = argument.mid(1).toLower();
    static const QStringList known = {QStringLiteral("p"), QStringLiteral("pt"),
                                      QStringLiteral("dde"), QStringLiteral("automation"),
                                      QStringLiteral("embedding")};
    return known.contains(name) ? name : QString();
}

} // namespace

CCommandLineInfo ParseCommandLine(const QStringList& arguments) {
    CCommandLineInfo info;
    bool printTo = false;
    bool print = false;
    QStringList parameters;
    for (const QString& argument : arguments) {
        const QString name = switchName(argument);
        if (name == QLatin1String("pt")) {
            printTo = true;
        } else if (name == QLatin1String("p")) {
            print = true;
        } else if (name.isEmpty() && !argument.isEmpty()) {
            parameters << argument;
        }
        // The other switches served a shell conversation this program does
        // not hold; they are accepted and ignored.
    }
    if (parameters.isEmpty()) {
        return info;
    }
    info.fileName = parameters.value(0);
    if (printTo) {
        info.shellCommand = CCommandLineInfo::Shell::FilePrintTo;
        info.printerName = parameters.value(1);
        info.driverName = parameters.value(2);
        info.portName = parameters.value(3);
    } else if (print) {
        info.shellCommand = CCommandLineInfo::Shell::FilePrint;
    } else {
        info.shellCommand = CCommandLineInfo::Shell::FileOpen;
    }
    return info;
}
