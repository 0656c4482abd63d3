#pragma once

class CProgramDoc;
class CCmdTarget;
class QWidget;

// The form view of the main window: its widget fills the frame's client area
// and its command target is offered every command before the document.
struct ViewParts {
    QWidget* widget;
    CCmdTarget* target;
};

// Creates the form view for `doc` as a child of `parent`; the view refreshes
// itself whenever the document signals a reset.
ViewParts CreateProgramView(CProgramDoc* doc, QWidget* parent);
