#include "view_factory.h"

#include "document/programdoc.h"
#include "editor/programview.h"
#include "shell/command_ids.h"
#include "shell/mainframe.h"
#include "transfer/port_selection.h"

ViewParts CreateProgramView(CProgramDoc* doc, ProgramState& state, QWidget* parent,
                            PrinterSettings* printers) {
    auto* view = new CProgramView(doc, state, printers, parent);
    // Every New, Open and Default Factory ends in the view's initial update.
    QObject::connect(doc, &CProgramDoc::documentReset, view, &CProgramView::OnInitialUpdate);
    // The Port menu also lists the serial ports the computer has.
    if (auto* frame = qobject_cast<CMainFrame*>(parent)) {
        view->Ports()->AttachMenu(frame->MenuContaining(cmd::kCom1));
    }
    // The document may already hold its first image: show it now.
    view->OnInitialUpdate();
    return ViewParts{view, view, view};
}
