#pragma once

#include <QString>
#include <optional>

// The printer that a command line's print switch named. It is set while the
// print-without-dialog command (57608) runs for the command line, so the
// print handler knows to print on that printer without asking; an empty
// printer name means the default printer. The handler reports back in
// `printed` and, when nothing was printed, in `failure`, so that the program
// can end with the right status.
struct PrintRequest {
    QString printerName;
    QString driverName;
    QString portName;
    bool printed = false;
    QString failure;
};

inline std::optional<PrintRequest> g_commandLinePrint;
