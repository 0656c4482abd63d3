#pragma once

#include <QString>
#include <QStringList>

// What the command line asks for, by the rules of the classic document
// programs: nothing opens a new document, a file name opens that file, and
// the print switches print the file without showing the window:
//   Program FILE.sin                      open FILE.sin
//   Program /p FILE.sin                   print it on the default printer
//   Program /pt FILE.sin PRINTER [DRIVER [PORT]]   print it on PRINTER
// Switches start with "/" or "-" and ignore case. Because a path may also
// start with "/", only the known switches count as switches; any other
// argument is a file name (the first one wins).
struct CCommandLineInfo {
    enum class Shell { FileNew, FileOpen, FilePrint, FilePrintTo };

    Shell shellCommand = Shell::FileNew;
    QString fileName;
    QString printerName;
    QString driverName;
    QString portName;
};

// `arguments` without the program's own name.
[[nodiscard]] CCommandLineInfo ParseCommandLine(const QStringList& arguments);
