#pragma once
// app/view_factory.h  (owned by the shell helper)
class CProgramDoc; class CCmdTarget; class QWidget;
struct ViewParts { QWidget* widget; CCmdTarget* target; };
ViewParts CreateProgramView(CProgramDoc* doc, QWidget* parent);
