#pragma once

#include <memory>

class QPrinter;
class QWidget;

// The printer and page settings of the run: where Print, Print Preview and
// printing without a dialog print, and what Print Setup and the Print dialog
// change. They last until the program ends and are not stored; each run
// starts from the print system's default printer (or a PDF file where the
// system has no printer).
class PrinterSettings {
public:
    PrinterSettings();
    ~PrinterSettings();
    PrinterSettings(const PrinterSettings&) = delete;
    PrinterSettings& operator=(const PrinterSettings&) = delete;

    // Made on first use, so that start-up does not wait for the print system.
    QPrinter& Printer();

    // Print Setup: the page set-up dialog on the kept printer; OK keeps what
    // the user chose for the rest of the run.
    void OnFilePrintSetup(QWidget* parent);

private:
    std::unique_ptr<QPrinter> m_printer;
};
