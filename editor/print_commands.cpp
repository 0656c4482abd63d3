// The Print, Print without dialog and Print Preview commands, and the one
// page they all draw from the grid's texts.
#include "print_commands.h"

#include <QFileInfo>
#include <QGraphicsView>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "channel_table_print.h"
#include "document/programdoc.h"
#include "grid/msflexgrid.h"
#include "image/language.h"
#include "print_request.h"
#include "shell/command_ids.h"
#include "shell/printer_settings.h"
#include "shell/program_state.h"
#include "shell/qt_text.h"
#include "shell/resources.h"

namespace {

constexpr zrx::LocalText kNoDefaultPrinter{"There is no default printer.", "没有默认打印机。",
                                           "沒有默認打印機。"};
constexpr zrx::LocalText kPrinterNotFound{"Printer not found: ", "找不到打印机：",
                                          "找不到打印機："};
constexpr zrx::LocalText kPrintFailed{"Could not print on: ", "无法打印到：", "無法打印到："};

QString applicationTitle() {
    return res("String", "ZRX PC Encoder");
}

// Qt draws the preview's screen, around the white page, in a fixed grey: on
// a dark or high-contrast desktop it takes the palette's dark shade instead.
// The page itself stays black on white, as it prints.
void ShowPreviewOnThePalette(QPrintPreviewDialog& preview) {
    for (auto* view : preview.findChildren<QGraphicsView*>()) {
        view->setBackgroundBrush(preview.palette().brush(QPalette::Dark));
    }
}

} // namespace

PrintCommands::PrintCommands(CProgramDoc* doc, ProgramState& state, PrinterSettings* printers,
                             CMSFlexGrid* grid, QWidget* parent)
    : m_doc(doc), m_state(state),
      m_ownPrinters(printers == nullptr ? std::make_unique<PrinterSettings>() : nullptr),
      m_printers(printers == nullptr ? m_ownPrinters.get() : printers), m_grid(grid),
      m_parent(parent) {}

PrintCommands::~PrintCommands() = default;

bool PrintCommands::OnCmdMsg(int id) {
    switch (id) {
    case cmd::kFilePrint:
        OnFilePrint();
        return true;
    case cmd::kFilePrintDirect:
        OnFilePrintDirect();
        return true;
    case cmd::kFilePrintPreview:
        OnFilePrintPreview();
        return true;
    default:
        return false;
    }
}

channel_table_print::GridTexts PrintCommands::GridTexts() const {
    channel_table_print::GridTexts rows;
    for (long r = 0; r < m_grid->GetRows(); ++r) {
        QStringList row;
        for (long c = 0; c < m_grid->GetCols(); ++c) {
            row << m_grid->GetTextMatrix(r, c);
        }
        rows << row;
    }
    return rows;
}

void PrintCommands::OnPrint(QPainter& painter) {
    channel_table_print::DrawPage(painter, GridTexts());
}

void PrintCommands::NameJob(QPrinter& printer) const {
    // The job is named after the document, as the print queue shows it.
    const QString path = m_doc->GetPathName();
    printer.setDocName(path.isEmpty() ? applicationTitle() : QFileInfo(path).fileName());
}

bool PrintCommands::PrintOn(QPrinter& printer) {
    NameJob(printer);
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    // One page: the table never calls for a second.
    OnPrint(painter);
    return painter.end();
}

void PrintCommands::ReportPrintFailure(const QPrinter& printer) {
    const QString where = printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName()
                                                                        : printer.printerName();
    QMessageBox::warning(m_parent, applicationTitle(),
                         toQString(kPrintFailed, m_state.language) + where);
}

void PrintCommands::OnFilePrint() {
    QPrinter& printer = m_printers->Printer();
    QPrintDialog dialog(&printer, m_parent);
    // The channel table is one page.
    dialog.setMinMax(1, 1);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    if (!PrintOn(printer)) {
        ReportPrintFailure(printer);
    }
}

void PrintCommands::OnFilePrintDirect() {
    // On the printer as it is set up.
    QPrinter& printer = m_printers->Printer();
    if (!PrintOn(printer)) {
        ReportPrintFailure(printer);
    }
}

void PrintCommands::PrintForCommandLine(PrintRequest& request) {
    // On the printer the command line named, or the default one. The
    // program reports the outcome and ends; nothing is shown here.
    const QString name =
        request.printerName.isEmpty() ? QPrinterInfo::defaultPrinterName() : request.printerName;
    if (name.isEmpty()) {
        request.failure = toQString(kNoDefaultPrinter, m_state.language);
        return;
    }
    const QPrinterInfo info = QPrinterInfo::printerInfo(name);
    if (info.isNull()) {
        request.failure = toQString(kPrinterNotFound, m_state.language) + name;
        return;
    }
    // The driver and port of the switch have no meaning to this print system:
    // the printer's name alone picks the queue.
    QPrinter printer(info, QPrinter::HighResolution);
    request.printed = PrintOn(printer);
    if (!request.printed) {
        request.failure = toQString(kPrintFailed, m_state.language) + name;
    }
}

void PrintCommands::OnFilePrintPreview() {
    QPrinter& printer = m_printers->Printer();
    NameJob(printer);
    QPrintPreviewDialog preview(&printer, m_parent);
    ShowPreviewOnThePalette(preview);
    // The preview pages are drawn as the printed one; the preview's own Print
    // button asks this again with the chosen printer.
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, m_parent,
                     [this](QPrinter* target) {
                         QPainter painter(target);
                         OnPrint(painter);
                     });
    preview.exec();
}
