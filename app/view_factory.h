#pragma once

class CProgramDoc;
class CCmdTarget;
class PrinterSettings;
class QWidget;

// The form view of the main window: its widget fills the frame's client area
// and its command target is offered every command before the document.
struct ViewParts {
    QWidget* widget;
    CCmdTarget* target;
};

// Creates the form view for `doc` as a child of `parent`; the view refreshes
// itself whenever the document signals a reset. It prints with `printers`,
// or with settings of its own when none are given.
ViewParts CreateProgramView(CProgramDoc* doc, QWidget* parent, PrinterSettings* printers = nullptr);
