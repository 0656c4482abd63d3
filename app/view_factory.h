#pragma once

class CCmdTarget;
class CProgramDoc;
class CProgramView;
class PrinterSettings;
class QWidget;
struct ProgramState;

// The form view of the main window: its widget fills the frame's client area
// and its command target is offered every command before the document.
struct ViewParts {
    CProgramView* view;
    QWidget* widget;
    CCmdTarget* target;
};

// Creates the form view for `doc` as a child of `parent`; the view refreshes
// itself whenever the document signals a reset. It prints with `printers`,
// or with settings of its own when none are given.
ViewParts CreateProgramView(CProgramDoc* doc, ProgramState& state, QWidget* parent,
                            PrinterSettings* printers = nullptr);
