#pragma once

#include <memory>

#include "channel_table_print.h"

class CMSFlexGrid;
class CProgramDoc;
class PrinterSettings;
class QPainter;
class QPrinter;
class QWidget;
struct PrintRequest;
struct ProgramState;

// Print, Print without dialog and Print Preview, and the one page they all
// draw: the channel table as the grid shows it.
class PrintCommands {
public:
    // `printers` are the run's printer settings that Print Setup changes;
    // without them the commands keep settings of their own. Dialogs open
    // over `parent`.
    PrintCommands(CProgramDoc* doc, ProgramState& state, PrinterSettings* printers,
                  CMSFlexGrid* grid, QWidget* parent);
    ~PrintCommands();

    // The print commands; false for any other.
    bool OnCmdMsg(int id);

    void OnFilePrint();
    void OnFilePrintDirect();
    // The print switches of the command line: print on the printer they
    // name without asking, and say in `request` how it went.
    void PrintForCommandLine(PrintRequest& request);
    void OnFilePrintPreview();
    // Draws the page with `painter`, active on a printer or a preview page.
    void OnPrint(QPainter& painter);

private:
    [[nodiscard]] channel_table_print::GridTexts GridTexts() const;
    void NameJob(QPrinter& printer) const;
    // Prints the page on `printer`; false when the printer could not be opened.
    bool PrintOn(QPrinter& printer);
    void ReportPrintFailure(const QPrinter& printer);

    CProgramDoc* m_doc;
    ProgramState& m_state;
    std::unique_ptr<PrinterSettings> m_ownPrinters;
    PrinterSettings* m_printers;
    CMSFlexGrid* m_grid;
    QWidget* m_parent;
};
