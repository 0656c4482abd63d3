#pragma once

// Commands travel as in the classic document/view framework: the frame offers
// each command id to the form view, then the document, the frame and the
// application, and the first target that handles it wins.

#include <QString>

// What an update handler may say about a command before its menu shows.
struct CCmdUI {
    bool enabled = true;
    bool checked = false;
    // The item's text, where it changes (Undo names its step); empty keeps it.
    QString text;
};

class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;
    // Runs the handler for `id` and returns true, or returns false so the
    // next target gets the command.
    virtual bool OnCmdMsg(int id) = 0;
    // Fills `ui` for `id` and returns true when this target has an update
    // handler for it.
    virtual bool OnUpdateCmdUI(int /*id*/, CCmdUI& /*ui*/) { return false; }
};
