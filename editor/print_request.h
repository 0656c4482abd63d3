#pragma once

#include <QString>

// The printer that a command line's print switch named; an empty printer
// name means the default printer. The view reports back in `printed` and,
// when nothing was printed, in `failure`, so that the program can end with
// the right status.
struct PrintRequest {
    QString printerName;
    QString driverName;
    QString portName;
    bool printed = false;
    QString failure;
};
