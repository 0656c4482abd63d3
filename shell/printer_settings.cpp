#include "printer_settings.h"

#include <QPageSetupDialog>
#include <QPrinter>

PrinterSettings::PrinterSettings() = default;
PrinterSettings::~PrinterSettings() = default;

QPrinter& PrinterSettings::Printer() {
    if (!m_printer) {
        // Pages are laid out in the printer's own device pixels.
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    return *m_printer;
}

void PrinterSettings::OnFilePrintSetup(QWidget* parent) {
    QPageSetupDialog dialog(&Printer(), parent);
    dialog.exec();
}
